// WAV file bytes built by hand for the sound tests.
#pragma once

#include <cstdint>
#include <string>

namespace pumpdrill::testing {

inline std::string Le(std::uint32_t v, int bytes) {
  std::string s;
  for (int i = 0; i < bytes; ++i) s += static_cast<char>((v >> (8 * i)) & 0xFF);
  return s;
}

inline std::string Chunk(const std::string& id, const std::string& body, std::uint32_t size = ~0u) {
  std::string c = id + Le(size == ~0u ? static_cast<std::uint32_t>(body.size()) : size, 4) + body;
  if (body.size() % 2) c += '\0';
  return c;
}

inline std::string FmtBody(int format, int channels, int rate, int bits) {
  int align = channels * bits / 8;
  return Le(format, 2) + Le(channels, 2) + Le(rate, 4) + Le(rate * align, 4) + Le(align, 2) +
         Le(bits, 2);
}

inline std::string Riff(const std::string& chunks) {
  return "RIFF" + Le(static_cast<std::uint32_t>(chunks.size() + 4), 4) + "WAVE" + chunks;
}

// A plain PCM file of the given frames of silence.
inline std::string PcmWav(int rate, int channels = 1, int bits = 16, int frames = 100) {
  return Riff(Chunk("fmt ", FmtBody(1, channels, rate, bits)) +
              Chunk("data", std::string(static_cast<std::size_t>(frames * channels * bits / 8), '\0')));
}

}  // namespace pumpdrill::testing
