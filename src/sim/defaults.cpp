#include "sim/defaults.h"

#include "sim/burn_house_figures.h"
#include "sim/coefficients.h"
#include "sim/constants.h"
#include "sim/hydrant.h"
#include "sim/pump_curve.h"

namespace pumpdrill {

namespace {

constexpr Byte kTypeSmoothBore = 0;
constexpr Byte kTypeFog = 1;
constexpr Byte kTypeNoNozzle = 4;

void SetPumpStatusDefaults(TPumpStatusRec& p) {
  p = TPumpStatusRec{};
  p.TankBottomElev = 2;
  p.PumpElev = 3;
  p.GaugeMaxPress = 600;
  p.CompoundMinPress = -15;
  p.CavitationStart = 0;
  p.CavitationTime = 0;
  p.CavitationRatio = 0;
  p.PressBeforeCavitation = 0;
}

void SetEngineDefaults(TEngineRec& e) {
  e = TEngineRec{};
  e.IdleRpm = 1050;
  e.Rpm = e.IdleRpm;
  e.RpmDemand = e.IdleRpm;
  e.MinIdleRpm = 500;
  e.MaxRpm = 4000;
  e.Spare328 = 2500;
  e.Spare330 = 0;
  e.SoundRefRpm = 4000;
  e.CavitationRpm = 0;
}

void SetPumpDefaults(TPumpRec& p, const TEngineRec& e) {
  p = TPumpRec{};
  p.GearRatio = 2.27;
  p.OilPressSet = 40;
  p.OilPress = 40;
  p.OilWarnPress = 20;
  p.CoolantTempSet = 105;
  p.CoolantTemp = 105;
  p.CoolantWarnTemp = 225;
  p.NextTempUpdate = 0;
  p.EngineHeat = 50;
  p.CoolFromTank = false;
  p.EngineTempModel = false;
  p.EngineCooler = 2;
  p.RatedFlow = 1500;
  p.TwoStage = 1;
  p.StageMode = 1;
  p.IdleImpellerRpm = e.IdleRpm * p.GearRatio;
  p.RatedImpellerRpm = 1500 * p.GearRatio;
  p.IdlePress = 20;
  p.IdlePressVolume = p.IdlePress / 2;
  p.Spare380 = 4800;
  p.Spare388 = 4800;
  p.Spare390 = 600;
  p.Spare398 = p.Spare390 / 2;
  p.PressPerRpm = 0.138;
  p.PressPerRpmVolume = p.PressPerRpm / 2;
  p.PressIntercept = -383.2;
  p.PressInterceptSeries = p.PressIntercept / 2;
  p.FlowEfficiency = 0.8;
  p.PrimeNeedsClosedValves = true;
}

void SetPumpStatusFlags(TPumpStatusRec& p) {
  p.Cavitating = false;
  p.WaterAtPump = false;
  p.Primed = false;
  p.PrimedBefore = false;
}

void SetSupplyDefaults(TSupplyRec& u) {
  u = TSupplyRec{};
  u.SupplyName = "Hydrant";
  u.SupplyType = 0;
  u.IntakePrimed = false;
  u.SupplyAvailable = false;
  u.FiniteDraftSource = 0;
  u.IntakePress = 0;
  u.SupplyFlow = 0;
  u.WaterTemp = 50;
  u.StaticPress = 100;
  u.ResidualPress = u.StaticPress;
  u.RatedSupplyFlow = 3000;
  u.Altitude = 300;
}

void SetTankDefaults(TTankRec& t) {
  t = TTankRec{};
  t.Capacity = 1500;
  t.Spare308 = 0.25;
  t.Spare310 = 3.0;
  t.TankHeadPress = 0;
  t.InitialVolume = t.Capacity;
  t.Volume = t.Capacity;
  t.Height = 4;
  t.Spare338 = 5;
  t.Spare348 = 6;
  t.BaseArea = (t.Capacity / kGallonsPerCubicFoot) / t.Height;
  t.LevelStateShown = 0;
  t.Level1Fraction = 0.05;
  t.Level2Fraction = 0.26;
  t.Level3Fraction = 0.51;
  t.Level4Fraction = 0.76;
  t.WaterDepth = (t.Volume / kGallonsPerCubicFoot) / t.BaseArea;
}

void SetPumpControlDefaults(TPumpControlRec& c, const TEngineRec& e) {
  c = TPumpControlRec{};
  c.Spare300 = 0;
  c.Spare302 = 1;
  c.ReliefMode = 2;
  c.ReliefSetPress = 150;
  c.ReliefMinPress = 50;
  c.ReliefMaxPress = 300;
  c.PressureControlMode = 0;
  c.GovernorMode = 1;
  c.GovernorSetPress = 150;
  c.GovernorPressInit = 150;
  c.GovernorSetRpm = e.IdleRpm;
  c.GovernorRpmInit = c.GovernorSetRpm;
  c.Spare350 = 4000;
  c.GovernorPressBand = 0.4;
  c.GovernorRpmBand = 0.4;
  c.Spare370 = 0;
  c.Spare371 = 0;
  c.Spare372 = 1;
  c.PrimerState = 2;
  c.PrimeStart = 0;
  c.PrimeTimeNeeded = 0;
  c.PrimerRate = 0.24543671875;
  c.PrimeLossArmed = false;
  c.PrimeLossAt = 0;
  c.PrimeHoldTime = 300;
  c.PrimerOilPercent = 95;
}

// What sets one line apart from the common defaults.
struct LineLayout {
  double hoseLength = 100;
  double hoseDiam = 2.5 / 12;
  double valveDiam = 2.5 / 12;
  double tipDiam = 1.0 / 12;
  Byte nozzleType = kTypeSmoothBore;
  Byte hoseKind = 0;
  Byte masterKind = 0;
  bool isMaster = false;
  double nozzleOpen = 0;
  double nozzleRise = 0;  // nozzle height above the pump end
};

LineLayout LayoutOfLine(int line) {
  LineLayout l;
  switch (line) {
    case 1: l.hoseLength = 150; l.nozzleType = kTypeFog; break;
    case 2: l.hoseLength = 250; l.nozzleType = kTypeSmoothBore; break;
    case 3: l.hoseLength = 350; l.nozzleType = kTypeSmoothBore; break;
    case 4:  // deck gun: 3 ft of 3 in pipe, 1-1/2 in tip
      l.hoseLength = 3;
      l.hoseDiam = 0.25;
      l.tipDiam = 0.125;
      l.isMaster = true;
      l.hoseKind = 1;
      l.nozzleOpen = 1;
      l.nozzleRise = 7;
      break;
    case 5: l.hoseLength = 200; l.nozzleType = kTypeSmoothBore; break;
    case 6: l.hoseDiam = 0.125; l.hoseLength = 200; l.nozzleType = kTypeFog; break;
    case 7: l.hoseLength = 150; l.nozzleType = kTypeFog; break;
    case 8:  // ladder: elevated master stream, 1-3/4 in tip
      l.hoseLength = 30;
      l.nozzleType = kTypeSmoothBore;
      l.isMaster = true;
      l.masterKind = 2;
      l.nozzleOpen = 1;
      l.tipDiam = 0.14583;
      l.hoseKind = 1;
      l.nozzleRise = 20;
      break;
    case kTankFillLine:  // 3 ft of 1-1/2 in pipe into the tank
      l.hoseLength = 3;
      l.hoseDiam = 0.125;
      l.hoseKind = 1;
      l.nozzleType = kTypeNoNozzle;
      l.nozzleOpen = 1;
      break;
    case kTankToPumpLine:  // 1 ft of 3-1/2 in pipe from the tank
      l.hoseLength = 1;
      l.hoseDiam = 0.29167;
      l.hoseKind = 1;
      l.nozzleType = kTypeNoNozzle;
      l.nozzleOpen = 1;
      break;
    case kIntakeLine:  // 100 ft of 5 in supply hose through a 5 in valve
      l.valveDiam = 0.41667;
      l.hoseDiam = 0.41667;
      l.hoseLength = 100;
      l.hoseKind = 0;
      l.nozzleType = kTypeNoNozzle;
      l.nozzleOpen = 1;
      break;
    default:  // further discharges
      l.hoseLength = 150;
      l.nozzleType = kTypeFog;
      break;
  }
  return l;
}

void SetLineDefaults(State& s, const SimSettings& sim, int line) {
  const LineLayout l = LayoutOfLine(line);
  TDischargeRec& d = s.Discharges[line];
  d = TDischargeRec{};
  d.ValveDiam = l.valveDiam;
  d.DischPress = 0;
  d.ValveOpen = 0;
  d.ValveShut = false;
  d.ValveLoss = 0;
  d.LineBurst = false;
  d.Layout = 0;
  d.HoseLength = l.hoseLength;
  d.HoseDiam = l.hoseDiam;
  d.HoseC = DefaultHoseC(sim.HoseFriction, d.HoseDiam * 12);
  d.HoseDiamSet = d.HoseDiam;
  d.HoseKind = l.hoseKind;
  d.Trapped = false;
  d.TrappedPress = 0;
  for (int k = 1; k <= 3; ++k) {
    d.Partner[k] = 0;
    d.BranchDiam[k] = d.HoseDiam;
    d.BranchLength[k] = d.HoseLength;
    d.BranchK[k] = -1;
    d.BranchFlow[k] = 0;
  }
  d.ShutoffDiam = d.HoseDiamSet;
  d.NozzlePress = 0;
  d.NozzleOpen = l.nozzleOpen;
  d.NozzleShut = d.NozzleOpen <= 0;
  d.NozzleOperable = true;
  d.TipDiam = l.tipDiam;
  d.NozzleRatedPress = 100;
  d.NozzleType = l.nozzleType;
  d.MasterKind = l.masterKind;
  d.IsMaster = l.isMaster;
  d.Flow = 0;
  d.SnapshotFlow = 0;
  d.PumpEndElev = s.PumpStatus.PumpElev;
  d.NozzleElev = d.PumpEndElev + l.nozzleRise;
  if (line == kTankToPumpLine) d.NozzleElev = s.PumpStatus.TankBottomElev;
  if (line == kIntakeLine) {
    d.ShutoffDiam = d.HoseDiam;
    d.NozzleRatedPress = d.HoseDiam;
  }
  d.ElevDiff = d.NozzleElev - s.PumpStatus.PumpElev;
}

void SetLineTitles(TDischargeListRec& list) {
  for (int line = 1; line <= kLineCount; ++line) list.LineTitle[line] = DefaultLineTitle(line);
  list.LineCount = 8;
}

void SetDraftSourceDefaults(TDraftSourceRec& d) {
  d = TDraftSourceRec{};
  d.Capacity = 2200;
  d.Spare08 = 0;
  d.Spare20 = 3;
}

void SetTenderDefaults(TTenderRec& t) {
  t = TTenderRec{};
  t.Use = false;
  t.FirstCallTime = 300;
  t.RoundTripTime = 300;
  t.Spare28 = 1500;
  t.TenderCapacity = 1500;
}

void SetIncidentDefaults(TIncidentRec& r, int number) {
  r = TIncidentRec{};
  r.Use = false;
  for (int e = 1; e <= 3; ++e) {
    r.Done[e] = false;
    r.EventTime[e] = kNeverTime;
    r.RecoverTime[e] = kNeverTime;
  }
  r.StopTime = kNeverTime;
  r.Period = 20;
  r.NextChange = kNeverTime;
  r.Spare88 = 1;
  r.Fraction = 0.05;
  r.FluctType = 1;
  if (number == 8) r.EventPress[1] = -5;  // suction collapses at 5 psi of vacuum
}

void SetBurnHouseDefaults(State& s) {
  TBurnHouseRec& b = s.BurnHouse;
  b = TBurnHouseRec{};
  b.StayOnTop = true;
  b.Temp = 72;
  b.MaxTemp = 1000;
  b.BurnedFraction = 10.0;
  b.EnergyReleased = 0;
  b.Length = 100;
  b.Width = 40;
  b.Height = 30;
  b.AppEfficiency = 0.1;
  b.Description = "old warehouse";
  b.TotalFireLoad = 20000;
  b.VentArea = (b.Height / 4) * (b.Height / 4);
  b.VentHeight = b.Height / 2;
  b.HeatFactor = 1.0;
  b.CombustionEfficiency = 0.8;
  b.AmbientTemp = 60;
  ResetBurnHouse(s);
  InitBurnHouse(s);
}

}  // namespace

std::string DefaultLineTitle(int line) {
  switch (line) {
    case 1: return "No. 3 Disch.";
    case 2: return "No. 2 Disch.";
    case 3: return "No. 2 Crosslay";
    case 4: return "Deck Gun";
    case 5: return "No. 1 Crosslay";
    case 6: return "1-1/2 Preconnect";
    case 7: return "No. 1 Disch.";
    case 8: return "Ladder";
    case kTankFillLine: return "Tank Fill";
    case kTankToPumpLine: return "Tank to Pump";
    case kIntakeLine: return "Intake";
    case kMasterLine: return "Master Disch.";
    default: return std::to_string(line) + " Disch.";
  }
}

double RatedNozzlePressure(const TDischargeRec& d) {
  if (d.NozzleType == kTypeSmoothBore) return d.IsMaster ? 80 : 50;
  return 100;
}

void ApplyNozzleOperability(State& s, int line) {
  TDischargeRec& d = s.Discharges[line];
  if (!d.NozzleOperable || d.IsMaster || d.NozzleType == kTypeNoNozzle) d.NozzleOpen = 1;
  d.NozzleShut = d.NozzleOpen <= 0;
}

void SetDefaultState(State& s, const SimSettings& sim, Host& host) {
  s.SimClock = TSimClockRec{};
  SetPumpStatusDefaults(s.PumpStatus);
  SetEngineDefaults(s.Engine);
  SetPumpDefaults(s.Pump, s.Engine);
  SetPumpLoss(s, kStagePressure, s.Pump.FlowEfficiency);
  SetPumpLoss(s, kStageVolume, s.Pump.FlowEfficiency);
  SetPumpStatusFlags(s.PumpStatus);
  SetSupplyDefaults(s.Supply);
  CalcHydrantCoefficients(s);
  SetTankDefaults(s.Tank);
  SetPumpControlDefaults(s.PumpControl, s.Engine);
  s.PumpOutput = TPumpOutputRec{};
  for (int line = 1; line <= kIntakeLine; ++line) {
    SetLineDefaults(s, sim, line);
    ApplyNozzleOperability(s, line);
  }
  s.SiameseSecondary.Clear();
  UpdateAllLineCoefficients(s, host);
  s.Discharges[kMasterLine] = TDischargeRec{};
  for (int line = 1; line <= kMaxDischarges; ++line)
    s.Discharges[line].NozzleRatedPress = RatedNozzlePressure(s.Discharges[line]);
  SetLineTitles(s.DischargeList);
  SetDraftSourceDefaults(s.DraftSource);
  SetTenderDefaults(s.Tender);
  for (int n = 1; n <= kIncidentCount; ++n) SetIncidentDefaults(s.Incidents[n], n);
  SetBurnHouseDefaults(s);
  SetRadioMessagesDefaults(s.RadioMessages);
}

}  // namespace pumpdrill
