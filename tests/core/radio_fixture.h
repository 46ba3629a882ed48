// The radio calls of a run in a scratch main directory: the Evolutions and
// sounds folders, a host that records the calls heard and read, and says
// whether a radio cue is still sounding.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <set>

#include "default_state.h"
#include "frame/configuration.h"
#include "frame/run_control.h"
#include "recording_host.h"
#include "scratch_dir.h"
#include "sound/radio_steps.h"

namespace pumpdrill::testing {

class RadioHost : public RecordingHost {
 public:
  bool CuePlaying(int cue) override { return playing.count(cue) > 0; }
  void ShowIncidentCall(const IncidentCall& call) override { shown.push_back(call); }
  void Notify(MsgType type, const std::string& text) override { Message(type, Buttons::Ok, text); }
  std::set<int> playing;
  std::vector<IncidentCall> shown;
};

class RadioTest : public ::testing::Test {
 protected:
  void SetUp() override {
    run.Dirs.MainDirectory = dir.path().string() + "/";
    SetDataDirectories(run.Dirs);
    CreateMissingDataFolders(run.Dirs);
    run.WaveDevices = 1;
  }
  std::filesystem::path Sound(const std::string& name) const {
    return run.Dirs.SoundsDirectory + name;
  }
  std::filesystem::path Evol(const std::string& name) const {
    return run.Dirs.EvolutionsDirectory + name;
  }
  void AddSound(const std::string& name) { WriteText(Sound(name), "RIFF"); }
  // The step at a run time.
  void StepAt(double seconds) {
    s.SimClock.Time = seconds;
    RadioCallsStep(s, cfg, run, host);
  }

  ScratchDir dir;
  std::unique_ptr<State> state = MakeDefaultState();
  State& s = *state;
  Configuration cfg;
  RunContext run;
  RadioHost host;
};

}  // namespace pumpdrill::testing
