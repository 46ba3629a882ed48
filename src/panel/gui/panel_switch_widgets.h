// The panel's switches and selectors: the primer handle, the engine cooler
// switch, the pressure/volume transfer valve with its lamps, and the master
// flowmeter with its selector dial.
#pragma once

#include "panel/gui/control_widget.h"

namespace pumpdrill {

// "PRIMER_ON" while priming, "PRIMER_OFF" at rest; a click or P or Space
// engages or releases it.
class PrimerHandle : public PictureControl {
 public:
  PrimerHandle(PanelSurface& surface, QWidget* parent, const char* name, ControlSite& site);
  std::string Title() const override { return "Primer"; }
  std::string ValueText() const override;
  void Sync(bool force) override;
  // What a click does (also the keys').
  bool Click();

 protected:
  bool Press(ControlPoint point) override;
  bool Key(QKeyEvent* event) override;
};

// "ENG_COOLER_ON" or "ENG_COOLER_OFF"; a click or Space switches it.
class EngineCoolerSwitch : public PictureControl {
 public:
  EngineCoolerSwitch(PanelSurface& surface, QWidget* parent, const char* name, ControlSite& site);
  std::string Title() const override { return "Engine cooler"; }
  std::string ValueText() const override;
  void Sync(bool force) override;

 protected:
  bool Press(ControlPoint point) override;
  bool Key(QKeyEvent* event) override;
};

// The transfer valve's plate with the spring-return toggle at (24, 34) and
// the pressure and volume lamps at (3, 21) and (3, 44).
class TransferValveSwitch : public ControlWidget {
 public:
  TransferValveSwitch(PanelSurface& surface, QWidget* parent, const char* name, ControlSite& site,
                      std::string plate);
  std::string Title() const override { return "Transfer valve"; }
  std::string ValueText() const override;
  void Sync(bool force) override;
  // The toggle's picture shown.
  const char* TogglePicture() const;

 protected:
  void Paint(QPainter& p) override;
  bool Press(ControlPoint point) override;
  bool Move(ControlPoint point) override;
  bool Key(QKeyEvent* event) override;

 private:
  std::string plate_;
  std::string shown_;
};

// The master flowmeter: its picture, the selector knob pointing at the
// chosen position; a press or drag around (88, 39), or Left and Right,
// choose.
class FlowmeterSelector : public ControlWidget {
 public:
  FlowmeterSelector(PanelSurface& surface, QWidget* parent, const char* name, ControlSite& site,
                    std::string picture);
  std::string Title() const override { return "Flowmeter selector"; }
  std::string ValueText() const override;
  void Sync(bool force) override;

 protected:
  void Paint(QPainter& p) override;
  bool Press(ControlPoint point) override;
  bool Move(ControlPoint point) override;
  bool Key(QKeyEvent* event) override;

 private:
  std::string picture_;
  int shown_ = -1;
};

}  // namespace pumpdrill
