// The radio call files: the Evolution's ITX and the calls' WTX texts, and
// what the initialisation makes of them.
#include <sys/stat.h>

#include "radio_fixture.h"
#include "sound/call_text_file.h"
#include "sound/radio_call_file.h"
#include "sound/radio_calls.h"

namespace pumpdrill::testing {
namespace {

using namespace std::string_literals;

std::vector<ScheduledCall> Calls(std::vector<std::pair<std::string, int>> list) {
  std::vector<ScheduledCall> calls;
  for (auto& [name, seconds] : list) calls.push_back({"", name, "", seconds, CallFault::None});
  return calls;
}

std::string Names(const TRadioMessagesRec& r) {
  std::string names;
  for (const ShortString& f : r.CallFile)
    if (!f.empty()) names += f.str() + " ";
  return names;
}

TEST_F(RadioTest, TheInitialisationSchedulesTheItxSortedByTime) {
  run.CurrentEvolution = Evol("Hydrant drill.EVO");
  const std::string itx = Evol("Hydrant drill.ITX");
  ASSERT_EQ(
      WriteRadioCallFile(itx, "Hydrant drill", Calls({{"C.WAV", 90}, {"A.WAV", 5}, {"B.WTX", 30}})),
      "");
  ReloadRadioCalls(s, cfg, run, host);
  EXPECT_EQ(Names(s.RadioMessages), "A.WAV B.WTX C.WAV ");
  EXPECT_EQ(s.RadioMessages.CallTime[2], 90);
  EXPECT_EQ(s.RadioMessages.NextCall, 0);
  EXPECT_EQ(s.RadioMessages.NextCallTime, 5);
  EXPECT_TRUE(host.messages.empty());

  // A hand-edited file out of time order is sorted too.
  WriteText(itx, "[01]\nNAME=LATE.WAV\nTIME=01:00\n[02]\nNAME=EARLY.WAV\nTIME=00:10\n");
  ReloadRadioCalls(s, cfg, run, host);
  EXPECT_EQ(Names(s.RadioMessages), "EARLY.WAV LATE.WAV ");
}

TEST_F(RadioTest, WritingTheItxReplacesItWholeAndKeepsTheOldOne) {
  const std::string itx = Evol("E.ITX");
  ASSERT_EQ(
      WriteRadioCallFile(
          itx, "E", Calls({{"1.WAV", 1}, {"2.WAV", 2}, {"3.WAV", 3}, {"4.WAV", 4}, {"5.WAV", 5}})),
      "");
  const std::string five = ReadText(itx);
  ASSERT_EQ(WriteRadioCallFile(itx, "E", Calls({{"1.WAV", 1}, {"2.WAV", 2}, {"3.WAV", 3}})), "");
  EXPECT_EQ(ReadText(itx + ".bak"), five);
  RadioCallFile file;
  ASSERT_EQ(ReadRadioCallFile(itx, file), ItxRead::Done);
  EXPECT_EQ(file.Calls.size(), 3u);
  EXPECT_EQ(file.Release, "2.0");
  EXPECT_EQ(ReadText(itx), RadioCallsText("E", Calls({{"1.WAV", 1}, {"2.WAV", 2}, {"3.WAV", 3}})));

  ASSERT_EQ(WriteRadioCallFile(itx, "E", {}), "");
  EXPECT_EQ(ReadText(itx), "[Incident and Command Radio Files for Evolution: E]\nrel=2.0\n");
  ASSERT_EQ(ReadRadioCallFile(itx, file), ItxRead::Done);
  EXPECT_TRUE(file.Calls.empty());
}

TEST_F(RadioTest, WithoutItxTheEvolutionsOwnScheduleStays) {
  LoadSchedule(s.RadioMessages, Calls({{"OWN.WAV", 20}}));
  s.RadioMessages.NextCall = 1;
  ReloadRadioCalls(s, cfg, run, host);
  EXPECT_EQ(Names(s.RadioMessages), "OWN.WAV ");
  EXPECT_EQ(s.RadioMessages.NextCall, 0);
  EXPECT_EQ(s.RadioMessages.NextCallTime, 20);
}

TEST_F(RadioTest, ABadItxIsReportedOnceAndLeftAsItIs) {
  std::string many;
  for (int n = 1; n <= 64; ++n)
    many += "[" + std::string(n < 10 ? "0" : "") + std::to_string(n) + "]\nNAME=C" +
            std::to_string(n) + ".WAV\nTIME=00:10\n";
  const std::string path = Evol("DEFAULT.ITX");
  struct Case {
    std::string text;
    std::string message;  // the start of it
    int scheduled;
  } cases[] = {
      {"[01]\nNAME=A.WAV\nTIME=7:75\n[02]\nNAME=B.WAV\nTIME=00:20\n",
       "These radio calls of " + path +
           " are not scheduled:\n01 A.WAV: the time \"7:75\" is not minutes and seconds (mm:ss).",
       1},
      {"[01]\nNAME=../x.WAV\nTIME=00:01\n[02]\nNAME=sub/B.WAV\nTIME=00:02\n",
       "These radio calls of " + path +
           " are not scheduled:\n01 ../x.WAV: a call file name may not hold \"/\" or \"..\".\n02 "
           "sub/B.WAV",
       0},
      {"[01]\nNAME=A.WAV\nTIME=1m\n",
       "These radio calls of " + path + " are not scheduled:\n01 A.WAV: the time \"1m\"", 0},
      {many,
       "These radio calls of " + path +
           " are not scheduled:\n64 C64.WAV: at most 63 radio calls can be scheduled.",
       63},
      {"[01]\nNAME=A\0.WAV\n"s,
       "The radio call file " + path + " could not be read. Its calls are not scheduled.", 0},
  };
  for (const Case& c : cases) {
    host.Clear();
    run.Radio.Reported.clear();
    SetRadioMessagesDefaults(s.RadioMessages);
    WriteText(path, c.text);
    ReloadRadioCalls(s, cfg, run, host);
    ASSERT_EQ(host.messages.size(), 1u) << c.message;
    EXPECT_EQ(host.messages[0].text.substr(0, c.message.size()), c.message);
    EXPECT_EQ(ReadText(path), c.text);
    int scheduled = 0;
    for (const ShortString& f : s.RadioMessages.CallFile) scheduled += !f.empty();
    EXPECT_EQ(scheduled, c.scheduled) << c.message;
    // The next initialisation does not say it again.
    ReloadRadioCalls(s, cfg, run, host);
    EXPECT_EQ(host.messages.size(), 1u);
  }
}

TEST_F(RadioTest, AnItxThatCannotBeOpenedIsReported) {
  if (::geteuid() == 0) GTEST_SKIP() << "root reads every file";
  const std::string path = Evol("DEFAULT.ITX");
  WriteText(path, "[01]\nNAME=A.WAV\nTIME=00:01\n");
  ::chmod(path.c_str(), 0);
  ReloadRadioCalls(s, cfg, run, host);
  ::chmod(path.c_str(), 0644);
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].text, UnreadableRadioCallFileMessage(path));
}

TEST(CallTime, MinutesAndSeconds) {
  struct Case {
    const char* text;
    int seconds;
  } cases[] = {{"00:00", 0},    {"07:05", 425},  {" 7:05", 425}, {"_7:05", 425},
               {"59:59", 3599}, {"99:59", 5999}, {"07:60", -1},  {"7:5", -1},
               {"100:00", -1},  {"", -1},        {"ab:cd", -1},  {"07-05", -1}};
  for (const Case& c : cases) EXPECT_EQ(ParseCallTime(c.text), c.seconds) << c.text;
  EXPECT_EQ(CallTimeText(425), "07:05");
}

TEST_F(RadioTest, CallTextsSurviveARoundTrip) {
  struct Case {
    CallText text;
    std::size_t records;
  } cases[] = {
      {{"Second alarm", {"Engine 7,", "", "proceed to staging."}}, 4},
      {{"Long", {std::string(300, 'x'), "after"}}, 4},  // 255 + 45, then the next line
      {{"Exact", {std::string(255, 'y'), "next"}}, 4},  // a full record ends with an empty one
      {{"Caf\xc3\xa9 \xc3\x84rger",
        {"\xc3\xbc"
         "ber"}},
       2},  // Latin-1 in the file
      {{"", {}}, 1},
  };
  for (const Case& c : cases) {
    const std::string bytes = CallTextBytes(c.text);
    EXPECT_EQ(bytes.size(), c.records * 256) << c.text.Description;
    CallText back;
    ReadCallText(bytes, back);
    EXPECT_EQ(back.Description, c.text.Description);
    EXPECT_EQ(back.Lines, c.text.Lines) << c.text.Description;
  }
  EXPECT_EQ(CallTextBytes({"\xc3\xa9", {}})[1], '\xe9');
}

TEST_F(RadioTest, DamagedOrMissingCallTextsReadAsFarAsTheyGo) {
  CallText text;
  std::string error;
  EXPECT_TRUE(ReadCallTextFile(Sound("NONE.WTX"), text, error));
  EXPECT_TRUE(text.Description.empty());
  EXPECT_TRUE(text.Lines.empty());
  // A length beyond the bytes there, and a last record cut short.
  std::string bytes = CallTextBytes({"Desc", {"line one"}});
  bytes[256] = static_cast<char>(255);
  bytes.resize(256 + 1 + 8);
  ReadCallText(bytes, text);
  EXPECT_EQ(text.Description, "Desc");
  EXPECT_EQ(text.Lines, std::vector<std::string>{"line one"});
}

}  // namespace
}  // namespace pumpdrill::testing
