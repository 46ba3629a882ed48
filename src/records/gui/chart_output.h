// The chart on paper and in files: printed through a QPrinter (also PDF by
// Print to File), and saved as a PNG image at twice the window's pixels or
// as a PDF. Every output draws with the one chart routine.
#pragma once

#include <QPrinter>
#include <QSizeF>
#include <QString>

#include "records/gui/chart_painter.h"

namespace pumpdrill {

// The program's one printer (landscape unless the user chose otherwise).
QPrinter& ProgramPrinter();

// Prints view with its title, description and legend. fit: across the
// printable area; otherwise at windowSize (logical pixels, 96 an inch),
// made smaller only when the paper is smaller. Prints once when the printer
// makes the copies itself, else once per copy. False when printing could
// not begin.
bool PrintChart(QPrinter& printer, const ChartPageView& view, QSizeF windowSize, bool fit);

// Writes view whole (through a temporary file) as a PNG at twice size, or
// as a PDF of size, by the file name's extension. Returns false with the
// reason.
bool SaveChartImage(const QString& path, const ChartPageView& view, QSizeF size, QString& reason);

}  // namespace pumpdrill
