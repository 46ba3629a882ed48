#include "panel/gui/frm_panel.h"

#include <QKeySequence>
#include <QScrollBar>
#include <QShortcut>
#include <QVBoxLayout>

#include <string>

#include "frame/evolution_commands.h"
#include "panel/gauge_faces.h"
#include "panel/gauge_tag.h"
#include "panel/gui/panel_dialogs.h"
#include "panel/gui/panel_picture_names.h"
#include "panel/gui/panel_pop_menus.h"

namespace pumpdrill {

namespace {

const char* kInitSequence = "Init Sequence";

std::string Numbered(const char* prefix, int n, const char* suffix = "") {
  return prefix + std::to_string(n) + suffix;
}

}  // namespace

TfrmPanel::TfrmPanel(Program& program, Host& host, QWidget* parent)
    : QWidget(parent), p_(program), host_(host), pictures_(program.Dirs().LibraryDirectory()) {
  setObjectName("frmPanel");
  setWindowTitle("Panel Operation");
  p_.log.WriteInitLog(kInitSequence, "panel FormCreate1", "OK");

  auto* box = new QVBoxLayout(this);
  box->setContentsMargins(0, 0, 0, 0);
  scroll_ = new QScrollArea(this);
  scroll_->setObjectName("PanelScroll");
  scroll_->setFrameShape(QFrame::NoFrame);
  scroll_->setWidgetResizable(false);
  scroll_->setBackgroundRole(QPalette::Dark);
  background_ = new PanelBackground(pictures_, nullptr);
  scroll_->setWidget(background_);
  scroll_->viewport()->installEventFilter(this);
  box->addWidget(scroll_);

  // 1. The focus sink off the panel; not built yet; no needle drawn.
  FocusCtrl = new QCheckBox(background_);
  FocusCtrl->setObjectName("FocusCtrl");
  FocusCtrl->move(-100, 0);
  built_ = false;
  p_.log.WriteInitLog(kInitSequence, "panel FormCreate2", "OK");

  // 2. Every valve with handle type 1, the gauges, lines 1 to 19 shown
  // except the discharges above LineCount.
  layout_ = DefaultPanelLayout(p_.S().DischargeList.LineCount);
  for (int v = 1; v <= kValveCount; ++v) layout_.Valves[v].HandleType = 1;
  CreateItems();
  p_.log.WriteInitLog(kInitSequence, "panel FormCreate3", "OK");
  for (int line = 1; line <= kLineCount; ++line) ShowLine(line, true);
  p_.log.WriteInitLog(kInitSequence, "panel FormCreate4", "OK");

  // 3. The pictures, read once; the controls take their sizes from them.
  LoadCreationPictures();
  CreateControls();
  p_.log.WriteInitLog(kInitSequence, "panel FormCreate5", "OK");
  for (int g = 1; g < kGaugeSlots; ++g)
    if (gauges_[g]) DrawGaugeFace(g, true);
  p_.log.WriteInitLog(kInitSequence, "panel FormCreate6", "OK");

  // 4. Design mode's menus follow the design flag (they come with design
  // mode); the zoom keys.
  auto* fit = new QShortcut(QKeySequence("Ctrl+0"), this, [this] { ZoomToFit(); });
  auto* in = new QShortcut(QKeySequence::ZoomIn, this, [this] { ZoomBy(kZoomStep); });
  auto* in2 = new QShortcut(QKeySequence("Ctrl+="), this, [this] { ZoomBy(kZoomStep); });
  auto* out = new QShortcut(QKeySequence::ZoomOut, this, [this] { ZoomBy(1 / kZoomStep); });
  for (QShortcut* s : {fit, in, in2, out}) s->setContext(Qt::WidgetWithChildrenShortcut);
  popMenus_ = new PanelPopMenus(*this);
  p_.log.WriteInitLog(kInitSequence, "panel FormCreate7", "OK");

  CreateDesign();
  Arrange();
  RefreshPanel(true);
  // 5.
  p_.log.WriteInitLog(kInitSequence, "panel FormCreate8", "OK");
}

TfrmPanel::~TfrmPanel() {
  // The items go while the controls they ask are still here.
  closing_ = true;
  controlWidgets_.clear();
  delete scroll_;
  scroll_ = nullptr;
}

PanelDialogs& TfrmPanel::Dialogs() {
  if (AskDialogs) return AskDialogs();
  if (!ownDialogs_) ownDialogs_ = std::make_unique<PanelDialogs>();
  return *ownDialogs_;
}

void TfrmPanel::CreateGauge(int gauge) {
  const std::string name = gauge == kIntakeGauge   ? "ImgSuctionGauge"
                           : gauge == kMasterGauge ? "ImgMainDischGauge"
                                                   : Numbered("ImgDisch", gauge, "Gauge");
  auto* dial = new GaugeDial(*background_, background_, name.c_str(), gauge);
  dial->Place = layout_.Gauges[gauge].Gauge;
  gauges_[gauge] = dial;
  background_->AddItem(dial);
  const std::string title = gauge == kIntakeGauge   ? "PnlIntake"
                            : gauge == kMasterGauge ? "PnlMDisch"
                                                    : Numbered("PanelGaugeTitle", gauge);
  auto* t = new TitlePlate(*background_, background_, title.c_str(), 8.5, true);
  t->Place = layout_.Gauges[gauge].Title;
  t->SetColours(Qt::white, QColor(30, 30, 34), false);
  gaugeTitles_[gauge] = t;
  background_->AddItem(t);
  const bool big = gauge == kIntakeGauge || gauge == kMasterGauge;
  const std::string press = gauge == kIntakeGauge   ? "LblSuctionPress"
                            : gauge == kMasterGauge ? "LblPumpPress"
                                                    : Numbered("LblGaugePress", gauge);
  const std::string flow = gauge == kIntakeGauge   ? "LblSuctionGpm"
                           : gauge == kMasterGauge ? "LblPumpGpm"
                                                   : Numbered("LblGaugeFlow", gauge);
  auto* pr = new Readout(*background_, background_, press.c_str(), QColor(255, 176, 40),
                         big ? 10 : 9);
  auto* fl = new Readout(*background_, background_, flow.c_str(), QColor(120, 255, 120),
                         big ? 10 : 9);
  pr->Place = layout_.Gauges[gauge].PressReadout;
  fl->Place = layout_.Gauges[gauge].FlowReadout;
  pressReadouts_[gauge] = pr;
  flowReadouts_[gauge] = fl;
  background_->AddItem(pr);
  background_->AddItem(fl);
}

void TfrmPanel::CreateItems() {
  using I = PanelItem;
  auto plate = [&](PanelItem item, const char* name, std::string picture, bool fullWidth = false) {
    auto* w = new PicturePlate(*background_, background_, name, std::move(picture));
    w->Place = layout_.Item(item);
    background_->AddItem(w, fullWidth);
    return w;
  };
  PnlUpper = plate(I::UpperBar, "PnlUpper", kUpperBarPicture, true);
  PnlLower = plate(I::LowerBar, "PnlLower", kLowerBarPicture, true);

  for (int g = 1; g <= kMaxDischarges; ++g) CreateGauge(g);
  CreateGauge(kIntakeGauge);
  CreateGauge(kMasterGauge);
  const std::pair<int, std::pair<PanelItem, const char*>> engine[] = {
      {kEngTempGauge, {I::EngTempGauge, "ImgEngTempGauge"}},
      {kOilPressGauge, {I::OilPressGauge, "ImgOilPressGauge"}},
      {kPumpOilGauge, {I::PumpOilGauge, "ImgPumpOilGauge"}}};
  for (const auto& [g, item] : engine) {
    auto* dial = new GaugeDial(*background_, background_, item.second, g);
    dial->Place = layout_.Item(item.first);
    gauges_[g] = dial;
    background_->AddItem(dial);
  }
  gauges_[kEngTempGauge]->setToolTip("engine coolant temp");
  gauges_[kOilPressGauge]->setToolTip("engine oil pres");
  ImgTempLt = plate(I::TempLt, "ImgTempLt", SmallLampPicture(false));
  ImgOilPressureLt = plate(I::OilPressureLt, "ImgOilPressureLt", SmallLampPicture(false));
  ImgPumpOilLt = plate(I::PumpOilLt, "ImgPumpOilLt", SmallLampPicture(false));

  ImgRpmMeter = new GaugeDial(*background_, background_, "ImgRpmMeter", 0);
  ImgRpmMeter->Place = layout_.Item(I::RpmMeter);
  ImgRpmMeter->setToolTip("engine rpm");
  ImgRpmMeter->SetFace(kTachometerPicture, {}, 0);
  background_->AddItem(ImgRpmMeter);
  LblRpmGauge = new Readout(*background_, background_, "LblRpmGauge", QColor(255, 176, 40), 10);
  LblRpmGauge->Place = layout_.Item(I::LblRpmGauge);
  background_->AddItem(LblRpmGauge);

  ImgFlowMeter = AddControl(
      new FlowmeterSelector(*background_, background_, "ImgFlowMeter", *this, kFlowmeterPicture),
      layout_.Item(I::FlowMeter));
  LblFlowmeter = new Readout(*background_, background_, "LblFlowmeter", QColor(0, 255, 0), 13);
  LblFlowmeter->Place = layout_.Item(I::LblFlowmeter);
  background_->AddItem(LblFlowmeter);

  ImgChkXmissionLt = plate(I::ChkXmissionLt, "ImgChkXmissionLt",
                           WarningLampPicture(kCheckTransmissionPicture, false));
  ImgChkEngineLt =
      plate(I::ChkEngineLt, "ImgChkEngineLt", WarningLampPicture(kCheckEnginePicture, false));
  ImgStopEngineLt =
      plate(I::StopEngineLt, "ImgStopEngineLt", WarningLampPicture(kStopEnginePicture, false));

  ImgTankLts = new LampBank(*background_, background_, "ImgTankLts", kTankLampsPicture,
                            {{17, 62}, {17, 45}, {17, 29}, {17, 13}});
  ImgTankLts->Place = layout_.Item(I::TankLts);
  background_->AddItem(ImgTankLts);
  LblGallonsLeft = new Readout(*background_, background_, "LblGallonsLeft", QColor(120, 255, 120), 9);
  LblGallonsLeft->Place = layout_.Item(I::LblGallonsLeft);
  background_->AddItem(LblGallonsLeft);
  ImgRValveLts = new LampBank(*background_, background_, "ImgRValveLts", kReliefLampsPicture,
                              {{7, 12}, {29, 12}});
  ImgRValveLts->Place = layout_.Item(I::RValveLts);
  background_->AddItem(ImgRValveLts);

  ImgPrimerBack = plate(I::PrimerBack, "ImgPrimerBack", kPrimerBackPicture);
  ImgPrimer = AddControl(new PrimerHandle(*background_, background_, "ImgPrimer", *this),
                         layout_.Item(I::Primer));
  LblPrimedIndicator = new TitlePlate(*background_, background_, "LblPrimedIndicator", 7, true);
  LblPrimedIndicator->Place = layout_.Item(I::LblPrimedIndicator);
  background_->AddItem(LblPrimedIndicator);
  PrimedIndicator(PrimedShown::NotPrimed);
  ImgTransferValve = AddControl(new TransferValveSwitch(*background_, background_,
                                                       "ImgTransferValve", *this,
                                                       kTransferValvePicture),
                                layout_.Item(I::TransferValve));
  ImgEngCooler = AddControl(new EngineCoolerSwitch(*background_, background_, "ImgEngCooler", *this),
                            layout_.Item(I::EngCooler));

  Pnl_ID = new TitlePlate(*background_, background_, "Pnl_ID", 12, true);
  Pnl_ID->Place = layout_.Item(I::IdBox);
  Pnl_ID->SetColours(QColor(128, 128, 128), QColor(18, 18, 20), false);
  background_->AddItem(Pnl_ID);
  LblCavitating = new TitlePlate(*background_, background_, "LblCavitating", 12, true);
  LblCavitating->Place = layout_.Item(I::IdBox);
  LblCavitating->SetText("CAVITATING !");
  LblCavitating->SetColours(Qt::yellow, Qt::red, false);
  background_->AddItem(LblCavitating);
  CavitationIndicator(false);

  using Rotary = RotaryControlWidget;
  Throttle = AddControl(
      new Rotary(*background_, background_, "Throttle", *this, Rotary::Which::Throttle),
      layout_.Item(I::Throttle));
  PressureControl = AddControl(new Rotary(*background_, background_, "PressureControl", *this,
                                          Rotary::Which::PressureControl),
                               layout_.Item(I::PressureControl));

  for (int v = 1; v <= kValveCount; ++v) {
    valveHandles_[v] = AddControl(new ValveHandleWidget(*background_, background_,
                                                        Numbered("ValveHandle", v).c_str(), *this,
                                                        v),
                                  layout_.Valves[v].Handle);
    auto* title = new TitlePlate(*background_, background_, Numbered("ValveDescrLbl", v).c_str(),
                                 8, true);
    title->Place = layout_.Valves[v].Title;
    valveTitles_[v] = title;
    background_->AddItem(title);
  }
}

void TfrmPanel::LoadCreationPictures() {
  std::vector<std::string> names = CreationPictureNames();
  for (const std::string& n : OurPictureNames()) names.push_back(n);
  for (const std::string& n : ControlPictureNames()) names.push_back(n);
  for (int g = 1; g < kGaugeSlots; ++g)
    for (int colour : {kFaceBlack, kFaceWhite})
      for (bool metric : {false, true}) {
        const std::string face(GaugeFaceName(g, colour, metric));
        if (!face.empty() && std::find(names.begin(), names.end(), face) == names.end())
          names.push_back(face);
      }
  names.emplace_back(GaugeMaskName(1));
  names.emplace_back(GaugeMaskName(kIntakeGauge));
  for (int type = 1; type <= 3; ++type)
    for (bool burst : {false, true}) names.push_back(PlatePicture(type, burst));
  pictures_.Load(names, host_, true);
  // The pictures a panel may do without, when the library has them (a
  // control that needs a missing one asks for it when it is placed).
  Alerts quiet;
  pictures_.Load(OptionalControlPictureNames(), quiet, true);
}

bool TfrmPanel::MetricUnits() const { return p_.config.Units.Metric; }

void TfrmPanel::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (shownOnce_) return;
  shownOnce_ = true;
  p_.log.WriteInitLog(kInitSequence, "panel FormShow1", "OK");
  host_.SelectPanelTab();
  RebuildPanel();
  p_.log.WriteInitLog(kInitSequence, "panel FormShow2", "OK");
}

void TfrmPanel::RebuildPanel() {
  const State& s = p_.S();
  // 1.
  Pnl_ID->SetText(p_.config.Options.DeptName);
  // 2.
  using I = PanelItem;
  layout_.Item(I::LblRpmGauge).Visible = s.ShowOptions.ShowDigitalRpm != 0;
  layout_.Item(I::LblPrimedIndicator).Visible =
      s.Supply.SupplyType == 1 && s.ShowOptions.IndicatePrimed != 0;
  layout_.Item(I::LblGallonsLeft).Visible = s.ShowOptions.ShowDigitalTankVol != 0;
  layout_.Item(I::TransferValve).Visible = s.Pump.TwoStage != 0;
  // 3. The flow unit is written beside the flowmeter's readout (LblFlowmeter
  // shows it after the number).
  // 4, 5, 6.
  for (int v = 1; v <= kValveCount; ++v)
    valveTitles_[v]->SetText(s.DischargeList.LineTitle[v].str());
  for (int g = 1; g <= kMaxDischarges; ++g)
    gaugeTitles_[g]->SetText(s.DischargeList.LineTitle[g].str());
  gaugeTitles_[kIntakeGauge]->SetText(s.DischargeList.LineTitle[kIntakeLine].str());
  gaugeTitles_[kMasterGauge]->SetText(s.DischargeList.LineTitle[kMasterLine].str());
  for (int line = 1; line <= kLineCount; ++line) ShowLine(line, true);
  // More lines than the layout showed widen it to hold them.
  GrowToHoldItems(layout_, s.DischargeList.LineCount);
  ApplyLayout();
  if (built_) Arrange();
  RefreshPanel(true);
  // 7.
  State& state = p_.S();
  if (state.PumpControl.PanelFileName.empty()) state.PumpControl.PanelFileName = kTemporaryPanelName;
  if (!built_ && SaveMissingPanelFile) SaveMissingPanelFile();
  built_ = true;
}

void TfrmPanel::ShowLine(int line, bool visible) {
  const State& s = p_.S();
  if (line >= 1 && line <= kMaxDischarges && line > s.DischargeList.LineCount) visible = false;
  auto show = [&](PanelItemWidget* w, PanelPlace& place, bool on) {
    place.Visible = on;
    if (!w) return;
    w->Place = place;
    background_->PlaceItem(w);
  };
  const int gauge = line == kIntakeLine ? kIntakeGauge : line == kMasterLine ? kMasterGauge : line;
  if (IsPressureGauge(gauge)) {
    GaugeParts& parts = layout_.Gauges[gauge];
    show(gauges_[gauge], parts.Gauge, visible);
    show(gaugeTitles_[gauge], parts.Title, visible);
    show(pressReadouts_[gauge], parts.PressReadout, visible && s.ShowOptions.ShowDigitalPressure);
    show(flowReadouts_[gauge], parts.FlowReadout, visible && s.ShowOptions.ShowDigitalFlow);
  }
  if (line >= 1 && line <= kValveCount) {
    show(valveHandles_[line], layout_.Valves[line].Handle, visible);
    show(valveTitles_[line], layout_.Valves[line].Title, visible);
  }
}

void TfrmPanel::ApplyLayout() {
  using I = PanelItem;
  const std::pair<PanelItemWidget*, PanelItem> items[] = {
      {PnlUpper, I::UpperBar},          {PnlLower, I::LowerBar},
      {gauges_[kEngTempGauge], I::EngTempGauge}, {gauges_[kOilPressGauge], I::OilPressGauge},
      {gauges_[kPumpOilGauge], I::PumpOilGauge}, {ImgTempLt, I::TempLt},
      {ImgOilPressureLt, I::OilPressureLt}, {ImgPumpOilLt, I::PumpOilLt},
      {ImgRpmMeter, I::RpmMeter},       {LblRpmGauge, I::LblRpmGauge},
      {ImgFlowMeter, I::FlowMeter},     {LblFlowmeter, I::LblFlowmeter},
      {ImgChkXmissionLt, I::ChkXmissionLt}, {ImgChkEngineLt, I::ChkEngineLt},
      {ImgStopEngineLt, I::StopEngineLt}, {ImgTankLts, I::TankLts},
      {LblGallonsLeft, I::LblGallonsLeft}, {ImgRValveLts, I::RValveLts},
      {ImgPrimerBack, I::PrimerBack},   {ImgPrimer, I::Primer},
      {ImgTransferValve, I::TransferValve}, {ImgEngCooler, I::EngCooler},
      {Pnl_ID, I::IdBox},               {Throttle, I::Throttle},
      {PressureControl, I::PressureControl}};
  for (const auto& [w, item] : items) {
    w->Place = layout_.Item(item);
    background_->PlaceItem(w);
  }
  // The cavitation warning and the primed indicator follow their own state.
  LblCavitating->Place = layout_.Item(I::IdBox);
  LblCavitating->Place.Visible = !LblCavitating->isHidden();
  background_->PlaceItem(LblCavitating);
  const bool primed = !LblPrimedIndicator->isHidden();
  LblPrimedIndicator->Place = layout_.Item(I::LblPrimedIndicator);
  LblPrimedIndicator->Place.Visible = layout_.Item(I::LblPrimedIndicator).Visible && primed;
  background_->PlaceItem(LblPrimedIndicator);
  // Each handle takes the size of its type before the lines place it.
  for (int v = 1; v <= kValveCount; ++v) FitValveHandle(v);
  for (int line = 1; line <= kLineCount; ++line) ShowLine(line, true);
  for (int v = 1; v <= kValveCount; ++v) {
    const ValvePlace& vp = layout_.Valves[v];
    valveTitles_[v]->SetColours(ToQColor(vp.TitleForeground), ToQColor(vp.TitleBackground),
                                vp.TitleTransparent);
  }
  PlaceFoamControls();
  SyncControls(true);
}

void TfrmPanel::CavitationIndicator(bool shown) {
  LblCavitating->Place.Visible = shown;
  LblCavitating->setVisible(shown);
  if (shown) LblCavitating->raise();
}

void TfrmPanel::PrimedIndicator(PrimedShown shown) {
  const bool visible = shown != PrimedShown::Hidden &&
                       layout_.Item(PanelItem::LblPrimedIndicator).Visible;
  if (shown == PrimedShown::Primed) {
    LblPrimedIndicator->SetText("primed");
    LblPrimedIndicator->SetColours(Qt::black, QColor(0, 255, 0), false);
  } else if (shown == PrimedShown::NotPrimed) {
    LblPrimedIndicator->SetText("not primed");
    LblPrimedIndicator->SetColours(QColor(0, 255, 255), QColor(200, 0, 0), false);
  }
  LblPrimedIndicator->Place.Visible = visible;
  LblPrimedIndicator->setVisible(visible);
}

void TfrmPanel::SetPlate(int plate, int type, PanelPlace place) {
  if (plate < 1 || plate > kLineCount) return;
  auto it = plates_.find(plate);
  if (it == plates_.end()) {
    char name[32];
    std::snprintf(name, sizeof name, "ImgPlate%02d", plate);
    auto* w = new PicturePlate(*background_, background_, name, PlatePicture(type, false));
    w->Place = place;
    background_->AddItem(w);
    w->Stored = &layout_.Plates[plate].Place;
    it = plates_.emplace(plate, std::make_pair(type, w)).first;
  }
  it->second.first = type;
  it->second.second->Place = place;
  background_->PlaceItem(it->second.second);
  it->second.second->SetPicture(PlatePicture(type, p_.S().Discharges[plate].LineBurst != 0));
}

void TfrmPanel::RemovePlate(int plate) {
  auto it = plates_.find(plate);
  if (it == plates_.end()) return;
  it->second.second->Place.Visible = false;
  it->second.second->hide();
}

PicturePlate* TfrmPanel::Plate(int plate) const {
  auto it = plates_.find(plate);
  return it == plates_.end() || it->second.second->isHidden() ? nullptr : it->second.second;
}

}  // namespace pumpdrill
