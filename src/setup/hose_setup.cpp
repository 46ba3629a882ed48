#include "setup/hose_setup.h"

#include <cmath>
#include <memory>

#include "frame/configuration.h"
#include "frame/number_entry.h"
#include "frame/utf8_text.h"
#include "setup/hose_descriptions.h"
#include "setup/line_summary.h"
#include "sim/coefficients.h"
#include "sim/field_ranges.h"
#include "sim/line_flow.h"
#include "sim/state.h"
#include "sim/supply.h"

namespace pumpdrill {

namespace {

constexpr const char* kNoValue = "No value entered.";

bool IsLength(HoseField f) { return f == HoseField::LengthLeft || f == HoseField::LengthRight; }
bool IsDiam(HoseField f) { return f == HoseField::DiamLeft || f == HoseField::DiamRight; }
bool IsLeft(HoseField f) { return f == HoseField::LengthLeft || f == HoseField::DiamLeft; }

}  // namespace

HoseSetup::HoseSetup(const State& s, const Configuration& cfg, int line)
    : s_(s), cfg_(cfg), line_(line >= 1 && line <= kIntakeLine ? line : 1) {
  copy_ = s.Discharges[line_];
  title_ = s.DischargeList.LineTitle[line_].str();
  wasSiamese_ = copy_.Layout == kSiameseLayout;
  formerPartner_ = wasSiamese_ ? copy_.Partner[2] : 0;
  wasBurst_ = copy_.LineBurst;
  formerDiam_ = copy_.HoseDiam;
}

bool HoseSetup::ConnectionEditable() const { return line_ <= kMaxDischarges; }
bool HoseSetup::LayoutEditable() const { return line_ <= kMaxDischarges; }
bool HoseSetup::MaterialEditable() const {
  return line_ <= kMaxDischarges || (line_ == kIntakeLine && s_.Supply.SupplyType != kSupplyDraft);
}
bool HoseSetup::TitleEditable() const { return copy_.Layout != kSiameseLayout; }

void HoseSetup::SetLayout(int layout) {
  if (!LayoutEditable() || layout < kSingleLength || layout > kWyeLayout) return;
  copy_.Layout = static_cast<Byte>(layout);
  // A siamese is fed through this line's own valve first.
  if (layout == kSiameseLayout && copy_.Partner[1] == 0)
    copy_.Partner[1] = static_cast<SmallInt>(line_);
}

void HoseSetup::SetMaterial(int kind) {
  if (MaterialEditable() && kind >= 0 && kind <= 2) copy_.HoseKind = static_cast<Byte>(kind);
}

void HoseSetup::SetConnected(bool connected) {
  if (ConnectionEditable()) copy_.LineBurst = !connected;
}

void HoseSetup::SetTitle(const std::string& text) {
  if (TitleEditable()) title_ = Utf8Prefix(text, 255);
}

void HoseSetup::SetPartner(int k, int line) {
  if (k < 1 || k > 2) return;
  copy_.Partner[k] = static_cast<SmallInt>(line >= 1 && line <= kMaxDischarges ? line : 0);
}

double* HoseSetup::LengthField(bool left, int branch) {
  bool trunk = copy_.Layout == kSiameseLayout ? !left : left || copy_.Layout == kSingleLength;
  return trunk ? &copy_.HoseLength : &copy_.BranchLength[branch];
}

double* HoseSetup::DiamField(bool left, int branch) {
  bool trunk = copy_.Layout == kSiameseLayout ? !left : left || copy_.Layout == kSingleLength;
  return trunk ? &copy_.HoseDiam : &copy_.BranchDiam[branch];
}

bool HoseSetup::FieldShown(HoseField f) const {
  if (f == HoseField::LengthRight || f == HoseField::DiamRight)
    return copy_.Layout != kSingleLength;
  return true;
}

std::string HoseSetup::FieldText(HoseField f) const {
  const DisplayUnits& u = cfg_.Units;
  auto* self = const_cast<HoseSetup*>(this);  // the field pointers only read here
  switch (f) {
    case HoseField::InletElev:
      return FixedText(ToDisplay(u, kUnitLength, copy_.PumpEndElev), 1);
    case HoseField::OutletElev:
      return FixedText(ToDisplay(u, kUnitLength, copy_.NozzleElev), 1);
    case HoseField::LengthLeft:
    case HoseField::LengthRight:
      return FixedText(ToDisplay(u, kUnitLength, *self->LengthField(IsLeft(f), 1)), 0);
    default: {
      double inches = *self->DiamField(IsLeft(f), 1) * 12;
      return DiameterToText(ToDisplay(u, kUnitDiameter, inches), u.Metric).Text;
    }
  }
}

bool HoseSetup::Commit(HoseField f, const std::string& text, std::string& error) {
  const DisplayUnits& u = cfg_.Units;
  const std::string_view t = text;
  if (t.find_first_not_of(" \t") == std::string_view::npos) {
    error = kNoValue;
    return false;
  }
  EntryValue v = IsDiam(f) ? TextToDiameter(text) : ValidatedNumber(text);
  if (v.ErrorCode != kErrNone) {
    error = ErrorCodeText(v.ErrorCode);
    return false;
  }
  if ((IsLength(f) || IsDiam(f)) && !(v.Value > 0)) {
    error = ErrorCodeText(kErrInvalidValue);
    return false;
  }
  const double value =
      IsDiam(f) ? FromEntry(u, kUnitDiameter, v.Value) / 12 : FromEntry(u, kUnitLength, v.Value);
  // A length, bore or height no hose has is refused with its range (the
  // trunk's and the branches' are the same).
  const char* member = f == HoseField::InletElev    ? "PumpEndElev"
                       : f == HoseField::OutletElev ? "NozzleElev"
                       : IsDiam(f)                  ? "HoseDiam"
                                                    : "HoseLength";
  const ShownField shown =
      f == HoseField::InletElev    ? ShownQuantity(u, kUnitLength, "Inlet elevation")
      : f == HoseField::OutletElev ? ShownQuantity(u, kUnitLength, "Outlet elevation")
      : IsDiam(f)                  ? ShownDiameter(u, "Hose diameter")
                                   : ShownQuantity(u, kUnitLength, "Hose length");
  if (std::string range = RangeRefusal("TDischargeRec", member, value, shown); !range.empty()) {
    error = range;
    return false;
  }
  if (f == HoseField::InletElev) {
    copy_.PumpEndElev = value;
  } else if (f == HoseField::OutletElev) {
    copy_.NozzleElev = value;
  } else {
    bool left = IsLeft(f);
    // Both hoses of the siamese's pump side and both branches of a wye take
    // the same value.
    for (int branch = 1; branch <= 2; ++branch) {
      double* field = IsDiam(f) ? DiamField(left, branch) : LengthField(left, branch);
      *field = value;
    }
  }
  return true;
}

std::string HoseSetup::SideDescription(bool left) const {
  return SideHoseDescription(cfg_.Units, copy_, left);
}

std::vector<InletChoice> HoseSetup::InletChoices(int k) const {
  std::vector<InletChoice> items{{kDisconnectedInlet, 0}};
  auto add = [&](int line) {
    for (const InletChoice& c : items)
      if (c.Line == line) return;
    items.push_back({s_.DischargeList.LineTitle[line].str(), line});
  };
  if (k == 1) {
    // The siamese's first inlet is this line's own valve.
    if (line_ <= kMaxDischarges) items.push_back({title_, line_});
    return items;
  }
  const int count = DischargeLinesInUse(s_);
  for (int i = 1; i <= count; ++i) {
    if (i != line_ && s_.Discharges[i].LineBurst) add(i);
  }
  for (int p = 1; p <= 2; ++p) {
    int line = copy_.Partner[p];
    if (line >= 1 && line <= count && line != line_) add(line);
  }
  return items;
}

int HoseSetup::InletItem(int k) const {
  std::vector<InletChoice> items = InletChoices(k);
  for (std::size_t i = 0; i < items.size(); ++i)
    if (items[i].Line != 0 && items[i].Line == copy_.Partner[k]) return static_cast<int>(i);
  return 0;
}

std::string HoseSetup::Summary() const {
  // The line as OK would leave it, worked out on a scratch state.
  auto scratch = std::make_unique<State>(s_);
  NullHost quiet;
  WriteBack(*scratch, quiet);
  return LineSummaryText(SummarizeLine(*scratch, line_), cfg_.Units);
}

bool HoseSetup::Ok(State& s, Host& host) {
  auto refuse = [&host](const char* text) {
    host.Message(MsgType::Plain, Buttons::Ok, text);
    return false;
  };
  const bool single = copy_.Layout != kSiameseLayout && copy_.Layout != kWyeLayout;
  // The outlet may lie no more than the hose's length above or below the
  // inlet.
  if (std::fabs(copy_.NozzleElev - copy_.PumpEndElev) > HoseReach(copy_)) {
    return refuse(single ? "Difference in hose inlet-to-outlet elevation "
                           "cannot be greater than hose length."
                         : "Difference in hose inlet-to-outlet elevation "
                           "cannot be greater than total hose "
                           "length.");
  }
  if (copy_.Layout == kSiameseLayout) {
    if (InletItem(1) == 0 || InletItem(2) == 0)
      return refuse("Both siamese intakes must be connected");
    if (copy_.Partner[1] == copy_.Partner[2])
      return refuse("Siamese intakes cannot be connected to the same discharge valve");
  }
  WriteBack(s, host);
  if (copy_.LineBurst != wasBurst_) host.RedrawPanelLine(line_);
  return true;
}

void HoseSetup::WriteBack(State& s, Host& host) const {
  TDischargeRec& d = s.Discharges[line_];
  // Only what the dialog edits: a run's openings, flows and trapped
  // pressure stay as the run left them.
  d.LineBurst = copy_.LineBurst;
  d.HoseKind = copy_.HoseKind;
  d.Layout = copy_.Layout;
  d.HoseLength = copy_.HoseLength;
  d.HoseDiam = copy_.HoseDiam;
  for (int k = 1; k <= 2; ++k) {
    d.BranchLength[k] = copy_.BranchLength[k];
    d.BranchDiam[k] = copy_.BranchDiam[k];
    d.Partner[k] = copy_.Partner[k];
  }
  d.PumpEndElev = copy_.PumpEndElev;
  d.NozzleElev = copy_.NozzleElev;
  if (copy_.HoseDiam != formerDiam_) {
    d.HoseC = DefaultHoseC(cfg_.Sim.HoseFriction, d.HoseDiam * 12);
    d.HoseDiamSet = d.HoseDiam;
  }
  if (TitleEditable()) s.DischargeList.LineTitle[line_] = title_;

  // A former second partner that no longer belongs to this siamese is
  // set free: out of the pair, disconnected, a single length.
  const bool stillPartner = d.Layout == kSiameseLayout && d.Partner[2] == formerPartner_;
  if (wasSiamese_ && formerPartner_ >= 1 && formerPartner_ <= kMaxDischarges &&
      formerPartner_ != line_ && !stillPartner) {
    TDischargeRec& p = s.Discharges[formerPartner_];
    s.SiameseSecondary.Remove(formerPartner_);
    p.LineBurst = true;
    p.Layout = kSingleLength;
    p.Partner[1] = p.Partner[2] = 0;
    UpdateLineCoefficients(s, formerPartner_, host);
  }
  // The line edited is the pair's first line from now on.
  s.SiameseSecondary.Remove(line_);
  UpdateLineCoefficients(s, line_, host);
}

}  // namespace pumpdrill
