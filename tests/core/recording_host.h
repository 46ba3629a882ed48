// A host for tests that records every message and answers questions from a
// script (the first button when the script has run out). It also records
// the sound cues, the tick's steps and the display requests in order, and
// runs on a clock the test moves.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "sim/host.h"

namespace pumpdrill {

struct ShownMessage {
  MsgType type;
  Buttons buttons;
  std::string text;
};

struct CueRequest {
  int cue;
  int param;
  bool flag = false;
  std::string file;
};

class RecordingHost : public NullHost {
 public:
  Answer Message(MsgType type, Buttons buttons, const std::string& text) override {
    messages.push_back({type, buttons, text});
    steps.push_back("Message");
    if (!answers.empty()) {
      Answer a = answers.front();
      answers.pop_front();
      return a;
    }
    return NullHost::Message(type, buttons, text);
  }
  std::string Texts() const {
    std::string all;
    for (const auto& m : messages) all += m.text + "\n";
    return all;
  }

  void SoundCue(int cue, int param, bool flag, const std::string& file) override {
    cues.push_back({cue, param, flag, file});
  }
  void TankLevelChanged() override { ++tankRepaints; }
  void PrimedIndicator(PrimedShown shown) override { primed.push_back(shown); }
  void ShowRunButtons(RunButton down) override { buttons.push_back(down); }
  void EnableTimer(bool on) override { timerOn = on; }
  void ShowElapsedTime(const std::string& text) override { elapsed = text; }
  void TickStep(const char* step) override { steps.push_back(step); }
  void RefreshGauges() override { steps.push_back("display:Gauges"); }
  void RefreshNozzleWindow() override { steps.push_back("display:NozzleWindow"); }
  void RefreshFoamSetup() override { steps.push_back("display:FoamSetup"); }
  void SelectPanelTab() override { steps.push_back("display:PanelTab"); }
  void UpdateEvolutionLabel() override { steps.push_back("display:EvolutionLabel"); }
  void AttachEvolutionPanel() override { steps.push_back("display:AttachPanel"); }
  void WaitProcessingMessages(double seconds) override { waited += seconds; }
  double MonotonicSeconds() override { return now; }
  double TimeOfDaySeconds() override { return timeOfDay; }

  bool PlayedCue(int cue) const {
    for (const auto& c : cues)
      if (c.cue == cue) return true;
    return false;
  }
  int Count(const std::string& step) const {
    int n = 0;
    for (const std::string& s : steps) n += s == step;
    return n;
  }
  // Forgets what was recorded (not the script or the clock).
  void Clear() {
    messages.clear();
    cues.clear();
    steps.clear();
    buttons.clear();
    waited = 0;
  }

  std::vector<ShownMessage> messages;
  std::deque<Answer> answers;
  std::vector<CueRequest> cues;
  std::vector<std::string> steps;  // tick steps and display requests, in order
  std::vector<RunButton> buttons;  // every ShowRunButtons request
  std::vector<PrimedShown> primed;  // every primed indicator request
  int tankRepaints = 0;             // tank level redraw requests
  bool timerOn = false;
  std::string elapsed;
  double now = 1000.0;  // the monotonic clock, seconds
  double timeOfDay = 3600.0;
  double waited = 0;  // seconds of WaitProcessingMessages
};

}  // namespace pumpdrill
