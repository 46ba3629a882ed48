#include "sim/coefficients.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <iterator>

#include "sim/loss_coefficients.h"
#include "sim/state.h"

namespace pumpdrill {

namespace {

constexpr int kSiamese = 1;
constexpr int kWye = 2;

// Tip bores outside this range (ft) are taken as a 6 in tip.
constexpr double kMinTipDiam = 0.05;
constexpr double kMaxTipDiam = 10.0;
constexpr double kReplacementTipDiam = 0.5;

double Pow4(double x) {
  double x2 = x * x;
  return x2 * x2;
}

// The C the program ships with for its English diameter list; used when
// the configured lists cannot give one.
constexpr double kBuiltInDiams[] = {0.75, 1, 1.5, 1.75, 2, 2.5, 2.75, 3, 3.5, 4, 4.5, 5, 6};
constexpr double kBuiltInC[] = {125, 125, 125, 139, 138, 132, 133, 134, 133, 133, 137, 137, 137};
static_assert(std::size(kBuiltInDiams) == std::size(kBuiltInC));

// Index of the entry of an ascending diameter list (not empty) that a
// diameter takes: the first whose midpoint to the next exceeds it, else
// the last. diam(i) is the i-th diameter in inches.
template <typename Diam>
std::size_t NearestIndex(std::size_t count, double inches, Diam diam) {
  for (std::size_t i = 0; i + 1 < count; ++i) {
    if ((diam(i) + diam(i + 1)) / 2 > inches) return i;
  }
  return count - 1;
}

bool IsSiamesePartner(int line, int partner) {
  return partner >= 1 && partner <= kMaxDischarges && partner != line;
}

}  // namespace

double BuiltInHoseC(double inches) {
  return kBuiltInC[NearestIndex(std::size(kBuiltInDiams), inches, [](std::size_t i) { return kBuiltInDiams[i]; })];
}

int HoseFrictionIndex(const HoseFrictionTable& table, double inches) {
  if (table.empty()) return -1;
  return static_cast<int>(
      NearestIndex(table.size(), inches, [&table](std::size_t i) { return table[i].Inches; }));
}

double DefaultHoseC(const HoseFrictionTable& table, double inches) {
  int i = HoseFrictionIndex(table, inches);
  if (i >= 0 && table[i].C > 0) return table[i].C;
  // A list the user damaged still gives a usable hose.
  return BuiltInHoseC(inches);
}

void UpdateValveK(State& s, int line) {
  TDischargeRec& d = s.Discharges[line];
  d.ValveDiam4 = Pow4(d.ValveDiam);
  d.ValveK = ValveLossK(d.ValveDiam4, d.ValveOpen);
}

void UpdateNozzleK(State& s, int line) {
  TDischargeRec& d = s.Discharges[line];
  d.ShutoffDiam4 = Pow4(d.ShutoffDiam);
  d.ShutoffK = ValveLossK(d.ShutoffDiam4, d.NozzleOpen);
  // The negated test also replaces a bore that is not a number.
  if (!(d.TipDiam >= kMinTipDiam && d.TipDiam <= kMaxTipDiam)) d.TipDiam = kReplacementTipDiam;
  d.NozzleK = NozzleLossK(d.NozzleType, Pow4(d.TipDiam), d.NozzleCd);
  d.NozzleShut = d.NozzleOpen <= 0;
}

void UpdateLineCoefficients(State& s, int line, Host& host) {
  TDischargeRec& d = s.Discharges[line];
  d.HoseK = HoseFrictionK(d.HoseLength, d.HoseC, d.HoseDiam, host);
  if (d.Layout == kSiamese || d.Layout == kWye) {
    for (int k = 1; k <= 2; ++k) {
      d.BranchK[k] = HoseFrictionK(d.BranchLength[k], d.HoseC, d.BranchDiam[k], host);
    }
  }
  if (d.Layout == kSiamese) {
    int p = d.Partner[2];
    // A partner that is no other discharge line (a damaged record) has no
    // record to mirror into.
    if (!IsSiamesePartner(line, p)) return;
    TDischargeRec& m = s.Discharges[p];
    m.Layout = kSiamese;
    m.LineBurst = d.LineBurst;
    m.Partner[1] = d.Partner[2];
    m.Partner[2] = d.Partner[1];
    m.HoseK = d.HoseK;
    m.HoseC = d.HoseC;
    m.BranchLength[1] = d.BranchLength[2];
    m.BranchLength[2] = d.BranchLength[1];
    m.BranchDiam[1] = d.BranchDiam[2];
    m.BranchDiam[2] = d.BranchDiam[1];
    for (int k = 1; k <= 2; ++k) {
      m.BranchK[k] = HoseFrictionK(m.BranchLength[k], m.HoseC, m.BranchDiam[k], host);
    }
    if (!d.LineBurst) {
      s.SiameseSecondary.Add(p);
    } else {
      s.SiameseSecondary.Remove(p);
    }
  } else if (d.Layout != kWye) {
    d.Partner[1] = 0;
    d.Partner[2] = 0;
  }
}

namespace {

// A line marked as the second line of a siamese pair is one only while its
// record and its partner's still form that pair with it and the partner is
// not marked too. A mark that a load or a setup change left behind would
// keep the line from ever being solved.
void DropStaleSecondaryMarks(State& s) {
  for (int i = 0; i <= kMaxDischarges; ++i) {
    if (!s.SiameseSecondary.Contains(i)) continue;
    bool pair = false;
    if (i >= 1) {
      const TDischargeRec& d = s.Discharges[i];
      int p = d.Partner[2];
      pair = d.Layout == kSiamese && IsSiamesePartner(i, p) &&
             s.Discharges[p].Layout == kSiamese && s.Discharges[p].Partner[2] == i &&
             !s.Discharges[p].LineBurst && !s.SiameseSecondary.Contains(p);
    }
    if (!pair) s.SiameseSecondary.Remove(i);
  }
}

// Lines to recompute, in ascending order.
struct LineList {
  std::array<int, kIntakeLine> lines{};
  int count = 0;
  void Add(int line) { lines[count++] = line; }
};

void UpdateLines(State& s, const LineList& list, Host& host) {
  DropStaleSecondaryMarks(s);
  for (int n = 0; n < list.count; ++n) {
    int line = list.lines[n];
    UpdateValveK(s, line);
    UpdateNozzleK(s, line);
    // The second line of a pair takes its hose data from the first.
    if (!s.SiameseSecondary.Contains(line)) UpdateLineCoefficients(s, line, host);
  }
}

}  // namespace

void UpdateAllLineCoefficients(State& s, Host& host) {
  LineList list;
  for (int i = 1; i <= kIntakeLine; ++i) list.Add(i);
  UpdateLines(s, list, host);
}

void UpdateLinesInUseCoefficients(State& s, Host& host) {
  LineList list;
  int count = std::min<int>(s.DischargeList.LineCount, kMaxDischarges);
  for (int i = 1; i <= count; ++i) list.Add(i);
  for (int i : {kTankFillLine, kTankToPumpLine, kIntakeLine}) list.Add(i);
  UpdateLines(s, list, host);
}

}  // namespace pumpdrill
