// The students window ("Student Operator Configuration, Login and Data"):
// the classes, the students of the chosen class, the data files of the
// chosen student with their comments, and the default login class. Every
// command is the core's; the window asks, shows and refills its lists.
#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QWidget>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "records/gui/student_prompts.h"
#include "records/student_files.h"

namespace pumpdrill {

struct Program;

class TfrmRecs : public QWidget {
  Q_OBJECT

 public:
  TfrmRecs(Program& p, Host& host, QWidget* parent = nullptr);

  // Writes a changed comment into the file it was read for.
  void CommitComment();

  // The file Import Students reads (tests put their own chooser).
  std::function<std::optional<std::string>(QWidget*)> ChooseImportFile;

  QComboBox* ClassComboBox = nullptr;
  QCheckBox* DefaultLoginCheckBox = nullptr;
  QPushButton *BtnAddClass, *BtnRenameClass, *BtnDeleteClass;
  QGroupBox* GrpStudents = nullptr;
  QListWidget* SortedStudentNamesListBox = nullptr;  // one row per student, in name order
  QPushButton *BtnAddStudent, *BtnRenameStudent, *BtnDeleteStudent, *BtnImportStudents;
  QLabel* LblRecordsFor = nullptr;
  QListWidget* StudentEvolsListBox = nullptr;
  QLabel* LblCreated = nullptr;
  QPushButton *BtnViewEvol, *BtnRenameEvol, *BtnDeleteEvol;
  QLabel* LblComments = nullptr;
  QPlainTextEdit* EvolCommentsMemo = nullptr;
  QWidget* InstructorPanel = nullptr;  // password and lockout: hidden and inactive

  // The chosen class ("" without classes), student (nullptr without
  // students) and data file ("" without files).
  std::string SelectedClass() const;
  const StudentEntry* SelectedStudent() const;
  std::string SelectedFile() const;
  std::string SelectedFilePath() const;

 signals:
  // The logged-in student changed (renamed, logged out by a delete).
  void OperatorChanged();
  // View: the file is to be opened in the strip chart.
  void ViewRequested(const QString& path);

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  StudentsContext Context();
  void BuildWindow();
  void FillClasses(const std::string& select);
  void FillStudents(const std::string& selectFolder);
  void FillFiles(const std::string& selectFile);
  void ShowFile();
  void ClassComboBoxChange();
  void DefaultLoginCheckBoxClick(bool on);
  void EvolCommentsMemoChange();
  // Runs a command of the core and tells the main window when the
  // operator's name or folder changed.
  void Command(const std::function<void(StudentsContext&)>& command);

  void BtnAddClassClick();
  void BtnRenameClassClick();
  void BtnDeleteClassClick();
  void BtnAddStudentClick();
  void BtnRenameStudentClick();
  void BtnDeleteStudentClick();
  void BtnImportStudentsClick();
  void BtnViewEvolClick();
  void BtnRenameEvolClick();
  void BtnDeleteEvolClick();

  Program& p_;
  Host& host_;
  DialogStudentPrompts prompts_;
  std::vector<std::string> classes_;
  std::vector<StudentEntry> students_;
  std::vector<int> order_;  // row -> index into students_
  std::vector<std::string> files_;
  std::string commentPath_;  // the file the memo's text was read from
  bool commentChanged_ = false;
  bool filling_ = false;
  bool inDefaultClick_ = false;
};

}  // namespace pumpdrill
