// The captions, bold titles and raised panels the setup windows are built of.
#pragma once

#include <QString>

class QFrame;
class QLabel;
class QWidget;

namespace pumpdrill::setup_ui {

QLabel* Caption(const QString& text, QWidget* parent, const char* name = nullptr);
QLabel* Title(const QString& text, QWidget* parent, const char* name = nullptr);
QFrame* Panel(QWidget* parent, const char* name);

}  // namespace pumpdrill::setup_ui
