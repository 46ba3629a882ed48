// The main window's sound items of the Options menu.
#include "frame/gui/frm_main.h"
#include "frame/gui/window_host.h"
#include "sound/gui/frm_sound.h"
#include "sound/gui/sound_system.h"

namespace pumpdrill {

void TfrmMain::ConnectSoundMenu() {
  mOptionsSound->setEnabled(true);
  connect(mOptionsSound, &QAction::triggered, this, &TfrmMain::mOptionsSoundClick);
  mMuteSound->setCheckable(true);
  mMuteSound->setShortcut(QKeySequence("Ctrl+M"));
  mMuteSound->setShortcutContext(Qt::ApplicationShortcut);
  mMuteSound->setEnabled(true);
  connect(mMuteSound, &QAction::toggled, this, &TfrmMain::mMuteSoundClick);
}

void TfrmMain::mOptionsSoundClick() {
  TfrmSound dialog(p_, host_, host_.Sound(), this);
  dialog.exec();
}

void TfrmMain::mMuteSoundClick(bool muted) {
  if (SoundSystem* sound = host_.Sound()) sound->layer().SetMuted(muted);
}

}  // namespace pumpdrill
