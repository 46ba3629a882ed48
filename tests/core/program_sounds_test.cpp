#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "program_sounds.h"
#include "sound/sound_layer.h"
#include "sound/wav_reader.h"

namespace pumpdrill::testing {
namespace {

std::vector<int> Samples16(const WavSound& s) {
  std::vector<int> v(s.Data.size() / 2);
  for (std::size_t i = 0; i < v.size(); ++i)
    v[i] = static_cast<std::int16_t>(static_cast<unsigned char>(s.Data[2 * i]) |
                                     static_cast<unsigned char>(s.Data[2 * i + 1]) << 8);
  return v;
}

// Every program sound: 16-bit mono, under 2.5 s, loud enough to hear and
// never at full scale; the loops join without a jump larger than any step
// inside them; the engine cues at 30000 samples/s.
TEST(ProgramSounds, AllTwelveReadableUnclippedAndLoopsJoin) {
  for (int cue = 0; cue < kProgramSoundCues; ++cue) {
    const std::string name = kSoundCueNames[cue];
    SCOPED_TRACE(name);
    WavSound sound;
    std::string error;
    ASSERT_TRUE(ReadWav(ProgramSoundBytes(name), sound, error)) << error;
    EXPECT_EQ(sound.Channels, 1);
    EXPECT_EQ(sound.BitsPerSample, 16);
    if (cue <= SND_ENG_STOP) {
      EXPECT_EQ(sound.SampleRate, 30000);
    }
    EXPECT_LT(sound.Frames(), static_cast<std::size_t>(2.5 * sound.SampleRate));
    const std::vector<int> v = Samples16(sound);
    int peak = 0, step = 0;
    for (std::size_t i = 0; i < v.size(); ++i) {
      peak = std::max(peak, std::abs(v[i]));
      if (i) step = std::max(step, std::abs(v[i] - v[i - 1]));
    }
    EXPECT_LT(peak, 32000);
    EXPECT_GT(peak, 16000);
    const bool loops = cue == SND_ENG_LOOP_SET_THROTTLE || cue == SND_PRIMER_PRIMING_LOOP ||
                       cue == SND_PRIMER_PRIMED_LOOP;
    if (loops) {
      EXPECT_LE(std::abs(v.front() - v.back()), step);
    } else {
      // Sounds played once start and end at rest: no click.
      EXPECT_LT(std::abs(v.front()), 400);
      EXPECT_LT(std::abs(v.back()), 400);
    }
  }
  EXPECT_TRUE(ProgramSoundBytes("SND_PRIORITY_RADIO_CALL").empty());
}

}  // namespace
}  // namespace pumpdrill::testing
