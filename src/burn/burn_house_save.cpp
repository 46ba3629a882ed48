#include "burn/burn_house_save.h"

#include <cctype>
#include <optional>

#include "burn/burn_window_values.h"
#include "frame/text_values.h"
#include "frame/utf8_text.h"
#include "sim/burn_house_figures.h"
#include "sim/field_ranges.h"

namespace pumpdrill {

namespace {

constexpr double kFt2ToM2 = 0.093025;

// The surface figure of the fire model for these dimensions and vent.
double SurfaceFigure(double length, double width, double height, double vent) {
  return (2 * width * height + 2 * length * height + 2 * length * width - vent) * kFt2ToM2;
}

struct NumberEntry {
  BurnEntry which;
  const std::string* typed;
  const std::string* shown;
  const char* caption;
  bool upTo100;        // a percentage from 0 to 100 instead of a number above 0
  const char* member;  // the field of TBurnHouseRec it goes into
  double toStored;     // the typed number times this is the stored value
  const char* unit;    // as range messages give it
};

// The entry's value: nothing when the text is unchanged (the stored value
// stands), the number otherwise.
struct Entered {
  bool changed = false;
  double value = 0;
};

}  // namespace

BurnHouseEntries BurnHouseEntriesOf(const TBurnHouseRec& b, const DisplayUnits& u,
                                    bool totalFireLoadChosen) {
  const BurnWindowTexts t = BurnWindowTextsOf(b, u);
  BurnHouseEntries e;
  e.Length = t.EditLen;
  e.Width = t.EditWd;
  e.Height = t.EditHt;
  e.VentArea = t.EditVentArea;
  e.VentHeight = t.EditVentHeight;
  e.AppEfficiency = t.EditAppEfficiency;
  e.FireLoad = t.EditFireLoad;
  e.TotalFireLoad = t.EditTotFireLoad;
  e.TotalFireLoadChosen = totalFireLoadChosen;
  e.Description = t.EditDescription;
  e.StayOnTop = b.StayOnTop != 0;
  return e;
}

BurnEntry SaveBurnHouse(State& s, const DisplayUnits& u, const BurnHouseEntries& typed,
                        Alerts& alerts) {
  TBurnHouseRec& b = s.BurnHouse;
  const BurnHouseEntries shown = BurnHouseEntriesOf(b, u, typed.TotalFireLoadChosen);
  const double ft = u.EntryFactor[kUnitLength];
  const char* m = u.Metric ? "m" : "ft";
  const NumberEntry entries[] = {
      {BurnEntry::Length, &typed.Length, &shown.Length, "length", false, "Length", ft, m},
      {BurnEntry::Width, &typed.Width, &shown.Width, "width", false, "Width", ft, m},
      {BurnEntry::Height, &typed.Height, &shown.Height, "height", false, "Height", ft, m},
      {BurnEntry::VentArea, &typed.VentArea, &shown.VentArea, "vent area", false, "VentArea",
       ft * ft, u.Metric ? "sq. m" : "ft2"},
      {BurnEntry::VentHeight, &typed.VentHeight, &shown.VentHeight, "vent height", false,
       "VentHeight", ft, m},
      {BurnEntry::AppEfficiency, &typed.AppEfficiency, &shown.AppEfficiency,
       "% efficiency of water application", true, "AppEfficiency", 0.01, "%"},
      typed.TotalFireLoadChosen
          ? NumberEntry{BurnEntry::TotalFireLoad, &typed.TotalFireLoad, &shown.TotalFireLoad,
                        "total enclosure fire load", false, "TotalFireLoad",
                        u.Metric ? kLbPerKg : 1.0, u.Metric ? "kg" : "lb"}
          : NumberEntry{BurnEntry::FireLoad, &typed.FireLoad, &shown.FireLoad, "fire load", false,
                        "FireLoad", u.Metric ? kLbFt2PerKgM2 : 1.0,
                        u.Metric ? "kg/sq. m" : "lb/ft2"},
  };

  // 1. Every number is checked before anything is stored.
  Entered in[std::size(entries)];
  for (std::size_t i = 0; i < std::size(entries); ++i) {
    const NumberEntry& e = entries[i];
    if (*e.typed == *e.shown) continue;
    const std::optional<double> v = TryReadNumber(*e.typed);
    const bool ok = v && (e.upTo100 ? *v >= 0 && *v <= 100 : *v > 0);
    if (!ok) {
      alerts.Message(MsgType::Warning, Buttons::Ok,
                     e.upTo100
                         ? "Enter a number from 0 to 100 for " + std::string(e.caption) + "."
                         : "Enter a number greater than 0 for " + std::string(e.caption) + ".");
      return e.which;
    }
    // A structure no training ground has is refused with its range.
    std::string caption = e.caption;
    if (e.upTo100) caption = "efficiency of water application";
    caption[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(caption[0])));
    const ShownField shownAs{caption, e.unit, 1 / e.toStored, 0};
    if (std::string range = RangeRefusal("TBurnHouseRec", e.member, *v * e.toStored, shownAs);
        !range.empty()) {
      alerts.Message(MsgType::Warning, Buttons::Ok, range);
      return e.which;
    }
    in[i] = {true, *v};
  }
  const Entered& length = in[0];
  const Entered& width = in[1];
  const Entered& height = in[2];
  const Entered& ventArea = in[3];
  const Entered& ventHeight = in[4];
  const Entered& efficiency = in[5];
  const Entered& fireLoad = in[6];

  // 2. Dimensions.
  const double f = u.EntryFactor[kUnitLength];
  if (length.changed) b.Length = length.value * f;
  if (width.changed) b.Width = width.value * f;
  if (height.changed) b.Height = height.value * f;

  // 3. Fire load: the total, or the load per floor area times the floor.
  if (typed.TotalFireLoadChosen) {
    if (fireLoad.changed) b.TotalFireLoad = u.Metric ? fireLoad.value * kLbPerKg : fireLoad.value;
  } else if (fireLoad.changed || length.changed || width.changed) {
    if (fireLoad.changed) b.FireLoad = u.Metric ? fireLoad.value * kLbFt2PerKgM2 : fireLoad.value;
    b.TotalFireLoad = b.Length * b.Width * b.FireLoad;
  }

  // 4. The vent, checked in the record's units against the new structure.
  const double newVentHeight = ventHeight.changed ? ventHeight.value * f : b.VentHeight;
  if (newVentHeight < b.Height)
    b.VentHeight = newVentHeight;
  else
    alerts.Message(MsgType::Warning, Buttons::Ok,
                   "Vent height must be less than structure height. This value "
                   "not saved.");
  const double newVentArea = ventArea.changed ? ventArea.value * f * f : b.VentArea;
  if (newVentArea < SurfaceFigure(b.Length, b.Width, b.Height, newVentArea))
    b.VentArea = newVentArea;
  else
    alerts.Message(MsgType::Warning, Buttons::Ok,
                   "Vent area must be less than structure surface area. This "
                   "value not saved.");
  b.SurfaceArea = SurfaceFigure(b.Length, b.Width, b.Height, b.VentArea);

  // 5. The rest.
  if (efficiency.changed) b.AppEfficiency = efficiency.value / 100;
  if (typed.Description != b.Description.view()) b.Description = Utf8Prefix(typed.Description, 255);
  b.StayOnTop = typed.StayOnTop;

  // 6. The fire's figures again, with the share burned so far.
  InitBurnHouse(s);
  return BurnEntry::None;
}

}  // namespace pumpdrill
