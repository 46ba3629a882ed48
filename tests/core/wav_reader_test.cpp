#include <gtest/gtest.h>

#include "sound/wav_reader.h"
#include "wav_bytes.h"

namespace pumpdrill::testing {
namespace {

std::string Extensible(int subFormat) {
  std::string body = FmtBody(0xFFFE, 2, 44100, 16) + Le(22, 2) + Le(16, 2) + Le(3, 4) +
                     Le(subFormat, 2) + std::string(14, 'x');
  return Riff(Chunk("fmt ", body) + Chunk("data", std::string(40, '\0')));
}

struct WavCase {
  const char* name;
  std::string bytes;
  const char* error;  // empty: it reads
  int channels = 0, bits = 0, rate = 0;
  std::size_t frames = 0;
};

TEST(WavReader, GoodAndDamagedFiles) {
  const std::string good = PcmWav(22050, 1, 16, 10);
  const std::string fmt = Chunk("fmt ", FmtBody(1, 1, 8000, 8));
  const WavCase cases[] = {
      {"mono 16", good, "", 1, 16, 22050, 10},
      {"stereo 8", PcmWav(11025, 2, 8, 7), "", 2, 8, 11025, 7},
      {"data before fmt, list chunk between",
       Riff(Chunk("data", std::string(5, 'a')) + Chunk("LIST", "odd") + fmt), "", 1, 8, 8000, 5},
      {"extensible PCM", Extensible(1), "", 2, 16, 44100, 10},
      {"extensible float", Extensible(3), "CreateSoundBuffer: format 3 is not PCM"},
      {"empty", "", "CreateSoundBuffer: the file is empty"},
      {"not RIFF", std::string(44, 'z'), "CreateSoundBuffer: not a RIFF WAVE file"},
      {"data cut short", good.substr(0, good.size() - 4), "LoadStaticSound: EOF bei 60"},
      {"oversized data chunk", Riff(fmt + Chunk("data", "ab", 0x7FFFFFF0)),
       "LoadStaticSound: EOF bei 46"},
      {"oversized other chunk", Riff(Chunk("junk", "ab", 1000) + fmt),
       "CreateSoundBuffer: the chunk 'junk' runs past the end of the file"},
      {"fmt cut short", Riff(Chunk("fmt ", "abcd")), "CreateSoundBuffer: the format chunk is cut short"},
      {"no data", Riff(fmt), "CreateSoundBuffer: no data chunk"},
      {"no fmt", Riff(Chunk("data", "abcd")), "CreateSoundBuffer: no format chunk"},
      {"empty data", Riff(fmt + Chunk("data", "")), "CreateSoundBuffer: no sound data"},
      {"24 bit", Riff(Chunk("fmt ", FmtBody(1, 1, 8000, 24)) + Chunk("data", "abcdef")),
       "CreateSoundBuffer: 24 bits per sample (8 or 16 can be played)"},
      {"6 channels", Riff(Chunk("fmt ", FmtBody(1, 6, 8000, 16)) + Chunk("data", std::string(12, 0))),
       "CreateSoundBuffer: 6 channels (mono or stereo can be played)"},
      {"header only", good.substr(0, 20), "CreateSoundBuffer: the format chunk is cut short"},
  };
  for (const WavCase& c : cases) {
    SCOPED_TRACE(c.name);
    WavSound sound;
    std::string error;
    bool ok = ReadWav(c.bytes, sound, error);
    EXPECT_EQ(ok, std::string(c.error).empty());
    if (ok) {
      EXPECT_EQ(sound.Channels, c.channels);
      EXPECT_EQ(sound.BitsPerSample, c.bits);
      EXPECT_EQ(sound.SampleRate, c.rate);
      EXPECT_EQ(sound.Frames(), c.frames);
    } else {
      EXPECT_EQ(error, c.error);
    }
  }
}

TEST(WavReader, EveryCutOfAFileIsRefusedWithoutReadingPastIt) {
  const std::string good = PcmWav(22050, 2, 16, 4);
  for (std::size_t n = 0; n < good.size(); ++n) {
    WavSound sound;
    std::string error;
    EXPECT_FALSE(ReadWav(std::string_view(good).substr(0, n), sound, error)) << n;
    EXPECT_FALSE(error.empty());
  }
}

TEST(WavReader, MissingFileNamesIt) {
  WavSound sound;
  std::string error;
  EXPECT_FALSE(ReadWavFile("/nonexistent/x.wav", sound, error));
  EXPECT_EQ(error, "Datei nicht gefunden: /nonexistent/x.wav");
}

}  // namespace
}  // namespace pumpdrill::testing
