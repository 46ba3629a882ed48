#include "panel/gui/rotary_control_widget.h"

#include <QKeyEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "panel/controls/class1_governor.h"
#include "panel/controls/electronic2_governor.h"
#include "panel/controls/electronic_throttle.h"
#include "panel/controls/governor_set_point.h"
#include "panel/controls/keyboard_actions.h"
#include "panel/controls/relief_setting.h"
#include "panel/controls/throttle_effect.h"
#include "panel/gui/panel_picture_names.h"
#include "panel/gui/panel_pictures.h"
#include "sim/pressure_control.h"
#include "sim/state.h"

namespace pumpdrill {

namespace {

constexpr int kThrottleKinds[] = {kRotaryPierceThrottle, kRotaryHaleThrottle,
                                  kRotaryElectronicThrottle};
constexpr int kPressureKinds[] = {kRotaryWaterousRelief, kRotaryHaleRelief, kRotaryClass1Governor,
                                  kRotaryElectronic2Governor};

// Where the pictures' moving parts and displays stand.
constexpr QPointF kWaterousSwitchAt(3, 60);
constexpr QRectF kElectronicThrottleDisplay(22, 29, 36, 12);
constexpr QRectF kClass1Display(17, 28, 42, 13);
constexpr double kClass1NumberEnd = 57;
constexpr QPointF kGov2UpperToggleAt(19, 48);
constexpr QPointF kGov2LowerToggleAt(15, 90);
constexpr QRectF kGov2Display(8, 6, 48, 16);

const char* KnobBase(int kind) {
  if (kind == kRotaryWaterousRelief) return kReliefKnobBase;
  if (IsRotaryThrottleKind(kind)) return kThrottleKnobBase;
  return kHandWheelBase;
}

const char* WholePicture(int kind) {
  switch (kind) {
    case kRotaryWaterousRelief:
      return kReliefKnobBackPicture;
    case kRotaryPierceThrottle:
      return kThrottleBackPicture;
    case kRotaryElectronicThrottle:
      return kElectronicThrottlePicture;
    case kRotaryElectronic2Governor:
      return kGovernor2Picture;
    case kRotaryClass1Governor:
      return kClass1GovernorPicture;
    default:
      return nullptr;
  }
}

QFont DisplayFont(double pixels, bool bold) {
  QFont f("Liberation Sans");
  f.setPixelSize(std::max(1, static_cast<int>(std::lround(pixels))));
  f.setBold(bold);
  return f;
}

// A control whose picture the library lacks: a plain plate with its name.
void PlainPlate(QPainter& p, QRectF r, const char* caption) {
  p.setPen(QPen(QColor(40, 40, 44), 0.6));
  p.setBrush(QColor(150, 153, 158));
  p.drawRoundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
  p.setFont(DisplayFont(6, true));
  p.setPen(QColor(20, 20, 22));
  p.drawText(r.adjusted(2, 1, -2, 0), Qt::AlignHCenter | Qt::AlignTop, caption);
}

const char* ToggleUpright(TogglePos pos) {
  return pos == TogglePos::Up ? "TOGGLE_UP" : pos == TogglePos::Down ? "TOGGLE_DN" : "TOGGLE_MID";
}
const char* ToggleSideways(TogglePos pos) {
  return pos == TogglePos::Left ? "TOGGLE_LF" : pos == TogglePos::Right ? "TOGGLE_RT" : "TOGGLE_VT";
}

std::string Rounded(double v) {
  return std::to_string(static_cast<long>(std::lround(std::isfinite(v) ? v : 0.0)));
}

}  // namespace

RotaryControlWidget::RotaryControlWidget(PanelSurface& surface, QWidget* parent, const char* name,
                                         ControlSite& site, Which which)
    : ControlWidget(surface, parent, name, site, QAccessible::Dial), which_(which) {
  setAccessibleDescription(which == Which::Throttle
                               ? "Up and Down, or Ctrl+Up and Ctrl+Down anywhere, work the throttle"
                               : "Up and Down raise or lower the setting");
}

RotaryControl* RotaryControlWidget::Control() const {
  PanelControls& pc = site_.Controls();
  if (which_ == Which::Throttle) {
    for (int k : kThrottleKinds)
      if (RotaryControl* rc = pc.Find(k)) return rc;
  } else {
    for (int k : kPressureKinds)
      if (RotaryControl* rc = pc.Find(k)) return rc;
  }
  return nullptr;
}

int RotaryControlWidget::Kind() const {
  const RotaryControl* rc = Control();
  return rc ? rc->Kind : 0;
}

std::string RotaryControlWidget::DisplayText() const {
  const State& s = site_.ControlState();
  switch (Kind()) {
    case kRotaryElectronicThrottle:
      return ElectronicThrottleText(s);
    case kRotaryClass1Governor:
      return Class1DisplayText(s, site_.Units());
    case kRotaryElectronic2Governor:
      return Gov2DisplayText(s, site_.Units());
    default:
      return {};
  }
}

std::string RotaryControlWidget::Title() const {
  const int kind = Kind();
  if (which_ == Which::Throttle) return "Throttle";
  if (IsGovernorKind(kind)) return "Pressure governor";
  return "Relief valve";
}

std::string RotaryControlWidget::ValueText() const {
  const State& s = site_.ControlState();
  const DisplayUnits& u = site_.Units();
  const int kind = Kind();
  if (kind == 0) return "none";
  if (which_ == Which::Throttle) return Rounded(s.Engine.RpmDemand) + " RPM";
  const std::string unit = u.Label[kUnitPressure];
  if (IsReliefKind(kind))
    return GovernorPressureText(u, s.PumpControl.ReliefSetPress) + " " + unit +
           (ReliefSwitchOn(s) ? ", on" : ", off");
  switch (s.PumpControl.GovernorMode) {
    case 0:
      return "pressure mode, " + GovernorPressureText(u, s.PumpControl.GovernorSetPress) + " " +
             unit;
    case 1:
      return "RPM mode, " + Rounded(s.PumpControl.GovernorSetRpm) + " RPM";
    default:
      return "idle";
  }
}

void RotaryControlWidget::FollowState(RotaryControl& rc) {
  if (rc.Dragging) return;
  const State& s = site_.ControlState();
  bool differs = false;
  if (IsReliefKind(rc.Kind)) {
    differs = std::abs(ReliefPressureForPosition(s.PumpControl, rc.Position) -
                       s.PumpControl.ReliefSetPress) > 0.01;
  } else if (IsRotaryThrottleKind(rc.Kind)) {
    // The knob stands where it was left while the demand is what it gives.
    const double lo = std::min(s.Engine.IdleRpm, s.Engine.MaxRpm);
    const double given =
        std::clamp(ThrottleDemandForPosition(s, rc.Position), lo, double(s.Engine.MaxRpm));
    differs = std::abs(given - s.Engine.RpmDemand) > 0.5;
  }
  if (differs) {
    rc.Position = RotaryPositionFromState(s, rc);
    rc.Angle = RotaryAngle(rc);
  }
}

void RotaryControlWidget::Sync(bool force) {
  RotaryControl* rc = Control();
  State& s = site_.ControlState();
  std::string shown = "none";
  frame_ = -1;
  if (rc) {
    if (RotaryKindOf(rc->Kind).Frames > 0) {
      FollowState(*rc);
      frame_ = RotaryFrame(*rc, site_.ControlHost());
    }
    if (rc->Kind == kRotaryClass1Governor && firstDisplayKind_ != kRotaryClass1Governor) {
      Class1FirstDisplay(s);
    }
    firstDisplayKind_ = rc->Kind;
    const PanelControls& pc = site_.Controls();
    shown = std::to_string(rc->Kind) + "|" + std::to_string(frame_) + "|" +
            std::to_string(rc->Width) + "x" + std::to_string(rc->Height) + "|" +
            (rc->Kind == kRotaryWaterousRelief && ReliefSwitchOn(s) ? "on" : "off") + "|" +
            DisplayText() + "|" + std::to_string(static_cast<int>(pc.Gov2.Grabbed)) +
            std::to_string(static_cast<int>(pc.Gov2.Pos)) +
            std::to_string(static_cast<int>(pc.ElectronicThrottle.Button)) +
            std::to_string(static_cast<int>(pc.Class1.Button)) +
            (site_.Run().SimActive ? "1" : "0");
  } else {
    firstDisplayKind_ = 0;
  }
  if (force || shown != shown_) {
    shown_ = shown;
    update();
  }
}

void RotaryControlWidget::Paint(QPainter& p) {
  const RotaryControl* rc = Control();
  if (!rc) return;
  switch (rc->Kind) {
    case kRotaryElectronicThrottle:
      PaintElectronicThrottle(p, *rc);
      break;
    case kRotaryClass1Governor:
      PaintClass1(p, *rc);
      break;
    case kRotaryElectronic2Governor:
      PaintGovernor2(p, *rc);
      break;
    default:
      PaintTurning(p, *rc);
      break;
  }
}

void RotaryControlWidget::PaintTurning(QPainter& p, const RotaryControl& rc) {
  const QRectF whole(0, 0, rc.Width, rc.Height);
  if (const char* back = WholePicture(rc.Kind)) DrawPictureAt(p, back, whole);
  PanelPictures& pictures = surface_.Pictures();
  const std::string knob = FrameName(KnobBase(rc.Kind), std::max(0, frame_));
  const QSizeF s = pictures.Has(knob) ? pictures.LogicalSize(knob) : QSizeF(44, 44);
  const QRectF at(QPointF(rc.Centre.x - s.width() / 2, rc.Centre.y - s.height() / 2), s);
  if (!DrawPictureAt(p, knob, at)) {
    p.setPen(QPen(QColor(10, 10, 10), 0.6));
    p.setBrush(QColor(30, 30, 32));
    p.drawEllipse(at);
  }
  if (rc.Kind == kRotaryWaterousRelief) {
    const std::string sw = ReliefSwitchOn(site_.ControlState()) ? "RV_SW_ON" : "RV_SW_OFF";
    if (pictures.Has(sw)) DrawPictureAt(p, sw, QRectF(kWaterousSwitchAt, pictures.LogicalSize(sw)));
  }
}

void RotaryControlWidget::PaintElectronicThrottle(QPainter& p, const RotaryControl& rc) {
  const QRectF whole(0, 0, rc.Width, rc.Height);
  if (!DrawPictureAt(p, kElectronicThrottlePicture, whole)) {
    PlainPlate(p, whole, "THROTTLE");
    // The buttons where the press regions are: raise, lower, idle.
    p.setPen(QPen(QColor(30, 30, 32), 0.5));
    p.setBrush(QColor(60, 140, 60));
    p.drawRoundedRect(QRectF(rc.Width * 0.75 + 2, 4, rc.Width * 0.25 - 5, rc.Height * 0.5 - 6), 2,
                      2);
    p.setBrush(QColor(160, 50, 40));
    p.drawRoundedRect(
        QRectF(rc.Width * 0.75 + 2, rc.Height * 0.5 + 2, rc.Width * 0.25 - 5, rc.Height * 0.5 - 6),
        2, 2);
    p.setBrush(QColor(200, 170, 40));
    p.drawRoundedRect(QRectF(4, 9, rc.Width * 0.75 - 8, rc.Height * 0.25 - 10), 2, 2);
  }
  p.setPen(QPen(QColor(90, 90, 90), 0.5));
  p.setBrush(QColor(192, 192, 192));
  p.drawRect(kElectronicThrottleDisplay);
  p.setFont(DisplayFont(10, false));
  p.setPen(Qt::black);
  p.drawText(kElectronicThrottleDisplay.adjusted(2, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
             QString::fromStdString(DisplayText()));
}

void RotaryControlWidget::PaintClass1(QPainter& p, const RotaryControl& rc) {
  const QRectF whole(0, 0, rc.Width, rc.Height);
  if (!DrawPictureAt(p, kClass1GovernorPicture, whole)) {
    PlainPlate(p, whole, "");
    p.setFont(DisplayFont(5.5, true));
    p.setPen(QColor(20, 20, 22));
    p.drawText(QRectF(0, 2, 37, 16), Qt::AlignCenter, "MODE");
    p.drawText(QRectF(38, 2, rc.Width - 38, 16), Qt::AlignCenter, "IDLE");
    p.drawText(QRectF(0, 44, 37, 16), Qt::AlignCenter, "DEC");
    p.drawText(QRectF(38, 44, rc.Width - 38, 16), Qt::AlignCenter, "INC");
  }
  const QColor text = site_.Run().SimActive ? QColor(255, 255, 0) : Qt::black;
  p.setPen(QPen(text, 2));
  p.setBrush(Qt::black);
  p.drawRect(kClass1Display.adjusted(1, 1, -1, -1));
  p.setFont(DisplayFont(10, false));
  p.setPen(text);
  const QRectF number(kClass1Display.left() + 2, kClass1Display.top(),
                      kClass1NumberEnd - kClass1Display.left() - 2, kClass1Display.height());
  p.drawText(number, Qt::AlignRight | Qt::AlignVCenter, QString::fromStdString(DisplayText()));
}

void RotaryControlWidget::PaintGovernor2(QPainter& p, const RotaryControl& rc) {
  const QRectF whole(0, 0, rc.Width, rc.Height);
  if (!DrawPictureAt(p, kGovernor2Picture, whole)) PlainPlate(p, whole, "");
  const PanelControls& pc = site_.Controls();
  const TogglePos upper = pc.Gov2.Grabbed == Gov2Toggle::Upper ? pc.Gov2.Pos : TogglePos::Mid;
  const TogglePos lower = pc.Gov2.Grabbed == Gov2Toggle::Lower ? pc.Gov2.Pos : TogglePos::Mid;
  PanelPictures& pictures = surface_.Pictures();
  for (const auto& [name, at] : {std::pair{ToggleUpright(upper), kGov2UpperToggleAt},
                                 std::pair{ToggleSideways(lower), kGov2LowerToggleAt}}) {
    if (pictures.Has(name)) DrawPictureAt(p, name, QRectF(at, pictures.LogicalSize(name)));
  }
  p.setPen(QPen(QColor(90, 90, 90), 0.6));
  p.setBrush(QColor(10, 24, 12));
  p.drawRoundedRect(kGov2Display, 1.5, 1.5);
  p.setFont(DisplayFont(9, true));
  p.setPen(site_.Run().SimActive ? QColor(120, 255, 120) : QColor(40, 80, 40));
  p.drawText(kGov2Display, Qt::AlignCenter, QString::fromStdString(DisplayText()));
}

bool RotaryControlWidget::Press(ControlPoint point) {
  RotaryControl* rc = Control();
  if (!rc) return false;
  PanelControls& pc = site_.Controls();
  State& s = site_.ControlState();
  const ControlRun run = site_.Run();
  switch (rc->Kind) {
    case kRotaryElectronicThrottle:
      return ElectronicThrottlePress(pc.ElectronicThrottle, s, run, point, rc->Width, rc->Height);
    case kRotaryClass1Governor:
      return Class1Press(pc.Class1, s, run, point);
    case kRotaryElectronic2Governor:
      return Gov2Press(pc.Gov2, s, run, point);
    default:
      RotaryPress(*rc, run, point);
      return false;
  }
}

bool RotaryControlWidget::Move(ControlPoint point) {
  RotaryControl* rc = Control();
  if (!rc) return false;
  const ControlRun run = site_.Run();
  State& s = site_.ControlState();
  if (rc->Kind == kRotaryElectronic2Governor) return Gov2Move(site_.Controls().Gov2, s, run, point);
  const RotaryMoveResult r = RotaryMove(*rc, s, run, point, site_.ControlHost());
  return r.Moved || r.SwitchChanged;
}

bool RotaryControlWidget::Key(QKeyEvent* event) {
  if (event->modifiers() & Qt::AltModifier) return false;
  const int direction = event->key() == Qt::Key_Up ? 1 : event->key() == Qt::Key_Down ? -1 : 0;
  if (direction == 0) return false;
  PanelControls& pc = site_.Controls();
  if (which_ == Which::Throttle) {
    KeyThrottle(pc, site_.ControlState(), site_.Run(), direction, site_.ControlHost());
    return true;
  }
  if (event->modifiers() & Qt::ControlModifier) return false;  // the throttle's, anywhere
  KeyPressureControl(pc, site_.ControlState(), site_.Run(), direction);
  return true;
}

}  // namespace pumpdrill
