#include "sound/radio_config.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <set>
#include <system_error>

#include "frame/text_values.h"
#include "sound/call_text_file.h"
#include "sound/sound_layer.h"

namespace pumpdrill {

namespace {

std::string Upper(std::string text) {
  for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return text;
}

}  // namespace

std::vector<std::string> AvailableCalls(const std::string& soundsDirectory) {
  std::vector<std::string> wavs, texts;
  std::error_code ec;
  for (std::filesystem::directory_iterator it(soundsDirectory, ec), end; !ec && it != end;
       it.increment(ec)) {
    if (!it->is_regular_file(ec)) continue;
    const std::string name = Upper(it->path().filename().string());
    const std::string ext = UpperExtension(name);
    if (ext == ".WAV" && name.find("CALL") == std::string::npos && name[0] != 'Z')
      wavs.push_back(name);
    if (ext == ".WTX") texts.push_back(name);
  }
  std::sort(wavs.begin(), wavs.end());
  wavs.erase(std::unique(wavs.begin(), wavs.end()), wavs.end());
  std::sort(texts.begin(), texts.end());
  texts.erase(std::unique(texts.begin(), texts.end()), texts.end());
  // A WAV call's own text travels with it; the list offers it once.
  std::set<std::string> allWavBases;
  for (std::filesystem::directory_iterator it(soundsDirectory, ec), end; !ec && it != end;
       it.increment(ec))
    if (UpperExtension(it->path().filename().string()) == ".WAV")
      allWavBases.insert(Upper(BaseName(it->path().filename().string())));
  for (const std::string& text : texts)
    if (!allWavBases.count(BaseName(text))) wavs.push_back(text);
  return wavs;
}

std::string CallListItem(const ScheduledCall& call, bool missing) {
  return CallTimeText(call.Seconds) + "  " + call.Name + (missing ? "  (missing)" : "");
}

void SortCallsByTime(std::vector<ScheduledCall>& calls) {
  std::stable_sort(calls.begin(), calls.end(), [](const ScheduledCall& a, const ScheduledCall& b) {
    return a.Seconds < b.Seconds;
  });
}

bool ValidTextOnlyName(const std::string& name) {
  if (name.find_first_not_of(' ') == std::string::npos) return false;
  for (char c : name)
    if (!std::isalnum(static_cast<unsigned char>(c)) && c != ' ' && c != '-' && c != '_')
      return false;
  return true;
}

std::string DeleteCallQuestion(const std::string& wavName, const std::string& wtxName) {
  std::string text = "Delete " + wavName;
  if (!wavName.empty() && !wtxName.empty()) text += " and ";
  return text + wtxName + " ?";
}

bool SoundFileExists(const std::string& soundsDirectory, const std::string& name) {
  std::error_code ec;
  return std::filesystem::is_regular_file(ResolveSoundFile(soundsDirectory, name), ec);
}

}  // namespace pumpdrill
