// The students window driven through its real widgets, the test answering
// the input boxes and questions as they appear: classes and students
// added, a login, a run filed in the student's folder, comments that stay
// with their file, and pictures of the window and of the login.
#include "records/gui/frm_recs.h"

#include <gtest/gtest.h>

#include <QInputDialog>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <deque>
#include <filesystem>
#include <fstream>
#include <functional>

#include "frame/gui/frm_main.h"
#include "main_window_fixture.h"
#include "records/data_file.h"
#include "records/run_recording.h"
#include "records/student_files.h"

namespace pumpdrill {
namespace {

namespace fs = std::filesystem;

// Answers the modal dialogs in the order they appear.
class ModalAnswers {
 public:
  using Act = std::function<void(QWidget*)>;
  ModalAnswers() {
    timer_.setInterval(5);
    QObject::connect(&timer_, &QTimer::timeout, [this] { Poll(); });
    timer_.start();
  }
  // Types text into the next input box and presses OK (Cancel for nothing).
  void Type(std::optional<QString> text, const char* shot = nullptr) {
    acts_.push_back([text, shot](QWidget* w) {
      auto* box = qobject_cast<QInputDialog*>(w);
      ASSERT_NE(box, nullptr) << "expected an input box";
      box->setTextValue(text.value_or(""));
      if (shot) testing::Screenshot(*box, shot);
      text ? box->accept() : box->reject();
    });
  }
  // Presses the button of the next question.
  void Press(QMessageBox::StandardButton button, const char* shot = nullptr) {
    acts_.push_back([this, button, shot](QWidget* w) {
      auto* box = qobject_cast<QMessageBox*>(w);
      ASSERT_NE(box, nullptr) << "expected a question";
      questions.push_back(box->text().toStdString());
      if (shot) testing::Screenshot(*box, shot);
      box->button(button)->click();
    });
  }
  bool Done() const { return acts_.empty(); }
  std::vector<std::string> questions;

 private:
  void Poll() {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || acts_.empty() || !modal->isVisible()) return;
    Act act = acts_.front();
    acts_.pop_front();
    act(modal);
  }
  QTimer timer_;
  std::deque<Act> acts_;
};

class FrmRecsTest : public testing::MainWindowFixture {
 protected:
  void SetUp() override {
    OpenMainWindow();
    host.messages.clear();
  }
  std::string Recs() const { return p.Dirs().RecordsDirectory; }
  TfrmRecs& Open() {
    w->mStudentsConfigure->trigger();
    testing::ProcessEventsFor(20);
    EXPECT_NE(w->frmRecs(), nullptr);
    return *w->frmRecs();
  }
  static void Click(QWidget* button) { QTest::mouseClick(button, Qt::LeftButton); }
  static QStringList Rows(QListWidget* list) {
    QStringList rows;
    for (int i = 0; i < list->count(); ++i) rows << list->item(i)->text();
    return rows;
  }
  void Student(const std::string& cls, const std::string& folder, const std::string& last,
               const std::string& first) {
    fs::create_directories(Recs() + cls + "/" + folder);
    StudentRec r{last, first, "", ""};
    ASSERT_TRUE(ReadWriteStudent(1, Recs() + cls + "/" + folder, r));
  }
  void DataFile(const std::string& path, const std::string& date) {
    TPlotSetupRec h{};
    h.RecordDate = date;
    h.RecordTime = "09:30 AM";
    ASSERT_EQ(WriteDataFileHeader(path, h), WriteStep::Done);
  }
  std::string Comments(const std::string& path) {
    DataFileContents c;
    std::string reason;
    EXPECT_TRUE(ReadDataFile(path, p.S(), c, reason)) << reason;
    return c.Header.Comments.str();
  }
  ModalAnswers answers;
};

TEST_F(FrmRecsTest, ClassAndStudentsAddedThenALoginFilesTheRunInTheStudentsFolder) {
  TfrmRecs& recs = Open();
  EXPECT_EQ(w->recsWindow()->windowTitle().toStdString(),
            "Student Operator Configuration, Login and Data");
  // Opened over the maximised panel it comes maximised too, as MDI windows
  // do; restored, it has its own size.
  w->recsWindow()->showNormal();
  EXPECT_EQ(w->recsWindow()->size(), QSize(610, 460));
  EXPECT_EQ(recs.LblRecordsFor->text().toStdString(), "No records.");
  EXPECT_FALSE(recs.InstructorPanel->isVisible());

  answers.Type("Alpha");
  Click(recs.BtnAddClass);
  EXPECT_EQ(recs.ClassComboBox->currentText(), "Alpha");
  answers.Type("Smith");
  answers.Type("Ann");
  answers.Type("1234");
  Click(recs.BtnAddStudent);
  answers.Type("Jones");
  answers.Type("Cy");
  answers.Type("");
  Click(recs.BtnAddStudent);
  EXPECT_TRUE(answers.Done());
  EXPECT_EQ(Rows(recs.SortedStudentNamesListBox), QStringList({"Jones, Cy", "Smith, Ann"}));
  EXPECT_EQ(recs.SortedStudentNamesListBox->currentItem()->text(), "Jones, Cy");  // the new one
  EXPECT_EQ(recs.LblRecordsFor->text().toStdString(), "No records for:  Jones, Cy");
  recs.DefaultLoginCheckBox->click();
  EXPECT_EQ(p.config.Options.DefaultLoginClass, "Alpha");

  w->mStudentsLogin->trigger();
  ASSERT_FALSE(host.messages.empty());
  EXPECT_EQ(host.messages.back().text, "Close the student configuration window before login.");
  w->recsWindow()->close();
  testing::ProcessEventsFor(20);
  EXPECT_EQ(w->recsWindow(), nullptr);

  answers.Type("smith");
  answers.Press(QMessageBox::Yes);
  w->mStudentsLogin->trigger();
  EXPECT_TRUE(answers.Done());
  EXPECT_EQ(answers.questions, std::vector<std::string>{"Correct login? Smith, Ann"});
  EXPECT_TRUE(w->mOperator->isVisible());
  EXPECT_EQ(w->mOperator->text().toStdString(), "     Operator:  Smith, Ann");
  EXPECT_EQ(p.run.Recording.PlotSetup.OperatorName.str(), "Smith, Ann");

  const double start = host.now;
  w->mRunStart->trigger();
  for (double t = 0; t <= 12; t += 0.5) {
    host.now = start + t;
    w->Timer1Timer();
  }
  w->mRunTerminate->trigger();
  const std::string temp = Recs() + "Alpha/stu_000/tmp.DTA";
  ASSERT_TRUE(fs::exists(temp));
  EXPECT_GT(DataFileSampleCount(fs::file_size(temp)), 5u);
  EXPECT_FALSE(fs::exists(Recs() + "tmp.DTA"));

  // The student's folder lists it; during no run it may be viewed.
  TfrmRecs& again = Open();
  again.SortedStudentNamesListBox->setCurrentRow(1);
  EXPECT_EQ(Rows(again.StudentEvolsListBox), QStringList({"tmp.DTA"}));
  EXPECT_EQ(again.LblRecordsFor->text().toStdString(), "Records for:  Smith, Ann");
  EXPECT_TRUE(again.BtnViewEvol->isEnabled());
}

TEST_F(FrmRecsTest, ACommentStaysWithTheFileItWasWrittenFor) {
  Student("Alpha", "stu_000", "Smith", "Ann");
  const std::string dir = Recs() + "Alpha/stu_000/";
  DataFile(dir + "first.DTA", "2026-12-01");
  DataFile(dir + "second.DTA", "2026-12-02");
  TfrmRecs& recs = Open();
  ASSERT_EQ(Rows(recs.StudentEvolsListBox), QStringList({"first.DTA", "second.DTA"}));
  EXPECT_EQ(recs.LblCreated->text().toStdString(), "created: 2026-12-01  09:30 AM");
  EXPECT_EQ(recs.LblComments->text().toStdString(), "No comments for:  first.DTA");

  recs.EvolCommentsMemo->setFocus();
  QTest::keyClicks(recs.EvolCommentsMemo, "Held 150 psi");
  // Clicking the other file: the text goes to the first, not the second.
  QListWidget* list = recs.StudentEvolsListBox;
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                    list->visualItemRect(list->item(1)).center());
  EXPECT_EQ(recs.SelectedFile(), "second.DTA");
  EXPECT_EQ(Comments(dir + "first.DTA"), "Held 150 psi");
  EXPECT_EQ(Comments(dir + "second.DTA"), "");
  EXPECT_EQ(recs.EvolCommentsMemo->toPlainText(), "");

  // An initialisation closes the window and keeps the comment typed.
  recs.EvolCommentsMemo->setFocus();
  QTest::keyClicks(recs.EvolCommentsMemo, "Late on the primer");
  w->mRunInitialize->trigger();
  testing::ProcessEventsFor(20);
  EXPECT_EQ(w->recsWindow(), nullptr);
  EXPECT_EQ(Comments(dir + "second.DTA"), "Late on the primer");
  EXPECT_EQ(Comments(dir + "first.DTA"), "Held 150 psi");

  // Renaming onto a name that exists changes nothing.
  TfrmRecs& again = Open();
  answers.Type("second.DTA");
  Click(again.BtnRenameEvol);
  EXPECT_EQ(host.messages.back().text, kNameExists);
  EXPECT_EQ(Comments(dir + "first.DTA"), "Held 150 psi");
}

TEST_F(FrmRecsTest, PicturesOfAClassWithADamagedStudentAndOfTheLogin) {
  Student("Engine7", "stu_000", "Smith", "Ann");
  Student("Engine7", "stu_001", "Smithers", "Bo");
  fs::create_directories(Recs() + "Engine7/stu_002");
  std::ofstream(Recs() + "Engine7/stu_002/ctrl.txt") << "[OPERATOR_ID]\nFNAME=Lost\n";
  Student("Engine7", "stu_003", "Okafor", "Chidi");
  Student("Engine7", "stu_004", "Lindqvist-Barros", "Maria Elena");
  fs::create_directories(Recs() + "Truck2");
  DataFile(Recs() + "Engine7/stu_004/drill_hydrant.DTA", "2026-12-04");
  DataFile(Recs() + "Engine7/stu_004/relay_pumping.DTA", "2026-12-05");
  p.config.Options.DefaultLoginClass = "Engine7";

  TfrmRecs& recs = Open();
  ASSERT_FALSE(host.messages.empty());
  EXPECT_EQ(host.messages.size(), 1u);  // one box for the refill
  EXPECT_EQ(host.messages[0].type, MsgType::Plain);
  EXPECT_EQ(Rows(recs.SortedStudentNamesListBox),
            QStringList({"Lindqvist-Barros, Maria Elena", "Okafor, Chidi", "Smith, Ann",
                         "Smithers, Bo", "stu_002"}));
  EXPECT_TRUE(recs.DefaultLoginCheckBox->isChecked());
  recs.SortedStudentNamesListBox->setCurrentRow(0);
  recs.StudentEvolsListBox->setCurrentRow(1);
  recs.EvolCommentsMemo->setPlainText("Good pressure control; slow to open the tank-to-pump.");
  testing::ProcessEventsFor(30);
  const QImage shot = testing::Screenshot(*w->recsWindow(), "students_window");
  EXPECT_GT(testing::ColourCount(shot), 20);
  recs.CommitComment();
  w->recsWindow()->close();
  testing::ProcessEventsFor(20);

  answers.Type("Smith", "students_login");
  answers.Press(QMessageBox::No, "students_login_offer");
  answers.Press(QMessageBox::Yes);
  w->mStudentsLogin->trigger();
  EXPECT_TRUE(answers.Done());
  EXPECT_EQ(answers.questions,
            (std::vector<std::string>{"Correct login? Smith, Ann", "Correct login? Smithers, Bo"}));
  EXPECT_EQ(p.run.Recording.OperatorDirectory, "Engine7/stu_001/");
  testing::Screenshot(*w, "students_operator_item");
}

}  // namespace
}  // namespace pumpdrill
