// The sound cue layer: the fourteen cues of the program and the rules by
// which they are played and stopped, over a SoundBackend. Nothing here
// waits: the engine loop after the starter and the primer loop after the
// primer start are follow-ups that fall due on a monotonic clock and are
// started by Poll, which the program runs on a short timer while
// HasPending() is true.
#pragma once

#include <array>
#include <functional>
#include <string>
#include <string_view>

#include "frame/options.h"
#include "sim/host.h"
#include "sound/sound_backend.h"

namespace pumpdrill {

inline constexpr int kSoundCues = 14;
inline constexpr int kProgramSoundCues = 12;  // cues 0 to 11 are the program's own sounds
extern const std::array<const char*, kSoundCues> kSoundCueNames;

// The bytes of a program sound by its name (empty when there is none).
using SoundResources = std::function<std::string_view(const std::string& name)>;

// The volume of the engine cues in hundredths of a decibel:
// round(percent / 100 * 10000 - 10000); 6 % gives -9400.
int EngineVolumeHundredthsDb(int percent);
double GainOfHundredthsDb(int value);  // 10^(value / 2000)

// Frequency in Hz to playback pitch for a sound of the given rate; the
// frequency is held to 100..200000 Hz.
double PitchOfFrequency(int hz, int sampleRate);

class SoundLayer : public SoundCues {
 public:
  static constexpr double kEngineLoopDelay = 0.8;  // starter to engine loop
  static constexpr double kPrimerLoopDelay = 0.4;  // primer start to its loop

  SoundLayer(SoundBackend& backend, const TOptions& options, Clock& clock, Alerts& alerts);

  // Opens the output and decodes the program sounds; a failing step shows
  // "%s: %s" and leaves the layer disabled.
  bool InitSound(const SoundResources& resources);
  // Loads a WAV file into a radio cue's voice; a name without a folder is
  // looked for in the sounds folder without regard to letter case.
  bool LoadStaticSound(const std::string& fileName, int cue);
  void ShutdownSound();

  void SoundCue(int cue, int param, bool flag = false, const std::string& file = {}) override;
  // Starts a follow-up that has fallen due.
  void Poll();
  bool HasPending() const { return engine_.Active || primer_.Active; }

  // The engine volume from "Sound: Eng Vol Percent" (start-up, the options
  // dialog closing, its tests).
  void SetEngineVolume(int percent);
  int EngineVolume() const { return volume_; }
  // Mute silences every cue at once and ignores requests until lifted.
  void SetMuted(bool muted);
  bool Muted() const { return muted_; }
  bool Enabled() const { return enabled_; }
  // Whether the cue's sound is playing now.
  bool CuePlaying(int cue);
  void SetSoundsDirectory(const std::string& dir) { soundsDir_ = dir; }

 private:
  struct Pending {
    bool Active = false;
    double Due = 0;
    int Frequency = -1;
    bool Primed = false;
  };
  struct Voice {
    int Rate = 0;            // sample rate of the loaded sound; 0 when none
    double Pitch = -1, Gain = -1;  // as last set
  };

  void Play(int cue, bool loop, int frequency = -1);
  void Stop(int cue);
  void StopRange(int first, int last);
  void ReleaseRadio(int cue);
  void SetPitch(int cue, int frequency);
  void SetGain(int cue, double gain);
  double GainOf(int cue) const;
  void PlayRadio(int cue, const std::string& file);

  SoundBackend& backend_;
  const TOptions& options_;
  Clock& clock_;
  Alerts& alerts_;
  std::array<Voice, kSoundCues> voices_{};
  Pending engine_, primer_;  // the engine loop and the primer loop to come
  bool enabled_ = false;
  bool open_ = false;
  bool muted_ = false;
  int volume_ = 0;
  double engineGain_ = 1;
  std::string soundsDir_;
};

// The file a radio cue names: a name with a folder as it stands, a bare
// name in soundsDir, matched without regard to letter case.
std::string ResolveSoundFile(const std::string& soundsDir, const std::string& name);

}  // namespace pumpdrill
