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
    const char *dims, *len, *ventLabel, *vent, *ventHtLabel, *ventHt, *loadLabel, *load, *totLabel, *tot, *temp,
        *tempUnits;
  } cases[] = {
      {false, "Dimensions  (ft)", "100.0", "area  (sq. ft)", "56.3", "height  (ft)", "15.0", "fire load (lb/sq. ft)",
       "5.0", "total enclosure fire load (lb)", "20000", "1041", "temp deg F"},
      {true, "Dimensions  (m)", "30.5", "area  (sq. m)", "5.2", "height  (m)", "4.6", "fire load (kg/sq. m)", "24.4",
       "total enclosure fire load (kg)", "9091", "560", "temp deg C"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.metric ? "metric" : "English");
    const BurnWindowTexts t = BurnWindowTextsOf(s->BurnHouse, Units(c.metric));
    EXPECT_EQ(t.LblStructDims, c.dims);
    EXPECT_EQ(t.EditLen, c.len);
    EXPECT_EQ(t.LblVentArea, c.ventLabel);
    EXPECT_EQ(t.EditVentArea, c.vent);
    EXPECT_EQ(t.LblVentHt, c.ventHtLabel);
    EXPECT_EQ(t.EditVentHeight, c.ventHt);
    EXPECT_EQ(t.LblFireLoad, c.loadLabel);
    EXPECT_EQ(t.EditFireLoad, c.load);
    EXPECT_EQ(t.LabelTotFireLoad, c.totLabel);
    EXPECT_EQ(t.EditTotFireLoad, c.tot);
    EXPECT_EQ(t.EditAppEfficiency, "10.0");
    EXPECT_EQ(t.LblFireSeverity, "5.7");
    EXPECT_EQ(t.EditDescription, "old warehouse");
    EXPECT_EQ(t.LabelTempUnits, c.tempUnits);
    const BurnMeters m = BurnMetersOf(s->BurnHouse, Units(c.metric));
    EXPECT_EQ(m.TempCaption, c.temp);
    EXPECT_EQ(m.TempPosition, 100);
    EXPECT_EQ(m.BurnedCaption, "10 %");
    EXPECT_EQ(m.BurnedPosition, 10);
    EXPECT_FALSE(m.FireOut);
  }
}

TEST(BurnWindowValues, MetersDuringARun) {
  struct Case {
    const char* what;
    double temp, burned, burnRate;
    const char* caption;
    int tempPos;
    const char* burnedCaption;
    int burnedPos;
    bool out;
  } cases[] = {
      {"cooling", 520.4, 0.347, 0.98, "520", 50, "35 %", 35, false},
      {"out at ambient", 60, 0.5, 0, "60", 6, "50 %", 50, true},
      {"burned past all its fuel", 1040.8, 1.37, 0.98, "1041", 100, "137 %", 100, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    auto s = testing::MakeDefaultState();
    TBurnHouseRec& b = s->BurnHouse;
    b.Temp = c.temp;
    b.BurnedFraction = c.burned;
    b.EnergyReleased = c.burned * b.TotalEnergy;
    b.BurnRate = c.burnRate;
    const BurnMeters m = BurnMetersOf(b, Units(false));
    EXPECT_EQ(m.TempCaption, c.caption);
    EXPECT_EQ(m.TempPosition, c.tempPos);
    EXPECT_EQ(m.BurnedCaption, c.burnedCaption);
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
  struct Case {
    bool metric, total;
    const char *len, *wd, *ht, *vent, *ventHt, *eff, *load;
    double length, width, height, ventArea, ventHeight, fireLoad, totalLoad;
  } cases[] = {
      {false, false, "60", "30", "20", "25", "8", "40", "6", 60, 30, 20, 25, 8, 6, 60 * 30 * 6},
      {false, true, "60", "30", "20", "25", "8", "40", "9000", 60, 30, 20, 25, 8, 5, 9000},
      {true, false, "20", "10", "6", "4", "2", "40", "50", 20 / 0.305, 10 / 0.305, 6 / 0.305, 4 / (0.305 * 0.305),
       2 / 0.305, 50 * 0.204655, (20 / 0.305) * (10 / 0.305) * 50 * 0.204655},
      {true, true, "20", "10", "6", "4", "2", "40", "5000", 20 / 0.305, 10 / 0.305, 6 / 0.305,
       4 / (0.305 * 0.305), 2 / 0.305, 5000 * 2.2 / ((20 / 0.305) * (10 / 0.305)), 5000 * 2.2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.metric ? "metric" : "English") + (c.total ? ", total load" : ", load per area"));
    auto s = testing::MakeDefaultState();
    const DisplayUnits u = Units(c.metric);
    BurnHouseEntries e = BurnHouseEntriesOf(s->BurnHouse, u, c.total);
    e.Length = c.len;
    e.Width = c.wd;
    e.Height = c.ht;
    e.VentArea = c.vent;
    e.VentHeight = c.ventHt;
    e.AppEfficiency = c.eff;
    (c.total ? e.TotalFireLoad : e.FireLoad) = c.load;
    e.Description = "two-storey dwelling";
    e.StayOnTop = false;
    RecordingHost host;
    ASSERT_EQ(SaveBurnHouse(*s, u, e, host), BurnEntry::None) << host.Texts();
    const TBurnHouseRec& b = s->BurnHouse;
    EXPECT_DOUBLE_EQ(b.Length, c.length);
    EXPECT_DOUBLE_EQ(b.Width, c.width);
    EXPECT_DOUBLE_EQ(b.Height, c.height);
    EXPECT_DOUBLE_EQ(b.VentArea, c.ventArea);
    EXPECT_DOUBLE_EQ(b.VentHeight, c.ventHeight);
    EXPECT_DOUBLE_EQ(b.AppEfficiency, 0.4);
    EXPECT_DOUBLE_EQ(b.FireLoad, c.fireLoad);
    EXPECT_DOUBLE_EQ(b.TotalFireLoad, c.totalLoad);
    EXPECT_EQ(b.Description.str(), "two-storey dwelling");
    EXPECT_EQ(b.StayOnTop, 0);
    // The fire's figures follow the new structure.
    EXPECT_DOUBLE_EQ(b.Volume, b.Length * b.Width * b.Height * 0.028372625);
    EXPECT_GT(b.MaxTemp, b.AmbientTemp);
    EXPECT_DOUBLE_EQ(b.Temp, b.MaxTemp);
    EXPECT_TRUE(host.messages.empty());
  }
}

TEST(BurnHouseSave, ABadEntryStoresNothing) {
  using Edit = std::function<void(BurnHouseEntries&)>;
  struct Case {
    Edit edit;
    BurnEntry which;
    const char* message;
  } cases[] = {
      {[](BurnHouseEntries& e) { e.Length = "abc"; }, BurnEntry::Length, "Enter a number greater than 0 for length."},
      {[](BurnHouseEntries& e) { e.Length = "50", e.Width = "0"; }, BurnEntry::Width,
       "Enter a number greater than 0 for width."},
      {[](BurnHouseEntries& e) { e.Height = "-3"; }, BurnEntry::Height, "Enter a number greater than 0 for height."},
      {[](BurnHouseEntries& e) { e.VentArea = ""; }, BurnEntry::VentArea,
       "Enter a number greater than 0 for vent area."},
      {[](BurnHouseEntries& e) { e.Description = "x", e.VentHeight = "4 ft"; }, BurnEntry::VentHeight,
       "Enter a number greater than 0 for vent height."},
      {[](BurnHouseEntries& e) { e.AppEfficiency = "101"; }, BurnEntry::AppEfficiency,
       "Enter a number from 0 to 100 for % efficiency of water application."},
      {[](BurnHouseEntries& e) { e.FireLoad = "0"; }, BurnEntry::FireLoad,
       "Enter a number greater than 0 for fire load."},
      {[](BurnHouseEntries& e) { e.TotalFireLoadChosen = true, e.TotalFireLoad = "nan"; }, BurnEntry::TotalFireLoad,
       "Enter a number greater than 0 for total enclosure fire load."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.message);
    auto s = testing::MakeDefaultState();
    const TBurnHouseRec before = s->BurnHouse;
    const DisplayUnits u = Units(false);
    BurnHouseEntries e = BurnHouseEntriesOf(s->BurnHouse, u, false);
    c.edit(e);
    RecordingHost host;
    EXPECT_EQ(SaveBurnHouse(*s, u, e, host), c.which);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, c.message);
    EXPECT_EQ(host.messages[0].type, MsgType::Warning);
    EXPECT_TRUE(SameBytes(before, s->BurnHouse));
  }
}

TEST(BurnHouseSave, AVentThatDoesNotFitKeepsItsValueAndTheRestIsStored) {
  // The built-in house's surface is 16400 sq ft; a vent leaves enclosure
  // surface for the fire model only below about 1396 sq ft.
  struct Case {
    const char *height, *vent, *ventHt;
    double ventArea, ventHeight;
    const char* message;
  } cases[] = {
      {"20", "56.25", "25", 56.25, 15, "Vent height must be less than structure height. This value not saved."},
      {"30", "56.25", "30", 56.25, 15, "Vent height must be less than structure height. This value not saved."},
      {"30", "1450", "15", 56.25, 15, "Vent area must be less than structure surface area. This value not saved."},
      {"30", "1500", "12", 56.25, 12, "Vent area must be less than structure surface area. This value not saved."},
      {"30", "1390", "12", 1390, 12, nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.vent) + " sq ft at " + c.ventHt + " ft");
    auto s = testing::MakeDefaultState();
    const DisplayUnits u = Units(false);
    BurnHouseEntries e = BurnHouseEntriesOf(s->BurnHouse, u, false);
    e.Height = c.height;
    e.VentArea = c.vent;
    e.VentHeight = c.ventHt;
    e.AppEfficiency = "55";
    RecordingHost host;
    EXPECT_EQ(SaveBurnHouse(*s, u, e, host), BurnEntry::None);
    const TBurnHouseRec& b = s->BurnHouse;
    EXPECT_DOUBLE_EQ(b.VentArea, c.ventArea);
    EXPECT_DOUBLE_EQ(b.VentHeight, c.ventHeight);
    EXPECT_DOUBLE_EQ(b.AppEfficiency, 0.55);
    EXPECT_GT(b.SurfaceArea, b.VentArea);
    EXPECT_GT(b.MaxTemp, b.AmbientTemp);  // the enclosure still burns
    if (c.message) {
      ASSERT_EQ(host.messages.size(), 1u);
      EXPECT_EQ(host.messages[0].text, c.message);
      EXPECT_EQ(host.messages[0].type, MsgType::Warning);
    } else {
      EXPECT_TRUE(host.messages.empty()) << host.Texts();
    }
  }
}

TEST(BurnHouseSave, KeepsTheBurnedShareAndRelightsAFireThatWasOut) {
  auto s = testing::MakeDefaultState();
  TBurnHouseRec& b = s->BurnHouse;
  b.BurnRate = 0;
  b.Temp = b.AmbientTemp;
  b.BurnedFraction = 0.4;
  b.EnergyReleased = 0.4 * b.TotalEnergy;
  const DisplayUnits u = Units(false);
  BurnHouseEntries e = BurnHouseEntriesOf(b, u, true);
  e.TotalFireLoad = "30000";
  RecordingHost host;
  ASSERT_EQ(SaveBurnHouse(*s, u, e, host), BurnEntry::None);
  EXPECT_DOUBLE_EQ(b.TotalFireLoad, 30000);
  EXPECT_DOUBLE_EQ(b.FireLoad, 7.5);  // from the total at the initialisation
  EXPECT_DOUBLE_EQ(b.BurnedFraction, 0.4);
  EXPECT_DOUBLE_EQ(b.EnergyReleased, 0.4 * b.TotalEnergy);
  EXPECT_DOUBLE_EQ(b.BurnRate, b.BaseBurnRate);
  EXPECT_GT(b.BurnRate, 0);
  EXPECT_DOUBLE_EQ(b.Temp, b.MaxTemp);
}

TEST(BurnHouseSave, ALongDescriptionIsCutAtACharacter) {
  auto s = testing::MakeDefaultState();
  const DisplayUnits u = Units(false);
  BurnHouseEntries e = BurnHouseEntriesOf(s->BurnHouse, u, false);
  e.Description = std::string(254, 'a') + "\xC3\xA9" + "tage";  // é across the 255th byte
  RecordingHost host;
  ASSERT_EQ(SaveBurnHouse(*s, u, e, host), BurnEntry::None);
  EXPECT_EQ(s->BurnHouse.Description.str(), std::string(254, 'a'));
}

}  // namespace
}  // namespace pumpdrill
