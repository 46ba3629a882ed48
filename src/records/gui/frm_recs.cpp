#include "records/gui/frm_recs.h"

#include <QCloseEvent>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "frame/program.h"
#include "frame/utf8_text.h"
#include "records/data_file.h"
#include "records/student_commands.h"

namespace pumpdrill {

namespace {

QString Qs(const std::string& s) { return QString::fromStdString(s); }

QPushButton* Button(const char* caption, const char* name, QWidget* parent) {
  auto* b = new QPushButton(caption, parent);
  b->setObjectName(name);
  b->setAutoDefault(false);
  return b;
}

constexpr std::size_t kMaxCommentBytes = 255;

}  // namespace

TfrmRecs::TfrmRecs(Program& p, Host& host, QWidget* parent)
    : QWidget(parent), p_(p), host_(host), prompts_(this) {
  setObjectName("frmRecs");
  setWindowTitle("Student Operator Configuration, Login and Data");
  ChooseImportFile = [](QWidget* parent) -> std::optional<std::string> {
    const QString f = QFileDialog::getOpenFileName(parent, "Import Students", QString(),
                                                   "Student lists (*.csv *.CSV);;All files (*)");
    if (f.isEmpty()) return std::nullopt;
    return f.toStdString();
  };
  BuildWindow();
  FillClasses("");
}

StudentsContext TfrmRecs::Context() {
  return StudentsContext{p_.S(), p_.config, p_.run, host_, prompts_};
}

void TfrmRecs::BuildWindow() {
  auto* grid = new QGridLayout(this);
  grid->setContentsMargins(8, 8, 8, 8);
  grid->setHorizontalSpacing(8);

  auto* grpClass = new QGroupBox("Class or group", this);
  auto* classRow = new QGridLayout(grpClass);
  ClassComboBox = new QComboBox(grpClass);
  ClassComboBox->setObjectName("ClassComboBox");
  ClassComboBox->setMinimumWidth(180);
  BtnAddClass = Button("Add", "BtnAddClass", grpClass);
  BtnRenameClass = Button("Rename", "BtnRenameClass", grpClass);
  BtnDeleteClass = Button("Delete", "BtnDeleteClass", grpClass);
  DefaultLoginCheckBox = new QCheckBox("use this as default class login", grpClass);
  DefaultLoginCheckBox->setObjectName("DefaultLoginCheckBox");
  classRow->addWidget(ClassComboBox, 0, 0);
  classRow->addWidget(BtnAddClass, 0, 1);
  classRow->addWidget(BtnRenameClass, 0, 2);
  classRow->addWidget(BtnDeleteClass, 0, 3);
  classRow->addWidget(DefaultLoginCheckBox, 1, 0, 1, 4);
  classRow->setColumnStretch(0, 1);
  grid->addWidget(grpClass, 0, 0, 1, 2);

  GrpStudents = new QGroupBox("Students", this);
  auto* stu = new QVBoxLayout(GrpStudents);
  SortedStudentNamesListBox = new QListWidget(GrpStudents);
  SortedStudentNamesListBox->setObjectName("SortedStudentNamesListBox");
  stu->addWidget(SortedStudentNamesListBox, 1);
  auto* stuButtons = new QGridLayout;
  BtnAddStudent = Button("Add", "BtnAddStudent", GrpStudents);
  BtnRenameStudent = Button("Rename", "BtnRenameStudent", GrpStudents);
  BtnDeleteStudent = Button("Delete", "BtnDeleteStudent", GrpStudents);
  BtnImportStudents = Button("Import Students...", "BtnImportStudents", GrpStudents);
  stuButtons->addWidget(BtnAddStudent, 0, 0);
  stuButtons->addWidget(BtnRenameStudent, 0, 1);
  stuButtons->addWidget(BtnDeleteStudent, 0, 2);
  stuButtons->addWidget(BtnImportStudents, 1, 0, 1, 3);
  stu->addLayout(stuButtons);
  grid->addWidget(GrpStudents, 1, 0);

  auto* grpFiles = new QGroupBox("Data files", this);
  auto* files = new QVBoxLayout(grpFiles);
  LblRecordsFor = new QLabel(grpFiles);
  LblRecordsFor->setObjectName("LblRecordsFor");
  StudentEvolsListBox = new QListWidget(grpFiles);
  StudentEvolsListBox->setObjectName("StudentEvolsListBox");
  LblCreated = new QLabel(grpFiles);
  LblCreated->setObjectName("LblCreated");
  auto* fileButtons = new QHBoxLayout;
  BtnViewEvol = Button("View", "BtnViewEvol", grpFiles);
  BtnRenameEvol = Button("Rename", "BtnRenameEvol", grpFiles);
  BtnDeleteEvol = Button("Delete", "BtnDeleteEvol", grpFiles);
  fileButtons->addWidget(BtnViewEvol);
  fileButtons->addWidget(BtnRenameEvol);
  fileButtons->addWidget(BtnDeleteEvol);
  LblComments = new QLabel(grpFiles);
  LblComments->setObjectName("LblComments");
  EvolCommentsMemo = new QPlainTextEdit(grpFiles);
  EvolCommentsMemo->setObjectName("EvolCommentsMemo");
  EvolCommentsMemo->setFixedHeight(72);
  EvolCommentsMemo->installEventFilter(this);
  files->addWidget(LblRecordsFor);
  files->addWidget(StudentEvolsListBox, 1);
  files->addWidget(LblCreated);
  files->addLayout(fileButtons);
  files->addWidget(LblComments);
  files->addWidget(EvolCommentsMemo);
  grid->addWidget(grpFiles, 1, 1);
  grid->setColumnStretch(0, 1);
  grid->setColumnStretch(1, 1);
  grid->setRowStretch(1, 1);

  InstructorPanel = new QWidget(this);
  InstructorPanel->setObjectName("InstructorPanel");
  InstructorPanel->setEnabled(false);
  InstructorPanel->hide();

  connect(ClassComboBox, &QComboBox::currentIndexChanged, this, [this] { ClassComboBoxChange(); });
  connect(DefaultLoginCheckBox, &QCheckBox::clicked, this, &TfrmRecs::DefaultLoginCheckBoxClick);
  connect(SortedStudentNamesListBox, &QListWidget::currentRowChanged, this, [this] {
    if (!filling_) FillFiles("");
  });
  connect(StudentEvolsListBox, &QListWidget::currentRowChanged, this, [this] {
    if (!filling_) ShowFile();
  });
  connect(EvolCommentsMemo, &QPlainTextEdit::textChanged, this, &TfrmRecs::EvolCommentsMemoChange);
  connect(BtnAddClass, &QPushButton::clicked, this, &TfrmRecs::BtnAddClassClick);
  connect(BtnRenameClass, &QPushButton::clicked, this, &TfrmRecs::BtnRenameClassClick);
  connect(BtnDeleteClass, &QPushButton::clicked, this, &TfrmRecs::BtnDeleteClassClick);
  connect(BtnAddStudent, &QPushButton::clicked, this, &TfrmRecs::BtnAddStudentClick);
  connect(BtnRenameStudent, &QPushButton::clicked, this, &TfrmRecs::BtnRenameStudentClick);
  connect(BtnDeleteStudent, &QPushButton::clicked, this, &TfrmRecs::BtnDeleteStudentClick);
  connect(BtnImportStudents, &QPushButton::clicked, this, &TfrmRecs::BtnImportStudentsClick);
  connect(BtnViewEvol, &QPushButton::clicked, this, &TfrmRecs::BtnViewEvolClick);
  connect(BtnRenameEvol, &QPushButton::clicked, this, &TfrmRecs::BtnRenameEvolClick);
  connect(BtnDeleteEvol, &QPushButton::clicked, this, &TfrmRecs::BtnDeleteEvolClick);
}

std::string TfrmRecs::SelectedClass() const {
  const int i = ClassComboBox->currentIndex();
  return i >= 0 && i < static_cast<int>(classes_.size()) ? classes_[i] : std::string();
}

const StudentEntry* TfrmRecs::SelectedStudent() const {
  const int row = SortedStudentNamesListBox->currentRow();
  return row >= 0 && row < static_cast<int>(order_.size()) ? &students_[order_[row]] : nullptr;
}

std::string TfrmRecs::SelectedFile() const {
  const int row = StudentEvolsListBox->currentRow();
  return row >= 0 && row < static_cast<int>(files_.size()) ? files_[row] : std::string();
}

std::string TfrmRecs::SelectedFilePath() const {
  const StudentEntry* e = SelectedStudent();
  const std::string file = SelectedFile();
  if (!e || file.empty()) return {};
  return p_.Dirs().RecordsDirectory + SelectedClass() + "/" + e->Folder + "/" + file;
}

void TfrmRecs::FillClasses(const std::string& select) {
  CommitComment();
  classes_ = ListClasses(p_.Dirs().RecordsDirectory);
  int index = 0;
  const std::string wanted = select.empty() ? p_.config.Options.DefaultLoginClass : select;
  for (std::size_t i = 0; i < classes_.size(); ++i)
    if (classes_[i] == wanted) index = static_cast<int>(i);
  filling_ = true;
  ClassComboBox->clear();
  for (const std::string& c : classes_) ClassComboBox->addItem(Qs(c));
  ClassComboBox->setCurrentIndex(classes_.empty() ? -1 : index);
  filling_ = false;
  ClassComboBoxChange();
}

void TfrmRecs::ClassComboBoxChange() {
  if (filling_) return;
  const std::string cls = SelectedClass();
  inDefaultClick_ = true;
  DefaultLoginCheckBox->setChecked(!cls.empty() && cls == p_.config.Options.DefaultLoginClass);
  inDefaultClick_ = false;
  DefaultLoginCheckBox->setEnabled(!cls.empty());
  BtnRenameClass->setEnabled(!cls.empty());
  BtnDeleteClass->setEnabled(!cls.empty());
  BtnAddStudent->setEnabled(!cls.empty());
  BtnImportStudents->setEnabled(!cls.empty());
  FillStudents("");
}

void TfrmRecs::FillStudents(const std::string& selectFolder) {
  CommitComment();
  const std::string cls = SelectedClass();
  std::vector<std::string> damaged;
  students_ = cls.empty() ? std::vector<StudentEntry>{}
                          : ListStudents(p_.Dirs().RecordsDirectory + cls + "/", &damaged);
  order_ = SortedByName(students_);
  int row = 0;
  filling_ = true;
  SortedStudentNamesListBox->clear();
  for (std::size_t r = 0; r < order_.size(); ++r) {
    const StudentEntry& e = students_[order_[r]];
    auto* item = new QListWidgetItem(Qs(e.Name()), SortedStudentNamesListBox);
    if (!e.Intact) {
      item->setForeground(QColor(0xB0, 0x20, 0x20));
      item->setToolTip(
          "This student's file is damaged: rename the student to write it again, or delete it.");
    }
    if (e.Folder == selectFolder) row = static_cast<int>(r);
  }
  SortedStudentNamesListBox->setCurrentRow(order_.empty() ? -1 : row);
  filling_ = false;
  GrpStudents->setTitle(order_.empty() ? "Students"
                                       : Qs("Students (" + std::to_string(order_.size()) + ")"));
  if (!damaged.empty()) {
    std::string text;
    for (const std::string& d : damaged) text += (text.empty() ? "" : "\n") + d;
    host_.Message(MsgType::Plain, Buttons::Ok, text);
  }
  FillFiles("");
}

void TfrmRecs::FillFiles(const std::string& selectFile) {
  CommitComment();
  const StudentEntry* e = SelectedStudent();
  files_ = e ? ListDataFiles(p_.Dirs().RecordsDirectory + SelectedClass() + "/" + e->Folder + "/")
             : std::vector<std::string>{};
  int row = 0;
  filling_ = true;
  StudentEvolsListBox->clear();
  for (std::size_t r = 0; r < files_.size(); ++r) {
    StudentEvolsListBox->addItem(Qs(files_[r]));
    if (files_[r] == selectFile) row = static_cast<int>(r);
  }
  StudentEvolsListBox->setCurrentRow(files_.empty() ? -1 : row);
  filling_ = false;
  if (!e)
    LblRecordsFor->setText("No records.");
  else
    LblRecordsFor->setText(
        Qs((files_.empty() ? "No records for:  " : "Records for:  ") + e->Name()));
  BtnRenameStudent->setEnabled(e != nullptr);
  BtnDeleteStudent->setEnabled(e != nullptr);
  ShowFile();
}

void TfrmRecs::ShowFile() {
  CommitComment();
  const std::string path = SelectedFilePath();
  const bool any = !path.empty();
  BtnViewEvol->setEnabled(any && !p_.run.SimActive);
  BtnRenameEvol->setEnabled(any);
  BtnDeleteEvol->setEnabled(any);
  filling_ = true;
  EvolCommentsMemo->clear();
  EvolCommentsMemo->setEnabled(any);
  LblCreated->clear();
  LblComments->clear();
  commentPath_.clear();
  if (any) {
    DataFileContents contents;
    std::string reason;
    if (ReadDataFile(path, p_.S(), contents, reason)) {
      const TPlotSetupRec& h = contents.Header;
      LblCreated->setText(Qs("created: " + h.RecordDate.str() + "  " + h.RecordTime.str()));
      const std::string comments = h.Comments.str();
      LblComments->setText(
          Qs((comments.empty() ? "No comments for:  " : "Comments for:  ") + SelectedFile()));
      EvolCommentsMemo->setPlainText(Qs(comments));
      commentPath_ = path;
    } else {
      LblComments->setText(Qs(DataFileReadMessage(path, reason)));
      EvolCommentsMemo->setEnabled(false);
    }
  }
  commentChanged_ = false;
  filling_ = false;
}

void TfrmRecs::EvolCommentsMemoChange() {
  if (filling_) return;
  const std::string text = EvolCommentsMemo->toPlainText().toStdString();
  if (text.size() > kMaxCommentBytes) {
    filling_ = true;
    EvolCommentsMemo->setPlainText(Qs(Utf8Prefix(text, kMaxCommentBytes)));
    EvolCommentsMemo->moveCursor(QTextCursor::End);
    filling_ = false;
  }
  commentChanged_ = true;
}

void TfrmRecs::CommitComment() {
  if (!commentChanged_ || commentPath_.empty()) return;
  commentChanged_ = false;
  StudentsContext c = Context();
  if (SaveDataFileComment(c, commentPath_, EvolCommentsMemo->toPlainText().toStdString()) &&
      commentPath_ == SelectedFilePath()) {
    const bool empty = EvolCommentsMemo->toPlainText().isEmpty();
    LblComments->setText(Qs((empty ? "No comments for:  " : "Comments for:  ") + SelectedFile()));
  }
}

bool TfrmRecs::eventFilter(QObject* watched, QEvent* event) {
  if (watched == EvolCommentsMemo && event->type() == QEvent::FocusOut) CommitComment();
  return QWidget::eventFilter(watched, event);
}

void TfrmRecs::closeEvent(QCloseEvent* event) {
  CommitComment();
  QWidget::closeEvent(event);
}

void TfrmRecs::DefaultLoginCheckBoxClick(bool on) {
  if (inDefaultClick_) return;
  inDefaultClick_ = true;
  StudentsContext c = Context();
  SetDefaultLoginClass(c, SelectedClass(), on);
  inDefaultClick_ = false;
}

void TfrmRecs::Command(const std::function<void(StudentsContext&)>& command) {
  CommitComment();
  const std::string folder = p_.run.Recording.OperatorDirectory;
  const std::string name = p_.run.Recording.PlotSetup.OperatorName.str();
  StudentsContext c = Context();
  command(c);
  if (folder != p_.run.Recording.OperatorDirectory ||
      name != p_.run.Recording.PlotSetup.OperatorName.str())
    emit OperatorChanged();
}

void TfrmRecs::BtnAddClassClick() {
  Command([this](StudentsContext& c) {
    if (auto name = AddClass(c)) FillClasses(*name);
  });
}

void TfrmRecs::BtnRenameClassClick() {
  Command([this](StudentsContext& c) {
    if (auto name = RenameClass(c, SelectedClass())) FillClasses(*name);
  });
}

void TfrmRecs::BtnDeleteClassClick() {
  Command([this](StudentsContext& c) {
    if (DeleteClass(c, SelectedClass())) FillClasses("");
  });
}

void TfrmRecs::BtnAddStudentClick() {
  Command([this](StudentsContext& c) {
    if (auto folder = AddStudent(c, SelectedClass())) FillStudents(*folder);
  });
}

void TfrmRecs::BtnRenameStudentClick() {
  const StudentEntry* e = SelectedStudent();
  if (!e) {
    host_.Message(MsgType::Information, Buttons::Ok, "There are no student directories to edit. ");
    return;
  }
  const StudentEntry student = *e;
  Command([this, student](StudentsContext& c) {
    if (RenameStudent(c, SelectedClass(), student)) FillStudents(student.Folder);
  });
}

void TfrmRecs::BtnDeleteStudentClick() {
  const StudentEntry* e = SelectedStudent();
  if (!e) {
    host_.Message(MsgType::Information, Buttons::Ok,
                  "There are no student directories to delete. ");
    return;
  }
  const StudentEntry student = *e;
  Command([this, student](StudentsContext& c) {
    DeleteStudent(c, SelectedClass(), student);
    FillStudents("");
  });
}

void TfrmRecs::BtnImportStudentsClick() {
  const std::string cls = SelectedClass();
  if (cls.empty()) return;
  const std::optional<std::string> file = ChooseImportFile(this);
  if (!file) return;
  Command([this, cls, &file](StudentsContext& c) {
    if (ImportStudents(c, cls, *file) > 0) FillStudents("");
  });
}

void TfrmRecs::BtnViewEvolClick() {
  const std::string path = SelectedFilePath();
  if (path.empty()) {
    host_.Message(MsgType::Information, Buttons::Ok, "There are no student records to view.");
    return;
  }
  // A stored file opened during a run would take the run's samples.
  if (p_.run.SimActive) {
    host_.Message(MsgType::Information, Buttons::Ok, kRunFileBusy);
    return;
  }
  CommitComment();
  emit ViewRequested(Qs(path));
}

void TfrmRecs::BtnRenameEvolClick() {
  const StudentEntry* e = SelectedStudent();
  const std::string file = SelectedFile();
  if (!e || file.empty()) {
    host_.Message(MsgType::Information, Buttons::Ok, "There are no student records to edit.");
    return;
  }
  const StudentEntry student = *e;
  Command([this, student, file](StudentsContext& c) {
    if (auto name = RenameDataFile(c, SelectedClass(), student, file)) FillFiles(*name);
  });
}

void TfrmRecs::BtnDeleteEvolClick() {
  const StudentEntry* e = SelectedStudent();
  const std::string file = SelectedFile();
  if (!e || file.empty()) {
    host_.Message(MsgType::Information, Buttons::Ok, "There are no student records to delete.");
    return;
  }
  const StudentEntry student = *e;
  Command([this, student, file](StudentsContext& c) {
    if (DeleteDataFile(c, SelectedClass(), student, file)) FillFiles("");
  });
}

}  // namespace pumpdrill
