// The panel's foam and compressed-air items: the tank switch, the
// proportioner, the CAFS on/off and mode switches and one air valve per
// line that has one. Which stand on the panel and where is the foam
// setup's; the window shows, places and redraws them from it.
#include <algorithm>

#include "panel/controls/foam_controls.h"
#include "panel/foam_faces.h"
#include "panel/gui/frm_panel.h"
#include "panel/gui/panel_picture_names.h"
#include "sim/foam_system.h"

namespace pumpdrill {

namespace {

// Where an item stands while the foam setup names no place: the place a
// panel file without one gives.
constexpr int kDefaultFoamLeft = 10;
constexpr int kDefaultFoamTop = 5;

}  // namespace


// Every foam picture, read with the window when the library has them.
static const std::vector<std::string>& FoamPictureNames() {
  static const std::vector<std::string> names = [] {
    std::vector<std::string> n;
    for (std::string_view v :
         {kFoam2TankSwA, kFoam12TankSwB, kFoam1TankSwFlush, kFoam2TankSwFlush, kFoamManProportioner,
          kFoamElecProportioner, kCafsOnOffSw, kCafsRunUnloadPlate, kCafsDialLeft, kCafsDialRight})
      n.emplace_back(v);
    for (int frame = 0; frame < kCafsAirValveFrames; ++frame)
      n.emplace_back(CafsAirValvePicture(frame / double(kCafsAirValveFrames - 1)));
    return n;
  }();
  return names;
}

void TfrmPanel::CreateFoamControls() {
  // The foam pictures a panel may do without, read when the library has
  // them; a foam item placed later asks for its own when they are missing.
  Alerts quiet;
  pictures_.Load(FoamPictureNames(), quiet, true);
  auto place = [](const FoamControl* w) {
    return PanelPlace{kDefaultFoamLeft, kDefaultFoamTop, w->Place.Width, w->Place.Height, false};
  };
  auto add = [&](auto* w) { return AddControl(w, place(w)); };
  ImgFoamTankValve = add(new FoamTankSwitch(*background_, background_, *this));
  ProportionerImg = add(new FoamProportioner(*background_, background_, *this));
  ImgCAFSOnOff = add(new CafsOnOffSwitch(*background_, background_, *this));
  ImgCAFSRunLoad = add(new CafsModeSwitch(*background_, background_, *this));
  airValves_[1] = add(new CafsAirValveHandle(*background_, background_, *this, 1));
}

CafsAirValveHandle* TfrmPanel::AirValve(int line) const {
  if (line < 1 || line > kMaxDischarges) return nullptr;
  return p_.S().FoamSetup.CAFS_AIR_V_SEL.Contains(line) ? airValves_[line] : nullptr;
}

void TfrmPanel::ShowFoamControl(FoamControl* w, bool shown) {
  if (shown) w->TakePlace(p_.S().FoamSetup);
  w->Place.Visible = shown;
  background_->PlaceItem(w);
  if (shown) w->raise();
  w->Sync(true);
  w->Announce();
}

void TfrmPanel::FreeAirValve(int line) {
  CafsAirValveHandle*& w = airValves_[line];
  if (!w) return;
  if (line == 1) {
    // The template stays, hidden.
    w->Place.Visible = false;
    background_->PlaceItem(w);
    return;
  }
  background_->RemoveItem(w);
  controlWidgets_.erase(std::remove(controlWidgets_.begin(), controlWidgets_.end(), w),
                        controlWidgets_.end());
  w->hide();
  w->deleteLater();
  w = nullptr;
}

void TfrmPanel::PlaceAirValves() {
  const State& s = p_.S();
  const TFoamSetupRec& f = s.FoamSetup;
  const bool shown = f.USE_CAFS && f.SYS_TYPE == kFoamDirectInjection;
  for (int n = 1; n <= kMaxDischarges; ++n) {
    if (!f.CAFS_AIR_V_SEL.Contains(n)) {
      FreeAirValve(n);
      continue;
    }
    if (!airValves_[n]) {
      auto* w = new CafsAirValveHandle(*background_, background_, *this, n);
      airValves_[n] = AddControl(
          w, PanelPlace{kDefaultFoamLeft, kDefaultFoamTop, w->Place.Width, w->Place.Height, false});
    }
    // A line the panel does not show has no air valve to work either.
    ShowFoamControl(airValves_[n], shown && n <= s.DischargeList.LineCount);
  }
}

void TfrmPanel::PlaceFoamControls() {
  if (closing_ || !ImgFoamTankValve) return;
  TFoamSetupRec& f = p_.S().FoamSetup;
  const bool foam = f.SYS_TYPE != kFoamNone;
  if (!foam) {
    // No foam system: neither the tank switch nor the proportioner stays.
    f.TK_SW_SEL = false;
    f.PROP_SEL = false;
  }
  std::vector<std::string> wanted;
  const bool tankSwitch = foam && f.TK_SW_SEL;
  const bool proportioner = foam && f.PROP_SEL;
  if (tankSwitch) wanted.emplace_back(FoamTankSwitchPicture(f));
  if (proportioner) wanted.emplace_back(ProportionerPicture(f));
  bool onOff = false, mode = false;
  if (f.SYS_TYPE != kFoamDirectInjection) {
    // Compressed air comes only with direct injection.
    f.CAFS_AIR_V_SEL.Clear();
  } else {
    onOff = f.USE_CAFS && f.CAFS_ON_OFF_SEL;
    mode = f.USE_CAFS && f.CAFS_MODE_SEL;
  }
  if (onOff) wanted.emplace_back(kCafsOnOffSw);
  if (mode) wanted.emplace_back(kCafsRunUnloadPlate);
  if (f.USE_CAFS && f.CAFS_AIR_V_SEL.bits != 0) wanted.emplace_back(CafsAirValvePicture(0));
  std::vector<std::string> ask;
  for (const std::string& name : wanted)
    if (!pictures_.Has(name) && askedPictures_.insert(name).second) ask.push_back(name);
  if (!ask.empty()) pictures_.Load(ask, host_, false);

  ShowFoamControl(ImgFoamTankValve, tankSwitch);
  ShowFoamControl(ProportionerImg, proportioner);
  ShowFoamControl(ImgCAFSOnOff, onOff);
  ShowFoamControl(ImgCAFSRunLoad, mode);
  PlaceAirValves();
}

void TfrmPanel::RefreshFoamControls() {
  if (closing_ || !ImgFoamTankValve) return;
  // Each redraws only when what it shows changed (the lamp test ending, a
  // tank running low, the display's flow).
  for (FoamControl* w : std::initializer_list<FoamControl*>{ImgFoamTankValve, ProportionerImg,
                                                            ImgCAFSOnOff, ImgCAFSRunLoad}) {
    if (w->isHidden()) continue;
    w->Sync(false);
    w->Announce();
  }
  for (CafsAirValveHandle* w : airValves_) {
    if (!w || w->isHidden()) continue;
    w->Sync(false);
    w->Announce();
  }
}

void TfrmPanel::RefreshProportionerDisplay() {
  if (closing_ || !ProportionerImg || ProportionerImg->isHidden()) return;
  ProportionerImg->Sync(false);
  ProportionerImg->Announce();
}

}  // namespace pumpdrill
