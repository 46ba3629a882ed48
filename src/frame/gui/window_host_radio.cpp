// The windowed program's radio calls: each priority call is heard or read
// in the incident window, as the radio step decides for scheduled calls.
#include "frame/gui/frm_main.h"
#include "frame/gui/window_host.h"
#include "sound/gui/frm_icc_dlg.h"
#include "sound/gui/sound_system.h"
#include "sound/radio_steps.h"

namespace pumpdrill {

bool WindowHost::CuePlaying(int cue) { return sound_ && sound_->CuePlaying(cue); }

void WindowHost::PriorityRadioCall(const std::string& file) {
  if (!main_) return Host::PriorityRadioCall(file);
  Program& p = main_->program();
  OfferPriorityCall(file, RadioOutputOf(p.config, p.run), *this);
}

void WindowHost::CreateIncidentWindow(QWidget* mainWindow) {
  if (!incident_) incident_ = new TfrmIccDlg(mainWindow);
  incident_->hide();
}

TfrmIccDlg* WindowHost::IncidentWindow() const { return incident_.data(); }

void WindowHost::ShowIncidentCall(const IncidentCall& call) {
  if (!incident_ && main_) CreateIncidentWindow(main_);
  if (incident_) incident_->ShowCall(call);
}

}  // namespace pumpdrill
