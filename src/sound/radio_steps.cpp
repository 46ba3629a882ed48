#include "sound/radio_steps.h"

#include "frame/configuration.h"
#include "frame/run_control.h"

namespace pumpdrill {

namespace {

void ScheduledCallStep(State& s, const RadioOutput& out, RadioCallHost& radio, Host& host) {
  TRadioMessagesRec& r = s.RadioMessages;
  if (r.NextCall >= kRadioCallCount) return;
  const std::string file = r.CallFile[r.NextCall].str();
  if (file.empty() || s.SimClock.Time < r.CallTime[r.NextCall]) return;
  // A call due while another priority call sounds waits for its end.
  if (radio.CuePlaying(SND_PRIORITY_RADIO_CALL)) return;
  ++r.NextCall;
  r.NextCallTime = r.NextCall < kRadioCallCount && !r.CallFile[r.NextCall].empty()
                       ? r.CallTime[r.NextCall]
                       : kNoNextCallTime;
  OfferPriorityCall(file, out, host);
}

void RandomCallStep(State& s, const Configuration& cfg, RunContext& run, RadioCallHost& side,
                    Host& host) {
  RadioCallState& radio = side.Radio();
  if (!cfg.Options.RadioUse || radio.RandomCalls.empty() || s.SimClock.Time < radio.NextRandomTime)
    return;
  if (side.CuePlaying(SND_PRIORITY_RADIO_CALL) || side.CuePlaying(SND_GENERAL_RADIO_CALL)) return;
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
  RadioCallHost none;
  RadioCallHost* side = RadioSideOf(host);
  RadioCallHost& radio = side ? *side : none;
  ScheduledCallStep(s, RadioOutputOf(cfg, run), radio, host);
  RandomCallStep(s, cfg, run, radio, host);
}

void ReloadRadioCalls(State& s, const Configuration& cfg, RunContext& run, Host& host) {
  RadioCallHost none;
  RadioCallHost* side = RadioSideOf(host);
  RadioCallState& radio = (side ? *side : none).Radio();
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
