// What the cue layer needs of a sound output: one voice per cue, holding
// one sound, played once or looping.
#pragma once

#include <string>

#include "sound/wav_reader.h"

namespace pumpdrill {

class SoundBackend {
 public:
  virtual ~SoundBackend() = default;
  // Opens the output. On failure step names what failed and error why.
  virtual bool Open(std::string& step, std::string& error) = 0;
  virtual void Close() = 0;
  // Gives the voice the sound (replacing what it held); false with error
  // when the output cannot take it.
  virtual bool Load(int voice, const WavSound& sound, std::string& error) = 0;
  virtual void Play(int voice, bool loop) = 0;  // from the start
  virtual void Stop(int voice) = 0;
  virtual void SetGain(int voice, double gain) = 0;
  virtual void SetPitch(int voice, double pitch) = 0;
  virtual bool IsPlaying(int voice) = 0;
  virtual void Release(int voice) = 0;  // drops the voice's sound
};

}  // namespace pumpdrill
