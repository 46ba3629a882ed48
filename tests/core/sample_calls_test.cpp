// The sample radio calls the build speaks into the sounds folder (only
// where espeak-ng is installed).
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "sound/call_text_file.h"
#include "sound/radio_config.h"
#include "sound/wav_reader.h"

namespace pumpdrill {
namespace {

TEST(SampleRadioCalls, ReadAsWavsWithTheirTexts) {
  if (std::system("command -v espeak-ng > /dev/null 2>&1") != 0)
    GTEST_SKIP() << "espeak-ng is not installed";
  const std::string snd = std::string(PUMPDRILL_BIN_DIR) + "/../Snd/";
  std::vector<std::string> calls;
  for (int n = 1; n <= 12; ++n)
    calls.push_back((n < 10 ? "call0" : "call") + std::to_string(n) + ".WAV");
  calls.push_back("ictender.wav");
  for (const std::string& call : AvailableCalls(snd))
    if (UpperExtension(call) == ".WAV") calls.push_back(call);
  EXPECT_GE(calls.size(), 13u + 6u);
  for (const std::string& call : calls) {
    WavSound sound;
    std::string error;
    ASSERT_TRUE(ReadWavFile(snd + call, sound, error)) << error;
    EXPECT_EQ(sound.Channels, 1);
    EXPECT_GT(sound.Frames(), static_cast<std::size_t>(sound.SampleRate)) << call;  // over a second
    CallText text;
    ASSERT_TRUE(ReadCallTextFile(snd + BaseName(call) + ".WTX", text, error)) << error;
    EXPECT_FALSE(text.Description.empty()) << call;
    EXPECT_FALSE(text.Lines.empty()) << call;
  }
}

}  // namespace
}  // namespace pumpdrill
