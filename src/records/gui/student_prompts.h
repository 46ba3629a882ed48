// The students window's input boxes and its Yes/No/Cancel and Retry/Ignore
// questions as modal dialogs.
#pragma once

#include "records/student_commands.h"

class QWidget;

namespace pumpdrill {

class DialogStudentPrompts : public StudentPrompts {
 public:
  explicit DialogStudentPrompts(QWidget* parent) : parent_(parent) {}
  std::optional<std::string> InputBox(const std::string& title, const std::string& prompt,
                                      const std::string& value) override;
  Answer YesNoCancel(const std::string& text) override;
  bool RetryIgnore(const std::string& text) override;

 private:
  QWidget* parent_;
};

}  // namespace pumpdrill
