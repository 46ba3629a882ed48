#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <set>
#include <string>

#include "default_state.h"
#include "sim/registry.h"

namespace pumpdrill {
namespace {

using testing::MakeDefaultState;

TEST(Registry, EveryByteOfEveryRecordIsAFieldOrPadding) {
  EXPECT_EQ(CheckRegistryCoverage(), "");
}

TEST(Registry, NamesAreUniqueAndResolveToThemselves) {
  std::set<std::string> seen;
  for (const FieldInfo& f : StateFields()) {
    EXPECT_TRUE(seen.insert(f.name).second) << f.name;
    EXPECT_EQ(FindStateField(f.name), &f) << f.name;
    EXPECT_LE(f.StateOffset() + f.Size(), sizeof(State)) << f.name;
  }
  // 19 lines, 9 incidents and the single records are all there.
  EXPECT_NE(FindStateField("Discharges[19].ElevDiff"), nullptr);
  EXPECT_NE(FindStateField("Incidents[9].FluctType"), nullptr);
  EXPECT_NE(FindStateField("ShowOptions.WaterHammerLimit"), nullptr);
  EXPECT_NE(FindStateField("MinIntakePress"), nullptr);
}

TEST(Registry, RecordOrder) {
  const auto& f = StateFields();
  ASSERT_FALSE(f.empty());
  EXPECT_EQ(f.front().name, "Discharges[1].Name");
  EXPECT_EQ(f.back().name, "FoamSetup.FoamPercentSet");
  // Offsets within the state only grow: records, fields and items in order.
  for (std::size_t i = 1; i < f.size(); ++i)
    EXPECT_LT(f[i - 1].StateOffset(), f[i].StateOffset()) << f[i].name;
}

// Field offsets as the stored file layout fixes them.
TEST(Registry, DocumentedOffsets) {
  struct Where {
    const char* name;
    std::size_t record;  // offset of the record within the state
    std::size_t offset;  // offset of the field within the record
    FieldType type;
  };
  const std::size_t line = sizeof(TDischargeRec);
  const std::size_t incidents = offsetof(State, Incidents);
  const std::size_t list = offsetof(State, DischargeList);
  const Where table[] = {
      {"Discharges[1].Name", 0, 0x000, FieldType::ShortString},
      {"Discharges[3].HoseLength", 2 * line, 0x240, FieldType::Double},
      {"Discharges[2].BranchDiam[1]", line, 0x298, FieldType::Double},
      {"Discharges[2].BranchDiam[3]", line, 0x2A8, FieldType::Double},
      {"Discharges[1].GpmSetting[5]", 0, 0x460, FieldType::SmallInt},
      {"Discharges[1].Partner[2]", 0, 0x292, FieldType::SmallInt},
      {"Discharges[18].ValveShut", 17 * line, 0x228, FieldType::Boolean},
      {"Discharges[4].IsMaster", 3 * line, 0x34A, FieldType::Boolean},
      {"Discharges[4].NozzleName", 3 * line, 0x34B, FieldType::ShortString},
      {"Discharges[19].ElevDiff", 18 * line, 0x490, FieldType::Double},
      {"DischargeList.ThrottleStyle", list, 0, FieldType::Byte},
      {"DischargeList.PressureControlStyle", list, 1, FieldType::Byte},
      {"DischargeList.RotaryOpensCCW[1]", list, 3, FieldType::Boolean},
      {"DischargeList.RotaryOpensCCW[18]", list, 20, FieldType::Boolean},
      {"DischargeList.LineCount", list, 0x16, FieldType::Byte},
      {"DischargeList.LineTitle[1]", list, 0x17, FieldType::ShortString},
      {"DischargeList.LineTitle[4]", list, 0x17 + 3 * 256, FieldType::ShortString},
      {"Pump.PumpLossK[2]", offsetof(State, Pump), 0x3C8, FieldType::Double},
      {"Pump.StageMode", offsetof(State, Pump), 0x35A, FieldType::SmallInt},
      {"Pump.FlowEfficiency", offsetof(State, Pump), 0x3E0, FieldType::Double},
      {"PumpControl.PanelFileName", offsetof(State, PumpControl), 0x200, FieldType::ShortString},
      {"PumpControl.PrimerOilPercent", offsetof(State, PumpControl), 0x3B0, FieldType::SmallInt},
      {"Supply.Altitude", offsetof(State, Supply), 0x368, FieldType::Double},
      {"Tank.WaterDepth", offsetof(State, Tank), 0x398, FieldType::Double},
      {"SimClock.Time", offsetof(State, SimClock), 0x18, FieldType::Double},
      {"Tender.TenderCapacity", offsetof(State, Tender), 0x30, FieldType::Double},
      {"Incidents[1].Use", incidents, 0x00, FieldType::Boolean},
      {"Incidents[9].Line", incidents + 8 * 160, 0x01, FieldType::Byte},
      {"Incidents[2].Done[3]", incidents + 160, 0x06, FieldType::Boolean},
      {"Incidents[8].StartTime", incidents + 7 * 160, 0x08, FieldType::Double},
      {"Incidents[3].EventTime[3]", incidents + 2 * 160, 0x18, FieldType::Double},
      {"Incidents[3].RecoverTime[2]", incidents + 2 * 160, 0x28, FieldType::Double},
      {"Incidents[8].EventPress[1]", incidents + 7 * 160, 0x38, FieldType::Double},
      {"Incidents[2].StopTime", incidents + 160, 0x58, FieldType::Double},
      {"Incidents[2].Fraction", incidents + 160, 0x90, FieldType::Double},
      {"Incidents[2].FluctType", incidents + 160, 0x98, FieldType::Byte},
      {"ShowOptions.IndicateCavitation", offsetof(State, ShowOptions), 3, FieldType::Boolean},
      {"ShowOptions.WaterHammerLimit", offsetof(State, ShowOptions), 8, FieldType::Double},
      {"BurnHouse.MaxTemp", offsetof(State, BurnHouse), 0x018, FieldType::Double},
      {"BurnHouse.Description", offsetof(State, BurnHouse), 0x088, FieldType::ShortString},
      {"BurnHouse.TotalEnergy", offsetof(State, BurnHouse), 0x1E8, FieldType::Double},
      {"FoamSetup.TANK_CAP", offsetof(State, FoamSetup), 0x008, FieldType::Double},
      {"FoamSetup.CafsAirOn", offsetof(State, FoamSetup), 0x0AB, FieldType::Boolean},
      {"FoamSetup.CafsAirValve[2]", offsetof(State, FoamSetup), 0x0B8, FieldType::Double},
      {"FoamSetup.FoamPercentSet", offsetof(State, FoamSetup), 0x128, FieldType::Double},
  };
  for (const Where& w : table) {
    const FieldInfo* f = FindStateField(w.name);
    ASSERT_NE(f, nullptr) << w.name;
    EXPECT_EQ(f->recordOffset, w.record) << w.name;
    EXPECT_EQ(f->offset, w.offset) << w.name;
    EXPECT_EQ(f->type, w.type) << w.name;
  }
}

TEST(Registry, ReadsTheDefaultsAsText) {
  auto s = MakeDefaultState();
  auto text = [&](const char* name) {
    const FieldInfo* f = FindStateField(name);
    return f ? GetFieldText(*s, *f) : std::string("<unknown>");
  };
  EXPECT_EQ(text("Pump.GearRatio"), "2.27");
  s->SimClock.Time = 0.1;
  EXPECT_EQ(text("SimClock.Time"), "0.10000000000000001");  // 17 significant digits
  EXPECT_EQ(text("Discharges[3].HoseLength"), "350");
  EXPECT_EQ(text("Discharges[4].IsMaster"), "1");
  EXPECT_EQ(text("Discharges[1].IsMaster"), "0");
  EXPECT_EQ(text("Discharges[1].NozzleType"), "1");
  EXPECT_EQ(text("Engine.IdleRpm"), "1050");
  EXPECT_EQ(text("Incidents[8].StartTime"), "10000000");
  EXPECT_EQ(text("Incidents[8].EventPress[1]"), "-5");
  EXPECT_EQ(text("DischargeList.LineTitle[4]"), "Deck Gun");
  EXPECT_EQ(text("DischargeList.LineCount"), "8");
  EXPECT_EQ(text("Supply.SupplyName"), "Hydrant");
  EXPECT_EQ(text("PumpControl.PrimerOilPercent"), "95");
  EXPECT_EQ(text("PumpControl.PanelFileName"), "");
  EXPECT_EQ(GetFieldNumber(*s, *FindStateField("Tank.Capacity")), 1500);
  EXPECT_TRUE(std::isnan(GetFieldNumber(*s, *FindStateField("Supply.SupplyName"))));
}

// Writing back what was read changes no byte, for every field.
TEST(Registry, EveryFieldRoundTrips) {
  auto s = MakeDefaultState();
  // Values that need all 17 digits, or are tiny, huge (as large as a real
  // may plausibly be) or negative zero; a third of its range for a field
  // that cannot hold one.
  const double awkward[] = {0.1, 1.0 / 3, -2.5e-310, 9.8765432109876543e29, -0.0, 4.9e-324};
  int k = 0;
  for (const FieldInfo& f : StateFields()) {
    if (f.type == FieldType::Double) {
      double v = awkward[k++ % 6];
      if (!InFieldRange(f, v)) v = f.min + (f.max - f.min) / 3;
      std::memcpy(reinterpret_cast<Byte*>(s.get()) + f.StateOffset(), &v, sizeof v);
    }
  }
  auto before = std::make_unique<State>(*s);
  std::string message;
  for (const FieldInfo& f : StateFields()) {
    const std::string text = GetFieldText(*s, f);
    ASSERT_TRUE(SetFieldText(*s, f, text, message)) << f.name << ": " << message;
  }
  EXPECT_EQ(std::memcmp(before.get(), s.get(), sizeof(State)), 0);
}

TEST(Registry, SetsByName) {
  auto s = MakeDefaultState();
  std::string m;
  ASSERT_TRUE(SetStateField(*s, "Discharges[2].BranchDiam[1]", "0.25", m)) << m;
  EXPECT_EQ(s->Discharges[2].BranchDiam[1], 0.25);
  EXPECT_EQ(s->Discharges[2].BranchDiam[2], 2.5 / 12);
  ASSERT_TRUE(SetStateField(*s, "Discharges[1].GpmSetting[5]", "1250", m)) << m;
  EXPECT_EQ(s->Discharges[1].GpmSetting[5], 1250);
  ASSERT_TRUE(SetStateField(*s, "Incidents[8].StartTime", " 60.5 ", m)) << m;
  EXPECT_EQ(s->Incidents[8].EventTime[1], 60.5);
  ASSERT_TRUE(SetStateField(*s, "Incidents[9].Line", "3", m)) << m;
  EXPECT_EQ(s->Incidents[9].Line, 3);
  ASSERT_TRUE(SetStateField(*s, "Incidents[9].Use", "true", m)) << m;
  EXPECT_EQ(s->Incidents[9].Use, 1);
  ASSERT_TRUE(SetStateField(*s, "PumpControl.PanelFileName", "Engine 7.PNL", m)) << m;
  EXPECT_EQ(s->PumpControl.PanelFileName.str(), "Engine 7.PNL");
  ASSERT_TRUE(SetStateField(*s, "SimClock.Time", "+1e3", m)) << m;
  EXPECT_EQ(s->SimClock.Time, 1000);
  ASSERT_TRUE(SetStateField(*s, "DischargeList.LineTitle[4]", "", m)) << m;
  EXPECT_TRUE(s->DischargeList.LineTitle[4].empty());
  std::string value;
  ASSERT_TRUE(GetStateField(*s, "BurnHouse.Description", value, m));
  EXPECT_EQ(value, "old warehouse");
}

TEST(Registry, RefusesUnknownNamesAndBadValuesAndChangesNothing) {
  auto s = MakeDefaultState();
  const auto before = std::make_unique<State>(*s);
  struct Bad {
    const char* name;
    std::string value;
    const char* mentions;  // the message names the field or the value
  };
  const Bad cases[] = {
      {"Pump.Nope", "1", "Pump.Nope"},
      {"pump.GearRatio", "1", "pump.GearRatio"},
      {"Discharges[20].HoseLength", "1", "Discharges[20]"},
      {"Discharges[0].Flow", "1", "Discharges[0]"},
      {"Discharges[3].BranchDiam[4]", "1", "BranchDiam[4]"},
      {"Discharges[3]", "1", "Discharges[3]"},
      {"", "1", "unknown field"},
      {"Incidents[10].StartTime", "1", "Incidents[10]"},
      {"Pump.GearRatio", "abc", "Pump.GearRatio"},
      {"Pump.GearRatio", "2,27", "2,27"},
      {"Pump.GearRatio", "1.5.2", "1.5.2"},
      {"Pump.GearRatio", "", "Pump.GearRatio"},
      {"Pump.GearRatio", "12abc", "12abc"},
      {"Pump.GearRatio", "nan", "nan"},
      {"Pump.GearRatio", "inf", "inf"},
      {"Pump.GearRatio", "1e999", "1e999"},
      {"Pump.StageMode", "40000", "40000"},
      {"Pump.StageMode", "1.5", "1.5"},
      {"Discharges[1].NozzleType", "256", "256"},
      {"Discharges[1].NozzleType", "-1", "-1"},
      {"Discharges[1].LineBurst", "2", "Discharges[1].LineBurst"},
      {"Discharges[1].LineBurst", "maybe", "maybe"},
      {"Discharges[1].Name", std::string(256, 'n'), "255"},
  };
  for (const Bad& b : cases) {
    std::string message;
    EXPECT_FALSE(SetStateField(*s, b.name, b.value, message)) << b.name << " = " << b.value;
    EXPECT_NE(message.find(b.mentions), std::string::npos) << message;
    EXPECT_EQ(message.find('\n'), std::string::npos) << message;
  }
  std::string value, message;
  EXPECT_FALSE(GetStateField(*s, "Tank.Nope", value, message));
  EXPECT_NE(message.find("Tank.Nope"), std::string::npos);
  EXPECT_EQ(std::memcmp(before.get(), s.get(), sizeof(State)), 0);
}

// Each number has a range in its stored unit; typed values outside are
// refused with the field and its range, the ends themselves are taken.
TEST(Registry, TypedNumbersKeepToTheirFieldsRange) {
  struct Case {
    const char* name;
    const char* value;
    const char* refusal;  // nullptr: stored
  };
  const Case cases[] = {
      {"Discharges[3].HoseLength", "20001", "is outside its range, 0 to 20000 ft"},
      {"Discharges[3].HoseLength", "-1", "is outside its range, 0 to 20000 ft"},
      {"Discharges[3].HoseLength", "20000", nullptr},
      {"Discharges[2].BranchDiam[1]", "2.5", "is outside its range, 0 to 2 ft"},
      {"Pump.GearRatio", "0", "is outside its range, 0.1 to 10"},
      {"Pump.GearRatio", "0.1", nullptr},
      {"Pump.PressPerRpm", "0", "is outside its range, 1e-06 to 100000 psi/RPM"},
      {"Engine.MaxRpm", "10001", "is outside its range, 1 to 10000 RPM"},
      {"Engine.IdleRpm", "700", nullptr},
      {"PumpControl.ReliefSetPress", "1500", "is outside its range, 0 to 1000 psi"},
      {"PumpControl.PrimerOilPercent", "101", "is outside its range, 0 to 100 %"},
      {"PumpStatus.PumpElev", "1e29", "is outside its range, -5000 to 5000 ft"},
      {"Tank.Height", "0", "is outside its range, 0.1 to 100 ft"},
      {"Supply.Altitude", "-1500", nullptr},
      {"Incidents[4].EventTime[1]", "10000001", "is outside its range, 0 to 10000000 s"},
      {"Incidents[4].StartTime", "10000000", nullptr},
      {"BurnHouse.TotalFireLoad", "-1.3e9", "is outside its range, 0 to 1000000000 lb"},
      {"Discharges[1].NozzleType", "5", "is outside its range, 0 to 4"},
      {"Discharges[1].Partner[2]", "20", "is outside its range, 0 to 19"},
      {"DischargeList.LineCount", "16", "is outside its range, 0 to 15"},
      {"DischargeList.LineCount", "15", nullptr},
      // Computed values have only the bound of every real.
      {"Discharges[1].ValveK", "1e20", nullptr},
      {"Discharges[1].ValveK", "2e30", "is beyond any plausible value (1e30 either way)"},
  };
  for (const Case& c : cases) {
    auto s = MakeDefaultState();
    const auto before = std::make_unique<State>(*s);
    std::string message;
    const bool stored = SetStateField(*s, c.name, c.value, message);
    SCOPED_TRACE(std::string(c.name) + " = " + c.value);
    if (!c.refusal) {
      EXPECT_TRUE(stored) << message;
      continue;
    }
    EXPECT_FALSE(stored);
    EXPECT_EQ(message, std::string(c.name) + ": \"" + c.value + "\" " + c.refusal);
    EXPECT_EQ(std::memcmp(before.get(), s.get(), sizeof(State)), 0);
  }
}

// The ranges hold what the program itself makes: the defaults, and the
// state a run leaves is checked by the soak.
TEST(Registry, EveryDefaultLiesInItsRange) {
  auto s = MakeDefaultState();
  for (const FieldInfo& f : StateFields()) {
    if (f.type == FieldType::ShortString) continue;
    EXPECT_TRUE(InFieldRange(f, GetFieldNumber(*s, f)))
        << f.name << " = " << GetFieldText(*s, f) << " outside " << RangeText(f);
  }
}

TEST(Registry, ValuesOutsideTheirRangeAreBroughtToTheNearestEnd) {
  auto s = MakeDefaultState();
  s->Pump.GearRatio = 0;
  s->Discharges[5].HoseLength = 1e20;
  s->Discharges[2].NozzleType = 9;
  s->BurnHouse.TotalFireLoad = -1.3e9;
  const std::vector<std::string> notes = ClampToFieldRanges(*s);
  EXPECT_EQ(s->Pump.GearRatio, 0.1);
  EXPECT_EQ(s->Discharges[5].HoseLength, 20000);
  EXPECT_EQ(s->Discharges[2].NozzleType, 4);
  EXPECT_EQ(s->BurnHouse.TotalFireLoad, 0);
  // In registry order, one line each.
  const std::vector<std::string> expected = {
      "Discharges[2].NozzleType: 9 is outside 0 to 4, set to 4",
      "Discharges[5].HoseLength: 1e+20 is outside 0 to 20000 ft, set to 20000",
      "Pump.GearRatio: 0 is outside 0.1 to 10, set to 0.1",
      "BurnHouse.TotalFireLoad: -1300000000 is outside 0 to 1000000000 lb, set to 0",
  };
  EXPECT_EQ(notes, expected);
  EXPECT_TRUE(ClampToFieldRanges(*s).empty());
}

}  // namespace
}  // namespace pumpdrill
