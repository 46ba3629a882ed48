// Classes, students and the operator login on a scratch records folder:
// numbering, name checks, renames that never replace, deletes that stay
// inside their folder, the login lookup, damaged student files amid a
// class, and the operator the data files are filed under.
#include <gtest/gtest.h>

#include <deque>
#include <filesystem>
#include <optional>

#include "default_state.h"
#include "frame/configuration.h"
#include "frame/run_control.h"
#include "recording_host.h"
#include "records/data_file.h"
#include "records/run_recording.h"
#include "records/student_commands.h"
#include "records/student_names.h"
#include "scratch_dir.h"

namespace pumpdrill {
namespace {

namespace fs = std::filesystem;
using testing::ReadText;
using testing::WriteText;

class ScriptedPrompts : public StudentPrompts {
 public:
  std::optional<std::string> InputBox(const std::string& title, const std::string& prompt,
                                      const std::string& value) override {
    asked.push_back(title + "|" + prompt + "|" + value);
    if (inputs.empty()) return std::nullopt;
    auto v = inputs.front();
    inputs.pop_front();
    return v;
  }
  Answer YesNoCancel(const std::string& text) override {
    offers.push_back(text);
    if (answers.empty()) return Answer::Cancel;
    Answer a = answers.front();
    answers.pop_front();
    return a;
  }
  bool RetryIgnore(const std::string& text) override {
    offers.push_back(text);
    if (retries.empty()) return false;
    bool r = retries.front();
    retries.pop_front();
    return r;
  }
  std::deque<std::optional<std::string>> inputs;
  std::deque<Answer> answers;
  std::deque<bool> retries;
  std::vector<std::string> asked, offers;
};

// A save dialog that saves under "saved.DTA" in the folder it is offered.
class SavingHost : public RecordingHost {
 public:
  bool CanChooseDataSaveName() override { return true; }
  std::optional<std::string> ChooseDataSaveName(const std::string& folder,
                                                const std::string&) override {
    folders.push_back(folder);
    return folder + "saved.DTA";
  }
  std::vector<std::string> folders;
};

class StudentsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    run.Dirs.MainDirectory = dir.path().string();
    SetDataDirectories(run.Dirs);
    CreateMissingDataFolders(run.Dirs);
    InitializeSimulation(s, cfg, run, host);
  }
  std::string Recs() const { return run.Dirs.RecordsDirectory; }
  // A student folder written directly, as another copy of the program would.
  void Student(const std::string& cls, const std::string& folder, const std::string& last,
               const std::string& first, const std::string& other = "") {
    fs::create_directories(Recs() + cls + "/" + folder);
    StudentRec r{last, first, other, ""};
    ASSERT_TRUE(ReadWriteStudent(1, Recs() + cls + "/" + folder, r));
  }
  // The answers typed into the next input boxes.
  void Type(std::initializer_list<std::optional<std::string>> answers) {
    for (const auto& a : answers) prompts.inputs.push_back(a);
  }

  testing::ScratchDir dir;
  std::unique_ptr<State> state = testing::MakeDefaultState();
  State& s = *state;
  Configuration cfg;
  RunContext run;
  SavingHost host;
  ScriptedPrompts prompts;
  StudentsContext c{s, cfg, run, host, prompts};
};

TEST(StudentNames, ClassAndFileNameChecks) {
  struct Case {
    std::string name;
    bool classOk;
    bool fileOk;
  };
  const Case cases[] = {
      {"Engine7", true, false},
      {"A-Shift_2026", true, false},
      {"two words", false, false},
      {"..", false, false},
      {".", false, false},
      {".hidden", false, false},
      {"a/b", false, false},
      {"a\\b", false, false},
      {"a:b", false, false},
      {"a\"b", false, false},
      {"a|b", false, false},
      {"a*b?", false, false},
      {"tab\there", false, false},
      {std::string(64, 'x'), true, false},
      {std::string(65, 'x'), false, false},
      {"run 1.DTA", false, true},
      {"drill.dta", true, true},
      {"../up.DTA", false, false},
      {"tmp.DTA", true, false},
      {"TMP.dta", true, false},
      {"notes.txt", true, false},
      {std::string(61, 'y') + ".DTA", false, false},
  };
  for (const Case& k : cases) {
    EXPECT_EQ(ClassNameProblem(k.name).empty(), k.classOk) << k.name;
    EXPECT_EQ(DataFileNameProblem(k.name).empty(), k.fileOk) << k.name;
  }
  EXPECT_EQ(DataFileNameProblem("notes.txt"), "Filename must end in \".DTA\"");
  EXPECT_EQ(Trimmed("  Smith \t"), "Smith");
  EXPECT_FALSE(StudentNameProblem("-1", "Ann", "").empty());
  EXPECT_FALSE(StudentNameProblem(std::string(65, 'z'), "", "").empty());
  EXPECT_TRUE(StudentNameProblem("Müller", "Zoë", "").empty());
}

TEST_F(StudentsTest, AddClassAndStudentsTakeTheLowestFreeNumber) {
  Type({" Alpha "});
  ASSERT_EQ(AddClass(c), "Alpha");
  EXPECT_TRUE(IsRealFolder(Recs() + "Alpha"));
  Student("Alpha", "stu_000", "A", "a");
  Student("Alpha", "STU_001", "B", "b");  // taken in any letter case
  Student("Alpha", "stu_003", "D", "d");
  Type({"Smith", "Ann", "1234"});
  ASSERT_EQ(AddStudent(c, "Alpha"), "stu_002");
  StudentRec r;
  ASSERT_TRUE(ReadWriteStudent(0, Recs() + "Alpha/stu_002", r));
  EXPECT_EQ(r.LastName, "Smith");
  EXPECT_EQ(r.FirstName, "Ann");
  EXPECT_EQ(r.OtherId, "1234");
  EXPECT_NE(ReadText(Recs() + "Alpha/stu_002/ctrl.txt").find("[OPERATOR_ID]"), std::string::npos);

  // Cancel or an empty last name create nothing.
  Type({std::nullopt});
  EXPECT_FALSE(AddStudent(c, "Alpha"));
  Type({"   "});
  EXPECT_FALSE(AddStudent(c, "Alpha"));
  EXPECT_FALSE(fs::exists(Recs() + "Alpha/stu_004"));

  // A name of a class that exists, or that breaks the rule, is refused.
  Type({"Alpha", "../outside"});
  EXPECT_FALSE(AddClass(c));
  EXPECT_FALSE(AddClass(c));
  EXPECT_FALSE(fs::exists(dir.path() / "outside"));
  EXPECT_NE(host.Texts().find(kNameExists), std::string::npos);
  EXPECT_NE(host.Texts().find(kClassNameRule), std::string::npos);
}

TEST_F(StudentsTest, TheThousandAndFirstStudentIsRefusedWithoutAsking) {
  fs::create_directories(Recs() + "Full");
  for (int n = 0; n < kMaxStudents; ++n)
    fs::create_directory(Recs() + "Full/" + StudentFolderName(n));
  EXPECT_EQ(FirstFreeStudentNumber(Recs() + "Full/"), -1);
  EXPECT_FALSE(AddStudent(c, "Full"));
  EXPECT_TRUE(prompts.asked.empty());
  EXPECT_EQ(host.messages.back().text, "This class already has 1000 students.");
}

TEST_F(StudentsTest, RenamesNeverReplace) {
  Student("Alpha", "stu_000", "A", "a");
  Student("Beta", "stu_000", "B", "b");
  Type({"Beta"});
  EXPECT_FALSE(RenameClass(c, "Alpha"));
  EXPECT_EQ(host.messages.back().text, kNameExists);
  EXPECT_TRUE(fs::exists(Recs() + "Alpha/stu_000/ctrl.txt"));
  EXPECT_NE(ReadText(Recs() + "Beta/stu_000/ctrl.txt").find("LNAME=B"), std::string::npos);

  const std::string stu = Recs() + "Alpha/stu_000/";
  WriteText(stu + "one.DTA", "first");
  WriteText(stu + "two.DTA", "second");
  StudentEntry e{"stu_000", {}, true};
  Type({"two.DTA", "three.txt", "three.DTA"});
  EXPECT_FALSE(RenameDataFile(c, "Alpha", e, "one.DTA"));
  EXPECT_EQ(ReadText(stu + "two.DTA"), "second");
  EXPECT_FALSE(RenameDataFile(c, "Alpha", e, "one.DTA"));
  EXPECT_EQ(host.messages.back().text, "Filename must end in \".DTA\"");
  EXPECT_EQ(RenameDataFile(c, "Alpha", e, "one.DTA"), "three.DTA");
  EXPECT_EQ(ReadText(stu + "three.DTA"), "first");
  EXPECT_EQ(ListDataFiles(stu), (std::vector<std::string>{"three.DTA", "two.DTA"}));
}

TEST_F(StudentsTest, DeletingAStudentRemovesThatFolderOnly) {
  Student("Alpha", "stu_000", "Keep", "k");
  Student("Alpha", "stu_001", "Gone", "g");
  const fs::path outside = dir.path() / "outside.DTA";
  WriteText(outside, "not the student's");
  fs::create_symlink(outside, Recs() + "Alpha/stu_001/link.DTA");
  fs::create_directory_symlink(dir.path(), Recs() + "Alpha/stu_001/up");
  std::vector<StudentEntry> list = ListStudents(Recs() + "Alpha/");
  ASSERT_EQ(list.size(), 2u);

  host.answers = {Answer::Cancel, Answer::Ok};
  EXPECT_FALSE(DeleteStudent(c, "Alpha", list[1]));
  EXPECT_TRUE(fs::exists(Recs() + "Alpha/stu_001"));
  EXPECT_TRUE(DeleteStudent(c, "Alpha", list[1]));
  EXPECT_EQ(host.messages.back().text,
            "Delete student Gone, g and all of the student's data files?");
  EXPECT_FALSE(fs::exists(fs::symlink_status(Recs() + "Alpha/stu_001")));
  EXPECT_EQ(ReadText(outside), "not the student's");
  EXPECT_TRUE(fs::exists(Recs() + "Alpha/stu_000/ctrl.txt"));
  EXPECT_TRUE(fs::exists(Recs() + "Alpha"));
}

TEST_F(StudentsTest, ADamagedStudentFileIsListedByItsFolderAndShiftsNoOne) {
  Student("Alpha", "stu_000", "Adams", "Al");
  fs::create_directories(Recs() + "Alpha/stu_001");
  WriteText(Recs() + "Alpha/stu_001/ctrl.txt", "garbage without a section\n");
  fs::create_directories(Recs() + "Alpha/stu_002");  // no ctrl.txt at all
  Student("Alpha", "stu_003", "Young", "Yo");
  std::vector<std::string> damaged;
  const std::vector<StudentEntry> list = ListStudents(Recs() + "Alpha/", &damaged);
  ASSERT_EQ(list.size(), 4u);
  EXPECT_EQ(list[1].Name(), "stu_001");
  EXPECT_EQ(list[3].Name(), "Young, Yo");
  ASSERT_EQ(damaged.size(), 2u);
  EXPECT_EQ(damaged[0], "Ctrl file, \" " + Recs() +
                            "Alpha/stu_001/ctrl.txt \" not found or not intact for stu_001");

  // Login finds Young in his own folder.
  cfg.Options.DefaultLoginClass = "Alpha";
  Type({"young, yo"});
  ASSERT_TRUE(OperatorLogin(c));
  EXPECT_EQ(run.Recording.OperatorDirectory, "Alpha/stu_003/");

  // Renaming a damaged student rewrites its file.
  Type({"Baker", "Bo", ""});
  EXPECT_TRUE(RenameStudent(c, "Alpha", list[1]));
  StudentRec r;
  EXPECT_TRUE(ReadWriteStudent(0, Recs() + "Alpha/stu_001", r));
  EXPECT_EQ(r.LastName, "Baker");
}

struct LoginCase {
  const char* name;
  const char* typed;
  std::vector<Answer> answers;
  std::vector<std::string> offers;  // the confirmations shown, in order
  const char* folder;               // logged in, or "" for no one
};

class LoginTest : public StudentsTest, public ::testing::WithParamInterface<LoginCase> {};

TEST_P(LoginTest, FindsTheStudentMeant) {
  const LoginCase& k = GetParam();
  Student("Alpha", "stu_000", "Smithers", "Bo", "77");
  Student("Alpha", "stu_001", "Smith", "Ann", "1234");
  Student("Alpha", "stu_002", "Jones", "Cy");
  Student("Alpha", "stu_003", "Smith", "Ann", "5678");
  Student("Alpha", "stu_004", "Doe", "Jo");
  Type({k.typed});
  for (Answer a : k.answers) prompts.answers.push_back(a);
  const bool in = OperatorLogin(c);
  EXPECT_EQ(in, std::string(k.folder) != "");
  EXPECT_EQ(prompts.offers, k.offers);
  EXPECT_EQ(run.Recording.OperatorDirectory,
            k.folder[0] ? std::string("Alpha/") + k.folder + "/" : "");
}

const char* kNotFound =
    "Your login name was not found. RETRY your login or select IGNORE to continue. See menu item  "
    "\"Data Records|Students|Configure\"  for valid login names for your class.";

INSTANTIATE_TEST_SUITE_P(
    Students, LoginTest,
    ::testing::Values(
        LoginCase{"exact", "Jones, Cy", {}, {}, "stu_002"},
        LoginCase{"case_and_blanks", "  DOE, jo ", {}, {}, "stu_004"},
        LoginCase{
            "partial_second", "Smithe", {Answer::Yes}, {"Correct login? Smithers, Bo"}, "stu_000"},
        LoginCase{"two_of_one_name",
                  "smith, ann",
                  {Answer::No, Answer::Yes},
                  {"Correct login? Smith, Ann (1234)", "Correct login? Smith, Ann (5678)"},
                  "stu_003"},
        LoginCase{"partial_in_order",
                  "Smith",
                  {Answer::No, Answer::No, Answer::Yes},
                  {"Correct login? Smith, Ann (1234)", "Correct login? Smith, Ann (5678)",
                   "Correct login? Smithers, Bo"},
                  "stu_000"},
        LoginCase{"cancel", "Smith", {Answer::Cancel}, {"Correct login? Smith, Ann (1234)"}, ""},
        LoginCase{"declined_all", "Jon", {Answer::No}, {"Correct login? Jones, Cy", kNotFound}, ""},
        LoginCase{"not_found", "Zed", {}, {kNotFound}, ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(StudentsTest, LoginFilesTheRunUnderTheStudentAndAFailedOneClearsTheOperator) {
  Student("Alpha", "stu_000", "Smith", "Ann");
  Student("Beta", "stu_000", "Other", "Class");
  cfg.Options.DefaultLoginClass = "Beta";
  Type({"Other, Class"});
  ASSERT_TRUE(OperatorLogin(c));
  EXPECT_EQ(prompts.asked.back(), "Operator Login|Enter your login name for class: Beta|");
  EXPECT_EQ(OperatorShownName(run), "Other, Class");
  EXPECT_EQ(TemporaryDataFilePath(run), Recs() + "Beta/stu_000/tmp.DTA");
  EXPECT_TRUE(fs::exists(TemporaryDataFilePath(run)));
  EXPECT_FALSE(fs::exists(Recs() + "tmp.DTA"));

  // Retry then Cancel: no one is logged in, not even by name.
  Type({"Nobody", std::nullopt});
  prompts.retries = {true};
  EXPECT_FALSE(OperatorLogin(c));
  EXPECT_EQ(run.Recording.OperatorDirectory, "");
  EXPECT_EQ(run.Recording.PlotSetup.OperatorName.str(), "");
  EXPECT_EQ(TemporaryDataFilePath(run), Recs() + "tmp.DTA");

  // During a run a login is refused and changes nothing.
  run.SimActive = true;
  EXPECT_FALSE(OperatorLogin(c));
  EXPECT_EQ(host.messages.back().text, "Stop the current simulation before logging in.");
}

TEST_F(StudentsTest, ThePreviousOperatorsUnsavedRecordIsSettledUnderThatOperator) {
  Student("Alpha", "stu_000", "Smith", "Ann");
  Student("Alpha", "stu_001", "Jones", "Cy");
  Type({"Smith, Ann"});
  ASSERT_TRUE(OperatorLogin(c));
  run.Recording.UnsavedSamples = true;  // a run recorded into Ann's tmp.DTA
  Type({"Jones, Cy"});
  ASSERT_TRUE(OperatorLogin(c));
  EXPECT_NE(host.Texts().find("Do you want to save last temporary data record for  Smith, Ann ?"),
            std::string::npos);
  EXPECT_EQ(host.folders, std::vector<std::string>{Recs() + "Alpha/stu_000/"});
  EXPECT_TRUE(fs::exists(Recs() + "Alpha/stu_000/saved.DTA"));
  EXPECT_FALSE(fs::exists(Recs() + "Alpha/stu_000/tmp.DTA"));
  EXPECT_EQ(run.Recording.DataFileName, Recs() + "Alpha/stu_001/tmp.DTA");
  EXPECT_FALSE(run.Recording.UnsavedSamples);
}

TEST_F(StudentsTest, TheLoggedInStudentsClassFollowsARenameAndIsGuardedDuringARun) {
  Student("Alpha", "stu_000", "Smith", "Ann");
  cfg.Options.DefaultLoginClass = "Alpha";
  Type({"Smith, Ann"});
  ASSERT_TRUE(OperatorLogin(c));

  run.SimActive = true;
  EXPECT_FALSE(RenameClass(c, "Alpha"));
  EXPECT_FALSE(DeleteClass(c, "Alpha"));
  EXPECT_EQ(host.messages.back().text, kStopRunFirst);
  EXPECT_TRUE(prompts.asked.size() == 1u);
  run.SimActive = false;

  Type({"Bravo"});
  ASSERT_EQ(RenameClass(c, "Alpha"), "Bravo");
  EXPECT_EQ(run.Recording.OperatorDirectory, "Bravo/stu_000/");
  EXPECT_EQ(run.Recording.DataFileName, Recs() + "Bravo/stu_000/tmp.DTA");
  EXPECT_EQ(cfg.Options.DefaultLoginClass, "Bravo");
  EXPECT_NE(ReadText(run.Dirs.IniDirectory + "Tw.INI").find("DEFAULT LOGIN CLASS=Bravo"),
            std::string::npos);

  host.answers = {Answer::Ok};
  EXPECT_TRUE(DeleteClass(c, "Bravo"));
  EXPECT_EQ(run.Recording.OperatorDirectory, "");
  EXPECT_EQ(cfg.Options.DefaultLoginClass, "");
  EXPECT_TRUE(fs::exists(TemporaryDataFilePath(run)));
}

TEST_F(StudentsTest, ACommentGoesIntoItsFileHeaderOnly) {
  Student("Alpha", "stu_000", "Smith", "Ann");
  const std::string path = Recs() + "Alpha/stu_000/run.DTA";
  TPlotSetupRec h{};
  h.PlotTitle = "Drill";
  ASSERT_EQ(WriteDataFileHeader(path, h), WriteStep::Done);
  {
    std::ofstream out(path, std::ios::binary | std::ios::app);
    out << "SAMPLES";
  }
  ASSERT_TRUE(SaveDataFileComment(c, path, "Kept the intake above 20 psi"));
  DataFileContents read;
  std::string reason;
  ASSERT_TRUE(ReadDataFile(path, s, read, reason));
  EXPECT_EQ(read.Header.Comments.str(), "Kept the intake above 20 psi");
  EXPECT_EQ(read.Header.PlotTitle.str(), "Drill");
  const std::string bytes = ReadText(path);
  EXPECT_EQ(bytes.substr(bytes.size() - 7), "SAMPLES");

  const std::string shortFile = Recs() + "Alpha/stu_000/short.DTA";
  WriteText(shortFile, "tiny");
  EXPECT_FALSE(SaveDataFileComment(c, shortFile, "x"));
  EXPECT_EQ(ReadText(shortFile), "tiny");
  EXPECT_EQ(host.messages.back().type, MsgType::Error);
}

TEST_F(StudentsTest, ImportAddsEachNewRowOnce) {
  Student("Alpha", "stu_000", "Smith", "Ann", "1234");
  const fs::path csv = dir.path() / "class.csv";
  WriteText(csv,
            "\xEF\xBB\xBFLast name,First name,Other ID\r\n"
            "smith,ann,1234\r\n"
            "\"O'Neil, Jr.\",Pat,\r\n"
            ",NoLast,9\r\n"
            "Lee,Kim,42\r\n"
            "Lee,Kim,42\r\n");
  EXPECT_EQ(ImportStudents(c, "Alpha", csv.string()), 2);
  const std::vector<StudentEntry> list = ListStudents(Recs() + "Alpha/");
  ASSERT_EQ(list.size(), 3u);
  EXPECT_EQ(list[1].Name(), "O'Neil, Jr., Pat");
  EXPECT_EQ(list[2].Rec.OtherId, "42");
  EXPECT_EQ(host.messages.back().text,
            "Students added to class Alpha: 2.\nRows skipped as already in the class: 2.\n"
            "Rows skipped without a last name: 1.");

  EXPECT_EQ(ImportStudents(c, "Alpha", (dir.path() / "missing.csv").string()), 0);
  EXPECT_EQ(ListStudents(Recs() + "Alpha/").size(), 3u);
}

}  // namespace
}  // namespace pumpdrill
