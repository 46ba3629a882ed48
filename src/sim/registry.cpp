#include "sim/registry.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <system_error>
#include <unordered_map>
#include <utility>

#include "sim/field_ranges.h"
#include "sim/finite_state.h"

namespace pumpdrill {

namespace {

// One member of a record: a field (possibly an array of items) or padding.
struct MemberDesc {
  const char* name;
  std::size_t offset;
  std::size_t size;      // of the whole member
  FieldType type;
  int count;             // items of an array member, 0 for a plain field
  bool pad;
};

template <typename T>
struct MemberTraits;
template <>
struct MemberTraits<Double> {
  static constexpr FieldType type = FieldType::Double;
  static constexpr int count = 0;
};
template <>
struct MemberTraits<SmallInt> {
  static constexpr FieldType type = FieldType::SmallInt;
  static constexpr int count = 0;
};
template <>
struct MemberTraits<Byte> {
  static constexpr FieldType type = FieldType::Byte;
  static constexpr int count = 0;
};
template <>
struct MemberTraits<ShortString> {
  static constexpr FieldType type = FieldType::ShortString;
  static constexpr int count = 0;
};
// A set of lines reads and writes as its bits.
template <>
struct MemberTraits<LineSet> {
  static constexpr FieldType type = FieldType::SmallInt;
  static constexpr int count = 0;
};
template <typename T, int N>
struct MemberTraits<Array1<T, N>> {
  static constexpr FieldType type = MemberTraits<T>::type;
  static constexpr int count = N;
};

template <typename T>
constexpr MemberDesc Field(const char* name, std::size_t offset, bool boolean) {
  FieldType type = MemberTraits<T>::type;
  if (boolean) type = FieldType::Boolean;  // Boolean and Byte share one representation
  return {name, offset, sizeof(T), type, MemberTraits<T>::count, false};
}

constexpr MemberDesc PadDesc(std::size_t offset, std::size_t size) {
  return {"", offset, size, FieldType::Byte, 0, true};
}

#define FLD(R, f) Field<decltype(R::f)>(#f, offsetof(R, f), false)
#define BOOL(R, f) Field<decltype(R::f)>(#f, offsetof(R, f), true)
#define PAD(R, f) PadDesc(offsetof(R, f), sizeof(R::f))

struct RecordDesc {
  const char* type;
  std::size_t size;
  std::vector<MemberDesc> members;  // in offset order
};

const RecordDesc& DischargeDesc() {
  using R = TDischargeRec;
  static const RecordDesc d{"TDischargeRec", sizeof(R), {
      FLD(R, Name), FLD(R, Descr), FLD(R, ValveDiam), FLD(R, ValveK), FLD(R, ValveDiam4),
      FLD(R, DischPress), FLD(R, ValveOpen), BOOL(R, ValveShut), PAD(R, Pad229),
      FLD(R, ValveLoss), BOOL(R, LineBurst), FLD(R, Layout), PAD(R, Pad23A),
      FLD(R, HoseLength), FLD(R, HoseC), FLD(R, HoseDiam), FLD(R, HoseDiamSet),
      FLD(R, Spare260), FLD(R, HoseKind), PAD(R, Pad269), FLD(R, HoseLoss),
      BOOL(R, Trapped), PAD(R, Pad279), FLD(R, TrappedPress), FLD(R, HoseK),
      FLD(R, Partner), PAD(R, Pad296), FLD(R, BranchDiam), FLD(R, BranchLength),
      FLD(R, BranchK), FLD(R, BranchFlow), FLD(R, ShutoffDiam), FLD(R, ShutoffDiam4),
      FLD(R, ShutoffK), FLD(R, NozzlePress), FLD(R, ShutoffLoss), FLD(R, NozzleOpen),
      BOOL(R, NozzleShut), BOOL(R, NozzleOperable), PAD(R, Pad32A), FLD(R, NozzleK),
      FLD(R, TipDiam), FLD(R, NozzleRatedPress), FLD(R, NozzleType), FLD(R, MasterKind),
      BOOL(R, IsMaster), FLD(R, NozzleName), PAD(R, Pad44B), FLD(R, NozzleCd),
      FLD(R, GpmSetting), FLD(R, GpmIndex), FLD(R, AutoGpmMin), FLD(R, AutoGpmMax),
      FLD(R, Flow), FLD(R, SnapshotFlow), FLD(R, Spare478), FLD(R, PumpEndElev),
      FLD(R, NozzleElev), FLD(R, ElevDiff)}};
  return d;
}

const RecordDesc& DischargeListDesc() {
  using R = TDischargeListRec;
  static const RecordDesc d{"TDischargeListRec", sizeof(R), {
      FLD(R, ThrottleStyle), FLD(R, PressureControlStyle), PAD(R, Pad002),
      BOOL(R, RotaryOpensCCW), PAD(R, Pad015), FLD(R, LineCount), FLD(R, LineTitle)}};
  return d;
}

const RecordDesc& PumpDesc() {
  using R = TPumpRec;
  static const RecordDesc d{"TPumpRec", sizeof(R), {
      FLD(R, Name), FLD(R, Model), FLD(R, Descr), FLD(R, GearRatio), FLD(R, OilPressSet),
      FLD(R, OilPress), FLD(R, OilWarnPress), FLD(R, CoolantTempSet), FLD(R, CoolantTemp),
      FLD(R, CoolantWarnTemp), FLD(R, NextTempUpdate), FLD(R, EngineHeat),
      BOOL(R, CoolFromTank), BOOL(R, EngineTempModel), FLD(R, EngineCooler), PAD(R, Pad34B),
      FLD(R, RatedFlow), FLD(R, TwoStage), PAD(R, Pad359), FLD(R, StageMode), PAD(R, Pad35C),
      FLD(R, IdleImpellerRpm), FLD(R, RatedImpellerRpm), FLD(R, IdlePress),
      FLD(R, IdlePressVolume), FLD(R, Spare380), FLD(R, Spare388), FLD(R, Spare390),
      FLD(R, Spare398), FLD(R, PressPerRpm), FLD(R, PressPerRpmVolume), FLD(R, PressIntercept),
      FLD(R, PressInterceptSeries), FLD(R, PumpLossK), FLD(R, Spare3D0), FLD(R, Spare3D8),
      FLD(R, FlowEfficiency), FLD(R, Spare3E8), FLD(R, Spare3F0), FLD(R, Spare3F8),
      FLD(R, Spare400), FLD(R, Spare408), BOOL(R, PrimeNeedsClosedValves), PAD(R, Pad411)}};
  return d;
}

const RecordDesc& PumpStatusDesc() {
  using R = TPumpStatusRec;
  static const RecordDesc d{"TPumpStatusRec", sizeof(R), {
      FLD(R, TankBottomElev), FLD(R, PumpElev), FLD(R, GaugeMaxPress), FLD(R, CompoundMinPress),
      BOOL(R, Cavitating), BOOL(R, WaterAtPump), PAD(R, Pad22), FLD(R, CavitationStart),
      FLD(R, CavitationTime), FLD(R, CavitationRatio), FLD(R, PressBeforeCavitation),
      BOOL(R, Primed), BOOL(R, PrimedBefore), PAD(R, Pad4A)}};
  return d;
}

const RecordDesc& EngineDesc() {
  using R = TEngineRec;
  static const RecordDesc d{"TEngineRec", sizeof(R), {
      FLD(R, Text1), FLD(R, Text2), FLD(R, Text3), FLD(R, Rpm), FLD(R, RpmDemand),
      FLD(R, IdleRpm), FLD(R, MinIdleRpm), FLD(R, MaxRpm), FLD(R, Spare328), FLD(R, Spare330),
      FLD(R, SoundRefRpm), FLD(R, CavitationRpm)}};
  return d;
}

const RecordDesc& PumpControlDesc() {
  using R = TPumpControlRec;
  static const RecordDesc d{"TPumpControlRec", sizeof(R), {
      FLD(R, Text1), FLD(R, Text2), FLD(R, PanelFileName), FLD(R, Spare300), PAD(R, Pad301),
      FLD(R, Spare302), FLD(R, ReliefMode), PAD(R, Pad304), FLD(R, ReliefSetPress),
      FLD(R, ReliefMinPress), FLD(R, ReliefMaxPress), PAD(R, Pad320),
      FLD(R, PressureControlMode), PAD(R, Pad323), FLD(R, GovernorMode), PAD(R, Pad325),
      FLD(R, GovernorSetPress), FLD(R, GovernorPressInit), PAD(R, Pad338),
      FLD(R, GovernorSetRpm), FLD(R, GovernorRpmInit), FLD(R, Spare350),
      FLD(R, GovernorPressBand), FLD(R, GovernorRpmBand), FLD(R, GovernorStep),
      FLD(R, Spare370), FLD(R, Spare371), FLD(R, Spare372), PAD(R, Pad373),
      FLD(R, PrimerState), PAD(R, Pad375), FLD(R, PrimeStart), FLD(R, PrimeTimeNeeded),
      FLD(R, Spare388), FLD(R, PrimerRate), BOOL(R, PrimeLossArmed), PAD(R, Pad399),
      FLD(R, PrimeLossAt), FLD(R, PrimeHoldTime), FLD(R, PrimerOilPercent), PAD(R, Pad3B2)}};
  return d;
}

const RecordDesc& PumpOutputDesc() {
  using R = TPumpOutputRec;
  static const RecordDesc d{"TPumpOutputRec", sizeof(R), {
      FLD(R, Text1), FLD(R, Text2), FLD(R, Text3), FLD(R, DischargePress), FLD(R, TotalFlow)}};
  return d;
}

const RecordDesc& SupplyDesc() {
  using R = TSupplyRec;
  static const RecordDesc d{"TSupplyRec", sizeof(R), {
      FLD(R, Text1), FLD(R, Text2), FLD(R, SupplyName), FLD(R, SupplyType),
      BOOL(R, IntakePrimed), BOOL(R, SupplyAvailable), FLD(R, FiniteDraftSource),
      PAD(R, Pad304), FLD(R, IntakePress), FLD(R, SupplyFlow), FLD(R, WaterTemp),
      FLD(R, StaticPressNow), FLD(R, StaticPress), FLD(R, ResidualPress), FLD(R, SupplyK),
      FLD(R, SupplyEquivDiam), FLD(R, RatedSupplyFlow), BOOL(R, TankEmpty),
      BOOL(R, ExternalUnavailable), PAD(R, Pad352), FLD(R, IntakeFloor),
      BOOL(R, SupplyAdequate), PAD(R, Pad361), FLD(R, Altitude)}};
  return d;
}

const RecordDesc& TankDesc() {
  using R = TTankRec;
  static const RecordDesc d{"TTankRec", sizeof(R), {
      FLD(R, Text1), FLD(R, Text2), FLD(R, Text3), FLD(R, Capacity), FLD(R, Spare308),
      FLD(R, Spare310), FLD(R, TankHeadPress), FLD(R, InitialVolume), FLD(R, Volume),
      FLD(R, Height), FLD(R, Spare338), FLD(R, BaseArea), FLD(R, Spare348), PAD(R, Pad350),
      FLD(R, LevelState), FLD(R, LevelStateShown), PAD(R, Pad362), FLD(R, Level1Fraction),
      FLD(R, Level2Fraction), FLD(R, Level3Fraction), FLD(R, Level4Fraction), PAD(R, Pad388),
      FLD(R, WaterDepth)}};
  return d;
}

const RecordDesc& SimClockDesc() {
  using R = TSimClockRec;
  static const RecordDesc d{"TSimClockRec", sizeof(R), {
      FLD(R, ClockNow), FLD(R, RunAccumulated), FLD(R, ResumeStart), FLD(R, Time),
      FLD(R, LastTankUpdate), FLD(R, LastFoamUpdate), FLD(R, LastGaugeUpdate),
      FLD(R, LastFlowSnapshot)}};
  return d;
}

const RecordDesc& DraftSourceDesc() {
  using R = TDraftSourceRec;
  static const RecordDesc d{"TDraftSourceRec", sizeof(R), {
      FLD(R, Capacity), FLD(R, Spare08), FLD(R, Volume), BOOL(R, StartFull), PAD(R, Pad19),
      FLD(R, Spare20)}};
  return d;
}

const RecordDesc& TenderDesc() {
  using R = TTenderRec;
  static const RecordDesc d{"TTenderRec", sizeof(R), {
      BOOL(R, Use), PAD(R, Pad01), FLD(R, FirstCallTime), FLD(R, RoundTripTime),
      FLD(R, NextArrival), BOOL(R, Spare20), PAD(R, Pad21), FLD(R, Spare28),
      FLD(R, TenderCapacity)}};
  return d;
}

const RecordDesc& IncidentDesc() {
  using R = TIncidentRec;
  static const RecordDesc d{"TIncidentRec", sizeof(R), {
      BOOL(R, Use), FLD(R, Line), PAD(R, Pad02), BOOL(R, Done), PAD(R, Pad07),
      FLD(R, EventTime), FLD(R, RecoverTime), FLD(R, EventPress), PAD(R, Pad50),
      FLD(R, StopTime), FLD(R, Period), FLD(R, NextChange), FLD(R, HighPress),
      FLD(R, LowPress), FLD(R, LastOffset), FLD(R, Spare88), PAD(R, Pad89), FLD(R, Fraction),
      FLD(R, FluctType), PAD(R, Pad99)}};
  return d;
}

const RecordDesc& ShowOptionsDesc() {
  using R = TShowOptionsRec;
  static const RecordDesc d{"TShowOptionsRec", sizeof(R), {
      BOOL(R, ShowDigitalPressure), BOOL(R, ShowDigitalFlow), BOOL(R, ShowDigitalRpm),
      BOOL(R, IndicateCavitation), BOOL(R, IndicatePrimed), BOOL(R, NeedleVibration),
      BOOL(R, ShowDigitalTankVol), BOOL(R, WaterHammerCheck), FLD(R, WaterHammerLimit)}};
  return d;
}

const RecordDesc& BurnHouseDesc() {
  using R = TBurnHouseRec;
  static const RecordDesc d{"TBurnHouseRec", sizeof(R), {
      BOOL(R, StayOnTop), PAD(R, Pad001), FLD(R, AmbientTemp), FLD(R, Temp), FLD(R, MaxTemp),
      FLD(R, TotalFireLoad), FLD(R, BurnedFraction), FLD(R, Length), FLD(R, Width),
      FLD(R, Height), FLD(R, Volume), FLD(R, VentArea), FLD(R, VentHeight),
      FLD(R, SurfaceArea), FLD(R, AppEfficiency), FLD(R, FireLoad), FLD(R, FireSeverity),
      FLD(R, Spare080), FLD(R, Description), FLD(R, EnergyReleased), FLD(R, Spare190),
      FLD(R, NetHeat), FLD(R, Spare1A0), FLD(R, Spare1A8), FLD(R, Spare1B0),
      FLD(R, LastUpdateTime), FLD(R, BurnRate), FLD(R, BaseBurnRate), FLD(R, HeatFactor),
      FLD(R, CombustionEfficiency), FLD(R, VentLossFraction), FLD(R, TotalEnergy)}};
  return d;
}

const RecordDesc& FoamSetupDesc() {
  using R = TFoamSetupRec;
  static const RecordDesc d{"TFoamSetupRec", sizeof(R), {
      FLD(R, SYS_TYPE), FLD(R, FoamTankSelect), BOOL(R, FoamLow), BOOL(R, PROP_SEL),
      FLD(R, PropDisplayMode), PAD(R, Pad005), FLD(R, TANK_CAP), FLD(R, FoamTankA),
      FLD(R, FoamTankB), FLD(R, FoamFraction), FLD(R, FoamWaterTotal), FLD(R, FoamUsed),
      FLD(R, EDU_INLET_PSI), FLD(R, EDU_RATED_GPM), FLD(R, EDU_PSI_LOSS), FLD(R, NR_TANKS),
      BOOL(R, USE_CAFS), FLD(R, CTRL_MFG), FLD(R, TK_SW_TYPE), BOOL(R, TK_SW_SEL),
      FLD(R, PROP_TYPE), FLD(R, PCT_RANGE), BOOL(R, CAFS_ON_OFF_SEL), BOOL(R, CAFS_MODE_SEL),
      PAD(R, Pad059), FLD(R, TK_SW_TOP), FLD(R, TK_SW_LEFT), FLD(R, PROP_TOP), FLD(R, PROP_LEFT),
      FLD(R, CAFS_ON_OFF_TOP), FLD(R, CAFS_ON_OFF_LEFT), FLD(R, CAFS_MODE_TOP),
      FLD(R, CAFS_MODE_LEFT), FLD(R, FOAM_LINES), FLD(R, CAFS_AIR_V_SEL), FLD(R, CAFS_AIR_V_TOP),
      FLD(R, CAFS_AIR_V_LEFT), FLD(R, PropLever), BOOL(R, CafsAirOn), FLD(R, CafsMode),
      PAD(R, Pad0AD), FLD(R, CafsAirValve), FLD(R, FoamPercentSet), PAD(R, Reserved130)}};
  return d;
}

#undef FLD
#undef BOOL
#undef PAD

std::size_t ItemSize(FieldType t) {
  switch (t) {
    case FieldType::Double: return sizeof(Double);
    case FieldType::SmallInt: return sizeof(SmallInt);
    case FieldType::Byte: return sizeof(Byte);
    case FieldType::Boolean: return sizeof(Boolean);
    case FieldType::ShortString: return sizeof(ShortString);
  }
  return 0;
}

// The range of a field's type: the integers' own, a real's 1e30 either way.
FieldRange TypeRange(FieldType t) {
  switch (t) {
    case FieldType::Double:
      return {-kLargestPlausibleReal, kLargestPlausibleReal, ""};
    case FieldType::SmallInt:
      return {std::numeric_limits<SmallInt>::min(), std::numeric_limits<SmallInt>::max(), ""};
    case FieldType::Byte:
      return {0, 255, ""};
    case FieldType::Boolean:
      return {0, 1, ""};
    case FieldType::ShortString:
      break;
  }
  return {0, 0, ""};
}

FieldInfo MakeField(std::string name, const std::string& record, std::size_t at, std::size_t offset,
                    FieldType type, const FieldRange* listed) {
  const FieldRange range = listed ? *listed : TypeRange(type);
  return {std::move(name), record, at, offset, type, range.Min, range.Max, range.Unit};
}

void AddRecord(std::vector<FieldInfo>& out, const std::string& record, std::size_t at,
               const RecordDesc& desc) {
  for (const MemberDesc& m : desc.members) {
    if (m.pad) continue;
    const FieldRange* listed = ListedFieldRange(desc.type, m.name);
    if (m.count == 0) {
      out.push_back(MakeField(record + "." + m.name, record, at, m.offset, m.type, listed));
      continue;
    }
    for (int i = 1; i <= m.count; ++i) {
      out.push_back(MakeField(record + "." + m.name + "[" + std::to_string(i) + "]", record, at,
                              m.offset + static_cast<std::size_t>(i - 1) * ItemSize(m.type), m.type,
                              listed));
    }
  }
}

template <typename T, int N>
void AddRecords(std::vector<FieldInfo>& out, const char* name, std::size_t at,
                const RecordDesc& desc) {
  for (int i = 1; i <= N; ++i) {
    AddRecord(out, std::string(name) + "[" + std::to_string(i) + "]",
              at + static_cast<std::size_t>(i - 1) * sizeof(T), desc);
  }
}

struct Registry {
  std::vector<FieldInfo> fields;
  std::unordered_map<std::string_view, const FieldInfo*> byName;
};

Registry BuildRegistry() {
  Registry r;
  std::vector<FieldInfo>& f = r.fields;
  AddRecords<TDischargeRec, kLineCount>(f, "Discharges", offsetof(State, Discharges),
                                        DischargeDesc());
  AddRecord(f, "DischargeList", offsetof(State, DischargeList), DischargeListDesc());
  AddRecord(f, "Pump", offsetof(State, Pump), PumpDesc());
  AddRecord(f, "PumpStatus", offsetof(State, PumpStatus), PumpStatusDesc());
  AddRecord(f, "Engine", offsetof(State, Engine), EngineDesc());
  AddRecord(f, "PumpControl", offsetof(State, PumpControl), PumpControlDesc());
  AddRecord(f, "PumpOutput", offsetof(State, PumpOutput), PumpOutputDesc());
  AddRecord(f, "Supply", offsetof(State, Supply), SupplyDesc());
  AddRecord(f, "Tank", offsetof(State, Tank), TankDesc());
  AddRecord(f, "SimClock", offsetof(State, SimClock), SimClockDesc());
  AddRecord(f, "DraftSource", offsetof(State, DraftSource), DraftSourceDesc());
  AddRecord(f, "Tender", offsetof(State, Tender), TenderDesc());
  f.push_back(MakeField("MinIntakePress", "", offsetof(State, MinIntakePress), 0, FieldType::Double,
                        nullptr));
  AddRecords<TIncidentRec, kIncidentCount>(f, "Incidents", offsetof(State, Incidents),
                                           IncidentDesc());
  AddRecord(f, "ShowOptions", offsetof(State, ShowOptions), ShowOptionsDesc());
  AddRecord(f, "BurnHouse", offsetof(State, BurnHouse), BurnHouseDesc());
  AddRecord(f, "FoamSetup", offsetof(State, FoamSetup), FoamSetupDesc());

  r.byName.reserve(f.size() + kIncidentCount);
  for (const FieldInfo& info : f) r.byName.emplace(info.name, &info);
  // The first event time of an incident is its start time.
  static const std::vector<std::string> aliases = [] {
    std::vector<std::string> a;
    for (int i = 1; i <= kIncidentCount; ++i)
      a.push_back("Incidents[" + std::to_string(i) + "].StartTime");
    return a;
  }();
  for (int i = 1; i <= kIncidentCount; ++i) {
    const std::string target = "Incidents[" + std::to_string(i) + "].EventTime[1]";
    r.byName.emplace(aliases[static_cast<std::size_t>(i - 1)], r.byName.at(target));
  }
  return r;
}

const Registry& TheRegistry() {
  static const Registry r = BuildRegistry();
  return r;
}

const Byte* FieldAddress(const State& s, const FieldInfo& f) {
  return reinterpret_cast<const Byte*>(&s) + f.StateOffset();
}
Byte* FieldAddress(State& s, const FieldInfo& f) {
  return reinterpret_cast<Byte*>(&s) + f.StateOffset();
}

template <typename T>
T Load(const State& s, const FieldInfo& f) {
  T v;
  std::memcpy(&v, FieldAddress(s, f), sizeof v);
  return v;
}

template <typename T>
void Store(State& s, const FieldInfo& f, const T& v) {
  std::memcpy(FieldAddress(s, f), &v, sizeof v);
}

std::string_view Trim(std::string_view t) {
  const char* blanks = " \t\r\n";
  std::size_t b = t.find_first_not_of(blanks);
  if (b == std::string_view::npos) return {};
  std::size_t e = t.find_last_not_of(blanks);
  return t.substr(b, e - b + 1);
}

bool ParseDouble(std::string_view text, double& out) {
  text = Trim(text);
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  if (text.empty()) return false;
  double v = 0;
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v,
                                   std::chars_format::general);
  if (ec != std::errc() || end != text.data() + text.size() || !std::isfinite(v)) return false;
  out = v;
  return true;
}

bool ParseInteger(std::string_view text, long min, long max, long& out) {
  text = Trim(text);
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  if (text.empty()) return false;
  long v = 0;
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
  if (ec != std::errc() || end != text.data() + text.size() || v < min || v > max) return false;
  out = v;
  return true;
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; };
           return lower(x) == lower(y);
         });
}

bool ParseBoolean(std::string_view text, bool& out) {
  text = Trim(text);
  for (const char* t : {"1", "true", "yes"})
    if (EqualsIgnoringCase(text, t)) return out = true, true;
  for (const char* f : {"0", "false", "no"})
    if (EqualsIgnoringCase(text, f)) return out = false, true;
  return false;
}

std::string Refusal(const FieldInfo& f, std::string_view text, const std::string& what) {
  return f.name + ": \"" + std::string(text) + "\" " + what;
}

std::string NumberText(double v) { return RangeNumberText(v); }

// Whether the field has a range of its own, narrower than its type's.
bool HasListedRange(const FieldInfo& f) {
  const FieldRange t = TypeRange(f.type);
  return f.min != t.Min || f.max != t.Max;
}

std::string OutsideText(const FieldInfo& f) {
  if (f.type == FieldType::Double && !HasListedRange(f))
    return "is beyond any plausible value (1e30 either way)";
  return "is outside its range, " + RangeText(f);
}

}  // namespace

std::size_t FieldInfo::Size() const { return ItemSize(type); }

std::string RangeText(const FieldInfo& f) {
  std::string text = NumberText(f.min) + " to " + NumberText(f.max);
  if (*f.unit) text += std::string(" ") + f.unit;
  return text;
}

bool InFieldRange(const FieldInfo& f, double v) { return v >= f.min && v <= f.max; }

std::vector<std::string> ClampToFieldRanges(State& s) {
  std::vector<std::string> notes;
  for (const FieldInfo& f : StateFields()) {
    if (f.type == FieldType::ShortString || f.type == FieldType::Boolean) continue;
    const double v = GetFieldNumber(s, f);
    if (std::isnan(v) || InFieldRange(f, v)) continue;
    const double to = v < f.min ? f.min : f.max;
    switch (f.type) {
      case FieldType::Double:
        Store<Double>(s, f, to);
        break;
      case FieldType::SmallInt:
        Store<SmallInt>(s, f, static_cast<SmallInt>(to));
        break;
      case FieldType::Byte:
        Store<Byte>(s, f, static_cast<Byte>(to));
        break;
      default:
        break;
    }
    notes.push_back(f.name + ": " + NumberText(v) + " is outside " + RangeText(f) + ", set to " +
                    NumberText(to));
  }
  return notes;
}

const std::vector<FieldInfo>& StateFields() { return TheRegistry().fields; }

const FieldInfo* FindStateField(std::string_view name) {
  const auto& map = TheRegistry().byName;
  auto it = map.find(name);
  return it == map.end() ? nullptr : it->second;
}

std::string GetFieldText(const State& s, const FieldInfo& f) {
  switch (f.type) {
    case FieldType::Double: {
      char buf[32];
      auto res = std::to_chars(buf, buf + sizeof buf, Load<Double>(s, f),
                               std::chars_format::general, 17);
      return std::string(buf, res.ptr);
    }
    case FieldType::SmallInt: return std::to_string(Load<SmallInt>(s, f));
    case FieldType::Byte: return std::to_string(Load<Byte>(s, f));
    case FieldType::Boolean: return Load<Boolean>(s, f) ? "1" : "0";
    case FieldType::ShortString: return Load<ShortString>(s, f).str();
  }
  return {};
}

double GetFieldNumber(const State& s, const FieldInfo& f) {
  switch (f.type) {
    case FieldType::Double: return Load<Double>(s, f);
    case FieldType::SmallInt: return Load<SmallInt>(s, f);
    case FieldType::Byte: return Load<Byte>(s, f);
    case FieldType::Boolean: return Load<Boolean>(s, f) ? 1 : 0;
    case FieldType::ShortString: break;
  }
  return std::numeric_limits<double>::quiet_NaN();
}

bool SetFieldText(State& s, const FieldInfo& f, std::string_view text, std::string& message) {
  switch (f.type) {
    case FieldType::Double: {
      double v = 0;
      if (!ParseDouble(text, v)) {
        message = Refusal(f, text, "is not a number");
        return false;
      }
      if (!InFieldRange(f, v)) {
        message = Refusal(f, text, OutsideText(f));
        return false;
      }
      Store<Double>(s, f, v);
      return true;
    }
    case FieldType::SmallInt: {
      long v = 0;
      if (!ParseInteger(text, std::numeric_limits<SmallInt>::min(),
                        std::numeric_limits<SmallInt>::max(), v)) {
        message = Refusal(f, text, "is not a whole number from -32768 to 32767");
        return false;
      }
      if (!InFieldRange(f, static_cast<double>(v))) {
        message = Refusal(f, text, OutsideText(f));
        return false;
      }
      Store<SmallInt>(s, f, static_cast<SmallInt>(v));
      return true;
    }
    case FieldType::Byte: {
      long v = 0;
      if (!ParseInteger(text, 0, 255, v)) {
        message = Refusal(f, text, "is not a whole number from 0 to 255");
        return false;
      }
      if (!InFieldRange(f, static_cast<double>(v))) {
        message = Refusal(f, text, OutsideText(f));
        return false;
      }
      Store<Byte>(s, f, static_cast<Byte>(v));
      return true;
    }
    case FieldType::Boolean: {
      bool v = false;
      if (!ParseBoolean(text, v)) {
        message = Refusal(f, text, "is not 0 or 1");
        return false;
      }
      Store<Boolean>(s, f, static_cast<Boolean>(v ? 1 : 0));
      return true;
    }
    case FieldType::ShortString: {
      if (text.size() > 255) {
        message = f.name + ": the text is longer than 255 characters";
        return false;
      }
      // Only the length byte and the characters change; the rest of the
      // buffer keeps its bytes, as an assignment in the program does.
      ShortString v = Load<ShortString>(s, f);
      v.assign(text);
      Store<ShortString>(s, f, v);
      return true;
    }
  }
  return false;
}

bool GetStateField(const State& s, std::string_view name, std::string& value,
                   std::string& message) {
  const FieldInfo* f = FindStateField(name);
  if (!f) {
    message = "unknown field \"" + std::string(name) + "\"";
    return false;
  }
  value = GetFieldText(s, *f);
  return true;
}

bool SetStateField(State& s, std::string_view name, std::string_view text, std::string& message) {
  const FieldInfo* f = FindStateField(name);
  if (!f) {
    message = "unknown field \"" + std::string(name) + "\"";
    return false;
  }
  return SetFieldText(s, *f, text, message);
}

std::string CheckRegistryCoverage() {
  for (const RecordDesc* d :
       {&DischargeDesc(), &DischargeListDesc(), &PumpDesc(), &PumpStatusDesc(), &EngineDesc(),
        &PumpControlDesc(), &PumpOutputDesc(), &SupplyDesc(), &TankDesc(), &SimClockDesc(),
        &DraftSourceDesc(), &TenderDesc(), &IncidentDesc(), &ShowOptionsDesc(),
        &BurnHouseDesc(), &FoamSetupDesc()}) {
    std::size_t next = 0;
    for (const MemberDesc& m : d->members) {
      if (m.offset != next) {
        return std::string(d->type) + ": " + (m.pad ? "padding" : m.name) + " at " +
               std::to_string(m.offset) + " where byte " + std::to_string(next) +
               " was expected";
      }
      if (m.count > 0 && m.size != static_cast<std::size_t>(m.count) * ItemSize(m.type))
        return std::string(d->type) + ": " + m.name + " has items of another size";
      next = m.offset + m.size;
    }
    if (next != d->size) {
      return std::string(d->type) + ": members end at " + std::to_string(next) + " of " +
             std::to_string(d->size) + " bytes";
    }
  }
  return {};
}

}  // namespace pumpdrill
