#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <cmath>
#include <memory>

#include "frame/program.h"
#include "main_window_fixture.h"
#include "sound/gui/frm_sound.h"
#include "sound/gui/sound_system.h"
#include "sound/recording_sound_backend.h"
#include "window_test_support.h"
#include "../core/wav_bytes.h"

namespace pumpdrill::testing {
namespace {

constexpr const char* kNotHeard =
    "Check that your speakers are plugged in, and that your sound levels are adjusted.";

// The sound options of a program started in a scratch main directory with
// the given number of wave devices, over the recording sound output.
class FrmSoundTest : public ::testing::Test {
 protected:
  void Start(int waveDevices, const std::string& outputError = {}) {
    StartupInfo info;
    info.ProgramPath = std::string(PUMPDRILL_BIN_DIR) + "/pumpdrill";
    info.MainDirectory = dir.path().string();
    info.WaveDevices = waveDevices;
    AllocateAndResolve(p, info, host);
    ReadSettingsAndStartLog(p, info);
    backend.openError = outputError;
    sound = std::make_unique<SoundSystem>(backend, p.config.Options, host, host);
    sound->Start(waveDevices, p.config.Options.EngVolPercent, p.Dirs().SoundsDirectory);
    backend.log.clear();
    host.messages.clear();
    dialog = std::make_unique<TfrmSound>(p, host, sound.get());
    dialog->show();
  }
  // At the box's left, where its indicator is.
  void Click(QAbstractButton* b) { QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(8, b->height() / 2)); }
  std::string IniText() { return ReadTextFile(p.ConfigPath()); }
  // The start-up moves into the main directory; the scratch one goes away.
  void TearDown() override {
    dialog.reset();
    std::filesystem::current_path(saved);
  }

  std::filesystem::path saved = std::filesystem::current_path();
  ScratchMainDir dir{false};
  TestWindowHost host;
  Program p;
  RecordingSoundBackend backend;
  std::unique_ptr<SoundSystem> sound;
  std::unique_ptr<TfrmSound> dialog;
};

TEST_F(FrmSoundTest, WithoutASoundCardEverythingIsOff) {
  Start(0);
  EXPECT_EQ(dialog->windowTitle(), "Sound");
  EXPECT_TRUE(dialog->RadioSndCardNotInstalled->isChecked());
  EXPECT_TRUE(dialog->LblSndCardNotInstalled->isVisible());
  EXPECT_FALSE(dialog->lblDirectSndNotAvailable->isVisible());
  for (QCheckBox* box : {dialog->CheckBoxWavUse, dialog->CheckBoxEngUse, dialog->CheckBoxRndCallsUse,
                         dialog->CheckBoxPrimerUse}) {
    EXPECT_FALSE(box->isEnabled()) << box->objectName().toStdString();
    EXPECT_FALSE(box->isChecked()) << box->objectName().toStdString();
  }
  EXPECT_FALSE(dialog->BtnCheckEngSnd->isEnabled());
  EXPECT_FALSE(dialog->TrackBarEngVolume->isEnabled());
  EXPECT_EQ(dialog->LblVolume->text(), "Volume: 85 %");
  EXPECT_TRUE(backend.log.empty());  // nothing was tried
  Screenshot(*dialog, "frmSound_no_card");
}

TEST_F(FrmSoundTest, AFailedSoundOutputIsNamedAndSoundCannotBeChosen) {
  Start(1, "ALC_INVALID_DEVICE");
  EXPECT_EQ(host.messages.size(), 0u);  // shown once at start-up, cleared above
  EXPECT_TRUE(dialog->RadioSndCardInstalled->isChecked());
  EXPECT_TRUE(dialog->lblDirectSndNotAvailable->isVisible());
  EXPECT_EQ(dialog->lblDirectSndNotAvailable->text(), "Sound output NOT available !");
  EXPECT_FALSE(dialog->CheckBoxWavUse->isEnabled());
  Screenshot(*dialog, "frmSound_output_failed");
}

TEST_F(FrmSoundTest, UncheckingUseSoundTurnsTheOthersOff) {
  Start(1);
  Screenshot(*dialog, "frmSound_card");
  EXPECT_TRUE(dialog->CheckBoxWavUse->isChecked());
  EXPECT_TRUE(dialog->CheckBoxEngUse->isEnabled());
  EXPECT_TRUE(dialog->CheckBoxPrimerUse->isChecked());
  EXPECT_FALSE(dialog->CheckBoxPrimerUse->isEnabled());
  EXPECT_TRUE(dialog->BtnCheckEngSnd->isEnabled());
  Click(dialog->CheckBoxEngUse);
  EXPECT_FALSE(dialog->BtnCheckEngSnd->isEnabled());
  EXPECT_FALSE(dialog->TrackBarEngVolume->isEnabled());
  Click(dialog->CheckBoxWavUse);
  for (QCheckBox* box : {dialog->CheckBoxEngUse, dialog->CheckBoxRndCallsUse, dialog->CheckBoxPrimerUse})
    EXPECT_FALSE(box->isEnabled() || box->isChecked()) << box->objectName().toStdString();
  Click(dialog->CheckBoxWavUse);
  EXPECT_TRUE(dialog->CheckBoxEngUse->isEnabled());
  EXPECT_FALSE(dialog->CheckBoxEngUse->isChecked());
}

// Each test button plays its sound with the dialog's choices, asks, stops
// the sound and leaves the stored options as they were.
TEST_F(FrmSoundTest, TestButtonsPlayAskAndStop) {
  struct Case {
    const char* name;
    int tag;
    const char* callFile;  // put in the sounds folder first
    Answer answer;
    const char* played;    // what the output was asked to start
    int stoppedCue;
    std::string texts;
  } cases[] = {
      {"engine, not heard", TfrmSound::kTagEngine, nullptr, Answer::No, "play 0", 0,
       std::string("Pumpdrill detects a sound card, and is now playing the engine sound.  Do you hear it?\n") +
           kNotHeard + "\n"},
      {"primer, heard", TfrmSound::kTagPrimer, nullptr, Answer::Yes, "play 3", 3,
       "Pumpdrill detects a sound card, and is now playing the primer sound.  Do you hear it?\n"},
      {"radio, no calls", TfrmSound::kTagRadio, nullptr, Answer::Yes, nullptr, -1,
       "No random radio calls were found in {snd}\n"},
      {"radio, a call", TfrmSound::kTagRadio, "Call07.wav", Answer::Yes, "play 13", 13,
       "Pumpdrill detects a sound card, and is now playing a radio call.  Do you hear it?\n"},
  };
  Start(1);
  // Stored: sound off; the dialog's choice is sound and engine on.
  p.config.Options.UseWavSound = false;
  p.config.Options.EngineSound = false;
  p.config.Options.RadioUse = false;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    backend.log.clear();
    host.messages.clear();
    if (c.callFile) std::ofstream(p.Dirs().SoundsDirectory + c.callFile, std::ios::binary) << PcmWav(11025);
    host.answers = {c.answer};
    dialog->BtnCheckClick(c.tag);
    std::string texts;
    for (const ShownMessage& m : host.messages) texts += m.text + "\n";
    std::string expected = c.texts;
    if (auto at = expected.find("{snd}"); at != std::string::npos)
      expected.replace(at, 5, p.Dirs().SoundsDirectory);
    EXPECT_EQ(texts, expected);
    if (c.played) {
      EXPECT_EQ(backend.Count(c.played), 1);
    }
    if (c.stoppedCue >= 0) {
      EXPECT_FALSE(backend.IsPlaying(c.stoppedCue));
    }
    EXPECT_FALSE(p.config.Options.UseWavSound);
    EXPECT_FALSE(p.config.Options.EngineSound);
    EXPECT_FALSE(p.config.Options.RadioUse);
  }
}

TEST_F(FrmSoundTest, TheEngineTestPlaysAtTheSliderVolumeAndTheStoredOneReturns) {
  Start(1);
  dialog->TrackBarEngVolume->setValue(6);
  EXPECT_EQ(dialog->LblVolume->text(), "Volume: 6 %");
  host.answers = {Answer::Yes};
  dialog->BtnCheckClick(TfrmSound::kTagEngine);
  EXPECT_NEAR(backend.voices[0].Gain, std::pow(10.0, -9400 / 2000.0), 1e-12);
  EXPECT_EQ(sound->layer().EngineVolume(), EngineVolumeHundredthsDb(85));
}

TEST_F(FrmSoundTest, OkStoresAndWritesCancelDoesNot) {
  struct Case {
    const char* name;
    bool ok;
  } cases[] = {{"Cancel", false}, {"OK", true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Start(1);
    p.run.SimActive = true;
    sound->SoundCue(SND_ENG_LOOP_SET_THROTTLE, 40000);
    const std::string before = IniText();
    Click(dialog->CheckBoxRndCallsUse);
    dialog->TrackBarEngVolume->setValue(40);
    Click(dialog->CheckBoxWavUse);
    Click(c.ok ? dialog->BtnOK : dialog->BtnCancel);
    EXPECT_FALSE(dialog->isVisible());
    const TOptions& o = p.config.Options;
    EXPECT_EQ(o.UseWavSound, !c.ok);
    EXPECT_EQ(o.RadioUse, !c.ok);
    EXPECT_EQ(o.EngVolPercent, c.ok ? 40 : 85);
    EXPECT_EQ(sound->layer().EngineVolume(), EngineVolumeHundredthsDb(c.ok ? 40 : 85));
    // Sound switched off during a run stops what plays.
    EXPECT_EQ(backend.IsPlaying(SND_ENG_LOOP_SET_THROTTLE), !c.ok);
    if (c.ok) {
      EXPECT_NE(IniText().find("Sound: Eng Vol Percent=40"), std::string::npos) << IniText();
    } else {
      EXPECT_EQ(IniText(), before);
    }
    p.run.SimActive = false;
  }
}

// The Options menu: 'Sound' opens the dialog, 'Mute Sound' (Ctrl+M)
// silences every cue until chosen again.
class SoundMenuTest : public MainWindowFixture {};

TEST_F(SoundMenuTest, MuteSoundAndTheSoundDialog) {
  RecordingSoundBackend backend;
  TOptions& options = p.config.Options;
  SoundSystem sound(backend, options, host, host);
  host.SetSound(&sound);
  OpenMainWindow();
  sound.Start(1, 85, p.Dirs().SoundsDirectory);
  options.UseWavSound = options.EngineSound = true;
  ASSERT_TRUE(w->mOptionsSound->isEnabled());
  EXPECT_EQ(w->mMuteSound->shortcut(), QKeySequence("Ctrl+M"));

  sound.SoundCue(SND_ENG_LOOP_SET_THROTTLE, 30000);
  QTest::keyClick(w.get(), Qt::Key_M, Qt::ControlModifier);
  EXPECT_TRUE(w->mMuteSound->isChecked());
  EXPECT_FALSE(backend.IsPlaying(SND_ENG_LOOP_SET_THROTTLE));
  sound.SoundCue(SND_START_SIM, -1);
  EXPECT_FALSE(backend.IsPlaying(SND_START_SIM));
  QTest::keyClick(w.get(), Qt::Key_M, Qt::ControlModifier);
  EXPECT_FALSE(w->mMuteSound->isChecked());
  sound.SoundCue(SND_START_SIM, -1);
  EXPECT_TRUE(backend.IsPlaying(SND_START_SIM));

  bool opened = false;
  QTimer::singleShot(0, [&] {
    auto* d = qobject_cast<TfrmSound*>(QApplication::activeModalWidget());
    opened = d != nullptr;
    if (d) d->BtnCancel->click();
  });
  w->mOptionsSound->trigger();
  EXPECT_TRUE(opened);
  w.reset();
  host.SetSound(nullptr);
}

}  // namespace
}  // namespace pumpdrill::testing

namespace pumpdrill::testing {
namespace {

// A sound message during a run does not wait for its OK.
TEST(WindowHostNotify, ShowsABoxAndReturnsAtOnce) {
  WindowHost host;
  host.Notify(MsgType::Error, "Datei nicht gefunden: call01.wav");
  QMessageBox* box = nullptr;
  for (QWidget* w : QApplication::topLevelWidgets())
    if (w->objectName() == "NotifyBox" && w->isVisible()) box = qobject_cast<QMessageBox*>(w);
  ASSERT_NE(box, nullptr);
  EXPECT_FALSE(box->isModal());
  EXPECT_EQ(box->text(), "Datei nicht gefunden: call01.wav");
  EXPECT_EQ(box->icon(), QMessageBox::Critical);
  box->close();
}

}  // namespace
}  // namespace pumpdrill::testing
