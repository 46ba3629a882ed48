// File dialogs that choose what a test says instead of showing themselves,
// and remember what each one was offered.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "frame/gui/evolution_dialogs.h"
#include "panel/gui/panel_dialogs.h"

namespace pumpdrill::testing {

// The files chosen, one per dialog shown (nullopt cancels it), the files a
// Delete dialog marks, and "open|save|delete FOLDER [FILE]" per dialog shown.
struct ScriptedChoices {
  std::optional<std::string> Next() {
    if (choices.empty()) return std::nullopt;
    std::optional<std::string> c = choices.front();
    choices.erase(choices.begin());
    return c;
  }
  std::optional<std::string> Offer(const std::string& what) {
    offered.push_back(what);
    return Next();
  }
  std::vector<std::optional<std::string>> choices;
  std::vector<std::string> deleteChoice;
  std::vector<std::string> offered;
};

class ScriptedEvolutionDialogs : public EvolutionDialogs, public ScriptedChoices {
 public:
  std::optional<std::string> ChooseOpen(QWidget*, const std::string& folder,
                                        const std::string& fileName,
                                        const std::vector<std::string>& history) override {
    lastHistory = history;
    return Offer("open " + folder + " " + fileName);
  }
  std::optional<std::string> ChooseSaveAs(QWidget*, const std::string& folder,
                                          const std::string& fileName) override {
    return Offer("save " + folder + " " + fileName);
  }
  std::vector<std::string> ChooseDelete(QWidget*, const std::string& folder) override {
    offered.push_back("delete " + folder);
    return deleteChoice;
  }
  std::vector<std::string> lastHistory;
};

class ScriptedPanelDialogs : public PanelDialogs, public ScriptedChoices {
 public:
  std::optional<std::string> ChooseOpen(QWidget*, const std::string& folder,
                                        const std::string& fileName) override {
    return Offer("open " + folder + " " + fileName);
  }
  std::optional<std::string> ChooseSaveAs(QWidget*, const std::string& folder,
                                          const std::string& fileName) override {
    return Offer("save " + folder + " " + fileName);
  }
  std::vector<std::string> ChooseDelete(QWidget*, const std::string& folder) override {
    offered.push_back("delete " + folder);
    return deleteChoice;
  }
  // Offered as "input CAPTION|PROMPT|PRESET"; the next choice answers.
  std::optional<std::string> InputQuery(QWidget*, const std::string& caption,
                                        const std::string& prompt,
                                        const std::string& preset) override {
    return Offer("input " + caption + "|" + prompt + "|" + preset);
  }
};

}  // namespace pumpdrill::testing
