// Reading WAV sounds: PCM, 8 or 16 bits, mono or stereo, at any rate, also
// in the extensible format; chunks may come in any order. The reader works
// on bytes in memory, so program sounds and files share it, and it never
// reads past the end of what it is given.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace pumpdrill {

struct WavSound {
  int Channels = 0;         // 1 or 2
  int BitsPerSample = 0;    // 8 or 16
  int SampleRate = 0;       // samples per second
  std::string Data;         // the PCM frames as stored
  std::size_t Frames() const {
    std::size_t frame = static_cast<std::size_t>(Channels) * (BitsPerSample / 8);
    return frame ? Data.size() / frame : 0;
  }
};

// The largest sound accepted, file or data.
inline constexpr std::size_t kMaxWavBytes = 64u * 1024u * 1024u;

// Decodes the bytes of a WAV file. On failure returns false with error
// holding the message to show: "LoadStaticSound: EOF bei " + the position
// where a data chunk cut short ends, or "CreateSoundBuffer: " + the reason.
bool ReadWav(std::string_view bytes, WavSound& sound, std::string& error);

// Reads and decodes a WAV file; a missing file gives
// "Datei nicht gefunden: " + path.
bool ReadWavFile(const std::string& path, WavSound& sound, std::string& error);

}  // namespace pumpdrill
