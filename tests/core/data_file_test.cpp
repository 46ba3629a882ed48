// Data files: the header and sample layout at their byte offsets, the one
// reader that tolerates damaged files, and writers that lose nothing when
// the disk or the folder refuses them.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cmath>
#include <cstring>
#include <fstream>
#include <limits>

#include "default_state.h"
#include "file_fault_support.h"
#include "records/data_file.h"
#include "scratch_dir.h"

namespace pumpdrill {
namespace {

using testing::ScratchDir;

template <typename T>
T At(const void* rec, std::size_t off) {
  T v;
  std::memcpy(&v, static_cast<const Byte*>(rec) + off, sizeof v);
  return v;
}

std::string TextAt(const void* rec, std::size_t off) {
  const Byte* p = static_cast<const Byte*>(rec) + off;
  return std::string(reinterpret_cast<const char*>(p + 1), p[0]);
}

void WriteBytes(const std::string& path, const std::vector<Byte>& bytes) {
  std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                               static_cast<std::streamsize>(bytes.size()));
}

std::vector<Byte> FileOf(const TPlotSetupRec& h, const std::vector<TDataSampleRec>& samples) {
  std::vector<Byte> bytes(kDataHeaderBytes + samples.size() * kDataSampleBytes);
  std::memcpy(bytes.data(), &h, kDataHeaderBytes);
  if (!samples.empty()) std::memcpy(bytes.data() + kDataHeaderBytes, samples.data(), samples.size() * kDataSampleBytes);
  return bytes;
}

TDataSampleRec SampleAt(Double time) {
  TDataSampleRec d{};
  d.Time = time;
  d.TotalFlow = time * 10;
  return d;
}

TEST(DataFileLayout, DefaultHeaderHoldsItsValuesAtTheirOffsets) {
  auto s = testing::MakeDefaultState();
  const TPlotSetupRec h = DefaultPlotSetup(*s);
  EXPECT_EQ(At<Double>(&h, 0x188), 60.0);
  EXPECT_EQ(At<Double>(&h, 0x198), 1.0);
  EXPECT_EQ(At<SmallInt>(&h, 0x1A8), 1);
  EXPECT_EQ(At<SmallInt>(&h, 0x1AA), 1);
  EXPECT_EQ(At<SmallInt>(&h, 0x1AC), 0);
  EXPECT_EQ(At<SmallInt>(&h, 0x1AE), 1);
  EXPECT_EQ(At<SmallInt>(&h, 0x1B0), 1);
  EXPECT_EQ(At<Byte>(&h, 0x1D0), 1);
  EXPECT_EQ(At<Double>(&h, 0x210), 600.0);
  EXPECT_EQ(At<Double>(&h, 0x220), 1750.0);
  EXPECT_EQ(At<Double>(&h, 0x228), s->Engine.IdleRpm);
  EXPECT_EQ(At<Double>(&h, 0x230), s->Engine.IdleRpm + 3000);

  struct Entry {
    std::size_t start;
    SmallInt line;
    Byte unit;
    Byte plot;
    std::uint32_t colour;
    Byte pattern;
  };
  const Entry entries[] = {
      {0x238, 18, 0, 0, 0, 0},         {0x288, 18, 1, 0, 0, 0},     {0x2D8, 19, 0, 1, 0x800000, 0},
      {0x328, 19, 1, 1, 0x8000, 2},    {0x378, -1, 2, 0, 0, 0},     {0x378 + 0x50, 1, 0, 0, 0, 0},
      {0x378 + 0x50 * 15, 15, 0, 0, 0, 0}, {0x828 + 0x50, 1, 0, 0, 0, 0}, {0xCD8 + 0x50 * 15, 15, 1, 0, 0, 0},
      {0x11D8, 16, 0, 0, 0, 0},        {0x1228, 16, 1, 0, 0, 0},    {0x12C8, 17, 1, 0, 0, 0},
  };
  for (const Entry& e : entries) {
    SCOPED_TRACE(e.start);
    EXPECT_EQ(At<SmallInt>(&h, e.start + 0x16), e.line);
    EXPECT_EQ(At<Byte>(&h, e.start + 0x18), e.plot);
    EXPECT_EQ(At<Byte>(&h, e.start + 0x19), e.unit);
    EXPECT_EQ(At<std::uint32_t>(&h, e.start + 0x3C), e.colour);
    EXPECT_EQ(At<Byte>(&h, e.start + 0x38), e.pattern);
  }
  EXPECT_EQ(TextAt(&h, 0x378), "Engine Rpm");
  EXPECT_EQ(TextAt(&h, 0x238), s->DischargeList.LineTitle[18].str().substr(0, 20));
}

TEST(DataFileLayout, SampleFieldsSitAtTheirOffsets) {
  auto s = testing::MakeDefaultState();
  s->PumpOutput.TotalFlow = 500;
  s->PumpOutput.DischargePress = 150;
  s->Engine.Rpm = 1800;
  s->Discharges[1].Flow = 11;
  s->Discharges[15].NozzlePress = 99;
  s->Discharges[17].DischPress = 17;
  s->Supply.IntakePress = -3;
  const TDataSampleRec d = TakeSample(*s, 12.5, 7);
  EXPECT_EQ(At<SmallInt>(&d, 0x000), 7);
  EXPECT_EQ(At<Double>(&d, 0x008), 12.5);
  EXPECT_EQ(At<Double>(&d, 0x010), 500);
  EXPECT_EQ(At<Double>(&d, 0x018), 150);
  EXPECT_EQ(At<Double>(&d, 0x020), 1800);
  EXPECT_EQ(At<Double>(&d, 0x028), 11);
  EXPECT_EQ(At<Double>(&d, 0x188), 99);
  EXPECT_EQ(At<Double>(&d, 0x1A8), 17);
  EXPECT_EQ(At<Double>(&d, 0x1B8), -3);
  EXPECT_EQ(EntryValue(d, EntryLineFlow(1)), 11);
  EXPECT_EQ(EntryValue(d, EntryNozzlePress(15)), 99);
  EXPECT_EQ(EntryValue(d, kEntryTankToPumpPress), 17);
  EXPECT_EQ(EntryValue(d, kEntryEngineRpm), 1800);
}

TEST(DataFileLayout, ShortTextsAreCutAtACharacterAndReadLatin1) {
  ShortStringN<16> t;
  t = "Pumper \xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9";  // 7 + 10 bytes
  EXPECT_EQ(t.size(), 15u);                                  // the 8th é does not fit
  EXPECT_EQ(t.str(), "Pumper \xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9");
  std::memcpy(t.chars, "caf\xE9", 4);
  t.length = 4;
  EXPECT_EQ(t.str(), "caf\xC3\xA9");
  t.length = 200;  // beyond its room
  EXPECT_EQ(t.size(), 16u);
}

TEST(DataFileLayout, SampleCountComesFromTheSize) {
  EXPECT_EQ(DataFileSampleCount(kDataHeaderBytes + 10 * kDataSampleBytes), 10u);
  EXPECT_EQ(DataFileSampleCount(kDataHeaderBytes + 10 * kDataSampleBytes + 447), 10u);
  EXPECT_EQ(DataFileSampleCount(100), 0u);
  EXPECT_TRUE(IsTemporaryDataFileName("/x/TMP.dta"));
  EXPECT_FALSE(IsTemporaryDataFileName("/x/tmp.DTA.bak"));
}

class DataFileReadTest : public ::testing::Test {
 protected:
  ScratchDir dir;
  std::unique_ptr<State> s = testing::MakeDefaultState();
  std::string path = (dir / "RUN.DTA").string();
};

TEST_F(DataFileReadTest, DamagedFilesAreReadAsFarAsTheyCanBe) {
  TPlotSetupRec good = DefaultPlotSetup(*s);
  good.PlotTitle = "Drill";
  TPlotSetupRec bad = good;
  bad.PlotTitle.length = 250;
  bad.PressMin = 700;  // above its maximum
  bad.FlowMax = std::numeric_limits<double>::quiet_NaN();
  bad.SampleInterval = -1;
  bad.PageLength = 0;
  const std::vector<TDataSampleRec> three = {SampleAt(0), SampleAt(1), SampleAt(2)};
  std::vector<Byte> stray = FileOf(good, three);
  stray.resize(stray.size() + 100, 0xEE);
  const std::vector<Byte> shortFile(200, 7);
  std::vector<TDataSampleRec> withNaN = three;
  withNaN[1].Time = std::numeric_limits<double>::infinity();

  struct Case {
    const char* what;
    std::vector<Byte> bytes;
    std::size_t samples;
    std::string title;
  };
  const Case cases[] = {
      {"whole", FileOf(good, three), 3, "Drill"},
      {"stray bytes after the last sample", stray, 3, "Drill"},
      {"shorter than the header", shortFile, 0, ""},
      {"non-finite time skipped", FileOf(good, withNaN), 2, "Drill"},
      {"bad header values", FileOf(bad, three), 3, std::string("Drill") + std::string(27, '\0')},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    WriteBytes(path, c.bytes);
    DataFileContents read;
    std::string reason;
    ASSERT_TRUE(ReadDataFile(path, *s, read, reason));
    EXPECT_EQ(read.Samples.size(), c.samples);
    EXPECT_EQ(std::string(read.Header.PlotTitle.view()), c.title);
    EXPECT_LT(read.Header.PressMin, read.Header.PressMax);
    EXPECT_LT(read.Header.FlowMin, read.Header.FlowMax);
    EXPECT_GT(read.Header.SampleInterval, 0);
    EXPECT_GT(read.Header.PageLength, 0);
  }
}

TEST_F(DataFileReadTest, MissingOrUnreadableFilesLeaveTheContentsAlone) {
  DataFileContents read;
  read.Samples.push_back(SampleAt(5));
  std::string reason;
  EXPECT_FALSE(ReadDataFile(path, *s, read, reason));
  EXPECT_EQ(DataFileReadMessage(path, reason), "The data file " + path + " could not be read: there is no such file.");
  WriteBytes(path, FileOf(DefaultPlotSetup(*s), {}));
  ::chmod(path.c_str(), 0);
  {
    UnprivilegedUser nobody;
    EXPECT_FALSE(ReadDataFile(path, *s, read, reason));
  }
  EXPECT_EQ(reason, "the file cannot be opened");
  ASSERT_EQ(read.Samples.size(), 1u);
  EXPECT_EQ(read.Samples[0].Time, 5);
}

TEST_F(DataFileReadTest, AFailedAppendIsCutBackToTheLastWholeSample) {
  WriteBytes(path, FileOf(DefaultPlotSetup(*s), {SampleAt(0)}));
  std::vector<TDataSampleRec> many(10);
  for (int i = 0; i < 10; ++i) many[i] = SampleAt(i + 1);
  std::string reason;
  {
    DiskFullAfter limit(kDataHeaderBytes + 3 * kDataSampleBytes + 100);
    EXPECT_FALSE(AppendDataSamples(path, many.data(), many.size(), reason));
  }
  EXPECT_FALSE(reason.empty());
  EXPECT_EQ(DataFileSize(path), kDataHeaderBytes + 3 * kDataSampleBytes);  // 1 before, 2 whole ones
  EXPECT_TRUE(AppendDataSamples(path, many.data(), 2, reason));
  EXPECT_EQ(DataFileSize(path), kDataHeaderBytes + 5 * kDataSampleBytes);
}

TEST_F(DataFileReadTest, AFailedHeaderRewriteLeavesTheOldFileWhole) {
  TPlotSetupRec h = DefaultPlotSetup(*s);
  const std::vector<Byte> old = FileOf(h, {SampleAt(0), SampleAt(1)});
  WriteBytes(path, old);
  h.PlotTitle = "New";
  ::chmod(dir.path().c_str(), 0555);
  {
    UnprivilegedUser nobody;
    EXPECT_NE(WriteDataFileHeader(path, h), WriteStep::Done);
  }
  ::chmod(dir.path().c_str(), 0755);
  EXPECT_EQ(testing::ReadBytes(path), old);
  ASSERT_EQ(WriteDataFileHeader(path, h), WriteStep::Done);
  DataFileContents read;
  std::string reason;
  ASSERT_TRUE(ReadDataFile(path, *s, read, reason));
  EXPECT_EQ(read.Header.PlotTitle.str(), "New");
  EXPECT_EQ(read.Samples.size(), 2u);
}

}  // namespace
}  // namespace pumpdrill
