#include "burn/gui/frm_burn.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QMdiSubWindow>
#include <QVBoxLayout>

#include "burn/burn_house_save.h"
#include "burn/burn_window_values.h"
#include "panel/gui/named_bitmap.h"

namespace pumpdrill {

namespace {

const char* kInitSequence = "Init Sequence";
// The show-setup glyph's size on the screen; the library holds it finer.
constexpr int kGlyphSize = 16;
constexpr int kMeterWidth = 30;
constexpr int kMeterHeight = 170;

QLabel* Label(const char* text, QWidget* parent, const char* name = nullptr) {
  auto* l = new QLabel(text, parent);
  if (name) l->setObjectName(name);
  return l;
}

QLineEdit* NumberEdit(const char* name, QWidget* parent) {
  auto* e = new QLineEdit(parent);
  e->setObjectName(name);
  e->setAlignment(Qt::AlignRight);
  e->setMaxLength(12);
  e->setFixedWidth(e->fontMetrics().horizontalAdvance("0000000.0") + 12);
  return e;
}

QFrame* Panel(const char* name, QWidget* parent) {
  auto* f = new QFrame(parent);
  f->setObjectName(name);
  f->setFrameShape(QFrame::StyledPanel);
  f->setFrameShadow(QFrame::Raised);
  return f;
}

QProgressBar* Meter(const char* name, const char* chunk, QWidget* parent) {
  auto* m = new QProgressBar(parent);
  m->setObjectName(name);
  m->setOrientation(Qt::Vertical);
  m->setRange(0, 100);
  m->setTextVisible(false);
  m->setFixedSize(kMeterWidth, kMeterHeight);
  m->setStyleSheet(QString("QProgressBar { border: 1px solid #505050; border-radius: 3px; background: #e8e8e8; }"
                           "QProgressBar::chunk { border-radius: 2px; background: %1; }")
                       .arg(chunk));
  return m;
}

void SetText(QLabel* l, const std::string& text) { l->setText(QString::fromStdString(text)); }
void SetText(QLineEdit* e, const std::string& text) { e->setText(QString::fromStdString(text)); }
std::string TextOf(const QLineEdit* e) { return e->text().toStdString(); }

}  // namespace

TfrmBurn::TfrmBurn(Program& program, Host& host, const ImageLibrary* misc, QWidget* parent)
    : QWidget(parent), p_(program), host_(host) {
  setObjectName("frmBurn");
  setWindowTitle("Fully-Involved Structure");
  p_.log.WriteInitLog(kInitSequence, "burn FormCreate", "OK");
  BuildControls(misc);
  TimerMeters.setInterval(500);
  connect(&TimerMeters, &QTimer::timeout, this, &TfrmBurn::TimerMetersTimer);
  TimerMeters.start();
  RefreshBurnWindow();
}

void TfrmBurn::BuildControls(const ImageLibrary* misc) {
  auto* top = new QHBoxLayout;
  top->addWidget(Label("structure description", this));
  EditDescription = new QLineEdit(this);
  EditDescription->setObjectName("EditDescription");
  EditDescription->setMaxLength(255);
  top->addWidget(EditDescription, 1);
  BtnShowSetup = new QToolButton(this);
  BtnShowSetup->setObjectName("BtnShowSetup");
  BtnShowSetup->setToolTip("show structure data");
  BtnShowSetup->setCheckable(true);
  BtnShowSetup->setText("i");
  BtnShowSetup->setIconSize(QSize(kGlyphSize, kGlyphSize));
  QPixmap glyph;
  if (misc && LoadNamedBitmap(misc, "BTN_SHOW_SETUP", glyph, host_)) {
    if (glyph.devicePixelRatio() == 1 && glyph.width() > kGlyphSize)
      glyph.setDevicePixelRatio(static_cast<qreal>(glyph.width()) / kGlyphSize);
    BtnShowSetup->setIcon(QIcon(glyph));
  }
  connect(BtnShowSetup, &QToolButton::clicked, this, &TfrmBurn::BtnShowSetupClick);
  top->addWidget(BtnShowSetup);

  auto* panels = new QHBoxLayout;
  panels->addWidget(StructDimsSetupPnl = BuildStructDims(), 0, Qt::AlignTop);
  panels->addWidget(OtherParamsSetupPnl = BuildOtherParams(), 0, Qt::AlignTop);
  panels->addWidget(ActivePanel = BuildActivePanel(), 1, Qt::AlignTop);

  auto* bottom = new QHBoxLayout;
  BtnSave = new QPushButton("Save", this);
  BtnSave->setObjectName("BtnSave");
  BtnSave->setAutoDefault(false);
  connect(BtnSave, &QPushButton::clicked, this, &TfrmBurn::BtnSaveClick);
  bottom->addWidget(BtnSave);
  bottom->addStretch(1);
  CheckBoxStayOnTop = new QCheckBox("Stay On Top", this);
  CheckBoxStayOnTop->setObjectName("CheckBoxStayOnTop");
  connect(CheckBoxStayOnTop, &QCheckBox::clicked, this, &TfrmBurn::CheckBoxStayOnTopClick);
  bottom->addWidget(CheckBoxStayOnTop);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(6, 6, 6, 6);
  layout->setSpacing(6);
  layout->setSizeConstraint(QLayout::SetFixedSize);  // the window fits what it shows
  layout->addLayout(top);
  layout->addLayout(panels);
  layout->addLayout(bottom);
}

QFrame* TfrmBurn::BuildStructDims() {
  QFrame* f = Panel("StructDimsSetupPnl", this);
  auto* g = new QGridLayout(f);
  g->setHorizontalSpacing(8);
  LblStructDims = Label("Dimensions  (ft)", f, "LblStructDims");
  LblStructDims->setStyleSheet("font-weight: bold;");
  g->addWidget(LblStructDims, 0, 0, 1, 2);
  int row = 1;
  for (auto [caption, edit, name] : {std::tuple{"length", &EditLen, "EditLen"}, std::tuple{"width", &EditWd, "EditWd"},
                                     std::tuple{"height", &EditHt, "EditHt"}}) {
    g->addWidget(Label(caption, f), row, 0);
    g->addWidget(*edit = NumberEdit(name, f), row++, 1);
  }
  auto* vent = Label("Vent  (equivalent)", f);
  vent->setStyleSheet("font-weight: bold;");
  g->addWidget(vent, row++, 0, 1, 2);
  g->addWidget(LblVentArea = Label("area  (sq. ft)", f, "LblVentArea"), row, 0);
  g->addWidget(EditVentArea = NumberEdit("EditVentArea", f), row++, 1);
  g->addWidget(LblVentHt = Label("height  (ft)", f, "LblVentHt"), row, 0);
  g->addWidget(EditVentHeight = NumberEdit("EditVentHeight", f), row++, 1);
  return f;
}

QFrame* TfrmBurn::BuildOtherParams() {
  QFrame* f = Panel("OtherParamsSetupPnl", this);
  auto* g = new QGridLayout(f);
  g->setHorizontalSpacing(8);
  g->addWidget(Label("% efficiency of water application", f), 0, 0, 1, 2);
  g->addWidget(EditAppEfficiency = NumberEdit("EditAppEfficiency", f), 0, 2);
  RadioFireLoad = new QRadioButton(f);
  RadioFireLoad->setObjectName("RadioFireLoad");
  RadioFireLoad->setToolTip("enter the fire load per floor area");
  RadioTotFireLoad = new QRadioButton(f);
  RadioTotFireLoad->setObjectName("RadioTotFireLoad");
  RadioTotFireLoad->setToolTip("enter the total fire load");
  auto* group = new QButtonGroup(f);
  group->addButton(RadioFireLoad);
  group->addButton(RadioTotFireLoad);
  RadioFireLoad->setChecked(true);
  connect(RadioFireLoad, &QRadioButton::clicked, this, &TfrmBurn::RadioFireLoadClick);
  connect(RadioTotFireLoad, &QRadioButton::clicked, this, &TfrmBurn::RadioFireLoadClick);
  for (QRadioButton* r : {RadioFireLoad, RadioTotFireLoad}) r->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
  g->addWidget(RadioFireLoad, 1, 0);
  g->addWidget(LblFireLoad = Label("fire load (lb/sq. ft)", f, "LblFireLoad"), 1, 1);
  g->addWidget(EditFireLoad = NumberEdit("EditFireLoad", f), 1, 2);
  g->addWidget(RadioTotFireLoad, 2, 0);
  g->addWidget(LabelTotFireLoad = Label("total enclosure fire load (lb)", f, "LabelTotFireLoad"), 2, 1);
  g->addWidget(EditTotFireLoad = NumberEdit("EditTotFireLoad", f), 2, 2);
  g->addWidget(Label("approx. burn time, fire severity (hrs)", f), 3, 0, 1, 2);
  LblFireSeverity = Label("", f, "LblFireSeverity");
  LblFireSeverity->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  LblFireSeverity->setFrameShape(QFrame::Panel);
  LblFireSeverity->setFrameShadow(QFrame::Sunken);
  LblFireSeverity->setFixedWidth(EditFireLoad->width());
  g->addWidget(LblFireSeverity, 3, 2);
  g->setRowStretch(4, 1);
  EnableFireLoadEdits();
  return f;
}

QFrame* TfrmBurn::BuildActivePanel() {
  QFrame* f = Panel("ActivePanel", this);
  auto* g = new QGridLayout(f);
  g->setHorizontalSpacing(24);
  QFont big = font();
  big.setPointSizeF(big.pointSizeF() * 1.6);
  big.setBold(true);
  tempMeterCaption = Label("", f, "tempMeterCaption");
  BurnedPercentMeterCaption = Label("", f, "BurnedPercentMeterCaption");
  for (QLabel* l : {tempMeterCaption, BurnedPercentMeterCaption}) {
    l->setFont(big);
    l->setAlignment(Qt::AlignCenter);
    l->setMinimumWidth(QFontMetrics(big).horizontalAdvance("0000 %"));
  }
  tempMeter = Meter("tempMeter", "qlineargradient(x1:0, y1:1, x2:0, y2:0, stop:0 #f0a000, stop:1 #d01808)", f);
  BurnedPercentMeter =
      Meter("BurnedPercentMeter", "qlineargradient(x1:0, y1:1, x2:0, y2:0, stop:0 #3a3a3a, stop:1 #806040)", f);
  LabelTempUnits = Label("temp deg F", f, "LabelTempUnits");
  auto* burned = Label("burned", f);
  g->addWidget(tempMeterCaption, 0, 0, Qt::AlignCenter);
  g->addWidget(BurnedPercentMeterCaption, 0, 1, Qt::AlignCenter);
  g->addWidget(tempMeter, 1, 0, Qt::AlignHCenter);
  g->addWidget(BurnedPercentMeter, 1, 1, Qt::AlignHCenter);
  g->addWidget(LabelTempUnits, 2, 0, Qt::AlignHCenter);
  g->addWidget(burned, 2, 1, Qt::AlignHCenter);
  LblFireOut = Label("FIRE OUT", f, "LblFireOut");
  LblFireOut->setFont(big);
  LblFireOut->setStyleSheet("color: #006400;");
  LblFireOut->setAlignment(Qt::AlignCenter);
  QSizePolicy keep = LblFireOut->sizePolicy();
  keep.setRetainSizeWhenHidden(true);  // the window keeps its size at the knock-down
  LblFireOut->setSizePolicy(keep);
  LblFireOut->hide();
  g->addWidget(LblFireOut, 3, 0, 1, 2, Qt::AlignCenter);
  return f;
}

void TfrmBurn::RefreshBurnWindow() {
  const BurnWindowTexts t = BurnWindowTextsOf(p_.S().BurnHouse, p_.config.Units);
  SetText(LblStructDims, t.LblStructDims);
  SetText(EditLen, t.EditLen);
  SetText(EditWd, t.EditWd);
  SetText(EditHt, t.EditHt);
  SetText(LblVentArea, t.LblVentArea);
  SetText(EditVentArea, t.EditVentArea);
  SetText(LblVentHt, t.LblVentHt);
  SetText(EditVentHeight, t.EditVentHeight);
  SetText(EditAppEfficiency, t.EditAppEfficiency);
  SetText(LblFireLoad, t.LblFireLoad);
  SetText(EditFireLoad, t.EditFireLoad);
  SetText(LabelTotFireLoad, t.LabelTotFireLoad);
  SetText(EditTotFireLoad, t.EditTotFireLoad);
  SetText(LblFireSeverity, t.LblFireSeverity);
  EditDescription->setText(QString::fromUtf8(t.EditDescription.data(), static_cast<int>(t.EditDescription.size())));
  SetText(LabelTempUnits, t.LabelTempUnits);
  setupInRun_ = false;
  RefreshMode();
}

void TfrmBurn::RefreshMode() {
  const bool active = p_.run.SimActive;
  const bool setup = !active || setupInRun_;
  StructDimsSetupPnl->setVisible(setup);
  OtherParamsSetupPnl->setVisible(setup);
  ActivePanel->setVisible(!setup);
  EditDescription->setEnabled(!active);
  BtnShowSetup->setVisible(active);
  BtnShowSetup->setChecked(setupInRun_);
  BtnSave->setVisible(!active);
  // During a run the setup is only looked at.
  for (QLineEdit* e : {EditLen, EditWd, EditHt, EditVentArea, EditVentHeight, EditAppEfficiency, EditFireLoad,
                       EditTotFireLoad}) {
    e->setReadOnly(active);
    // A field that cannot be typed into looks so.
    QPalette look = palette();
    if (active) look.setColor(QPalette::Base, look.color(QPalette::Window));
    e->setPalette(look);
  }
  for (QRadioButton* r : {RadioFireLoad, RadioTotFireLoad}) r->setEnabled(!active);
  CheckBoxStayOnTop->setChecked(p_.S().BurnHouse.StayOnTop != 0);
  FitWindow();
  ApplyStayOnTop();
  UpdateBurnMeters();
}

void TfrmBurn::UpdateBurnMeters() {
  const BurnMeters m = BurnMetersOf(p_.S().BurnHouse, p_.config.Units);
  SetText(tempMeterCaption, m.TempCaption);
  SetText(BurnedPercentMeterCaption, m.BurnedCaption);
  BurnedPercentMeter->setValue(m.BurnedPosition);
  tempMeter->setValue(m.TempPosition);
  LblFireOut->setVisible(p_.run.SimActive && m.FireOut);
}

void TfrmBurn::FitWindow() {
  if (layout()) layout()->activate();
  adjustSize();
  if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget())) sub->adjustSize();
}

void TfrmBurn::ApplyStayOnTop() {
  const bool on = p_.S().BurnHouse.StayOnTop != 0;
  QWidget* frame = qobject_cast<QMdiSubWindow*>(parentWidget());
  if (!frame) frame = this;
  if (frame->windowFlags().testFlag(Qt::WindowStaysOnTopHint) == on) return;
  const bool visible = frame->isVisible();
  frame->setWindowFlag(Qt::WindowStaysOnTopHint, on);
  if (visible && frame->isHidden()) frame->show();  // a top-level window is hidden by the change
  if (on && visible) frame->raise();
}

void TfrmBurn::EnableFireLoadEdits() {
  EditFireLoad->setEnabled(RadioFireLoad->isChecked());
  EditTotFireLoad->setEnabled(RadioTotFireLoad->isChecked());
}

void TfrmBurn::RadioFireLoadClick() { EnableFireLoadEdits(); }

void TfrmBurn::BtnSaveClick() {
  if (p_.run.SimActive) return;
  BurnHouseEntries e;
  e.Length = TextOf(EditLen);
  e.Width = TextOf(EditWd);
  e.Height = TextOf(EditHt);
  e.VentArea = TextOf(EditVentArea);
  e.VentHeight = TextOf(EditVentHeight);
  e.AppEfficiency = TextOf(EditAppEfficiency);
  e.FireLoad = TextOf(EditFireLoad);
  e.TotalFireLoad = TextOf(EditTotFireLoad);
  e.TotalFireLoadChosen = RadioTotFireLoad->isChecked();
  e.Description = EditDescription->text().toStdString();
  e.StayOnTop = CheckBoxStayOnTop->isChecked();
  const BurnEntry bad = SaveBurnHouse(p_.S(), p_.config.Units, e, host_);
  QLineEdit* faulty = nullptr;
  switch (bad) {
    case BurnEntry::None: break;
    case BurnEntry::Length: faulty = EditLen; break;
    case BurnEntry::Width: faulty = EditWd; break;
    case BurnEntry::Height: faulty = EditHt; break;
    case BurnEntry::VentArea: faulty = EditVentArea; break;
    case BurnEntry::VentHeight: faulty = EditVentHeight; break;
    case BurnEntry::AppEfficiency: faulty = EditAppEfficiency; break;
    case BurnEntry::FireLoad: faulty = EditFireLoad; break;
    case BurnEntry::TotalFireLoad: faulty = EditTotFireLoad; break;
  }
  if (faulty) {
    faulty->setFocus();
    faulty->selectAll();
    return;
  }
  RefreshBurnWindow();
}

void TfrmBurn::BtnShowSetupClick() {
  if (!p_.run.SimActive) return;
  setupInRun_ = !setupInRun_;
  RefreshMode();
}

void TfrmBurn::CheckBoxStayOnTopClick() {
  if (loading_) {
    CheckBoxStayOnTop->setChecked(p_.S().BurnHouse.StayOnTop != 0);
    return;
  }
  p_.S().BurnHouse.StayOnTop = CheckBoxStayOnTop->isChecked();
  ApplyStayOnTop();
}

void TfrmBurn::TimerMetersTimer() {
  if (p_.run.SimActive) UpdateBurnMeters();
}

void TfrmBurn::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  shown_ = true;
  loading_ = false;
}

void TfrmBurn::closeEvent(QCloseEvent* event) {
  shown_ = false;
  event->accept();
}

}  // namespace pumpdrill
