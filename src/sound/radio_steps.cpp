#include "sound/radio_steps.h"

#include "frame/configuration.h"
#include "frame/run_control.h"

namespace pumpdrill {

namespace {

void ScheduledCallStep(State& s, const RadioOutput& out, Host& host) {
  TRadioMessagesRec& r = s.RadioMessages;
  if (r.NextCall >= kRadioCallCount) return;
  const std::string file = r.CallFile[r.NextCall].str();
  if (file.empty() || s.SimClock.Time < r.CallTime[r.NextCall]) return;
  // A call due while another priority call sounds waits for its end.
  if (host.CuePlaying(SND_PRIORITY_RADIO_CALL)) return;
  ++r.NextCall;
  r.NextCallTime = r.NextCall < kRadioCallCount && !r.CallFile[r.NextCall].empty()
                       ? r.CallTime[r.NextCall]
                       : kNoNextCallTime;
  OfferPriorityCall(file, out, host);
}

void RandomCallStep(State& s, const Configuration& cfg, RunContext& run, Host& host) {
  RadioCallState& radio = run.Radio;
  if (!cfg.Options.RadioUse || radio.RandomCalls.empty() || s.SimClock.Time < radio.NextRandomTime)
    return;
  if (host.CuePlaying(SND_PRIORITY_RADIO_CALL) || host.CuePlaying(SND_GENERAL_RADIO_CALL)) return;
  const std::string file = DrawRandomCall(radio, radio.Random);
  radio.NextRandomTime = NextRandomCallTime(s.SimClock.Time, cfg.Options.RadioMean,
                                            cfg.Options.RadioVariance, radio.Random);
  host.SoundCue(SND_GENERAL_RADIO_CALL, -1, false, run.Dirs.SoundsDirectory + file);
}

// A message about the ITX, once until it says something else.
void Report(RadioCallState& radio, Host& host, const std::string& text) {
  if (text.empty() || text == radio.Reported) return;
  radio.Reported = text;
  host.Notify(MsgType::Warning, text);
}

}  // namespace

RadioOutput RadioOutputOf(const Configuration& cfg, const RunContext& run) {
  RadioOutput out;
  out.Sound = run.WaveDevices > 0 && cfg.Options.UseWavSound;
  out.SoundsDirectory = run.Dirs.SoundsDirectory;
  out.ElapsedText = run.ElapsedText.empty() ? "00:00" : run.ElapsedText;
  return out;
}

void RadioCallsStep(State& s, const Configuration& cfg, RunContext& run, Host& host) {
  ScheduledCallStep(s, RadioOutputOf(cfg, run), host);
  RandomCallStep(s, cfg, run, host);
}

void ReloadRadioCalls(State& s, const Configuration& cfg, RunContext& run, Host& host) {
  RadioCallState& radio = run.Radio;
  radio.NextRandomTime = NextRandomCallTime(s.SimClock.Time, cfg.Options.RadioMean,
                                            cfg.Options.RadioVariance, radio.Random);
  FindRandomCalls(radio, run.Dirs.SoundsDirectory);

  const std::string path = RadioCallFilePath(run.Dirs.EvolutionsDirectory, run.CurrentEvolution);
  RadioCallFile file;
  switch (ReadRadioCallFile(path, file)) {
    case ItxRead::Missing:
      RewindSchedule(s.RadioMessages);  // the Evolution's own schedule
      radio.Reported.clear();
      return;
    case ItxRead::Unreadable:
      RewindSchedule(s.RadioMessages);
      Report(radio, host, UnreadableRadioCallFileMessage(path));
      return;
    case ItxRead::Done:
      break;
  }
  LoadSchedule(s.RadioMessages, file.Calls);
  const std::string faults = FaultyCallsMessage(path, file.Calls);
  if (faults.empty()) radio.Reported.clear();
  Report(radio, host, faults);
}

}  // namespace pumpdrill
