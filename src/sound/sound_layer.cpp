#include "sound/sound_layer.h"

#include "frame/text_values.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <system_error>

namespace pumpdrill {

const std::array<const char*, kSoundCues> kSoundCueNames = {
    "SND_ENG_START",           "SND_ENG_LOOP_SET_THROTTLE", "SND_ENG_STOP",
    "SND_PRIMER_START",        "SND_PRIMER_PRIMING_LOOP",   "SND_PRIMER_PRIMED_LOOP",
    "SND_PRIMER_PRIMED_END",   "SND_PRIMER_NOT_PRIMED_END", "SND_START_SIM",
    "SND_COMPLETED_SIM",       "SND_RESUME_SIM",            "SND_WATER_HAMMER",
    "SND_PRIORITY_RADIO_CALL", "SND_GENERAL_RADIO_CALL"};

namespace {

bool IsEngine(int cue) { return cue >= SND_ENG_START && cue <= SND_ENG_STOP; }
bool IsPrimer(int cue) { return cue >= SND_PRIMER_START && cue <= SND_PRIMER_NOT_PRIMED_END; }
bool IsRadio(int cue) { return cue == SND_PRIORITY_RADIO_CALL || cue == SND_GENERAL_RADIO_CALL; }

}  // namespace

int EngineVolumeHundredthsDb(int percent) {
  percent = std::clamp(percent, 0, 100);
  return static_cast<int>(std::lround(percent / 100.0 * 10000.0 - 10000.0));
}

double GainOfHundredthsDb(int value) { return std::pow(10.0, value / 2000.0); }

double PitchOfFrequency(int hz, int sampleRate) {
  if (sampleRate <= 0) return 1.0;
  return std::clamp(hz, 100, 200000) / static_cast<double>(sampleRate);
}

std::string ResolveSoundFile(const std::string& soundsDir, const std::string& name) {
  namespace fs = std::filesystem;
  if (name.find('/') != std::string::npos) return name;
  std::string exact = soundsDir + name;
  std::error_code ec;
  if (fs::exists(exact, ec)) return exact;
  const std::string wanted = LowerCase(name);
  for (fs::directory_iterator it(soundsDir, ec), end; !ec && it != end; it.increment(ec))
    if (LowerCase(it->path().filename().string()) == wanted) return it->path().string();
  return exact;
}

SoundLayer::SoundLayer(SoundBackend& backend, const TOptions& options, Clock& clock, Alerts& alerts)
    : backend_(backend), options_(options), clock_(clock), alerts_(alerts) {
  SetEngineVolume(options.EngVolPercent);
}

bool SoundLayer::InitSound(const SoundResources& resources) {
  enabled_ = false;
  std::string step, error;
  if (!backend_.Open(step, error)) {
    alerts_.Message(MsgType::Error, Buttons::Ok, step + ": " + error);
    return false;
  }
  open_ = true;
  for (int cue = 0; cue < kProgramSoundCues; ++cue) {
    WavSound sound;
    std::string_view bytes = resources ? resources(kSoundCueNames[cue]) : std::string_view{};
    if (!ReadWav(bytes, sound, error) || !backend_.Load(cue, sound, error)) {
      alerts_.Message(MsgType::Error, Buttons::Ok,
                      std::string(kSoundCueNames[cue]) + ": " + error);
      return false;
    }
    voices_[cue] = Voice{sound.SampleRate};
  }
  enabled_ = true;
  return true;
}

bool SoundLayer::LoadStaticSound(const std::string& fileName, int cue) {
  WavSound sound;
  std::string error;
  if (!ReadWavFile(ResolveSoundFile(soundsDir_, fileName), sound, error) ||
      !backend_.Load(cue, sound, error)) {
    alerts_.Notify(MsgType::Error, error);
    return false;
  }
  voices_[cue] = Voice{sound.SampleRate};
  return true;
}

void SoundLayer::ShutdownSound() {
  if (!open_) return;
  for (int cue = 0; cue < kSoundCues; ++cue) {
    backend_.Stop(cue);
    backend_.Release(cue);
    voices_[cue] = Voice{};
  }
  engine_ = primer_ = Pending{};
  backend_.Close();
  open_ = enabled_ = false;
}

void SoundLayer::SetEngineVolume(int percent) {
  volume_ = EngineVolumeHundredthsDb(percent);
  engineGain_ = GainOfHundredthsDb(volume_);
}

void SoundLayer::SetMuted(bool muted) {
  if (muted && !muted_ && enabled_) {
    engine_ = primer_ = Pending{};
    StopRange(0, kSoundCues - 1);
    ReleaseRadio(SND_PRIORITY_RADIO_CALL);
    ReleaseRadio(SND_GENERAL_RADIO_CALL);
  }
  muted_ = muted;
}

double SoundLayer::GainOf(int cue) const { return IsEngine(cue) ? engineGain_ : 1.0; }

void SoundLayer::SetPitch(int cue, int frequency) {
  if (frequency < 0 || voices_[cue].Rate == 0) return;
  double pitch = PitchOfFrequency(frequency, voices_[cue].Rate);
  if (pitch == voices_[cue].Pitch) return;
  voices_[cue].Pitch = pitch;
  backend_.SetPitch(cue, pitch);
}

void SoundLayer::SetGain(int cue, double gain) {
  if (gain == voices_[cue].Gain) return;
  voices_[cue].Gain = gain;
  backend_.SetGain(cue, gain);
}

void SoundLayer::Play(int cue, bool loop, int frequency) {
  if (voices_[cue].Rate == 0) return;
  SetPitch(cue, frequency);
  SetGain(cue, GainOf(cue));
  backend_.Play(cue, loop);
}

void SoundLayer::Stop(int cue) {
  if (voices_[cue].Rate != 0) backend_.Stop(cue);
}

void SoundLayer::StopRange(int first, int last) {
  for (int cue = first; cue <= last; ++cue) Stop(cue);
}

void SoundLayer::ReleaseRadio(int cue) {
  if (voices_[cue].Rate == 0) return;
  backend_.Stop(cue);
  backend_.Release(cue);
  voices_[cue] = Voice{};
}

void SoundLayer::PlayRadio(int cue, const std::string& file) {
  ReleaseRadio(cue);
  if (LoadStaticSound(file, cue)) Play(cue, false);
}

void SoundLayer::SoundCue(int cue, int param, bool flag, const std::string& file) {
  if (!enabled_ || muted_ || !options_.UseWavSound) return;
  if (param == SoundCueStopAll) {
    engine_ = primer_ = Pending{};
    StopRange(SND_ENG_START, SND_START_SIM);
    Stop(SND_WATER_HAMMER);
    ReleaseRadio(SND_PRIORITY_RADIO_CALL);
    ReleaseRadio(SND_GENERAL_RADIO_CALL);
    return;
  }
  if (cue < 0 || cue >= kSoundCues) return;
  if (param == SoundCueStop) {
    if (IsEngine(cue)) {
      engine_ = Pending{};
      StopRange(SND_ENG_START, SND_ENG_STOP);
    } else if (IsPrimer(cue)) {
      primer_ = Pending{};
      StopRange(SND_PRIMER_START, SND_PRIMER_NOT_PRIMED_END);
    } else if (IsRadio(cue)) {
      ReleaseRadio(cue);
    } else {
      Stop(cue);
    }
    return;
  }
  const int loop = SND_ENG_LOOP_SET_THROTTLE;
  switch (cue) {
    case SND_ENG_START:
      if (!options_.EngineSound) return;
      if (engine_.Active || backend_.IsPlaying(loop)) return;
      Stop(loop);
      Play(SND_ENG_START, false);
      engine_ = Pending{true, clock_.MonotonicSeconds() + kEngineLoopDelay, param};
      return;
    case SND_ENG_LOOP_SET_THROTTLE:
      if (!options_.EngineSound) return;
      if (engine_.Active) {
        if (param >= 0) engine_.Frequency = param;
      } else if (backend_.IsPlaying(loop)) {
        SetPitch(loop, param);
        SetGain(loop, engineGain_);
      } else {
        Play(loop, true, param);
      }
      return;
    case SND_ENG_STOP:
      if (!options_.EngineSound) return;
      engine_ = Pending{};
      Stop(loop);
      Play(SND_ENG_STOP, false);
      return;
    case SND_PRIMER_START:
      primer_ = Pending{};
      Stop(SND_PRIMER_PRIMING_LOOP);
      Stop(SND_PRIMER_PRIMED_LOOP);
      Play(SND_PRIMER_START, false);
      primer_ = Pending{true, clock_.MonotonicSeconds() + kPrimerLoopDelay, -1, flag};
      return;
    case SND_PRIMER_PRIMING_LOOP:
    case SND_PRIMER_PRIMED_LOOP: {
      if (primer_.Active) {
        primer_.Primed = flag;
        return;
      }
      const int wanted = flag ? SND_PRIMER_PRIMED_LOOP : SND_PRIMER_PRIMING_LOOP;
      if (backend_.IsPlaying(wanted)) return;
      Stop(SND_PRIMER_PRIMING_LOOP);
      Stop(SND_PRIMER_PRIMED_LOOP);
      Play(wanted, true);
      return;
    }
    case SND_PRIMER_PRIMED_END:
    case SND_PRIMER_NOT_PRIMED_END:
      primer_ = Pending{};
      Play(flag ? SND_PRIMER_PRIMED_END : SND_PRIMER_NOT_PRIMED_END, false);
      Stop(SND_PRIMER_PRIMING_LOOP);
      Stop(SND_PRIMER_PRIMED_LOOP);
      return;
    case SND_PRIORITY_RADIO_CALL:
      PlayRadio(cue, file);
      return;
    case SND_GENERAL_RADIO_CALL:
      if (options_.RadioUse) PlayRadio(cue, file);
      return;
    default:
      Play(cue, false);
      return;
  }
}

bool SoundLayer::CuePlaying(int cue) {
  if (!open_ || cue < 0 || cue >= kSoundCues || voices_[cue].Rate == 0) return false;
  return backend_.IsPlaying(cue);
}

void SoundLayer::Poll() {
  const double now = clock_.MonotonicSeconds();
  const bool on = enabled_ && !muted_ && options_.UseWavSound;
  if (engine_.Active && now >= engine_.Due) {
    const int frequency = engine_.Frequency;
    engine_ = Pending{};
    if (on && options_.EngineSound) Play(SND_ENG_LOOP_SET_THROTTLE, true, frequency);
  }
  if (primer_.Active && now >= primer_.Due) {
    const bool primed = primer_.Primed;
    primer_ = Pending{};
    if (on) Play(primed ? SND_PRIMER_PRIMED_LOOP : SND_PRIMER_PRIMING_LOOP, true);
  }
}

}  // namespace pumpdrill
