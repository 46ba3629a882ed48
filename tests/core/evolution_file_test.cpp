#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "file_fault_support.h"
#include "scratch_dir.h"
#include "frame/configuration.h"
#include "frame/evolution_blocks.h"
#include "frame/evolution_earlier.h"
#include "frame/evolution_file.h"
#include "recording_host.h"
#include "sim/defaults.h"
#include "sim/derived.h"
#include "sim/finite_state.h"
#include "sim/registry.h"

namespace fs = std::filesystem;
using namespace pumpdrill;

namespace {

void Spit(const fs::path& p, const std::vector<Byte>& bytes) {
  std::ofstream out(p, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

double DoubleAt(const std::vector<Byte>& file, std::size_t at) {
  double v;
  std::memcpy(&v, file.data() + at, sizeof v);
  return v;
}

std::string TextAt(const std::vector<Byte>& file, std::size_t at) {
  return std::string(reinterpret_cast<const char*>(file.data()) + at + 1, file[at]);
}

// Every stored byte of s, in file order, followed by the records that are
// not stored (so that "untouched" covers the whole state).
std::vector<Byte> Snapshot(State& s) {
  std::vector<Byte> bytes;
  for (const StoredBlock& b : EvolutionBlocks(s)) bytes.insert(bytes.end(), b.data, b.data + b.size);
  auto add = [&bytes](const auto& rec) {
    const Byte* p = reinterpret_cast<const Byte*>(&rec);
    bytes.insert(bytes.end(), p, p + sizeof rec);
  };
  add(s.DischargeList);
  add(s.ShowOptions);
  add(s.MinIntakePress);
  return bytes;
}

// Fills a record with a byte pattern that differs from record to record.
template <typename Rec>
void Scramble(Rec& rec, unsigned seed) {
  Byte* p = reinterpret_cast<Byte*>(&rec);
  for (std::size_t i = 0; i < sizeof rec; ++i) p[i] = static_cast<Byte>((i * 131 + seed * 29 + (i >> 8)) & 0xFF);
}

void SetHeaderTexts(std::vector<Byte>& file, const std::string& version, const std::string& revision) {
  std::memset(file.data(), 0, 512);
  file[0] = static_cast<Byte>(version.size());
  std::memcpy(file.data() + 1, version.data(), version.size());
  file[256] = static_cast<Byte>(revision.size());
  std::memcpy(file.data() + 257, revision.data(), revision.size());
}

class EvolutionFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    path = (dir / "DRILL.EVO").string();
    s = Fresh();
  }

  std::unique_ptr<State> Fresh() {
    auto st = std::make_unique<State>();
    NullHost quiet;
    SetDefaultState(*st, config.Sim, quiet);
    return st;
  }

  pumpdrill::testing::ScratchDir scratch;
  fs::path dir = scratch.path();
  std::string path;
  Configuration config;
  RecordingHost host;
  std::unique_ptr<State> s;
};

TEST_F(EvolutionFileTest, SavedFileHasTheBlockLayoutAndReadsBackByteForByte) {
  // Records the load leaves alone get arbitrary bytes, padding and spare
  // fields included; the lines and the supply keep consistent coefficients.
  Scramble(s->Pump, 1);
  Scramble(s->PumpStatus, 2);
  Scramble(s->Engine, 3);
  Scramble(s->PumpControl, 4);
  Scramble(s->PumpOutput, 5);
  Scramble(s->Tank, 6);
  Scramble(s->SimClock, 7);
  Scramble(s->BurnHouse, 8);
  Scramble(s->Tender, 9);
  Scramble(s->DraftSource, 10);
  Scramble(s->RadioMessages, 11);
  for (int i = 1; i <= 9; ++i) Scramble(s->Incidents[i], 20 + i);
  // Reals that are not numbers mark a damaged file, and numbers outside
  // their field's range are brought into it by the load: such patterns
  // become the bottom of the field's range.
  for (const FieldInfo& f : StateFields()) {
    if (f.type == FieldType::ShortString || f.type == FieldType::Boolean) continue;
    const double v = GetFieldNumber(*s, f);
    if (!std::isnan(v) && InFieldRange(f, v)) continue;
    const std::string low = f.type == FieldType::Double ? std::to_string(f.min)
                                                        : std::to_string(static_cast<long>(f.min));
    std::string message;
    ASSERT_TRUE(SetFieldText(*s, f, low, message)) << message;
  }
  for (int line = 1; line <= 19; ++line) {
    s->Discharges[line].Spare260 = 1000 + line;
    s->Discharges[line].Pad229 = {1, 2, 3, 4, 5, 6, static_cast<Byte>(line)};
    s->Discharges[line].Name = "line name " + std::to_string(line);
  }
  s->Supply.Pad352 = {9, 8, 7, 6, 5, 4};
  for (int i = 0; i < kRadioCallCount; ++i) s->RadioMessages.CallFile[i] = "call" + std::to_string(i) + ".wav";
  s->Pump.GearRatio = 2.27;
  s->Discharges[3].HoseLength = 350;
  s->Incidents[9].StopTime = 4321.5;
  s->DischargeList.LineCount = 5;

  ASSERT_TRUE(EvolutionFile(*s, kEvolutionSave, path, config, host)) << host.Texts();
  EXPECT_TRUE(host.messages.empty());
  const std::vector<Byte> file = pumpdrill::testing::ReadBytes(path);
  ASSERT_EQ(file.size(), 47625u);
  EXPECT_EQ(TextAt(file, 0), "2.0");
  EXPECT_EQ(TextAt(file, 256).substr(0, 3), "4.0");
  EXPECT_EQ(TextAt(file, 512), "Tidewarden Pumpdrill");
  EXPECT_FALSE(TextAt(file, 768).empty());
  EXPECT_EQ(file[1024], 5);
  EXPECT_EQ(DoubleAt(file, 1025 + 0x300), 2.27);                   // Pump.GearRatio
  EXPECT_EQ(DoubleAt(file, 2153 + 2 * 1176 + 0x240), 350.0);       // line 3's HoseLength
  EXPECT_EQ(DoubleAt(file, 46185 + 8 * 160 + 0x58), 4321.5);       // incident 9's StopTime
  EXPECT_EQ(TextAt(file, 29537 + 520 + 256 * 2), "call2.wav");     // third call file
  EXPECT_EQ(TextAt(file, 26217 + 0x200), s->PumpControl.PanelFileName.str());

  auto t = Fresh();
  t->DischargeList.LineCount = 8;
  ASSERT_TRUE(EvolutionFile(*t, kEvolutionLoad, path, config, host)) << host.Texts();
  EXPECT_TRUE(host.messages.empty());
  EXPECT_EQ(t->DischargeList.LineCount, 8);  // the count comes with the panel file
  for (int i = 0; i < kRadioCallCount; ++i) {
    EXPECT_EQ(t->RadioMessages.CallFile[i].str(), "CALL" + std::to_string(i) + ".WAV");
    s->RadioMessages.CallFile[i] = "CALL" + std::to_string(i) + ".WAV";
  }
  const std::vector<StoredBlock> a = EvolutionBlocks(*s), b = EvolutionBlocks(*t);
  for (std::size_t i = 0; i < a.size(); ++i)
    EXPECT_EQ(std::memcmp(a[i].data, b[i].data, a[i].size), 0) << "block " << i;
}

TEST_F(EvolutionFileTest, LoadRecomputesCoefficientsAndAppliesUnits) {
  s->Discharges[2].HoseLength = 400;  // saved with a stale coefficient
  const double staleK = s->Discharges[2].HoseK;
  ASSERT_TRUE(EvolutionFile(*s, kEvolutionSave, path, config, host));

  auto t = Fresh();
  config.Options.MetricUnits = true;
  ASSERT_TRUE(EvolutionFile(*t, kEvolutionLoad, path, config, host));
  EXPECT_EQ(t->Discharges[2].HoseLength, 400);
  EXPECT_NE(t->Discharges[2].HoseK, staleK);
  auto u = Fresh();
  u->Discharges[2].HoseLength = 400;
  u->SiameseSecondary.Clear();
  RecomputeDerivedValues(*u, host);
  EXPECT_EQ(t->Discharges[2].HoseK, u->Discharges[2].HoseK);
  EXPECT_TRUE(config.Units.Metric);
  EXPECT_DOUBLE_EQ(config.Units.DisplayFactor[kUnitFlow], 3.79);
}

TEST_F(EvolutionFileTest, DamagedFilesLeaveTheStateUntouched) {
  ASSERT_TRUE(EvolutionFile(*s, kEvolutionSave, path, config, host));
  const std::vector<Byte> good = pumpdrill::testing::ReadBytes(path);
  auto t = Fresh();
  t->Pump.GearRatio = 3.5;
  t->Discharges[1].HoseLength = 777;
  const std::vector<Byte> before = Snapshot(*t);

  struct Case {
    const char* what;
    std::vector<Byte> bytes;
  };
  std::vector<Case> cases = {
      {"empty", {}},
      {"header only", std::vector<Byte>(good.begin(), good.begin() + 1024)},
      {"one byte short", std::vector<Byte>(good.begin(), good.end() - 1)},
      {"half", std::vector<Byte>(good.begin(), good.begin() + 24000)},
      {"one byte long", good},
      {"twice as long", good},
  };
  cases[4].bytes.push_back(0);
  cases[5].bytes.insert(cases[5].bytes.end(), good.begin(), good.end());
  for (const Case& c : cases) {
    Spit(path, c.bytes);
    host.messages.clear();
    config.Options.MetricUnits = true;
    EXPECT_FALSE(EvolutionFile(*t, kEvolutionLoad, path, config, host)) << c.what;
    ASSERT_EQ(host.messages.size(), 1u) << c.what;
    EXPECT_EQ(host.messages[0].text, "Attempting to blockread Evolution file " + path) << c.what;
    EXPECT_EQ(host.messages[0].type, MsgType::Confirmation);
    EXPECT_EQ(host.messages[0].buttons, Buttons::Ok);
    EXPECT_TRUE(Snapshot(*t) == before) << c.what;
    EXPECT_FALSE(config.Units.Metric) << c.what;  // nothing applied
  }

  host.messages.clear();
  const std::string missing = (dir / "NONE.EVO").string();
  EXPECT_FALSE(EvolutionFile(*t, kEvolutionLoad, missing, config, host));
  EXPECT_EQ(host.Texts(), "Cannot find Evolution file " + missing + "\n");

  host.messages.clear();
  Spit(path, good);
  ::chmod(path.c_str(), 0);
  {
    UnprivilegedUser user;
    EXPECT_FALSE(EvolutionFile(*t, kEvolutionLoad, path, config, host));
  }
  EXPECT_EQ(host.Texts(), "Attempting to initialize read of Evolution file " + path + "\n");
  EXPECT_TRUE(Snapshot(*t) == before);
}

TEST_F(EvolutionFileTest, DamagedContentsAreRefusedAndTheStateIsUntouched) {
  ASSERT_TRUE(EvolutionFile(*s, kEvolutionSave, path, config, host));
  const std::vector<Byte> good = pumpdrill::testing::ReadBytes(path);
  const std::vector<Byte> earlier = EarlierEvolutionBytes(*s, "1.0", "3.91", 6);
  auto t = Fresh();
  t->Pump.GearRatio = 3.5;
  const std::vector<Byte> before = Snapshot(*t);
  const std::string refused = "Attempting to blockread Evolution file " + path;

  // A real of the current layout: Pump (block 3) at 1025, line 2 at 2153 + 1176.
  auto withReal = [&](std::size_t at, double v) {
    std::vector<Byte> f = good;
    std::memcpy(f.data() + at, &v, sizeof v);
    return f;
  };
  auto withByte = [](std::vector<Byte> f, std::size_t at, Byte b) {
    f[at] = b;
    return f;
  };
  std::vector<Byte> zeros(EarlierEvolutionFileSize(), 0);
  std::vector<Byte> unnumbered = earlier;
  SetHeaderTexts(unnumbered, "one", "3.9");
  // The earlier radio block starts after every block before it.
  std::size_t radio = kEvolutionRecordsOffset;
  for (const StoredBlock& b : EvolutionBlocks(*t)) {
    if (b.kind == StoredRecordKind::RadioMessages) break;
    radio += EarlierRecordSize(b.kind);
  }
  struct Case {
    const char* what;
    std::vector<Byte> bytes;
    std::string message;
  };
  const Case kCases[] = {
      {"NaN engine heat", withReal(1025 + 0x340, std::nan("")), refused + "\n(Pump.EngineHeat holds nan, not a number)"},
      {"infinite engine heat", withReal(1025 + 0x340, HUGE_VAL), refused + "\n(Pump.EngineHeat holds inf, not a number)"},
      {"-inf in line 2", withReal(2153 + 1176 + 0x200, -HUGE_VAL), refused + "\n(Discharges[2].",},
      {"1e300 engine heat", withReal(1025 + 0x340, 1e300),
       refused + "\n(Pump.EngineHeat holds 1.0000000000000001e+300, beyond any plausible value)"},
      {"earlier length, zero bytes", zeros, refused},
      {"earlier, version not a number", unnumbered, refused},
      {"earlier, 200 discharges", withByte(earlier, kEvolutionCountOffset, 200), refused},
      {"earlier, radio call 63 next", withByte(earlier, radio, 63), refused},
  };
  for (const Case& c : kCases) {
    Spit(path, c.bytes);
    host.messages.clear();
    EXPECT_FALSE(EvolutionFile(*t, kEvolutionLoad, path, config, host)) << c.what;
    ASSERT_EQ(host.messages.size(), 1u) << c.what;
    EXPECT_EQ(host.messages[0].text.substr(0, c.message.size()), c.message) << c.what;
    EXPECT_EQ(host.messages[0].type, MsgType::Confirmation);
    EXPECT_TRUE(Snapshot(*t) == before) << c.what;
  }
  // The earlier file itself still reads.
  Spit(path, earlier);
  host.messages.clear();
  EXPECT_TRUE(EvolutionFile(*t, kEvolutionLoad, path, config, host)) << host.Texts();
}

// A number no apparatus has, from a hand-made or older file, is brought to
// its range's nearest end; the load goes on and says which values moved.
TEST_F(EvolutionFileTest, ValuesOutsideTheirRangeAreClampedWithANote) {
  s->Pump.GearRatio = 0;
  s->Discharges[4].HoseLength = 1e9;
  s->Tank.Capacity = 750;
  ASSERT_TRUE(EvolutionFile(*s, kEvolutionSave, path, config, host)) << host.Texts();
  auto t = Fresh();
  host.messages.clear();
  ASSERT_TRUE(EvolutionFile(*t, kEvolutionLoad, path, config, host)) << host.Texts();
  EXPECT_EQ(t->Pump.GearRatio, 0.1);
  EXPECT_EQ(t->Discharges[4].HoseLength, 20000);
  EXPECT_EQ(t->Tank.Capacity, 750);
  ASSERT_EQ(host.messages.size(), 1u) << host.Texts();
  EXPECT_EQ(host.messages[0].type, MsgType::Warning);
  EXPECT_EQ(host.messages[0].text,
            "Evolution file " + path +
                ": these values were outside their range and were set to its nearest end:\n"
                "Discharges[4].HoseLength: 1000000000 is outside 0 to 20000 ft, set to 20000\n"
                "Pump.GearRatio: 0 is outside 0.1 to 10, set to 0.1");
}

TEST_F(EvolutionFileTest, FailedSavesReportAndKeepThePreviousFile) {
  ASSERT_TRUE(EvolutionFile(*s, kEvolutionSave, path, config, host));
  const std::vector<Byte> old = pumpdrill::testing::ReadBytes(path);
  s->Pump.GearRatio = 9.75;

  ::chmod(dir.c_str(), 0555);
  {
    UnprivilegedUser user;
    EXPECT_FALSE(EvolutionFile(*s, kEvolutionSave, path, config, host));
  }
  ::chmod(dir.c_str(), 0755);
  EXPECT_EQ(host.Texts(), "Attempting to Rewrite temp Evolution file " + path + "\n");
  EXPECT_EQ(pumpdrill::testing::ReadBytes(path), old);

  host.messages.clear();
  {
    DiskFullAfter limit(30000);
    EXPECT_FALSE(EvolutionFile(*s, kEvolutionSave, path, config, host));
  }
  EXPECT_EQ(host.Texts(), "Attempting to blockwrite temp Evolution file " + path + "\n");
  EXPECT_EQ(pumpdrill::testing::ReadBytes(path), old);
  EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);

  host.messages.clear();
  const std::string nowhere = (dir / "no such folder" / "X.EVO").string();
  EXPECT_FALSE(EvolutionFile(*s, kEvolutionSave, nowhere, config, host));
  EXPECT_EQ(host.Texts(), "Attempting to Rewrite temp Evolution file " + nowhere + "\n");
}

TEST_F(EvolutionFileTest, LayoutDecisionFollowsTheHeaderNumbers) {
  ASSERT_TRUE(EvolutionFile(*s, kEvolutionSave, path, config, host));
  std::vector<Byte> file = pumpdrill::testing::ReadBytes(path);
  // Current whatever the revision when the version is above 1.0; current
  // with a revision of at least 4.0; "," read as the decimal separator.
  for (auto [version, revision] : {std::pair{"2.0", "1.0"}, std::pair{"2,0", "3.9"}, std::pair{"1.0", "4.0.7"},
                                   std::pair{"1,0", "4,0"}, std::pair{"0.5", "12.3"}}) {
    SetHeaderTexts(file, version, revision);
    Spit(path, file);
    host.messages.clear();
    auto t = Fresh();
    EXPECT_TRUE(EvolutionFile(*t, kEvolutionLoad, path, config, host)) << version << " " << revision;
    EXPECT_TRUE(host.messages.empty()) << host.Texts();
  }
  // A current-length file whose header says earlier layout is not read.
  SetHeaderTexts(file, "1.0", "3.9");
  Spit(path, file);
  host.messages.clear();
  auto t = Fresh();
  const std::vector<Byte> before = Snapshot(*t);
  EXPECT_FALSE(EvolutionFile(*t, kEvolutionLoad, path, config, host));
  EXPECT_EQ(host.Texts(), "Attempting to blockread Evolution file " + path + "\n");
  EXPECT_TRUE(Snapshot(*t) == before);
}

TEST_F(EvolutionFileTest, EarlierLayoutIsConvertedWithItsMessage) {
  auto src = Fresh();
  src->Pump.GearRatio = 2.25;
  src->Pump.Name = "old pump";
  src->Pump.StageMode = 2;
  src->Discharges[3].HoseLength = 275;
  src->Discharges[3].GpmSetting[2] = 125;
  src->Discharges[7].NozzleType = 3;
  src->Incidents[2].StopTime = 100.125;
  src->Incidents[2].Use = 1;
  src->Tank.Capacity = 1234.5;
  src->PumpStatus.CompoundMinPress = -12.5;
  src->RadioMessages.CallTime[4] = 90.5;
  src->RadioMessages.CallFile[4] = "engine1.wav";
  src->BurnHouse.Description = "barn";
  const std::vector<Byte> file = EarlierEvolutionBytes(*src, "1.0", "3.91", 6);
  ASSERT_EQ(file.size(), EarlierEvolutionFileSize());
  const std::string old = (dir / "OLD.EVO").string();
  Spit(old, file);

  auto t = Fresh();
  ASSERT_TRUE(EvolutionFile(*t, kEvolutionLoad, old, config, host)) << host.Texts();
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].text, "You are loading an earlier, incompatible version (3.9) file: " + old +
                                       " .  Save this evolution after it is loaded, and it will be saved in "
                                       "the proper, current file format. ");
  EXPECT_EQ(t->Pump.GearRatio, 2.25);
  EXPECT_EQ(t->Pump.Name.str(), "old pump");
  EXPECT_EQ(t->Pump.StageMode, 2);
  EXPECT_EQ(t->Discharges[3].HoseLength, 275);
  EXPECT_EQ(t->Discharges[3].GpmSetting[2], 125);
  EXPECT_EQ(t->Discharges[7].NozzleType, 3);
  EXPECT_EQ(t->Incidents[2].StopTime, 100.125);
  EXPECT_EQ(t->Incidents[2].Use, 1);
  EXPECT_EQ(t->Tank.Capacity, 1234.5);
  EXPECT_EQ(t->PumpStatus.CompoundMinPress, -12.5);
  EXPECT_EQ(t->RadioMessages.CallTime[4], 90.5);
  EXPECT_EQ(t->RadioMessages.CallFile[4].str(), "ENGINE1.WAV");
  EXPECT_EQ(t->BurnHouse.Description.str(), "barn");
  // A double that 39 bits cannot hold arrives rounded to them.
  EXPECT_NEAR(t->Pump.OilPressSet, src->Pump.OilPressSet, 1e-9);

  // Saved again, it is written in the current layout.
  ASSERT_TRUE(EvolutionFile(*t, kEvolutionSave, old, config, host));
  EXPECT_EQ(pumpdrill::testing::ReadBytes(old).size(), 47625u);

  // An earlier-layout header on a file of another length is not read.
  std::vector<Byte> cut(file.begin(), file.end() - 6);
  Spit(old, cut);
  host.messages.clear();
  auto u = Fresh();
  const std::vector<Byte> before = Snapshot(*u);
  EXPECT_FALSE(EvolutionFile(*u, kEvolutionLoad, old, config, host));
  EXPECT_EQ(host.Texts(), "Attempting to blockread Evolution file " + old + "\n");
  EXPECT_TRUE(Snapshot(*u) == before);
}

TEST_F(EvolutionFileTest, DeleteAndUnknownModes) {
  ASSERT_TRUE(EvolutionFile(*s, kEvolutionSave, path, config, host));
  EXPECT_TRUE(EvolutionFile(*s, kEvolutionDelete, path, config, host));
  EXPECT_FALSE(fs::exists(path));
  EXPECT_TRUE(EvolutionFile(*s, kEvolutionDelete, path, config, host));  // already gone: silent
  EXPECT_TRUE(host.messages.empty());
  const std::vector<Byte> before = Snapshot(*s);
  EXPECT_FALSE(EvolutionFile(*s, 3, path, config, host));
  EXPECT_EQ(host.Texts(), "Evol file save: no save/retrieve/delete requested.\n");
  EXPECT_FALSE(fs::exists(path));
  EXPECT_TRUE(Snapshot(*s) == before);
}

}  // namespace
