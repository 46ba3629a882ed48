#include "sound/gui/sound_system.h"

#include "program_sounds.h"

namespace pumpdrill {

SoundSystem::SoundSystem(SoundBackend& backend, const TOptions& options, Clock& clock, Alerts& alerts)
    : layer_(backend, options, clock, alerts) {
  poll_.setInterval(kPollMs);
  poll_.setTimerType(Qt::PreciseTimer);
  connect(&poll_, &QTimer::timeout, this, &SoundSystem::Poll);
}

SoundSystem::~SoundSystem() { Shutdown(); }

void SoundSystem::Start(int waveDevices, int engineVolumePercent, const std::string& soundsDirectory) {
  layer_.SetSoundsDirectory(soundsDirectory);
  layer_.SetEngineVolume(engineVolumePercent);
  if (waveDevices <= 0) return;
  initFailed_ = !layer_.InitSound(ProgramSoundBytes);
}

void SoundSystem::Shutdown() {
  poll_.stop();
  layer_.ShutdownSound();
}

void SoundSystem::SoundCue(int cue, int param, bool flag, const std::string& file) {
  layer_.SoundCue(cue, param, flag, file);
  if (layer_.HasPending() && !poll_.isActive()) poll_.start();
}

void SoundSystem::Poll() {
  layer_.Poll();
  if (!layer_.HasPending()) poll_.stop();
}

}  // namespace pumpdrill
