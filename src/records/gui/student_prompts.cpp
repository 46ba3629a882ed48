#include "records/gui/student_prompts.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>

#include "frame/version.h"

namespace pumpdrill {

namespace {

QString ProgramTitle() {
  return QApplication::applicationDisplayName().isEmpty() ? QString::fromUtf8(kProductName)
                                                          : QApplication::applicationDisplayName();
}

}  // namespace

std::optional<std::string> DialogStudentPrompts::InputBox(const std::string& title,
                                                          const std::string& prompt,
                                                          const std::string& value) {
  QInputDialog box(parent_);
  box.setObjectName("StudentInputBox");
  box.setWindowTitle(QString::fromStdString(title));
  box.setLabelText(QString::fromStdString(prompt));
  box.setTextValue(QString::fromStdString(value));
  box.setInputMode(QInputDialog::TextInput);
  box.resize(std::max(box.sizeHint().width(), 360), box.sizeHint().height());
  if (box.exec() != QDialog::Accepted) return std::nullopt;
  return box.textValue().toStdString();
}

Answer DialogStudentPrompts::YesNoCancel(const std::string& text) {
  QMessageBox box(QMessageBox::Question, ProgramTitle(), QString::fromStdString(text),
                  QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, parent_);
  box.setEscapeButton(QMessageBox::Cancel);
  box.exec();
  switch (box.standardButton(box.clickedButton())) {
    case QMessageBox::Yes:
      return Answer::Yes;
    case QMessageBox::No:
      return Answer::No;
    default:
      return Answer::Cancel;
  }
}

bool DialogStudentPrompts::RetryIgnore(const std::string& text) {
  QMessageBox box(QMessageBox::Question, ProgramTitle(), QString::fromStdString(text),
                  QMessageBox::Retry | QMessageBox::Ignore, parent_);
  box.setEscapeButton(QMessageBox::Ignore);
  box.exec();
  return box.standardButton(box.clickedButton()) == QMessageBox::Retry;
}

}  // namespace pumpdrill
