#include "cli/runner_host.h"

#include <cmath>
#include <ostream>

#include "frame/program.h"
#include "panel/controls/panel_controls.h"
#include "panel/file/panel_file.h"
#include "panel/panel_layout.h"
#include "sound/radio_steps.h"

namespace pumpdrill {

namespace {
constexpr double kSecondsPerDay = 86400.0;
}

RunnerHost::RunnerHost(const SimulatedClock& clock, std::ostream& err, bool quiet)
    : clock_(clock), err_(err), quiet_(quiet), startOfDay_(Clock::TimeOfDaySeconds()) {}

Answer RunnerHost::Message(MsgType type, Buttons buttons, const std::string& text) {
  (void)type;
  ++shown_;
  if (!quiet_) err_ << text << '\n';
  switch (buttons) {
    case Buttons::Ok:
      return Answer::Ok;
    case Buttons::OkCancel:
      return Answer::Ok;
    case Buttons::YesNo:
      return inTick_ ? Answer::No : Answer::Yes;
    case Buttons::YesCancel:
      return Answer::Yes;
    case Buttons::YesNoCancel:
      return Answer::Yes;
  }
  return Answer::Ok;
}

void RunnerHost::SoundCue(int cue, int param, bool flag, const std::string& file) {
  (void)param;
  (void)flag;
  if (cue == SND_WATER_HAMMER && recorder_) recorder_->NoteWaterHammer(clock_.Now());
  if (quiet_ || (cue != SND_PRIORITY_RADIO_CALL && cue != SND_GENERAL_RADIO_CALL)) return;
  const std::string time = program_ ? program_->run.ElapsedText : "";
  err_ << "Radio call " << (time.empty() ? "00:00" : time) << ": " << file << '\n';
}

void RunnerHost::ShowIncidentCall(const IncidentCall& call) {
  if (quiet_) return;
  err_ << "Incident " << call.Time << ": " << call.Caption << '\n';
  for (const std::string& line : call.Lines) err_ << "  " << line << '\n';
}

void RunnerHost::AttachEvolutionPanel() {
  if (!program_) return;
  State& s = program_->S();
  // A panel of the runner's own, as the program's panel window starts.
  PanelLayout layout = DefaultPanelLayout();
  PanelControls controls;
  PanelFileTarget t{s, layout, controls, program_->run.Dirs.PanelsDirectory, {}};
  if (!PanelFileExists(t.panelsDirectory, CurrentPanelFileName(s))) return;
  TransferPanelConfiguration(t, CurrentPanelFileName(s), kPanelFileLoad, *this);
}

void RunnerHost::PriorityRadioCall(const std::string& file) {
  if (!program_) return Host::PriorityRadioCall(file);
  OfferPriorityCall(file, RadioOutputOf(program_->config, program_->run), *this);
}

double RunnerHost::TimeOfDaySeconds() { return std::fmod(startOfDay_ + clock_.Now(), kSecondsPerDay); }

}  // namespace pumpdrill
