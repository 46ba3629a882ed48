// A main window started as the program starts it, in a scratch main
// directory, for the window tests of its menus and run panel.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "frame/gui/frm_main.h"
#include "frame/program.h"
#include "sim/state.h"
#include "sim/valve_change.h"
#include "window_test_support.h"

namespace pumpdrill::testing {

class MainWindowFixture : public ::testing::Test {
 protected:
  explicit MainWindowFixture(bool withLibraries = true) : dir(withLibraries) {}

  // Resolves the directories, reads the settings, creates and shows the
  // window; beforeShow runs between creation and showing.
  void OpenMainWindow(const std::function<void(TfrmMain&)>& beforeShow = {}) {
    StartupInfo info;
    info.ProgramPath = std::string(PUMPDRILL_BIN_DIR) + "/pumpdrill";
    info.MainDirectory = dir.path().string();
    AllocateAndResolve(p, info, host);
    ReadSettingsAndStartLog(p, info);
    w = std::make_unique<TfrmMain>(p, host, false);
    if (beforeShow) beforeShow(*w);
    w->show();
    ProcessEventsFor(20);
  }
  // Opens a line's valve as the panel does.
  void OpenValve(int line) {
    State& s = p.S();
    s.Discharges[line].ValveOpen = 1;
    ValveChanged(s, false, line, 1, p.run.SimActive, host);
  }
  // Ticks of 15 ms of the run clock, as the program's timer makes them.
  void Ticks(int n) {
    for (int i = 0; i < n; ++i) {
      host.now += 0.015;
      w->Timer1Timer();
    }
  }
  void TearDown() override {
    if (w && p.run.SimActive) w->mRunTerminate->trigger();
    w.reset();
    std::filesystem::current_path(saved);
  }

  std::filesystem::path saved = std::filesystem::current_path();
  ScratchMainDir dir;
  TestWindowHost host;
  Program p;
  std::unique_ptr<TfrmMain> w;
};

}  // namespace pumpdrill::testing
