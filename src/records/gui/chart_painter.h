// Drawing of one strip chart page with a QPainter: the one routine for the
// screen, the printer, PDF and PNG. It works in logical pixels; a printout
// scales the painter to the paper.
#pragma once

#include <QFont>
#include <QPainter>
#include <QRectF>
#include <QSizeF>
#include <cstddef>
#include <vector>

#include "frame/units.h"
#include "records/chart_scale.h"
#include "records/plot_setup.h"

namespace pumpdrill {

// What a page shows: the plot setup, the samples of the page and where it starts.
struct ChartPageView {
  const TPlotSetupRec* Setup = nullptr;
  const TDataSampleRec* Samples = nullptr;
  std::size_t Count = 0;
  double PageStart = 0;
  DisplayUnits Units;
};

// Where the parts of the chart lie in an area of a given size.
struct ChartLayout {
  QSizeF Size;
  QRectF Plot;    // the plot area inside the axes
  QRectF Header;  // title and description; empty unless asked for
  QRectF Legend;
  AxisMap Time, Press, Flow, Rpm;
  bool RpmShown = false;
  std::vector<int> Curves;  // the entries drawn, in their order
};

// The chart's text font: 9 pt at 96 logical pixels an inch.
QFont ChartFont();

// The layout of view in an area of size; withHeader adds the title and
// the description above the plot (printouts and images).
ChartLayout LayOutChart(const ChartPageView& view, QSizeF size, bool withHeader);

// Draws the whole page: background, header, grid, axes, curves, legend.
void PaintChart(QPainter& p, const ChartPageView& view, const ChartLayout& layout);

// Draws the segments from prev to cur of every curve (and cur's symbols);
// returns the area they cover, for repainting only that.
QRectF PaintNewSegments(QPainter& p, const ChartPageView& view, const ChartLayout& layout,
                        const TDataSampleRec& prev, const TDataSampleRec& cur);

// The colour of a plot entry (stored 0x00BBGGRR), its pen style (0 solid,
// 1 dash, 2 dot, 3 dash-dot, 4 dash-dot-dot) and its symbol (0 none,
// 1 square, 2 circle, 3 triangle, 4 cross) drawn at a point.
QColor EntryColour(std::uint32_t stored);
std::uint32_t StoredColour(const QColor& colour);
Qt::PenStyle EntryPenStyle(int pattern);
void DrawSymbol(QPainter& p, int symbol, QPointF at, double size);

}  // namespace pumpdrill
