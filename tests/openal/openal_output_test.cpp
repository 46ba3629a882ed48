// The sound output through OpenAL Soft, each test in a process of its own:
// OpenAL chooses its driver once, from ALSOFT_DRIVERS, when first used.
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstdlib>
#include <thread>

#include "program_sounds.h"
#include "sim/host.h"
#include "sound/openal/openal_sound_backend.h"
#include "sound/sound_layer.h"
#include "sound/wav_reader.h"

namespace pumpdrill::testing {
namespace {

class CountingAlerts : public NullHost {
 public:
  Answer Message(MsgType type, Buttons buttons, const std::string& text) override {
    texts += text + "\n";
    return NullHost::Message(type, buttons, text);
  }
  std::string texts;
};

// ALSOFT_DRIVERS names no driver there is: no device.
TEST(OpenAlNoDevice, SilentWithOneMessageAtMost) {
  EXPECT_EQ(CountWaveDevices(), 0);
  OpenAlSoundBackend output;
  CountingAlerts host;
  TOptions options;
  SoundLayer layer(output, options, host, host);
  EXPECT_FALSE(layer.InitSound(ProgramSoundBytes));
  EXPECT_EQ(host.texts.rfind("Open sound device: ", 0), 0u) << host.texts;
  host.texts.clear();
  for (int cue = 0; cue < kSoundCues; ++cue) layer.SoundCue(cue, 30000, false, "call01.wav");
  layer.SoundCue(SND_ALL, SoundCueStopAll);
  layer.ShutdownSound();
  // The output itself, asked without a device, does nothing.
  output.Play(1, true);
  output.SetPitch(1, 2.0);
  EXPECT_FALSE(output.IsPlaying(1));
  EXPECT_EQ(host.texts, "");
}

// Zero crossings per second of the first channel, after a low-pass that
// leaves the drone's fundamental and first harmonics.
double CrossingsPerSecond(const WavSound& s) {
  const std::size_t frame = static_cast<std::size_t>(s.Channels) * 2;
  const std::size_t n = s.Data.size() / frame;
  double y = 0, prev = 0;
  int crossings = 0, counted = 0;
  for (std::size_t i = 0; i < n; ++i) {
    const auto lo = static_cast<unsigned char>(s.Data[i * frame]);
    const auto hi = static_cast<unsigned char>(s.Data[i * frame + 1]);
    const double v = static_cast<std::int16_t>(lo | hi << 8);
    y += (v - y) * 0.02;
    if (i > n / 5 && i < n * 4 / 5) {  // away from the start and the end
      crossings += (prev < 0) != (y < 0);
      ++counted;
    }
    prev = y;
  }
  return counted ? crossings * static_cast<double>(s.SampleRate) / counted : 0;
}

double PeakOf(const WavSound& s) {
  double peak = 0;
  for (std::size_t i = 0; i + 1 < s.Data.size(); i += 2)
    peak = std::max(peak, std::abs(static_cast<double>(static_cast<std::int16_t>(
                              static_cast<unsigned char>(s.Data[i]) | static_cast<unsigned char>(s.Data[i + 1]) << 8))));
  return peak;
}

// The engine loop at a frequency, written by OpenAL's wave-file driver.
WavSound RecordEngineLoop(int frequency) {
  OpenAlSoundBackend output;
  CountingAlerts host;
  TOptions options;
  options.EngVolPercent = 100;
  SoundLayer layer(output, options, host, host);
  EXPECT_TRUE(layer.InitSound(ProgramSoundBytes)) << host.texts;
  layer.SoundCue(SND_ENG_LOOP_SET_THROTTLE, frequency);
  for (int tick = 0; tick < 40; ++tick) {  // the tick asks every 15 ms
    std::this_thread::sleep_for(std::chrono::milliseconds(15));
    layer.SoundCue(SND_ENG_LOOP_SET_THROTTLE, frequency);
  }
  layer.ShutdownSound();
  WavSound sound;
  std::string error;
  EXPECT_TRUE(ReadWavFile(std::getenv("PUMPDRILL_WAVE_OUT"), sound, error)) << error;
  return sound;
}

TEST(OpenAlWaveOutput, TheEngineLoopSoundsAndAHigherFrequencyCrossesZeroMoreOften) {
  ASSERT_NE(std::getenv("PUMPDRILL_WAVE_OUT"), nullptr);
  EXPECT_GE(CountWaveDevices(), 1);
  const WavSound idle = RecordEngineLoop(30000);
  const WavSound fast = RecordEngineLoop(45000);
  EXPECT_GT(PeakOf(idle), 1000);
  EXPECT_GT(PeakOf(fast), 1000);
  const double ratio = CrossingsPerSecond(fast) / CrossingsPerSecond(idle);
  EXPECT_NEAR(ratio, 1.5, 0.2) << CrossingsPerSecond(idle) << " " << CrossingsPerSecond(fast);
}

}  // namespace
}  // namespace pumpdrill::testing
