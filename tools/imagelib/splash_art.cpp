// The splash window's pumper: a red engine seen from its left side, facing
// right, drawn without its wheels so that the splash can turn them while the
// truck drives in. Wheel centres lie at (kRearWheelX, kWheelY) and
// (kFrontWheelX, kWheelY) of "SPLASH_TRUCK"; "SPLASH_WHEEL" is one wheel.
#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>
#include <cmath>
#include <numbers>

#include "drawn_images.h"

namespace pumpdrill::imagelib {

namespace {

constexpr int kTruckWidth = 240, kTruckHeight = 96;
constexpr double kRearWheelX = 58, kFrontWheelX = 192, kWheelY = 80, kWheelRadius = 15;
constexpr int kWheelSize = 32;

const QColor kRed(200, 16, 22), kDarkRed(120, 8, 12), kChrome(205, 208, 214);

void WheelArch(QPainterPath& body, double cx) {
  QPainterPath arch;
  arch.addEllipse(QPointF(cx, kWheelY), kWheelRadius + 3, kWheelRadius + 3);
  body = body.subtracted(arch);
}

QImage Truck() {
  QImage image = Canvas(kTruckWidth, kTruckHeight);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);

  // Body: compartments, pump panel and cab in one outline, with the wheel
  // arches cut out.
  QPainterPath body;
  body.moveTo(8, 30);
  body.lineTo(166, 30);
  body.lineTo(166, 14);
  body.lineTo(212, 14);
  body.quadTo(218, 14, 222, 22);
  body.lineTo(231, 40);
  body.lineTo(233, 78);
  body.lineTo(8, 78);
  body.closeSubpath();
  WheelArch(body, kRearWheelX);
  WheelArch(body, kFrontWheelX);
  QLinearGradient paint(0, 14, 0, 78);
  paint.setColorAt(0, kRed.lighter(125));
  paint.setColorAt(0.6, kRed);
  paint.setColorAt(1, kDarkRed);
  p.setPen(QPen(kDarkRed.darker(140), 1.2));
  p.setBrush(paint);
  p.drawPath(body);

  // Chassis shadow under the body.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(30, 30, 30));
  p.drawRect(QRectF(20, 78, 200, 3));

  // Compartment doors with their roll-up slats and handles.
  p.setPen(QPen(kDarkRed, 1.0));
  for (double x : {12.0, 84.0, 118.0}) {
    double w = x == 12.0 ? 24.0 : 28.0;
    p.setBrush(kRed.darker(108));
    p.drawRect(QRectF(x, 34, w, 20));
    for (double y = 38; y < 54; y += 4) p.drawLine(QPointF(x + 1, y), QPointF(x + w - 1, y));
  }
  p.setBrush(kChrome);
  p.setPen(QPen(QColor(90, 90, 90), 0.8));
  for (double x : {24.0, 98.0, 132.0}) p.drawRect(QRectF(x - 3, 52, 6, 2));

  // Pump panel: chrome with gauges and discharge caps.
  QLinearGradient chrome(150, 0, 166, 0);
  chrome.setColorAt(0, kChrome.darker(115));
  chrome.setColorAt(0.5, kChrome.lighter(115));
  chrome.setColorAt(1, kChrome.darker(115));
  p.setPen(QPen(QColor(80, 80, 80), 1.0));
  p.setBrush(chrome);
  p.drawRect(QRectF(148, 30, 18, 48));
  p.setBrush(Qt::white);
  p.drawEllipse(QPointF(157, 37), 4, 4);
  p.drawEllipse(QPointF(157, 47), 3, 3);
  p.setBrush(QColor(60, 60, 60));
  p.drawEllipse(QPointF(157, 58), 3.5, 3.5);
  p.drawEllipse(QPointF(157, 68), 3.5, 3.5);

  // White reflective stripe.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(245, 245, 245));
  QPainterPath stripe;
  stripe.addRect(QRectF(8, 58, 225, 4));
  p.drawPath(stripe.intersected(body));
  p.setBrush(QColor(230, 180, 30));
  p.drawPath(stripe.translated(0, 5).intersected(body));

  // Hose bed and ladder on top of the body.
  p.setPen(QPen(QColor(70, 70, 70), 1.0));
  p.setBrush(QColor(150, 150, 155));
  p.drawRect(QRectF(10, 25, 138, 5));
  p.setPen(QPen(QColor(220, 220, 225), 1.6));
  p.drawLine(QPointF(14, 18), QPointF(140, 18));
  p.drawLine(QPointF(14, 23), QPointF(140, 23));
  for (double x = 18; x < 140; x += 9) p.drawLine(QPointF(x, 18), QPointF(x, 23));
  p.setPen(QPen(QColor(70, 70, 70), 1.0));
  p.drawLine(QPointF(30, 23), QPointF(30, 25));
  p.drawLine(QPointF(124, 23), QPointF(124, 25));

  // Cab windows.
  QLinearGradient glass(0, 18, 0, 42);
  glass.setColorAt(0, QColor(200, 230, 250));
  glass.setColorAt(1, QColor(90, 140, 180));
  p.setPen(QPen(QColor(40, 40, 40), 1.0));
  p.setBrush(glass);
  p.drawRect(QRectF(172, 19, 18, 19));
  p.drawPolygon(QPolygonF({QPointF(195, 19), QPointF(210, 19), QPointF(214, 20), QPointF(224, 38),
                           QPointF(195, 38)}));
  // Door line, handle and the engine number.
  p.setPen(QPen(kDarkRed, 1.0));
  p.drawLine(QPointF(193, 17), QPointF(193, 72));
  p.setBrush(kChrome);
  p.drawRect(QRectF(182, 42, 7, 2));
  QFont font("DejaVu Sans", 7, QFont::Bold);
  p.setFont(font);
  p.setPen(QColor(240, 200, 60));
  p.drawText(QRectF(196, 41, 30, 12), Qt::AlignCenter, "E-1");

  // Light bar, headlight, bumpers and the rear step.
  p.setPen(QPen(QColor(40, 40, 40), 0.8));
  p.setBrush(QColor(240, 40, 40));
  p.drawRoundedRect(QRectF(176, 9, 14, 5), 2, 2);
  p.setBrush(QColor(250, 250, 250));
  p.drawRoundedRect(QRectF(190, 9, 6, 5), 2, 2);
  p.setBrush(QColor(240, 40, 40));
  p.drawRoundedRect(QRectF(196, 9, 14, 5), 2, 2);
  QRadialGradient lamp(QPointF(229, 52), 4);
  lamp.setColorAt(0, QColor(255, 255, 220));
  lamp.setColorAt(1, QColor(240, 200, 80));
  p.setBrush(lamp);
  p.drawEllipse(QPointF(229, 52), 3, 3);
  p.setBrush(chrome);
  p.drawRoundedRect(QRectF(226, 70, 12, 8), 2, 2);
  p.drawRect(QRectF(1, 70, 10, 6));
  return image;
}

QImage Wheel() {
  QImage image = Canvas(kWheelSize, kWheelSize);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  QPointF c(kWheelSize / 2.0, kWheelSize / 2.0);
  p.setPen(QPen(QColor(10, 10, 10), 1.0));
  p.setBrush(QColor(28, 28, 28));
  p.drawEllipse(c, kWheelRadius, kWheelRadius);
  QRadialGradient rim(c, 9);
  rim.setColorAt(0, QColor(235, 235, 240));
  rim.setColorAt(1, QColor(140, 140, 150));
  p.setBrush(rim);
  p.setPen(QPen(QColor(60, 60, 60), 0.8));
  p.drawEllipse(c, 9, 9);
  // Lug nuts round the hub show the wheel turning.
  p.setBrush(QColor(70, 70, 75));
  for (int i = 0; i < 6; ++i) {
    double a = i * std::numbers::pi / 3;
    p.drawEllipse(c + QPointF(5.5 * std::cos(a), 5.5 * std::sin(a)), 1.3, 1.3);
  }
  p.setBrush(QColor(200, 16, 22));
  p.drawEllipse(c, 2.2, 2.2);
  return image;
}

}  // namespace

void AddSplashImages(DrawnImages& out) {
  out.push_back({Library::Misc, "SPLASH_TRUCK", Truck()});
  out.push_back({Library::Misc, "SPLASH_WHEEL", Wheel()});
}

}  // namespace pumpdrill::imagelib
