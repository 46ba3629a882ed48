// The burn-house window's texts and meters, and its Save: entries checked
// before anything is stored, metric entries stored in English units, the
// vent checked against the new structure, unchanged texts keeping their
// stored values exactly.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>

#include "burn/burn_house_save.h"
#include "burn/burn_window_values.h"
#include "default_state.h"
#include "recording_host.h"

namespace pumpdrill {
namespace {

DisplayUnits Units(bool metric) {
  DisplayUnits u;
  ApplyUnits(u, metric, false);
  return u;
}

bool SameBytes(const TBurnHouseRec& a, const TBurnHouseRec& b) { return std::memcmp(&a, &b, sizeof a) == 0; }

TEST(BurnWindowValues, BuiltInHouseInBothUnits) {
  auto s = testing::MakeDefaultState();
  struct Case {
    bool metric;
    const char *dims, *len, *ventLabel, *vent, *ventHt, *loadLabel, *load, *tot, *temp, *tempUnits;
  } cases[] = {
      {false, "Dimensions  (ft)", "100.0", "area  (sq. ft)", "56.3", "15.0", "fire load (lb/sq. ft)", "5.0", "20000",
       "1041", "temp deg F"},
      {true, "Dimensions  (m)", "30.5", "area  (sq. m)", "5.2", "4.6", "fire load (kg/sq. m)", "24.4", "9091", "560",
       "temp deg C"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.metric ? "metric" : "English");
    const BurnWindowTexts t = BurnWindowTextsOf(s->BurnHouse, Units(c.metric));
    const BurnMeters m = BurnMetersOf(s->BurnHouse, Units(c.metric));
    const std::string got[] = {t.LblStructDims, t.EditLen, t.LblVentArea, t.EditVentArea, t.EditVentHeight,
                               t.LblFireLoad, t.EditFireLoad, t.EditTotFireLoad, m.TempCaption, t.LabelTempUnits,
                               t.LblFireSeverity, m.BurnedCaption};
    const std::string want[] = {c.dims, c.len, c.ventLabel, c.vent, c.ventHt, c.loadLabel, c.load, c.tot, c.temp,
                                c.tempUnits, "5.7", "10 %"};
    for (std::size_t i = 0; i < std::size(want); ++i) EXPECT_EQ(got[i], want[i]);
    EXPECT_EQ(m.TempPosition, 100);
    EXPECT_EQ(m.BurnedPosition, 10);
  }
}

TEST(BurnWindowValues, MetersDuringARun) {
  struct Case {
    double temp, burned, burnRate;
    const char *caption, *burnedCaption;
    int tempPos, burnedPos;
    bool out;
  } cases[] = {
      {520.4, 0.347, 0.98, "520", "35 %", 50, 35, false},      // cooling
      {60, 0.5, 0, "60", "50 %", 6, 50, true},                 // out at ambient
      {1040.8, 1.37, 0.98, "1041", "137 %", 100, 100, false},  // burned past all its fuel
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.caption);
    auto s = testing::MakeDefaultState();
    TBurnHouseRec& b = s->BurnHouse;
    b.Temp = c.temp;
    b.BurnedFraction = c.burned;
    b.EnergyReleased = c.burned * b.TotalEnergy;
    b.BurnRate = c.burnRate;
    const BurnMeters m = BurnMetersOf(b, Units(false));
    EXPECT_EQ(m.TempCaption, c.caption);
    EXPECT_EQ(m.BurnedCaption, c.burnedCaption);
    EXPECT_EQ(m.TempPosition, c.tempPos);
    EXPECT_EQ(m.BurnedPosition, c.burnedPos);
    EXPECT_EQ(m.FireOut, c.out);
  }
}

TEST(BurnHouseSave, UnchangedTextsLeaveTheRecordAsItWas) {
  for (bool metric : {false, true})
    for (bool total : {false, true}) {
      SCOPED_TRACE(std::string(metric ? "metric" : "English") + (total ? ", total load" : ", load per area"));
      auto s = testing::MakeDefaultState();
      const TBurnHouseRec before = s->BurnHouse;
      RecordingHost host;
      const DisplayUnits u = Units(metric);
      EXPECT_EQ(SaveBurnHouse(*s, u, BurnHouseEntriesOf(s->BurnHouse, u, total), host), BurnEntry::None);
      EXPECT_TRUE(SameBytes(before, s->BurnHouse));
      EXPECT_TRUE(host.messages.empty());
    }
}

TEST(BurnHouseSave, EntriesAreStoredInEnglishUnits) {
  constexpr double m = 1 / 0.305;  // feet per metre
  struct Case {
    bool metric, total;
    const char *len, *vent, *load;
    double length, ventArea, fireLoad, totalLoad;
  } cases[] = {
      {false, false, "60", "25", "6", 60, 25, 6, 60 * 30 * 6},
      {false, true, "60", "25", "9000", 60, 25, 5, 9000},
      {true, false, "20", "4", "50", 20 * m, 4 * m * m, 50 * 0.204655, 20 * m * 30 * m * 50 * 0.204655},
      {true, true, "20", "4", "5000", 20 * m, 4 * m * m, 5000 * 2.2 / (20 * m * 30 * m), 5000 * 2.2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.metric ? "metric" : "English") + (c.total ? ", total load" : ", load per area"));
    auto s = testing::MakeDefaultState();
    const DisplayUnits u = Units(c.metric);
    BurnHouseEntries e = BurnHouseEntriesOf(s->BurnHouse, u, c.total);
    e.Length = c.len;
    e.Width = e.Height = "30";
    e.VentArea = c.vent;
    e.AppEfficiency = "40";
    (c.total ? e.TotalFireLoad : e.FireLoad) = c.load;
    e.Description = "two-storey dwelling";
    e.StayOnTop = false;
    RecordingHost host;
    ASSERT_EQ(SaveBurnHouse(*s, u, e, host), BurnEntry::None) << host.Texts();
    const TBurnHouseRec& b = s->BurnHouse;
    EXPECT_DOUBLE_EQ(b.Length, c.length);
    EXPECT_DOUBLE_EQ(b.Width, 30 * (c.metric ? m : 1));
    EXPECT_DOUBLE_EQ(b.VentArea, c.ventArea);
    EXPECT_DOUBLE_EQ(b.AppEfficiency, 0.4);
    EXPECT_DOUBLE_EQ(b.FireLoad, c.fireLoad);
    EXPECT_DOUBLE_EQ(b.TotalFireLoad, c.totalLoad);
    EXPECT_EQ(b.Description.str(), "two-storey dwelling");
    EXPECT_EQ(b.StayOnTop, 0);
    EXPECT_DOUBLE_EQ(b.Volume, b.Length * b.Width * b.Height * 0.028372625);  // initialised again
    EXPECT_TRUE(host.messages.empty());
  }
}

TEST(BurnHouseSave, ABadEntryStoresNothing) {
  struct Case {
    bool metric;
    std::function<void(BurnHouseEntries&)> edit;
    BurnEntry which;
    const char* message;
  } cases[] = {
      {false, [](BurnHouseEntries& e) { e.Length = "abc"; }, BurnEntry::Length,
       "Enter a number greater than 0 for length."},
      {false, [](BurnHouseEntries& e) { e.Length = "50", e.Width = "0"; }, BurnEntry::Width,
       "Enter a number greater than 0 for width."},
      {false, [](BurnHouseEntries& e) { e.Description = "x", e.VentArea = ""; },
       BurnEntry::VentArea, "Enter a number greater than 0 for vent area."},
      {false, [](BurnHouseEntries& e) { e.AppEfficiency = "101"; }, BurnEntry::AppEfficiency,
       "Enter a number from 0 to 100 for % efficiency of water application."},
      {false, [](BurnHouseEntries& e) { e.TotalFireLoadChosen = true, e.TotalFireLoad = "-5"; },
       BurnEntry::TotalFireLoad, "Enter a number greater than 0 for total enclosure fire load."},
      // Beyond any structure: the range in the units shown.
      {false, [](BurnHouseEntries& e) { e.Length = "1500"; }, BurnEntry::Length,
       "Length 1500 ft is outside its range, 0 to 1000 ft.  Value unchanged."},
      {false, [](BurnHouseEntries& e) { e.TotalFireLoadChosen = true, e.TotalFireLoad = "2e9"; },
       BurnEntry::TotalFireLoad,
       "Total enclosure fire load 2000000000 lb is outside its range, 0 to 1000000000 lb.  Value "
       "unchanged."},
      {true, [](BurnHouseEntries& e) { e.Length = "400"; }, BurnEntry::Length,
       "Length 400 m is outside its range, 0 to 305 m.  Value unchanged."},
      {true, [](BurnHouseEntries& e) { e.VentArea = "100000"; }, BurnEntry::VentArea,
       "Vent area 100000 sq. m is outside its range, 0 to 93025 sq. m.  Value unchanged."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.message);
    auto s = testing::MakeDefaultState();
    const TBurnHouseRec before = s->BurnHouse;
    BurnHouseEntries e = BurnHouseEntriesOf(s->BurnHouse, Units(c.metric), false);
    c.edit(e);
    RecordingHost host;
    EXPECT_EQ(SaveBurnHouse(*s, Units(c.metric), e, host), c.which);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, c.message);
    EXPECT_EQ(host.messages[0].type, MsgType::Warning);
    EXPECT_TRUE(SameBytes(before, s->BurnHouse));
  }
}

TEST(BurnHouseSave, AVentThatDoesNotFitKeepsItsValueAndTheRestIsStored) {
  // The built-in house's surface is 16400 sq ft; a vent leaves enclosure
  // surface for the fire model only below about 1396 sq ft.
  const char* height = "Vent height must be less than structure height. This value not saved.";
  const char* area = "Vent area must be less than structure surface area. This value not saved.";
  struct Case {
    const char *height, *vent, *ventHt;
    double ventArea, ventHeight;
    const char* message;
  } cases[] = {
      {"20", "56.25", "25", 56.25, 15, height}, {"30", "56.25", "30", 56.25, 15, height},
      {"30", "1450", "15", 56.25, 15, area},    {"30", "1500", "12", 56.25, 12, area},
      {"30", "1390", "12", 1390, 12, nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.vent) + " sq ft at " + c.ventHt + " ft");
    auto s = testing::MakeDefaultState();
    BurnHouseEntries e = BurnHouseEntriesOf(s->BurnHouse, Units(false), false);
    e.Height = c.height;
    e.VentArea = c.vent;
    e.VentHeight = c.ventHt;
    e.AppEfficiency = "55";
    RecordingHost host;
    EXPECT_EQ(SaveBurnHouse(*s, Units(false), e, host), BurnEntry::None);
    const TBurnHouseRec& b = s->BurnHouse;
    EXPECT_DOUBLE_EQ(b.VentArea, c.ventArea);
    EXPECT_DOUBLE_EQ(b.VentHeight, c.ventHeight);
    EXPECT_DOUBLE_EQ(b.AppEfficiency, 0.55);
    EXPECT_GT(b.MaxTemp, b.AmbientTemp);  // the enclosure still burns
    EXPECT_EQ(host.Texts(), c.message ? std::string(c.message) + "\n" : "");
  }
}

TEST(BurnHouseSave, KeepsTheBurnedShareAndRelightsAFireThatWasOut) {
  auto s = testing::MakeDefaultState();
  TBurnHouseRec& b = s->BurnHouse;
  b.BurnRate = 0;
  b.Temp = b.AmbientTemp;
  b.BurnedFraction = 0.4;
  b.EnergyReleased = 0.4 * b.TotalEnergy;
  BurnHouseEntries e = BurnHouseEntriesOf(b, Units(false), true);
  e.TotalFireLoad = "30000";
  RecordingHost host;
  ASSERT_EQ(SaveBurnHouse(*s, Units(false), e, host), BurnEntry::None);
  EXPECT_DOUBLE_EQ(b.FireLoad, 7.5);  // from the total at the initialisation
  EXPECT_DOUBLE_EQ(b.EnergyReleased, 0.4 * b.TotalEnergy);
  EXPECT_GT(b.BurnRate, 0);
  EXPECT_DOUBLE_EQ(b.Temp, b.MaxTemp);
}

}  // namespace
}  // namespace pumpdrill
