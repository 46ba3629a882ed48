#include "setup/discharge_rows.h"

#include <algorithm>
#include <cmath>

#include "frame/number_entry.h"
#include "setup/hose_descriptions.h"
#include "setup/line_summary.h"
#include "setup/nozzle_catalogue.h"
#include "sim/line_flow.h"
#include "sim/state.h"

namespace pumpdrill {

namespace {

RowKind KindOfLine(const State& s, int line) {
  const TDischargeRec& d = s.Discharges[line];
  if (d.LineBurst > 1) return RowKind::Undefined;
  if (IsSiameseSecondary(s, line)) return RowKind::Absorbed;
  return d.LineBurst ? RowKind::Disconnected : RowKind::Connected;
}

std::string Flow(const DisplayUnits& u, double gpm) { return FixedText(ToDisplay(u, kUnitFlow, gpm), 0); }

}  // namespace

std::vector<DischargeRow> LayOutDischargeRows(const State& s, int firstTop) {
  const int count = std::clamp(static_cast<int>(s.DischargeList.LineCount), 0, kMaxDischarges);
  std::vector<DischargeRow> rows;
  int top = firstTop;
  for (int line = 1; line <= count; ++line) {
    DischargeRow r;
    r.Line = line;
    r.Kind = KindOfLine(s, line);
    r.Top = top;
    r.Height = r.Kind == RowKind::Connected   ? kConnectedRowHeight
               : r.Kind == RowKind::Absorbed ? kAbsorbedRowHeight
                                             : kDisconnectedRowHeight;
    r.NozzleHeight = r.Kind == RowKind::Connected ? kConnectedRowHeight : kDisconnectedRowHeight;
    rows.push_back(r);
    top += r.Height + kRowGap;
  }
  return rows;
}

int DischargeRowsExtent(const std::vector<DischargeRow>& rows) {
  if (rows.empty()) return 0;
  int extent = rows.back().Top + 2 * rows.back().Height;
  return extent < 1 ? 0 : extent;
}

std::string ConnectionStatusMessage(int line) {
  return "Connection Status not defined, line: " + std::to_string(line);
}

HoseBoxText HoseBoxTexts(const State& s, int line, RowKind kind, const DisplayUnits& units) {
  HoseBoxText t;
  const TDischargeRec& d = s.Discharges[line];
  const std::string title = s.DischargeList.LineTitle[line].str();
  if (kind == RowKind::Disconnected) t.Title = title + ":  NOT IN USE";
  if (kind != RowKind::Connected) return t;
  t.Title = title;
  t.Picture = LayoutPictureName(s, line, d.Layout);
  t.LayoutLine = "(" + LayoutText(d.Layout) + ")";
  if (int partner = SiamesePartner(s, line)) t.PartnerTitle = s.DischargeList.LineTitle[partner].str();
  t.FirstHose = SideHoseDescription(units, d, true);
  if (d.Layout == kSiameseLayout || d.Layout == kWyeLayout) t.SecondHose = SideHoseDescription(units, d, false);
  t.Summary = LineSummaryShortText(SummarizeLine(s, line), units);
  return t;
}

NozzleBoxText NozzleBoxTexts(const State& s, int line, RowKind kind, const DisplayUnits& units) {
  NozzleBoxText t;
  if (kind != RowKind::Connected) return t;
  const TDischargeRec& d = s.Discharges[line];
  t.Picture = NozzlePictureName(d, true);
  if (t.Picture.empty()) return t;
  t.TypeLine = "type: " + NozzleTypeName(d.NozzleType);
  const std::string& flowUnit = units.Label[kUnitFlow];
  switch (d.NozzleType) {
    case kSmoothBore:
    case kFogNozzle: {
      int choice = FindBoreChoice(d.TipDiam, units.Metric);
      std::string bore = choice >= 0 ? BoreChoices(units.Metric)[static_cast<std::size_t>(choice)]
                                     : DiameterToText(ToDisplay(units, kUnitDiameter, d.TipDiam * 12), units.Metric).Text;
      t.SizeLine = "bore: " + bore + "  " + units.Label[kUnitDiameter];
      break;
    }
    case kAutomaticNozzle:
      t.SizeLine = flowUnit + ": " + Flow(units, d.AutoGpmMin) + " to " + Flow(units, d.AutoGpmMax);
      break;
    case kGallonageNozzle: {
      int gpm = d.GpmIndex >= 1 && d.GpmIndex <= 5 ? d.GpmSetting[d.GpmIndex] : 0;
      t.SizeLine = flowUnit + ": " + Flow(units, gpm);
      break;
    }
    default:
      break;
  }
  return t;
}

}  // namespace pumpdrill
