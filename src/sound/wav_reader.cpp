#include "sound/wav_reader.h"

#include <filesystem>
#include <fstream>
#include <system_error>

namespace pumpdrill {

namespace {

constexpr std::uint16_t kFormatPcm = 1;
constexpr std::uint16_t kFormatExtensible = 0xFFFE;

std::uint32_t U32(std::string_view b, std::size_t at) {
  return static_cast<std::uint32_t>(static_cast<unsigned char>(b[at])) |
         static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 1])) << 8 |
         static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 2])) << 16 |
         static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 3])) << 24;
}

std::uint16_t U16(std::string_view b, std::size_t at) {
  return static_cast<std::uint16_t>(static_cast<unsigned char>(b[at]) |
                                    static_cast<unsigned char>(b[at + 1]) << 8);
}

bool Fail(std::string& error, const std::string& reason) {
  error = "CreateSoundBuffer: " + reason;
  return false;
}

}  // namespace

bool ReadWav(std::string_view b, WavSound& sound, std::string& error) {
  sound = WavSound{};
  if (b.empty()) return Fail(error, "the file is empty");
  if (b.size() > kMaxWavBytes) return Fail(error, "the sound is larger than 64 MB");
  if (b.size() < 12 || b.substr(0, 4) != "RIFF" || b.substr(8, 4) != "WAVE")
    return Fail(error, "not a RIFF WAVE file");

  bool haveFormat = false, haveData = false;
  std::uint16_t format = 0, channels = 0, bits = 0, blockAlign = 0;
  std::uint32_t rate = 0;
  std::size_t at = 12;
  while (at + 8 <= b.size() && !(haveFormat && haveData)) {
    std::string_view id = b.substr(at, 4);
    std::size_t size = U32(b, at + 4);
    std::size_t body = at + 8;
    std::size_t left = b.size() - body;
    if (id == "fmt ") {
      if (size < 16 || size > left) return Fail(error, "the format chunk is cut short");
      format = U16(b, body);
      channels = U16(b, body + 2);
      rate = U32(b, body + 4);
      blockAlign = U16(b, body + 12);
      bits = U16(b, body + 14);
      if (format == kFormatExtensible) {
        // The sub-format GUID begins with the format code.
        if (size < 40) return Fail(error, "the extensible format chunk is cut short");
        format = U16(b, body + 24);
      }
      haveFormat = true;
    } else if (id == "data") {
      if (size > left) {
        error = "LoadStaticSound: EOF bei " + std::to_string(b.size());
        return false;
      }
      sound.Data.assign(b.substr(body, size));
      haveData = true;
    } else if (size > left) {
      return Fail(error, "the chunk '" + std::string(id) + "' runs past the end of the file");
    }
    at = body + size + (size & 1);  // chunks are padded to even lengths
  }
  if (!haveFormat) return Fail(error, "no format chunk");
  if (!haveData) return Fail(error, "no data chunk");
  if (format != kFormatPcm) return Fail(error, "format " + std::to_string(format) + " is not PCM");
  if (bits != 8 && bits != 16)
    return Fail(error, std::to_string(bits) + " bits per sample (8 or 16 can be played)");
  if (channels != 1 && channels != 2)
    return Fail(error, std::to_string(channels) + " channels (mono or stereo can be played)");
  if (rate == 0 || rate > 384000) return Fail(error, "a sample rate of " + std::to_string(rate));
  if (blockAlign != channels * bits / 8) return Fail(error, "the frame size does not fit the format");
  if (sound.Data.size() < blockAlign) return Fail(error, "no sound data");
  sound.Data.resize(sound.Data.size() / blockAlign * blockAlign);
  sound.Channels = channels;
  sound.BitsPerSample = bits;
  sound.SampleRate = static_cast<int>(rate);
  return true;
}

bool ReadWavFile(const std::string& path, WavSound& sound, std::string& error) {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(path, ec)) {
    error = "Datei nicht gefunden: " + path;
    return false;
  }
  auto size = std::filesystem::file_size(path, ec);
  if (ec) {
    error = "Datei nicht gefunden: " + path;
    return false;
  }
  if (size > kMaxWavBytes) return Fail(error, "the sound is larger than 64 MB");
  std::ifstream in(path, std::ios::binary);
  std::string bytes(static_cast<std::size_t>(size), '\0');
  if (!in || !in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()))) {
    error = "Datei nicht gefunden: " + path;
    return false;
  }
  return ReadWav(bytes, sound, error);
}

}  // namespace pumpdrill
