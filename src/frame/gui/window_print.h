// Printing a window as a picture: what the window shows, fitted to the
// printable area of the page with its proportions kept.
#pragma once

#include <QPrinter>
#include <QWidget>

namespace pumpdrill {

// Prints the picture of window with its title above it. Prints once when
// the printer makes the copies itself, else once per copy. False when the
// printer could not be started (no file, no device).
bool PrintWindowPicture(QPrinter& printer, QWidget& window, const QString& title);

}  // namespace pumpdrill
