#include "sound/radio_calls.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <filesystem>
#include <system_error>

#include "sound/call_text_file.h"
#include "sound/sound_layer.h"
#include "sound/sound_options_view.h"

namespace pumpdrill {

namespace {

bool FileExists(const std::string& path) {
  std::error_code ec;
  return std::filesystem::is_regular_file(path, ec);
}

}  // namespace

void OfferPriorityCall(const std::string& fileName, const RadioOutput& out, Host& host) {
  const bool textOnly = UpperExtension(fileName) == ".WTX";
  if (textOnly || !out.Sound) {
    const std::string textFile = ResolveSoundFile(out.SoundsDirectory, BaseName(fileName) + ".WTX");
    if (textOnly && !FileExists(textFile)) {
      host.Notify(MsgType::Error, "Datei nicht gefunden: " + textFile);
      return;
    }
    CallText text;
    std::string error;
    if (!ReadCallTextFile(textFile, text, error)) host.Notify(MsgType::Error, error);
    IncidentCall call;
    call.Caption = text.Description.empty() ? BaseName(fileName) : text.Description;
    call.Lines = text.Lines;
    call.Time = out.ElapsedText;
    host.ShowIncidentCall(call);
    return;
  }
  const std::string sound = ResolveSoundFile(out.SoundsDirectory, fileName);
  if (!FileExists(sound)) {
    host.Notify(MsgType::Error, "Datei nicht gefunden: " + sound);
    return;
  }
  host.SoundCue(SND_PRIORITY_RADIO_CALL, -1, false, sound);
}

void FindRandomCalls(RadioCallState& radio, const std::string& soundsDirectory) {
  radio.RandomCalls.clear();
  radio.Unplayed.clear();
  for (const std::string& name : FindRandomCallFiles(soundsDirectory)) {
    const std::string digits = name.substr(4, 2);
    if (!std::isdigit(static_cast<unsigned char>(digits[0])) ||
        !std::isdigit(static_cast<unsigned char>(digits[1])))
      continue;
    const int number = std::stoi(digits);
    if (number < 1 || number > 64) continue;
    // "call07.WAV" and "CALL07.wav" are the same call: the first found counts.
    bool known = false;
    for (const std::string& have : radio.RandomCalls) known = known || have.substr(4, 2) == digits;
    if (known) continue;
    radio.Unplayed.push_back(static_cast<int>(radio.RandomCalls.size()));
    radio.RandomCalls.push_back(name);
  }
}

double NextRandomCallTime(double now, double mean, double variance, RandomSource& random) {
  const double m = std::max(mean, 1.0);
  const double v = std::max(variance, 0.0);
  const int spread = static_cast<int>(std::lround(v + 1.0));
  return now + m + (-v / 2.0 + random.Below(spread));
}

std::string DrawRandomCall(RadioCallState& radio, RandomSource& random) {
  if (radio.RandomCalls.empty()) return "";
  if (radio.Unplayed.empty())
    for (int i = 0; i < static_cast<int>(radio.RandomCalls.size()); ++i)
      radio.Unplayed.push_back(i);
  const int pick = random.Below(static_cast<int>(radio.Unplayed.size()));
  const int call = radio.Unplayed[pick];
  radio.Unplayed.erase(radio.Unplayed.begin() + pick);
  return radio.RandomCalls[call];
}

void LoadSchedule(TRadioMessagesRec& r, const std::vector<ScheduledCall>& calls) {
  std::vector<ScheduledCall> good;
  for (const ScheduledCall& call : calls)
    if (call.Fault == CallFault::None) good.push_back(call);
  std::stable_sort(good.begin(), good.end(), [](const ScheduledCall& a, const ScheduledCall& b) {
    return a.Seconds < b.Seconds;
  });
  SetRadioMessagesDefaults(r);
  for (int i = 0; i < static_cast<int>(good.size()) && i < kRadioCallCount; ++i) {
    r.CallTime[i] = good[i].Seconds;
    r.CallFile[i] = good[i].Name;
  }
  RewindSchedule(r);
}

void RewindSchedule(TRadioMessagesRec& r) {
  r.NextCall = 0;
  r.NextCallTime = r.CallFile[0].empty() ? kNoNextCallTime : r.CallTime[0];
}

}  // namespace pumpdrill
