// The panel window's side of the panel configuration file: what the screen
// and the main window are, and carrying out what a load decided.
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>

#include "panel/gui/frm_panel.h"
#include "panel/gui/panel_picture_names.h"

namespace pumpdrill {

PanelFileTarget TfrmPanel::FileTarget() {
  PanelFileTarget t{p_.S(), layout_, Controls_, p_.Dirs().PanelsDirectory, {}};
  t.simActive = p_.run.SimActive;  // a run keeps the foam its tanks hold
  PanelScreen& sc = t.screen;
  QWidget* main = window();
  sc.MainVisible = main != this && main->isVisible();
  sc.RunStarted = p_.run.SimActive;
  if (main != this) {
    const QRect g = main->geometry();
    sc.MainWindow = {g.left(), g.top(), g.width(), g.height()};
  }
  QScreen* screen = main->screen() ? main->screen() : QGuiApplication::primaryScreen();
  if (screen) {
    sc.ScreenWidth = screen->geometry().width();
    sc.ScreenHeight = screen->geometry().height();
    const QRect a = screen->availableGeometry();
    sc.Available = {a.left(), a.top(), a.width(), a.height()};
  }
  sc.LeastZoom = kLeastFitZoom;
  return t;
}

bool TfrmPanel::TransferPanelConfiguration(const std::string& fileName, int mode) {
  PanelFileTarget t = FileTarget();
  const PanelFileOutcome out = pumpdrill::TransferPanelConfiguration(t, fileName, mode, host_);
  if (mode == kPanelFileLoad && out.Done) ApplyFileOutcome(out);
  if (out.Done) {
    history_.MarkSaved();
    LayoutFileName = p_.S().PumpControl.PanelFileName.str();
  }
  return out.Done;
}

void TfrmPanel::ApplyFileOutcome(const PanelFileOutcome& out) {
  QWidget* main = window();
  if (out.MainWindow && main != this) {
    const ScreenRect& r = *out.MainWindow;
    main->setGeometry(r.Left, r.Top, r.Width, r.Height);
  }
  if (out.Scroll) {
    fit_ = false;
    userZoom_ = kLeastFitZoom;
  }
  ApplyLayout();
  ApplyPlates();
  for (int g = 1; g < kGaugeSlots; ++g)
    if (gauges_[g]) DrawGaugeFace(g, true);
  Arrange();
}

void TfrmPanel::ApplyPlates() {
  for (int n = 1; n <= kPlateCount; ++n) {
    ConnectorPlate& plate = layout_.Plates[n];
    if (plate.Present) {
      // A plate is as large as its picture.
      const QSizeF size = pictures_.LogicalSize(PlatePicture(plate.Type, false));
      plate.Place.Width = static_cast<int>(size.width());
      plate.Place.Height = static_cast<int>(size.height());
      plate.Place.Visible = true;
      SetPlate(n, plate.Type, plate.Place);
    } else {
      RemovePlate(n);
    }
  }
}

std::string TfrmPanel::IOToPanelFile(int mode, const std::string& section, const std::string& key,
                                     const std::string& value) {
  const bool before = keyReported_;
  const std::string result = pumpdrill::IOToPanelFile(p_.S(), p_.Dirs().PanelsDirectory, mode,
                                                      section, key, value, keyReported_, host_);
  // A missing file is told once for all the keys of one operation.
  if (keyReported_ && !before) QTimer::singleShot(0, this, [this] { keyReported_ = false; });
  return result;
}

std::string TfrmPanel::ReadFromPanelFile(const std::string& section, const std::string& key,
                                         const std::string& fallback) {
  return IOToPanelFile(kPanelKeyRead, section, key, fallback);
}

void TfrmPanel::WriteToPanelFile(const std::string& section, const std::string& key,
                                 const std::string& value) {
  IOToPanelFile(kPanelKeyWrite, section, key, value);
}

void TfrmPanel::SaveLayoutWhenMissing() {
  State& s = p_.S();
  const std::string name = CurrentPanelFileName(s);
  if (PanelFileExists(p_.Dirs().PanelsDirectory, name)) return;
  TransferPanelConfiguration(name, kPanelFileSave);
}

}  // namespace pumpdrill
