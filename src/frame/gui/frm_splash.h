// The splash window: a pumper drives in from the left and stops in front of
// the title, its engine idles a moment and stops, and the window closes by
// itself. The main window's creation waits until the truck has stopped.
#pragma once

#include <QElapsedTimer>
#include <QPixmap>
#include <QTimer>
#include <QWidget>

#include "sim/host.h"

namespace pumpdrill {

class StartupLog;

class TfrmSplash : public QWidget {
  Q_OBJECT

 public:
  // Pictures come from the image library misc04.dll in mainDirectory; the
  // splash is shown without the truck when the library cannot be read.
  TfrmSplash(const std::string& mainDirectory, StartupLog& log, SoundCues& sound,
             QWidget* parent = nullptr);
  ~TfrmSplash() override;

  // Shows the window and starts the animation.
  void Start();
  bool TruckStopped() const { return truckStopped_; }

  // Plays the animation faster (tests) or slower; 1 is its own pace.
  void SetTimeScale(double scale) { timeScale_ = scale > 0 ? scale : 1.0; }

  // Timing of the animation, in seconds.
  static constexpr double kDriveTime = 1.6;   // driving in
  static constexpr double kIdleTime = 0.8;    // engine idling after the stop
  static constexpr double kCloseDelay = 0.3;  // engine off to closing

 signals:
  void truckStopped();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void Animate();
  double TruckX(double t) const;  // left edge of the truck at time t
  double TruckWidth() const { return truck_.isNull() ? 240.0 : truck_.width(); }

  StartupLog& log_;
  SoundCues& sound_;
  QPixmap truck_, wheel_;
  QTimer frameTimer_;
  QElapsedTimer clock_;
  double truckX_ = 0;
  double wheelAngle_ = 0;
  bool truckStopped_ = false;
  bool engineStopped_ = false;
  double timeScale_ = 1.0;
};

}  // namespace pumpdrill
