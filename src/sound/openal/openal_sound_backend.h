// The sound output of the windowed program, through OpenAL Soft: one source
// per cue voice. Without a device it fails softly: Open reports the step and
// OpenAL's error name, and every later call does nothing.
#pragma once

#include <array>
#include <string>

#include "sound/sound_backend.h"

struct ALCdevice_struct;
struct ALCcontext_struct;

namespace pumpdrill {

class OpenAlSoundBackend : public SoundBackend {
 public:
  static constexpr int kVoices = 14;

  ~OpenAlSoundBackend() override { Close(); }

  bool Open(std::string& step, std::string& error) override;
  void Close() override;
  bool Load(int voice, const WavSound& sound, std::string& error) override;
  void Play(int voice, bool loop) override;
  void Stop(int voice) override;
  void SetGain(int voice, double gain) override;
  void SetPitch(int voice, double pitch) override;
  bool IsPlaying(int voice) override;
  void Release(int voice) override;

  // False once the device has gone away during a run (unplugged); the run
  // then goes on silently.
  bool Connected();

 private:
  bool Usable(int voice);

  ALCdevice_struct* device_ = nullptr;
  ALCcontext_struct* context_ = nullptr;
  std::array<unsigned, kVoices> sources_{};
  std::array<unsigned, kVoices> buffers_{};
  bool lost_ = false;
};

// The number of sound output devices OpenAL lists when its default device
// opens; 0 when it does not open.
int CountWaveDevices();

}  // namespace pumpdrill
