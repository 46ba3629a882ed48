#include "sound/sound_options_view.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "frame/text_values.h"

namespace pumpdrill {

SoundOptionsView ShowSoundOptions(const SoundOptionsInput& in) {
  SoundOptionsView v;
  v.CardInstalled = in.SoundCard;
  v.ShowNoCard = !in.SoundCard;
  v.ShowOutputMissing = in.SoundCard && !in.OutputOk;
  const bool available = in.SoundCard && in.OutputOk;
  v.UseSound = {available, available && in.UseSound};
  if (!available || !in.UseSound) return v;
  v.EngineSound = {true, in.EngineSound};
  v.RandomCalls = {true, in.RandomCalls};
  v.Primer = {false, true};
  v.TestEngine = in.EngineSound && !in.Running;
  v.TestRandomCall = in.RandomCalls && !in.Running;
  v.TestPrimer = !in.Running;
  v.Volume = in.EngineSound;
  return v;
}

std::vector<std::string> FindRandomCallFiles(const std::string& soundsDirectory) {
  std::vector<std::string> found;
  std::error_code ec;
  for (std::filesystem::directory_iterator it(soundsDirectory, ec), end; !ec && it != end;
       it.increment(ec)) {
    const std::string name = it->path().filename().string();
    const std::string lower = LowerCase(name);
    if (lower.size() == 10 && lower.starts_with("call") && lower.ends_with(".wav") &&
        it->is_regular_file(ec))
      found.push_back(name);
  }
  std::sort(found.begin(), found.end());
  return found;
}

}  // namespace pumpdrill
