#include "frame/gui/frm_splash.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QScreen>
#include <algorithm>
#include <cmath>
#include <numbers>

#include "frame/startup_log.h"
#include "frame/version.h"
#include "panel/image_library.h"

namespace pumpdrill {

namespace {

constexpr int kWidth = 480, kHeight = 270;
constexpr int kRoadY = 214;  // where the wheels touch the road
// Wheel centres in the truck picture (see the image library's drawing).
constexpr double kRearWheelX = 58, kFrontWheelX = 192, kWheelY = 80, kWheelRadius = 15;
const char* kSection = "Init Sequence";

QPixmap PictureFrom(const ImageLibrary& library, const char* name) {
  QPixmap picture;
  if (const std::string* bytes = library.Find(name))
    picture.loadFromData(reinterpret_cast<const uchar*>(bytes->data()),
                         static_cast<uint>(bytes->size()), "PNG");
  return picture;
}

}  // namespace

TfrmSplash::TfrmSplash(const std::string& mainDirectory, StartupLog& log, SoundCues& sound,
                       QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      log_(log),
      sound_(sound) {
  setObjectName("frmSplash");
  setAttribute(Qt::WA_DeleteOnClose);
  setFixedSize(kWidth, kHeight);
  ImageLibrary library;
  if (ReadImageLibrary(mainDirectory + kMiscImageLibrary, library) == 0) {
    truck_ = PictureFrom(library, "SPLASH_TRUCK");
    wheel_ = PictureFrom(library, "SPLASH_WHEEL");
  }
  truckX_ = TruckX(0);
  frameTimer_.setInterval(20);
  connect(&frameTimer_, &QTimer::timeout, this, &TfrmSplash::Animate);
  log_.WriteInitLog(kSection, "splash create", "OK");
}

TfrmSplash::~TfrmSplash() { log_.WriteInitLog(kSection, "splash release2", "OK"); }

void TfrmSplash::Start() {
  if (QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->availableGeometry().center() - rect().center());
  show();
  raise();
  log_.WriteInitLog(kSection, "splash show", "OK");
  sound_.SoundCue(SND_ENG_START, 30000);
  sound_.SoundCue(SND_ENG_LOOP_SET_THROTTLE, 35000);
  clock_.start();
  frameTimer_.start();
}

double TfrmSplash::TruckX(double t) const {
  const double start = -TruckWidth();
  const double stop = (kWidth - TruckWidth()) / 2.0;
  double u = std::clamp(t / kDriveTime, 0.0, 1.0);
  double eased = 1.0 - (1.0 - u) * (1.0 - u) * (1.0 - u);  // brakes gently to a stop
  return start + (stop - start) * eased;
}

void TfrmSplash::Animate() {
  double t = clock_.elapsed() / 1000.0 / timeScale_;
  double x = TruckX(t);
  wheelAngle_ += (x - truckX_) / kWheelRadius;
  truckX_ = x;
  update();
  if (!truckStopped_ && t >= kDriveTime) {
    truckStopped_ = true;
    log_.WriteInitLog(kSection, "splash trk stop", "OK");
    sound_.SoundCue(SND_RESUME_SIM, -1);
    emit truckStopped();
  }
  if (!engineStopped_ && t >= kDriveTime + kIdleTime) {
    engineStopped_ = true;
    sound_.SoundCue(SND_ENG_STOP, -1);
    log_.WriteInitLog(kSection, "splash eng stop", "OK");
  }
  if (engineStopped_ && t >= kDriveTime + kIdleTime + kCloseDelay) {
    frameTimer_.stop();
    log_.WriteInitLog(kSection, "splash closing", "OK");
    close();
  }
}

void TfrmSplash::closeEvent(QCloseEvent* event) {
  frameTimer_.stop();
  log_.WriteInitLog(kSection, "splash release1", "OK");
  event->accept();
}

void TfrmSplash::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  // Red frame and the scene inside it: evening sky, a firehouse apron.
  p.fillRect(rect(), QColor(178, 18, 24));
  QRect scene(12, 64, kWidth - 24, kHeight - 76);
  QLinearGradient sky(scene.topLeft(), QPoint(scene.left(), kRoadY));
  sky.setColorAt(0, QColor(255, 196, 120));
  sky.setColorAt(1, QColor(255, 236, 200));
  p.fillRect(scene, sky);
  p.fillRect(QRect(scene.left(), kRoadY - 6, scene.width(), scene.bottom() - kRoadY + 7),
             QColor(90, 90, 96));
  p.setPen(QPen(QColor(240, 240, 240), 3, Qt::DashLine));
  p.drawLine(scene.left(), kRoadY + 12, scene.right(), kRoadY + 12);

  // Title and version.
  p.setPen(Qt::white);
  QFont title("Arial", 22, QFont::Bold);
  p.setFont(title);
  p.drawText(QRect(0, 8, kWidth, 36), Qt::AlignCenter, QString::fromUtf8(kProductName));
  QFont small("Arial", 9, QFont::Bold);
  p.setFont(small);
  p.drawText(QRect(0, 42, kWidth, 18), Qt::AlignCenter,
             QString("pump operator training   v %1").arg(kVersionText));

  // The truck and its turning wheels.
  if (!truck_.isNull()) {
    p.setClipRect(scene);
    double top = kRoadY - kWheelY - kWheelRadius;
    p.drawPixmap(QPointF(truckX_, top), truck_);
    if (!wheel_.isNull()) {
      for (double cx : {kRearWheelX, kFrontWheelX}) {
        p.save();
        p.translate(truckX_ + cx, top + kWheelY);
        p.rotate(wheelAngle_ * 180.0 / std::numbers::pi);
        p.drawPixmap(QPointF(-wheel_.width() / 2.0, -wheel_.height() / 2.0), wheel_);
        p.restore();
      }
    }
  }
}

}  // namespace pumpdrill
