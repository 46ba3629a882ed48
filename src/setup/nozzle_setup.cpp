#include "setup/nozzle_setup.h"

#include <algorithm>
#include <cmath>
#include <string_view>

#include "frame/number_entry.h"
#include "frame/utf8_text.h"
#include "setup/hose_descriptions.h"
#include "sim/coefficients.h"
#include "sim/constants.h"
#include "sim/loss_coefficients.h"
#include "sim/state.h"

namespace pumpdrill {

namespace {

// Automatic and gallonage nozzles are modelled with a 6 in tip.
constexpr double kFogTipDiam = 0.5;

constexpr const char* kNoValue = "No value entered.";

std::string Rounded(double value) { return FixedText(std::round(value), 0); }

}  // namespace

NozzleSetup::NozzleSetup(const State& s, int line, const DisplayUnits& units) : units_(units) {
  line_ = line >= 1 && line <= kMaxDischarges ? line : 1;
  const TDischargeRec& d = s.Discharges[line_];
  work_.MasterKind = d.MasterKind;
  work_.NozzleType = d.NozzleType;
  work_.IsMaster = d.IsMaster;
  work_.Name = d.NozzleName.str();
  work_.Title = s.DischargeList.LineTitle[line_].str();
  work_.Elev = d.NozzleElev;
  work_.TipDiam = d.TipDiam;
  for (int k = 1; k <= kGpmSettings; ++k) work_.GpmSetting[k - 1] = d.GpmSetting[k];
  work_.AutoGpmMin = d.AutoGpmMin;
  work_.AutoGpmMax = d.AutoGpmMax;
  work_.GpmIndex = d.GpmIndex;
  pumpEndElev_ = d.PumpEndElev;
  heightLimit_ = HoseReach(d);
  rowMounting_.fill(work_.MasterKind);

  // The row and size of the line's nozzle.
  row_ = RowOfNozzle(work_.NozzleType, work_.IsMaster);
  if (work_.NozzleType > kGallonageNozzle) work_.NozzleType = CatalogueRow(row_).Type;
  if (ListsBores()) {
    // Fog nozzles have a bore as the smooth bores do.
    size_ = FindBoreChoice(work_.TipDiam, units_.Metric);
  } else {
    size_ = FindNozzleSize(row_, work_.AutoGpmMin, work_.AutoGpmMax, work_.GpmSetting);
  }
  RebuildGallonage(false);
}

bool NozzleSetup::SelectRow(int row) {
  if (!IsSelectableRow(row)) return false;
  // A fog nozzle with a bore sits on the automatic row; picking that row
  // makes it automatic.
  if (row == row_ && work_.NozzleType == CatalogueRow(row).Type) return false;
  row_ = row;
  size_ = -1;
  const NozzleRow& r = CatalogueRow(row_);
  work_.NozzleType = r.Type;
  work_.IsMaster = r.IsMaster;
  if (r.IsMaster) work_.MasterKind = rowMounting_[static_cast<std::size_t>(row_)];
  RebuildGallonage(true);
  return true;
}

void NozzleSetup::SelectSize(int size) {
  int count = static_cast<int>(SizeItems().size());
  if (size < 0 || size >= count || size == size_) return;
  size_ = size;
  if (!ListsBores()) RebuildGallonage(true);
}

void NozzleSetup::SelectGallonage(int item) {
  // The item-th non-zero setting.
  int seen = -1;
  for (int k = 0; k < kGpmSettings; ++k) {
    if (work_.GpmSetting[k] == 0) continue;
    if (++seen == item) {
      work_.GpmIndex = k + 1;
      return;
    }
  }
}

void NozzleSetup::SetMounting(int kind) {
  if (kind < kDeckGun || kind > kElevatedMaster) return;
  rowMounting_[static_cast<std::size_t>(row_)] = kind;
  work_.MasterKind = kind;
}

int NozzleSetup::RowMounting() const { return rowMounting_[static_cast<std::size_t>(row_)]; }

void NozzleSetup::RebuildGallonage(bool sizeChanged) {
  if (work_.NozzleType != kGallonageNozzle) {
    work_.GpmIndex = 1;
    work_.GpmSetting[0] = 0;
    return;
  }
  bool holdsSettings =
      std::any_of(work_.GpmSetting.begin(), work_.GpmSetting.end(), [](int g) { return g != 0; });
  if (sizeChanged || !holdsSettings) {
    const NozzleSize* z = SelectedSize();
    work_.GpmSetting = z ? z->Settings : std::array<int, kGpmSettings>{};
  }
  // A new size has no flow chosen yet.
  if (sizeChanged) work_.GpmIndex = 0;
}

const NozzleSize* NozzleSetup::SelectedSize() const {
  const NozzleRow& r = CatalogueRow(row_);
  if (size_ < 0 || size_ >= static_cast<int>(r.Sizes.size())) return nullptr;
  return &r.Sizes[static_cast<std::size_t>(size_)];
}

bool NozzleSetup::ListsBores() const {
  return work_.NozzleType == kSmoothBore || work_.NozzleType == kFogNozzle;
}

std::vector<std::string> NozzleSetup::SizeItems() const {
  if (ListsBores()) return BoreChoices(units_.Metric);
  std::vector<std::string> items;
  for (const NozzleSize& z : CatalogueRow(row_).Sizes)
    items.push_back(units_.Metric ? z.Metric : z.English);
  return items;
}

std::string NozzleSetup::RatedPressText() const {
  double psi = RatedNozzlePress(work_.IsMaster, work_.NozzleType);
  double shown = ToDisplay(units_, kUnitPressure, psi);
  // Whole bars would hide the difference between 50 and 80 psi.
  std::string value = units_.Metric && units_.Bars ? FixedText(shown, 1) : Rounded(shown);
  bool rated = work_.IsMaster && work_.NozzleType == kSmoothBore;
  return std::string(rated ? "rated @ " : "@ ") + value + " " + units_.Label[kUnitPressure];
}

std::string NozzleSetup::AttrCaption() const {
  const std::string diam = "(" + units_.Label[kUnitDiameter] + ")";
  const std::string flow = "(" + units_.Label[kUnitFlow] + ")";
  switch (work_.NozzleType) {
    case kSmoothBore:
      return "bore size " + diam + "    " + RatedPressText();
    case kFogNozzle:
      return "bore size " + diam;
    case kAutomaticNozzle:
      return "line size " + diam + "      flow range " + flow + "  " + RatedPressText();
    default:
      return "line size " + diam + "      Gallonage " + flow + "  " + RatedPressText();
  }
}

std::string NozzleSetup::GallonageCaption() const {
  return "Gallonage (" + units_.Label[kUnitFlow] + ")";
}

bool NozzleSetup::ShowsGallonage() const { return work_.NozzleType == kGallonageNozzle; }

std::vector<std::string> NozzleSetup::GallonageItems() const {
  std::vector<std::string> items;
  for (int g : work_.GpmSetting)
    if (g != 0) items.push_back(Rounded(ToDisplay(units_, kUnitFlow, g)));
  // In metric units the settings read as the size's list text gives them
  // (750 gpm is "2840"), when that text names one number per setting.
  const NozzleSize* z = SelectedSize();
  if (units_.Metric && z && work_.GpmSetting == z->Settings) {
    std::string_view text = z->Metric;
    std::vector<std::string> numbers;
    std::size_t i = text.find(';');
    while (i != std::string_view::npos && i < text.size()) {
      std::size_t start = text.find_first_of("0123456789", i);
      if (start == std::string_view::npos) break;
      std::size_t end = text.find_first_not_of("0123456789", start);
      numbers.emplace_back(text.substr(start, end - start));
      i = end;
    }
    if (numbers.size() == items.size()) return numbers;
  }
  return items;
}

int NozzleSetup::GallonageItem() const {
  int k = work_.GpmIndex;
  if (k < 1 || k > kGpmSettings || work_.GpmSetting[k - 1] == 0) return -1;
  int item = 0;
  for (int i = 0; i < k - 1; ++i) item += work_.GpmSetting[i] != 0;
  return item;
}

std::string NozzleSetup::PictureName() const {
  return NozzlePictureName(work_.NozzleType, work_.IsMaster, work_.MasterKind, false);
}

std::string NozzleSetup::HeightText() const {
  return FixedText(ToDisplay(units_, kUnitLength, work_.Elev), 1);
}

double NozzleSetup::HeightLimit() const { return heightLimit_; }

void NozzleSetup::StepHeight(int steps) {
  double shown = ToDisplay(units_, kUnitLength, work_.Elev) + 0.5 * steps;
  double elev = FromEntry(units_, kUnitLength, shown);
  work_.Elev = ElevationWithinReach(pumpEndElev_, heightLimit_, elev);
}

bool NozzleSetup::SetHeightText(const std::string& text, std::string& error) {
  EntryValue v = ValidatedNumber(text);
  if (v.ErrorCode == kErrNone && text.empty()) v.ErrorCode = kErrNoValue;
  if (v.ErrorCode != kErrNone) {
    error = ErrorCodeText(v.ErrorCode);
    return false;
  }
  double elev = FromEntry(units_, kUnitLength, v.Value);
  work_.Elev = ElevationWithinReach(pumpEndElev_, heightLimit_, elev);
  return true;
}

std::string NozzleSetup::TipFlowText() const {
  if (!ListsBores() || size_ < 0) return "";
  double feet = 0;
  if (!BoreChoiceFeet(SizeItems()[static_cast<std::size_t>(size_)], units_.Metric, feet)) return "";
  Double cd = 0;
  double k = NozzleLossK(work_.NozzleType, std::pow(feet, 4), cd);
  double psi = RatedNozzlePress(work_.IsMaster, work_.NozzleType);
  if (!(k > 0)) return "";
  double gpm = std::sqrt(kFeetPerPsi * psi / k) * kGpmPerCfs;
  return "tip flow " + Rounded(ToDisplay(units_, kUnitFlow, gpm)) + " " + units_.Label[kUnitFlow];
}

bool NozzleSetup::Ok(State& s, const std::string& heightText, const std::string& name, Host& host) {
  auto refuse = [&host](const std::string& text) {
    host.Message(MsgType::Plain, Buttons::Ok, text);
    return false;
  };
  if (size_ < 0) return refuse(AttrCaption() + ": " + kNoValue);
  if (ShowsGallonage() && GallonageItem() < 0) return refuse(GallonageCaption() + ": " + kNoValue);

  double tip = kFogTipDiam;
  if (ListsBores()) {
    const std::string item = SizeItems()[static_cast<std::size_t>(size_)];
    if (!BoreChoiceFeet(item, units_.Metric, tip)) {
      EntryValue v = TextToDiameter(item);
      int code = v.ErrorCode != kErrNone ? v.ErrorCode : kErrInvalidValue;
      return refuse(std::string("Nozzle Bore Diameter: ") + ErrorCodeText(code));
    }
  }
  std::string error;
  if (!SetHeightText(heightText, error)) return refuse("Initial Nozzle Height: " + error);

  TDischargeRec& d = s.Discharges[line_];
  d.IsMaster = work_.IsMaster;
  if (d.IsMaster) d.NozzleOpen = 1;
  d.NozzleType = static_cast<Byte>(work_.NozzleType);
  d.MasterKind = static_cast<Byte>(work_.MasterKind);
  d.NozzleName = Utf8Prefix(name, 255);
  d.NozzleElev = work_.Elev;
  d.TipDiam = tip;
  if (const NozzleSize* z = SelectedSize()) {
    for (int k = 1; k <= kGpmSettings; ++k)
      d.GpmSetting[k] = static_cast<SmallInt>(z->Settings[k - 1]);
    d.GpmIndex = static_cast<SmallInt>(ShowsGallonage() ? work_.GpmIndex : 1);
    d.AutoGpmMin = static_cast<SmallInt>(z->MinGpm);
    d.AutoGpmMax = static_cast<SmallInt>(z->MaxGpm);
  }
  // Every nozzle kind gets its coefficients, so that a master automatic or
  // gallonage nozzle opened above also flows.
  UpdateNozzleK(s, line_);
  // The second line of a siamese pair takes its hose data from the first.
  if (!s.SiameseSecondary.Contains(line_)) UpdateLineCoefficients(s, line_, host);
  for (int i = 1; i <= kMaxDischarges; ++i) {
    TDischargeRec& r = s.Discharges[i];
    r.NozzleRatedPress = RatedNozzlePress(r.IsMaster, r.NozzleType);
  }
  return true;
}

}  // namespace pumpdrill
