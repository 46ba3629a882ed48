// WAV sounds: any bytes either fail with a message or give whole frames.
#include <cstdio>
#include <cstdlib>

#include "fuzz_run.h"
#include "sound/wav_reader.h"

using namespace pumpdrill;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  WavSound sound;
  std::string error;
  if (!ReadWav(std::string_view(reinterpret_cast<const char*>(data), size), sound, error)) return 0;
  const bool channels = sound.Channels == 1 || sound.Channels == 2;
  const bool bits = sound.BitsPerSample == 8 || sound.BitsPerSample == 16;
  if (!channels || !bits || sound.SampleRate <= 0) {
    std::fprintf(stderr, "a WAV read with %d channels, %d bits, %d per second\n", sound.Channels,
                 sound.BitsPerSample, sound.SampleRate);
    std::abort();
  }
  (void)sound.Frames();
  return 0;
}
