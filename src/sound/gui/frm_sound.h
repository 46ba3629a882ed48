// The sound options: sound, engine sound and random radio calls on or off,
// the engine volume, and a test of each sound. Modal; OK stores the options
// and writes the configuration, Cancel leaves them as they were.
#pragma once

#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>

#include "frame/program.h"

namespace pumpdrill {

class SoundSystem;

class TfrmSound : public QDialog {
  Q_OBJECT

 public:
  // Tags of the test buttons: the cue each tests.
  enum CheckTag { kTagEngine = 0, kTagPrimer = 3, kTagRadio = 13 };

  // sound: the program's sound, or none (then it counts as not available).
  TfrmSound(Program& program, Alerts& alerts, SoundSystem* sound, QWidget* parent = nullptr);

  QRadioButton* RadioSndCardInstalled = nullptr;
  QRadioButton* RadioSndCardNotInstalled = nullptr;
  QLabel* LblSndCardNotInstalled = nullptr;
  QLabel* lblDirectSndNotAvailable = nullptr;
  QCheckBox* CheckBoxWavUse = nullptr;
  QCheckBox* CheckBoxEngUse = nullptr;
  QCheckBox* CheckBoxPrimerUse = nullptr;
  QCheckBox* CheckBoxRndCallsUse = nullptr;
  QLabel* LblVolume = nullptr;
  QSlider* TrackBarEngVolume = nullptr;
  QPushButton* BtnCheckEngSnd = nullptr;
  QPushButton* BtnCheckPrimerSnd = nullptr;
  QPushButton* BtnCheckRndCallSnd = nullptr;
  QPushButton* BtnOK = nullptr;
  QPushButton* BtnCancel = nullptr;

  void CheckBoxClick();
  void TrackBarEngVolumeChange(int position);
  void BtnCheckClick(int tag);
  void BtnOKClick();
  void done(int result) override;

 private:
  void BuildControls();
  void ShowOptions(bool useSound, bool engineSound, bool randomCalls);
  void ShowVolume();
  // Plays the tested cue with the dialog's choices switched on, asks whether
  // it is heard, and stops it.
  void TestSound(int tag);

  Program& p_;
  Alerts& alerts_;
  SoundSystem* sound_;
  int percent_ = 0;  // the volume the slider sets, stored on OK
  bool filling_ = false;
};

}  // namespace pumpdrill
