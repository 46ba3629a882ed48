// pumpdrill: the windowed simulator.
#include <QApplication>
#include <QMdiArea>
#include <QMainWindow>

#include "frame/version.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QMainWindow w;
  w.setWindowTitle(QString("%1   v %2").arg(pumpdrill::kProductName, pumpdrill::kVersionText));
  w.setCentralWidget(new QMdiArea(&w));
  w.resize(640, 480);
  w.show();
  return app.exec();
}
