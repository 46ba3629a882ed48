// A host for tests that records every message and answers questions from a
// script (the first button when the script has run out).
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

class RecordingHost : public NullHost {
 public:
  Answer Message(MsgType type, Buttons buttons, const std::string& text) override {
    messages.push_back({type, buttons, text});
    if (!answers.empty()) {
      Answer a = answers.front();
      answers.pop_front();
      return a;
    }
    return buttons == Buttons::YesNo ? Answer::Yes : Answer::Ok;
  }
  std::string Texts() const {
    std::string all;
    for (const auto& m : messages) all += m.text + "\n";
    return all;
  }

  std::vector<ShownMessage> messages;
  std::deque<Answer> answers;
};

}  // namespace pumpdrill
