#include "frame/gui/window_host.h"

#include <QApplication>
#include <QDate>
#include <QLocale>
#include <QEventLoop>
#include <QMessageBox>
#include <QTimer>

#include "frame/gui/frm_main.h"
#include "frame/version.h"
#include "sound/gui/sound_system.h"

namespace pumpdrill {

namespace {

// Title, text, icon and buttons of one of the program's message boxes.
void SetUpMessageBox(QMessageBox& box, MsgType type, Buttons buttons, const std::string& text) {
  box.setWindowTitle(QApplication::applicationDisplayName().isEmpty()
                         ? QString::fromUtf8(kProductName)
                         : QApplication::applicationDisplayName());
  box.setText(QString::fromStdString(text));
  switch (type) {
    case MsgType::Information: box.setIcon(QMessageBox::Information); break;
    case MsgType::Warning: box.setIcon(QMessageBox::Warning); break;
    case MsgType::Error: box.setIcon(QMessageBox::Critical); break;
    case MsgType::Confirmation: box.setIcon(QMessageBox::Question); break;
    case MsgType::Plain: box.setIcon(QMessageBox::NoIcon); break;
  }
  switch (buttons) {
    case Buttons::Ok:
      box.setStandardButtons(QMessageBox::Ok);
      box.setEscapeButton(QMessageBox::Ok);
      break;
    case Buttons::OkCancel:
      box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
      box.setEscapeButton(QMessageBox::Cancel);
      break;
    case Buttons::YesNo:
      box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
      box.setEscapeButton(QMessageBox::No);
      break;
    case Buttons::YesCancel:
      box.setStandardButtons(QMessageBox::Yes | QMessageBox::Cancel);
      box.setEscapeButton(QMessageBox::Cancel);
      break;
    case Buttons::YesNoCancel:
      box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
      box.setEscapeButton(QMessageBox::Cancel);
      break;
  }
}

}  // namespace

Answer ShowMessageBox(QWidget* parent, MsgType type, Buttons buttons, const std::string& text) {
  QMessageBox box(parent);
  SetUpMessageBox(box, type, buttons, text);
  box.exec();
  QAbstractButton* clicked = box.clickedButton();
  QMessageBox::StandardButton which = box.standardButton(clicked);
  switch (which) {
    case QMessageBox::Ok: return Answer::Ok;
    case QMessageBox::Cancel: return Answer::Cancel;
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    default: break;
  }
  switch (buttons) {
    case Buttons::Ok: return Answer::Ok;
    case Buttons::OkCancel: return Answer::Cancel;
    case Buttons::YesNo: return Answer::No;
    case Buttons::YesCancel: return Answer::Cancel;
    case Buttons::YesNoCancel: return Answer::Cancel;
  }
  return Answer::Ok;
}

Answer WindowHost::Message(MsgType type, Buttons buttons, const std::string& text) {
  return ShowMessageBox(main_, type, buttons, text);
}

void WindowHost::Notify(MsgType type, const std::string& text) {
  auto* box = new QMessageBox(main_);
  SetUpMessageBox(*box, type, Buttons::Ok, text);
  box->setAttribute(Qt::WA_DeleteOnClose);
  box->setModal(false);
  box->setObjectName("NotifyBox");
  box->show();
}

void WindowHost::SoundCue(int cue, int param, bool flag, const std::string& file) {
  if (cue == SND_WATER_HAMMER && main_) main_->NoteWaterHammer();
  if (sound_) sound_->SoundCue(cue, param, flag, file);
}

void WindowHost::ShowRunButtons(RunButton down) {
  if (main_) main_->ShowRunButtons(down);
}

void WindowHost::EnableTimer(bool on) {
  if (main_) main_->EnableTimer(on);
}

void WindowHost::ShowElapsedTime(const std::string& text) {
  if (main_) main_->ShowElapsedTime(text);
}

void WindowHost::UpdateEvolutionLabel() {
  if (main_) main_->UpdateEvolutionLabel();
}

void WindowHost::SelectPanelTab() {
  if (main_) main_->SelectPanelTab();
}

void WindowHost::WaitProcessingMessages(double seconds) {
  if (SkipWaits || seconds <= 0) return;
  QEventLoop loop;
  QTimer::singleShot(static_cast<int>(seconds * 1000), &loop, &QEventLoop::quit);
  loop.exec();
}

void WindowHost::SetMainWindow(TfrmMain* main) { main_ = main; }

TfrmMain* WindowHost::MainWindow() const { return main_; }

std::optional<std::string> WindowHost::ChooseDataSaveName(const std::string& folder, const std::string& proposed) {
  if (!main_) return std::nullopt;
  return main_->dataFileDialogs().ChooseSaveAs(main_, folder, proposed);
}

std::string WindowHost::ShortDateText() {
  return QLocale().toString(QDate::currentDate(), QLocale::ShortFormat).toStdString();
}

}  // namespace pumpdrill
