#include "panel/gui/foam_proportioner_widget.h"

#include <QFont>
#include <QKeyEvent>
#include <QPainter>

#include "panel/controls/foam_controls.h"
#include "panel/foam_faces.h"
#include "panel/gui/panel_item.h"
#include "sim/foam_system.h"
#include "sim/state.h"

namespace pumpdrill {

namespace {

// Arial 8 bold: about 11 pixels of the layout.
QFont DisplayFont() {
  QFont font("Arial");
  font.setPixelSize(11);
  font.setBold(true);
  return font;
}

}  // namespace

FoamProportioner::FoamProportioner(PanelSurface& surface, QWidget* parent, ControlSite& site)
    : FoamControl(surface, parent, "ProportionerImg", site, QAccessible::Slider, kProportionerWidth,
                  kProportionerHeight) {}

bool FoamProportioner::Electronic() const { return Foam().PROP_TYPE == kProportionerElectronic; }

bool FoamProportioner::LampLit() const {
  const State& s = site_.ControlState();
  return FoamLowLampLit(s.FoamSetup, site_.Run().SimActive, s.SimClock.Time);
}

std::string FoamProportioner::DisplayText() const {
  if (!Electronic()) return {};
  return ProportionerDisplayFor(site_.ControlState(), site_.Units(), site_.Run().SimActive).Text;
}

std::string FoamProportioner::Description() const {
  std::string words = ProportionerDescription(Foam());
  if (LampLit()) words += ", foam tank low lamp lit";
  return words;
}

std::pair<SmallInt*, SmallInt*> FoamProportioner::PlaceFields(TFoamSetupRec& f) const {
  return {&f.PROP_LEFT, &f.PROP_TOP};
}

void FoamProportioner::Sync(bool force) {
  if (Idle(force)) return;
  const TFoamSetupRec& f = Foam();
  std::string key = std::string(ProportionerPicture(f)) + (LampLit() ? "|lit|" : "|dark|");
  if (Electronic()) {
    const ProportionerDisplay d =
        ProportionerDisplayFor(site_.ControlState(), site_.Units(), site_.Run().SimActive);
    key += d.Text + (d.ShowsPr ? "|PR|" : "||") + std::to_string(static_cast<int>(d.Brightness));
  } else {
    key += std::string(ProportionerLeverPicture(f)) + ManualSettingText(f);
  }
  Show(std::move(key), force);
}

void FoamProportioner::Paint(QPainter& p) {
  DrawPictureAt(p, std::string(ProportionerPicture(Foam())),
                QRectF(0, 0, Place.Width, Place.Height));
  if (Electronic()) {
    PaintElectronic(p);
  } else {
    PaintManual(p);
  }
  DrawCentred(p, SmallLampPicture(LampLit()), kFoamLowLampAt.X, kFoamLowLampAt.Y);
}

void FoamProportioner::PaintManual(QPainter& p) {
  const TFoamSetupRec& f = Foam();
  DrawCentred(p, std::string(ProportionerLeverPicture(f)), kProportionerLeverAt.X,
              kProportionerLeverAt.Y);
  const QRectF window(kManualSettingWindow.Left, kManualSettingWindow.Top,
                      kManualSettingWindow.Width, kManualSettingWindow.Height);
  p.setFont(DisplayFont());
  p.setPen(QColor(20, 20, 24));
  p.drawText(window, Qt::AlignCenter, QString::fromStdString(ManualSettingText(f)));
}

void FoamProportioner::PaintElectronic(QPainter& p) {
  const ProportionerDisplay d =
      ProportionerDisplayFor(site_.ControlState(), site_.Units(), site_.Run().SimActive);
  if (d.Brightness == DisplayBrightness::Blank) return;
  const QColor colour =
      d.Brightness == DisplayBrightness::Bright ? QColor(80, 255, 110) : QColor(30, 100, 45);
  p.setFont(DisplayFont());
  p.setPen(colour);
  const double half = kElecDisplayWindow.Height / 2;
  const QRectF line(kElecDisplayWindow.Left, kElecDisplayBaseline - half,
                    kElecDisplayRight - kElecDisplayWindow.Left, 2 * half);
  p.drawText(line, Qt::AlignRight | Qt::AlignVCenter, QString::fromStdString(d.Text));
  if (d.ShowsPr) {
    const QRectF pr(kElecDisplayPrAt.X, kElecDisplayPrAt.Y - half, 16, 2 * half);
    p.drawText(pr, Qt::AlignLeft | Qt::AlignVCenter, "PR");
  }
}

bool FoamProportioner::Press(ControlPoint point) {
  if (Electronic()) return ElecProportionerClick(Foam(), site_.Run(), point);
  ManualProportionerPress(site_.Controls().Foam, Foam(), site_.Run(), point);
  return false;
}

bool FoamProportioner::Move(ControlPoint point) {
  return FoamDragMove(site_.Controls().Foam, Foam(), site_.Run(), point);
}

bool FoamProportioner::Key(QKeyEvent* event) {
  if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
  const int key = event->key();
  TFoamSetupRec& f = Foam();
  const ControlRun run = site_.Run();
  if (Electronic()) {
    const ElecKey k = key == Qt::Key_Space  ? ElecKey::OnOff
                      : key == Qt::Key_M    ? ElecKey::Mode
                      : key == Qt::Key_Up   ? ElecKey::Raise
                      : key == Qt::Key_Down ? ElecKey::Lower
                                            : ElecKey::None;
    if (k == ElecKey::None) return false;
    ElecProportionerKey(f, run, k);
    return true;
  }
  if (key == Qt::Key_Space) {
    FoamKey(f, run, FoamGrip::ProportionerLever, 0, f.PropLever ? -1 : 1);
    return true;
  }
  if (key != Qt::Key_Up && key != Qt::Key_Down) return false;
  FoamKey(f, run, FoamGrip::PercentSetting, 0, key == Qt::Key_Up ? 1 : -1);
  return true;
}

}  // namespace pumpdrill
