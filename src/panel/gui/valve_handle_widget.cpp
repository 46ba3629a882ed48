#include "panel/gui/valve_handle_widget.h"

#include <QKeyEvent>
#include <QPainter>
#include <cmath>

#include "panel/controls/electronic_valve.h"
#include "panel/controls/keyboard_actions.h"
#include "panel/controls/lever_handle.h"
#include "panel/controls/push_pull.h"
#include "panel/gui/panel_picture_names.h"
#include "panel/gui/panel_pictures.h"
#include "panel/panel_layout.h"
#include "sim/state.h"

namespace pumpdrill {

namespace {

// Sizes of the pictures a library may lack, until it has them.
constexpr QSize kLeverPictureSize(44, 40);
constexpr QSize kElectronicValveSize(40, 48);
constexpr double kLampRadius = 5;
constexpr double kLampX = 10;
constexpr double kLampY[3] = {10, 24, 38};
constexpr double kButtonsLeft = 21;
constexpr double kButtonsDivide = 24;

const char* LeverPicture(int type) {
  return type == kHandleBall ? kBallHandlePicture : kTeeHandlePicture;
}

QSize PictureSizeOr(const PanelPictures& pictures, const char* name, QSize fallback) {
  if (!pictures.Has(name)) return fallback;
  const QSizeF s = pictures.LogicalSize(name);
  return {static_cast<int>(std::lround(s.width())), static_cast<int>(std::lround(s.height()))};
}

QColor LampQColor(LampColour c) {
  switch (c) {
    case LampColour::Lime:
      return QColor(0, 255, 0);
    case LampColour::Yellow:
      return QColor(255, 255, 0);
    case LampColour::Red:
      return QColor(255, 0, 0);
    case LampColour::Grey:
      break;
  }
  return QColor(128, 128, 128);
}

}  // namespace

ValveHandleWidget::ValveHandleWidget(PanelSurface& surface, QWidget* parent, const char* name,
                                     ControlSite& site, int valve)
    : ControlWidget(surface, parent, name, site, QAccessible::Slider), valve_(valve) {
  setAccessibleDescription(
      "Up and Down open or close by 5 %, Page Up and Page "
      "Down by 25 %, Home shuts, End opens");
}

int ValveHandleWidget::HandleType() const { return site_.Layout().Valves[valve_].HandleType; }

QSize ValveHandleWidget::SizeFor(int type, const PanelPictures& pictures, const PanelControls& pc,
                                 int valve) {
  if (IsPushPullHandle(type)) {
    const PushPullGeometry g = PushPullGeometryOf(type);
    return g.Vertical ? QSize(g.SlotWidth, g.SlotLength) : QSize(g.SlotLength, g.SlotWidth);
  }
  if (IsLeverHandle(type)) {
    // Room for the lever at every turn between shut and open.
    const QSize s = PictureSizeOr(pictures, LeverPicture(type), kLeverPictureSize);
    const int side = static_cast<int>(std::ceil(std::hypot(s.width(), s.height())));
    return {side, side};
  }
  if (type == kHandleElectronic)
    return PictureSizeOr(pictures, kElectronicValvePicture, kElectronicValveSize);
  if (IsWheelHandle(type)) {
    const int slot = valve >= kFirstHandleValve && valve <= kLastHandleValve && pc.WheelSlot[valve]
                         ? pc.WheelSlot[valve]
                         : kFirstWheelSlot;
    return {pc.PictureSize[slot].Width, pc.PictureSize[slot].Height};
  }
  return SizeFor(kHandleShortOpenBottom, pictures, pc, valve);
}

RotaryControl* ValveHandleWidget::Wheel() const {
  PanelControls& pc = site_.Controls();
  return pc.Find(pc.WheelSlot[valve_]);
}

double ValveHandleWidget::Opening() const {
  const double open = site_.ControlState().Discharges[valve_].ValveOpen;
  return std::isfinite(open) ? std::clamp(open, 0.0, 1.0) : 0.0;
}

std::string ValveHandleWidget::Title() const {
  const std::string title = site_.ControlState().DischargeList.LineTitle[valve_].str();
  return (title.empty() ? "Line " + std::to_string(valve_) : title) + " valve";
}

std::string ValveHandleWidget::ValueText() const {
  const double open = Opening();
  if (open <= 0) return "shut";
  if (open >= 1) return "open";
  return std::to_string(static_cast<int>(std::lround(open * 100))) + " % open";
}

void ValveHandleWidget::Sync(bool force) {
  const int type = HandleType();
  const double open = Opening();
  int frame = -1;
  if (IsWheelHandle(type)) {
    if (RotaryControl* rc = Wheel()) {
      // Opened elsewhere (keys, a file, the runner): the wheel follows.
      if (!rc->Dragging && std::abs(rc->Position - open * 100) > 1e-6) {
        rc->Position = RotaryPositionFromState(site_.ControlState(), *rc);
        rc->Angle = RotaryAngle(*rc);
      }
      frame = RotaryFrame(*rc, site_.ControlHost());
    }
  }
  int lamps = -1;
  if (type == kHandleElectronic) {
    const auto l = ElectronicValveLamps(open, site_.Run().SimActive);
    const ElectronicValveHold& h = site_.Controls().ElectronicValve;
    const int held = h.Line == valve_ ? static_cast<int>(h.Button) : 0;
    lamps = static_cast<int>(l[0]) | static_cast<int>(l[1]) << 2 | static_cast<int>(l[2]) << 4 |
            held << 6;
  }
  if (force || open != shownOpening_ || frame != shownFrame_ || type != shownType_ ||
      lamps != shownLamps_) {
    shownOpening_ = open;
    shownFrame_ = frame;
    shownType_ = type;
    shownLamps_ = lamps;
    update();
  }
}

void ValveHandleWidget::Paint(QPainter& p) {
  const int type = HandleType();
  if (IsLeverHandle(type))
    PaintLever(p, type);
  else if (type == kHandleElectronic)
    PaintElectronic(p);
  else if (IsWheelHandle(type))
    PaintWheel(p);
  else
    PaintPushPull(p, IsPushPullHandle(type) ? type : kHandleShortOpenBottom);
}

void ValveHandleWidget::PaintPushPull(QPainter& p, int type) {
  const PushPullGeometry g = PushPullGeometryOf(type);
  const bool longSlot = g.SlotLength > 114;
  const std::string slot = std::string(longSlot ? "PUSHPULL_SLOT_LONG" : "PUSHPULL_SLOT_SHORT") +
                           (g.Vertical ? "" : "_H");
  const QRectF whole = g.Vertical ? QRectF(0, 0, g.SlotWidth, g.SlotLength)
                                  : QRectF(0, 0, g.SlotLength, g.SlotWidth);
  if (!DrawPictureAt(p, slot, whole)) {
    p.setPen(QPen(QColor(90, 92, 95), 0.5));
    p.setBrush(QColor(190, 193, 196));
    p.drawRoundedRect(whole.adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
  }
  const double place = PushPullPlace(g, Opening());
  const StickSpan stick = PushPullStick(g, place);
  constexpr double kStick = 7;
  const double across = (g.SlotWidth - kStick) / 2.0;
  if (stick.Shown()) {
    const QRectF r = g.Vertical ? QRectF(across, stick.Start, kStick, stick.Length)
                                : QRectF(stick.Start, across, stick.Length, kStick);
    if (!DrawPictureAt(p, g.Vertical ? "PUSHPULL_STICK" : "PUSHPULL_STICK_H", r))
      p.fillRect(r, QColor(220, 222, 226));
  }
  const double handleAcross = (g.SlotWidth - g.HandleWidth) / 2.0;
  const QRectF h = g.Vertical ? QRectF(handleAcross, place, g.HandleWidth, g.HandleLength)
                              : QRectF(place, handleAcross, g.HandleLength, g.HandleWidth);
  if (!DrawPictureAt(p, "PUSHPULL_HANDLE", h)) {
    p.setPen(QPen(QColor(40, 40, 40), 0.8));
    p.setBrush(QColor(30, 30, 34));
    p.drawEllipse(h);
  }
}

void ValveHandleWidget::PaintLever(QPainter& p, int type) {
  const char* name = LeverPicture(type);
  const QSize s = PictureSizeOr(surface_.Pictures(), name, kLeverPictureSize);
  const QSize box = SizeFor(type, surface_.Pictures(), site_.Controls(), valve_);
  p.save();
  p.translate(box.width() / 2.0, box.height() / 2.0);
  p.rotate(LeverAngle(Opening()));
  const QRectF r(-s.width() / 2.0, -s.height() / 2.0, s.width(), s.height());
  if (!DrawPictureAt(p, name, r)) {
    // Without the picture: a chrome bar on a round boss.
    p.setPen(QPen(QColor(40, 40, 44), 0.5));
    p.setBrush(QColor(200, 202, 208));
    p.drawRoundedRect(QRectF(-s.width() / 2.0 + 2, -4, s.width() - 4, 8), 4, 4);
    p.setBrush(QColor(60, 62, 66));
    p.drawEllipse(QPointF(0, 0), 6, 6);
  }
  p.restore();
}

void ValveHandleWidget::PaintElectronic(QPainter& p) {
  const QSize s = PictureSizeOr(surface_.Pictures(), kElectronicValvePicture, kElectronicValveSize);
  const QRectF whole(0, 0, s.width(), s.height());
  const ElectronicValveHold& h = site_.Controls().ElectronicValve;
  const auto held = h.Line == valve_ ? h.Button : ElectronicValveButton::None;
  if (!DrawPictureAt(p, kElectronicValvePicture, whole)) {
    p.setPen(QPen(QColor(20, 20, 22), 0.6));
    p.setBrush(QColor(46, 48, 52));
    p.drawRoundedRect(whole.adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
    const QRectF open(kButtonsLeft, 2, s.width() - kButtonsLeft - 2, kButtonsDivide - 3);
    const QRectF close(kButtonsLeft, kButtonsDivide + 1, open.width(),
                       s.height() - kButtonsDivide - 3);
    for (const auto& [r, up] : {std::pair{open, true}, std::pair{close, false}}) {
      p.setBrush(QColor(170, 172, 176));
      p.drawRoundedRect(r, 2, 2);
      const QPointF c = r.center();
      const double d = up ? -1 : 1;
      p.setBrush(up ? QColor(20, 120, 30) : QColor(170, 20, 20));
      p.drawPolygon(
          QPolygonF({c + QPointF(-5, -3 * d), c + QPointF(5, -3 * d), c + QPointF(0, 4 * d)}));
    }
  }
  // A held button looks pressed in.
  if (held != ElectronicValveButton::None) {
    const bool up = held == ElectronicValveButton::Open;
    const QRectF r = up ? QRectF(kButtonsLeft, 0, s.width() - kButtonsLeft, kButtonsDivide)
                        : QRectF(kButtonsLeft, kButtonsDivide, s.width() - kButtonsLeft,
                                 s.height() - kButtonsDivide);
    p.fillRect(r, QColor(0, 0, 0, 70));
  }
  const auto lamps = ElectronicValveLamps(Opening(), site_.Run().SimActive);
  for (int i = 0; i < 3; ++i) {
    const QPointF c(kLampX, kLampY[i]);
    QRadialGradient g(c - QPointF(1.5, 1.5), kLampRadius * 1.4);
    const QColor lit = LampQColor(lamps[i]);
    g.setColorAt(0, lit.lighter(150));
    g.setColorAt(1, lit.darker(130));
    p.setPen(QPen(QColor(10, 10, 10), 0.6));
    p.setBrush(g);
    p.drawEllipse(c, kLampRadius, kLampRadius);
  }
}

void ValveHandleWidget::PaintWheel(QPainter& p) {
  const RotaryControl* rc = Wheel();
  const int frame = shownFrame_ >= 0 ? shownFrame_ : 0;
  const std::string name = FrameName(kHandWheelBase, frame);
  const QSizeF s = surface_.Pictures().Has(name) ? surface_.Pictures().LogicalSize(name)
                                                 : QSizeF(Place.Width, Place.Height);
  const QPointF c =
      rc ? QPointF(rc->Centre.x, rc->Centre.y) : QPointF(Place.Width / 2.0, Place.Height / 2.0);
  const QRectF r(c - QPointF(s.width() / 2, s.height() / 2), s);
  if (!DrawPictureAt(p, name, r)) {
    p.setPen(QPen(QColor(60, 60, 64), 2));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(r.adjusted(2, 2, -2, -2));
  }
}

bool ValveHandleWidget::Press(ControlPoint point) {
  PanelControls& pc = site_.Controls();
  const ControlRun run = site_.Run();
  const int type = HandleType();
  if (IsPushPullHandle(type)) {
    const PushPullGeometry g = PushPullGeometryOf(type);
    const double place = PushPullPlace(g, Opening());
    const double along = g.Vertical ? point.y : point.x;
    // Only the handle itself is taken hold of.
    if (along >= place && along <= place + g.HandleLength)
      PushPullPress(pc.PushPull, run, g, valve_, point, place);
    return false;
  }
  if (IsLeverHandle(type)) {
    LeverPress(pc.Lever, run, valve_, point);
    return false;
  }
  if (type == kHandleElectronic)
    return ElectronicValvePress(pc.ElectronicValve, site_.ControlState(), run, valve_, point);
  if (RotaryControl* rc = IsWheelHandle(type) ? Wheel() : nullptr) RotaryPress(*rc, run, point);
  return false;
}

bool ValveHandleWidget::Move(ControlPoint point) {
  PanelControls& pc = site_.Controls();
  State& s = site_.ControlState();
  const ControlRun run = site_.Run();
  Host& host = site_.ControlHost();
  const int type = HandleType();
  if (IsPushPullHandle(type)) {
    if (!pc.PushPull.Dragging || pc.PushPull.Line != valve_) return false;
    const PushPullGeometry g = PushPullGeometryOf(type);
    PushPullMove(pc.PushPull, s, run, g, point, PushPullPlace(g, Opening()), host);
    return true;
  }
  if (IsLeverHandle(type)) {
    return pc.Lever.Line == valve_ && LeverMove(pc.Lever, s, run, point, host);
  }
  if (RotaryControl* rc = IsWheelHandle(type) ? Wheel() : nullptr)
    return RotaryMove(*rc, s, run, point, host).Moved;
  return false;
}

bool ValveHandleWidget::Key(QKeyEvent* event) {
  if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) return false;
  ValveKey key;
  switch (event->key()) {
    case Qt::Key_Up:
      key = ValveKey::Up;
      break;
    case Qt::Key_Down:
      key = ValveKey::Down;
      break;
    case Qt::Key_PageUp:
      key = ValveKey::PageUp;
      break;
    case Qt::Key_PageDown:
      key = ValveKey::PageDown;
      break;
    case Qt::Key_Home:
      key = ValveKey::Home;
      break;
    case Qt::Key_End:
      key = ValveKey::End;
      break;
    default:
      return false;
  }
  // The key is the handle's also while the controls do not act.
  KeyValve(site_.Controls(), site_.ControlState(), site_.Run(), valve_, key, site_.ControlHost());
  return true;
}

}  // namespace pumpdrill
