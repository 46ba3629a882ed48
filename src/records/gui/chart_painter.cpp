#include "records/gui/chart_painter.h"

#include <QFontMetricsF>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

#include "records/plot_setup_edit.h"

namespace pumpdrill {

namespace {

constexpr double kMargin = 8;
constexpr double kTickLength = 4;
constexpr double kLegendSample = 28;  // the line shown before a legend caption
constexpr double kSymbolSize = 6;
constexpr double kCurveWidth = 1.5;
const QColor kGridColour(0xDD, 0xDD, 0xDD);
const QColor kAxisColour(0x40, 0x40, 0x40);

// A scale shown in display units: its ticks in display units, its factor
// from stored units.
struct ShownScale {
  double factor = 1;
  std::vector<double> ticks;
};

ShownScale ScaleOf(const AxisMap& axis, double factor) {
  ShownScale s;
  s.factor = factor > 0 && std::isfinite(factor) ? factor : 1;
  const double min = axis.min * s.factor, max = axis.max * s.factor;
  s.ticks = AxisTicks(min, max, AxisTickStep(max - min));
  return s;
}

QString TickText(double value) { return QString::number(value, 'f', 0); }

double WidestTick(const QFontMetricsF& fm, const ShownScale& s) {
  double w = 0;
  for (double t : s.ticks) w = std::max(w, fm.horizontalAdvance(TickText(t)));
  return w;
}

bool InPage(const ChartPageView& v, const TDataSampleRec& d) {
  return d.Time >= v.PageStart && d.Time <= v.PageStart + v.Setup->PageLength;
}

const AxisMap& AxisOf(const ChartLayout& l, const TPlotSetupRec& ps, int entry) {
  switch (ps.Entries[entry].UnitType) {
    case kPlotFlow: return l.Flow;
    case kPlotEngineSpeed: return l.Rpm;
    default: return l.Press;
  }
}

QPen CurvePen(const TPlotEntryRec& e) {
  QPen pen(EntryColour(e.Colour), kCurveWidth, EntryPenStyle(e.Pattern), Qt::FlatCap, Qt::RoundJoin);
  return pen;
}

QString AxisTitle(const char* what, const std::string& unit) {
  return QString("%1 (%2)").arg(what, QString::fromStdString(unit));
}

// Legend items laid out in rows across width; returns the rows' count.
struct LegendItem {
  int entry;
  QString text;
  double width;
};

std::vector<LegendItem> LegendItems(const ChartPageView& v, const ChartLayout& l, const QFontMetricsF& fm) {
  std::vector<LegendItem> items;
  for (int entry : l.Curves) {
    QString text = QString::fromStdString(PlotEntryCaption(*v.Setup, entry));
    items.push_back({entry, text, kLegendSample + 4 + fm.horizontalAdvance(text) + 16});
  }
  return items;
}

int LegendRows(const std::vector<LegendItem>& items, double width) {
  if (items.empty()) return 0;
  int rows = 1;
  double x = 0;
  for (const LegendItem& it : items) {
    if (x > 0 && x + it.width > width) ++rows, x = 0;
    x += it.width;
  }
  return rows;
}

QString DescriptionLine(const TPlotSetupRec& ps) {
  return QString("operator: %1      date: %2 %3      evolution: %4")
      .arg(QString::fromStdString(ps.OperatorName.str()), QString::fromStdString(ps.RecordDate.str()),
           QString::fromStdString(ps.RecordTime.str()), QString::fromStdString(ps.EvolutionName.str()));
}

void PaintVerticalScale(QPainter& p, const ChartLayout& l, const AxisMap& axis, const ShownScale& s, double x,
                        bool leftSide, const QFontMetricsF& fm, const QString& title, double titleX,
                        const QColor& colour = kAxisColour) {
  p.setPen(QPen(colour, 1));
  p.drawLine(QPointF(x, l.Plot.top()), QPointF(x, l.Plot.bottom()));
  const double dir = leftSide ? -1 : 1;
  for (double t : s.ticks) {
    const double y = axis.Pixel(t / s.factor);
    p.drawLine(QPointF(x, y), QPointF(x + dir * kTickLength, y));
    const QString text = TickText(t);
    const double w = fm.horizontalAdvance(text);
    const double tx = leftSide ? x - kTickLength - 2 - w : x + kTickLength + 2;
    p.drawText(QPointF(tx, y + fm.ascent() / 2 - 1), text);
  }
  p.save();
  p.translate(titleX, l.Plot.center().y());
  p.rotate(leftSide ? -90 : 90);
  const double w = fm.horizontalAdvance(title);
  p.drawText(QPointF(-w / 2, 0), title);
  p.restore();
}

}  // namespace

QFont ChartFont() {
  QFont f("DejaVu Sans");
  f.setPixelSize(12);
  return f;
}

QColor EntryColour(std::uint32_t c) { return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF); }

std::uint32_t StoredColour(const QColor& c) {
  return static_cast<std::uint32_t>(c.red()) | static_cast<std::uint32_t>(c.green()) << 8 |
         static_cast<std::uint32_t>(c.blue()) << 16;
}

Qt::PenStyle EntryPenStyle(int pattern) {
  switch (pattern) {
    case 1: return Qt::DashLine;
    case 2: return Qt::DotLine;
    case 3: return Qt::DashDotLine;
    case 4: return Qt::DashDotDotLine;
    default: return Qt::SolidLine;
  }
}

void DrawSymbol(QPainter& p, int symbol, QPointF at, double size) {
  const double h = size / 2;
  const QRectF box(at.x() - h, at.y() - h, size, size);
  switch (symbol) {
    case 1: p.drawRect(box); break;
    case 2: p.drawEllipse(box); break;
    case 3: {
      const QPointF tri[3] = {{at.x(), at.y() - h}, {at.x() + h, at.y() + h}, {at.x() - h, at.y() + h}};
      p.drawPolygon(tri, 3);
      break;
    }
    case 4:
      p.drawLine(box.topLeft(), box.bottomRight());
      p.drawLine(box.topRight(), box.bottomLeft());
      break;
    default: break;
  }
}

ChartLayout LayOutChart(const ChartPageView& v, QSizeF size, bool withHeader) {
  ChartLayout l;
  l.Size = size;
  const TPlotSetupRec& ps = *v.Setup;
  for (int i = 0; i < kPlotEntryCount; ++i)
    if (ps.Entries[i].Plot) l.Curves.push_back(i);
  l.RpmShown = ps.Entries[kEntryEngineRpm].Plot != 0;

  const QFontMetricsF fm(ChartFont());
  const double line = fm.height();
  double top = kMargin;
  if (withHeader) {
    const int lines = ps.Comments.empty() ? 2 : 3;
    l.Header = QRectF(kMargin, top, size.width() - 2 * kMargin, line * (lines + 0.5) + 4);
    top = l.Header.bottom() + 4;
  }
  const std::vector<LegendItem> legend = LegendItems(v, l, fm);
  const int rows = LegendRows(legend, size.width() - 2 * kMargin);
  const double legendHeight = rows * (line + 2);
  l.Legend = QRectF(kMargin, size.height() - kMargin - legendHeight, size.width() - 2 * kMargin, legendHeight);

  // Axes in stored units; their pixels follow once the plot's edges are known.
  l.Press = {ps.PressMin, ps.PressMax, 0, 0};
  l.Flow = {ps.FlowMin, ps.FlowMax, 0, 0};
  l.Rpm = {ps.RpmMin, ps.RpmMax, 0, 0};
  const double left = kMargin + line + 4 + WidestTick(fm, ScaleOf(l.Press, v.Units.DisplayFactor[kUnitPressure])) +
                      kTickLength + 4;
  double right = kMargin + line + 4 + WidestTick(fm, ScaleOf(l.Flow, v.Units.DisplayFactor[kUnitFlow])) +
                 kTickLength + 4;
  if (l.RpmShown) right += line + 8 + WidestTick(fm, ScaleOf(l.Rpm, 1)) + kTickLength + 4;
  const double bottom = l.Legend.top() - (rows ? 6 : 0) - 2 * line - kTickLength - 4;
  l.Plot = QRectF(QPointF(left, top + line / 2), QPointF(size.width() - right, bottom));
  if (l.Plot.width() < 10) l.Plot.setWidth(10);
  if (l.Plot.height() < 10) l.Plot.setHeight(10);

  l.Time = {v.PageStart, v.PageStart + ps.PageLength, l.Plot.left(), l.Plot.right()};
  for (AxisMap* a : {&l.Press, &l.Flow, &l.Rpm}) a->low = l.Plot.bottom(), a->high = l.Plot.top();
  return l;
}

void PaintChart(QPainter& p, const ChartPageView& v, const ChartLayout& l) {
  const TPlotSetupRec& ps = *v.Setup;
  p.save();
  p.setRenderHint(QPainter::Antialiasing, true);
  p.setRenderHint(QPainter::TextAntialiasing, true);
  p.fillRect(QRectF(QPointF(0, 0), l.Size), Qt::white);
  const QFont font = ChartFont();
  p.setFont(font);
  const QFontMetricsF fm(font);
  const double line = fm.height();

  if (!l.Header.isEmpty()) {
    QFont bold = font;
    bold.setBold(true);
    bold.setPixelSize(16);
    p.setFont(bold);
    p.setPen(Qt::black);
    const QString title = QString::fromStdString(ps.PlotTitle.str());
    p.drawText(QRectF(l.Header.left(), l.Header.top(), l.Header.width(), line * 1.5), Qt::AlignLeft | Qt::AlignVCenter,
               title);
    p.setFont(font);
    double y = l.Header.top() + line * 1.5;
    p.drawText(QRectF(l.Header.left(), y, l.Header.width(), line), Qt::AlignLeft | Qt::AlignVCenter,
               DescriptionLine(ps));
    if (!ps.Comments.empty())
      p.drawText(QRectF(l.Header.left(), y + line, l.Header.width(), line), Qt::AlignLeft | Qt::AlignVCenter,
                 QString::fromStdString(ps.Comments.str()));
  }

  // Grid at the time and pressure ticks.
  const ShownScale press = ScaleOf(l.Press, v.Units.DisplayFactor[kUnitPressure]);
  const ShownScale flow = ScaleOf(l.Flow, v.Units.DisplayFactor[kUnitFlow]);
  const int timeStep = TimeTickStep(ps.PageLength);
  const std::vector<double> timeTicks = AxisTicks(l.Time.min, l.Time.max, timeStep);
  p.setPen(QPen(kGridColour, 1));
  for (double t : timeTicks) {
    const double x = l.Time.Pixel(t);
    p.drawLine(QPointF(x, l.Plot.top()), QPointF(x, l.Plot.bottom()));
  }
  for (double t : press.ticks) {
    const double y = l.Press.Pixel(t / press.factor);
    p.drawLine(QPointF(l.Plot.left(), y), QPointF(l.Plot.right(), y));
  }

  // Axes.
  p.setPen(QPen(kAxisColour, 1));
  p.drawRect(l.Plot);
  PaintVerticalScale(p, l, l.Press, press, l.Plot.left(), true, fm,
                     AxisTitle("pressure", v.Units.Label[kUnitPressure]), kMargin + fm.ascent());
  const double flowTitleX = l.Plot.right() + kTickLength + 6 + WidestTick(fm, flow) + fm.descent() + 2;
  PaintVerticalScale(p, l, l.Flow, flow, l.Plot.right(), false, fm, AxisTitle("flow", v.Units.Label[kUnitFlow]),
                     flowTitleX);
  if (l.RpmShown) {
    const ShownScale rpm = ScaleOf(l.Rpm, 1);
    const double x = flowTitleX + fm.ascent() + 8;
    const QColor colour = EntryColour(ps.Entries[kEntryEngineRpm].Colour);
    PaintVerticalScale(p, l, l.Rpm, rpm, x, false, fm, "engine speed (rpm)",
                       x + kTickLength + 6 + WidestTick(fm, rpm) + fm.descent() + 2, colour);
    p.setPen(QPen(kAxisColour, 1));
  }
  for (double t : timeTicks) {
    const double x = l.Time.Pixel(t);
    p.drawLine(QPointF(x, l.Plot.bottom()), QPointF(x, l.Plot.bottom() + kTickLength));
    const QString text = TickText(t);
    p.drawText(QPointF(x - fm.horizontalAdvance(text) / 2, l.Plot.bottom() + kTickLength + fm.ascent() + 1), text);
  }
  const QString timeTitle = "Simulation Time (secs)";
  p.drawText(QPointF(l.Plot.center().x() - fm.horizontalAdvance(timeTitle) / 2,
                     l.Plot.bottom() + kTickLength + line + fm.ascent() + 2),
             timeTitle);

  // Curves, segment by segment as they were drawn live.
  p.save();
  p.setClipRect(l.Plot.adjusted(-kSymbolSize, -kSymbolSize, kSymbolSize, kSymbolSize));
  const TDataSampleRec* prev = nullptr;
  for (std::size_t i = 0; i < v.Count; ++i) {
    const TDataSampleRec& d = v.Samples[i];
    if (!InPage(v, d)) continue;
    if (prev)
      PaintNewSegments(p, v, l, *prev, d);
    else
      PaintNewSegments(p, v, l, d, d);
    prev = &d;
  }
  p.restore();

  // Legend.
  const std::vector<LegendItem> legend = LegendItems(v, l, fm);
  double x = l.Legend.left(), y = l.Legend.top();
  for (const LegendItem& it : legend) {
    if (x > l.Legend.left() && x + it.width > l.Legend.right()) x = l.Legend.left(), y += line + 2;
    const TPlotEntryRec& e = ps.Entries[it.entry];
    const double my = y + line / 2;
    p.setPen(CurvePen(e));
    p.drawLine(QPointF(x, my), QPointF(x + kLegendSample, my));
    p.setPen(QPen(EntryColour(e.Colour), 1));
    p.setBrush(Qt::NoBrush);
    DrawSymbol(p, e.Symbol, QPointF(x + kLegendSample / 2, my), kSymbolSize);
    p.setPen(Qt::black);
    p.drawText(QPointF(x + kLegendSample + 4, y + fm.ascent()), it.text);
    x += it.width;
  }
  p.restore();
}

QRectF PaintNewSegments(QPainter& p, const ChartPageView& v, const ChartLayout& l, const TDataSampleRec& prev,
                        const TDataSampleRec& cur) {
  const TPlotSetupRec& ps = *v.Setup;
  QRectF covered;
  const double x0 = l.Time.Pixel(prev.Time), x1 = l.Time.Pixel(cur.Time);
  p.save();
  p.setRenderHint(QPainter::Antialiasing, true);
  p.setBrush(Qt::NoBrush);
  for (int entry : l.Curves) {
    const TPlotEntryRec& e = ps.Entries[entry];
    const AxisMap& axis = AxisOf(l, ps, entry);
    const double a = EntryValue(prev, entry), b = EntryValue(cur, entry);
    if (!std::isfinite(b)) continue;
    const QPointF p1(x1, axis.Pixel(b));
    if (&prev != &cur && std::isfinite(a)) {
      const QPointF p0(x0, axis.Pixel(a));
      p.setPen(CurvePen(e));
      p.drawLine(p0, p1);
      covered |= QRectF(p0, p1).normalized();
    }
    if (e.Symbol) {
      p.setPen(QPen(EntryColour(e.Colour), 1));
      DrawSymbol(p, e.Symbol, p1, kSymbolSize);
    }
    covered |= QRectF(p1.x() - 0.5, p1.y() - 0.5, 1, 1);
  }
  p.restore();
  const double pad = kSymbolSize + kCurveWidth + 1;
  return covered.adjusted(-pad, -pad, pad, pad);
}

}  // namespace pumpdrill
