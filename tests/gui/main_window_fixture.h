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
