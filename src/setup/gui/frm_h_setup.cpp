#include "setup/gui/frm_h_setup.h"

#include <QApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QShowEvent>
#include <QVBoxLayout>

#include "frame/configuration.h"
#include "frame/number_entry.h"
#include "setup/gui/setup_dialog_keys.h"
#include "setup/hose_descriptions.h"
#include "setup/nozzle_catalogue.h"
#include "sim/state.h"

namespace pumpdrill {

namespace {

QString Q(const std::string& text) { return QString::fromStdString(text); }

QComboBox* EntryBox(QWidget* parent, const char* name) {
  auto* box = new QComboBox(parent);
  box->setObjectName(name);
  box->setEditable(true);
  box->setInsertPolicy(QComboBox::NoInsert);
  box->setMinimumWidth(90);
  return box;
}

QGroupBox* RadioGroup(QWidget* parent, const char* name, QButtonGroup*& group,
                      std::initializer_list<QRadioButton**> buttons,
                      std::initializer_list<const char*> texts) {
  auto* box = new QGroupBox(parent);
  box->setObjectName(name);
  auto* layout = new QVBoxLayout(box);
  layout->setContentsMargins(8, 4, 8, 4);
  group = new QButtonGroup(box);
  auto text = texts.begin();
  int id = 0;
  for (QRadioButton** b : buttons) {
    *b = new QRadioButton(*text++, box);
    layout->addWidget(*b);
    group->addButton(*b, id++);
  }
  return box;
}

void SetItems(QComboBox* box, const std::vector<std::string>& items) {
  box->clear();
  for (const std::string& item : items) box->addItem(Q(item));
}

}  // namespace

TfrmHSetup::TfrmHSetup(State& s, const Configuration& cfg, int line, Host& host,
                       const ImageLibrary* misc, QWidget* parent)
    : QDialog(parent),
      s_(s),
      cfg_(cfg),
      host_(host),
      pictures_(misc, host, qApp->devicePixelRatio()),
      setup_(s, cfg, line) {
  // FormCreate: the private copy, the nozzle's picture and the ends.
  initialising_ = true;
  setObjectName("frmHSetup");
  setWindowTitle("Line  Setup");
  setModal(true);
  BuildControls();
  ShowNozzlePicture();
  ShowEnds();
}

void TfrmHSetup::BuildControls() {
  LblHDescription = new QLabel("description", this);
  EditHDescription = new QLineEdit(this);
  EditHDescription->setObjectName("EditHDescription");
  RadioHConnected =
      RadioGroup(this, "RadioHConnected", connection_, {&RadioConnected, &RadioDisconnected},
                 {"connected", "disconnected"});
  RadioHMaterialType = RadioGroup(this, "RadioHMaterialType", material_,
                                  {&RadioSoftSleeve, &RadioRigidPipe, &RadioHardSuction},
                                  {"soft sleeve", "rigid pipe", "hard suction"});
  LblHConfig = new QLabel("layout", this);
  CBoxHConfig = new QComboBox(this);
  CBoxHConfig->setObjectName("CBoxHConfig");
  CBoxHConfig->addItems({"single length", "siamese", "wye"});

  BuildHosePanel();

  LblInletsConnected = new QLabel("inlets connected", this);
  CBoxInlet1 = new QComboBox(this);
  CBoxInlet1->setObjectName("CBoxInlet1");
  CBoxInlet2 = new QComboBox(this);
  CBoxInlet2->setObjectName("CBoxInlet2");
  LblOutletsConnected = new QLabel("outlet connected", this);
  CBoxOutlet1 = new QComboBox(this);
  CBoxOutlet1->setObjectName("CBoxOutlet1");
  for (QComboBox* b : {CBoxInlet1, CBoxInlet2, CBoxOutlet1}) b->setMinimumWidth(150);

  LblInletElev = new QLabel(this);
  EditInletElev = new QLineEdit(this);
  EditInletElev->setObjectName("EditInletElev");
  LblOutletElev = new QLabel(this);
  EditOutletElev = new QLineEdit(this);
  EditOutletElev->setObjectName("EditOutletElev");
  for (QLineEdit* e : {EditInletElev, EditOutletElev}) e->setMaximumWidth(90);

  ImgNzPic = new QLabel(this);
  ImgNzPic->setObjectName("ImgNzPic");
  ImgNzPic->setStyleSheet("QLabel { border: 1px solid black; background: white; }");
  ImgNzPic->setAlignment(Qt::AlignCenter);
  ImgNzPic->setFixedSize(84, 38);

  LblLineSummary = new QLabel(this);
  LblLineSummary->setObjectName("LblLineSummary");
  QFont bold = LblLineSummary->font();
  bold.setBold(true);
  LblLineSummary->setFont(bold);

  BtnOK = new QPushButton("OK", this);
  BtnOK->setObjectName("BtnOK");
  BtnCancel = new QPushButton("Cancel", this);
  BtnCancel->setObjectName("BtnCancel");
  for (QPushButton* b : {BtnOK, BtnCancel}) b->setAutoDefault(false);

  auto* top = new QGridLayout;
  top->addWidget(LblHDescription, 0, 0);
  top->addWidget(EditHDescription, 0, 1, 1, 3);
  top->addWidget(ImgNzPic, 0, 4, 2, 1, Qt::AlignRight | Qt::AlignTop);
  top->addWidget(RadioHConnected, 1, 0, 2, 1, Qt::AlignTop);
  top->addWidget(RadioHMaterialType, 1, 1, 2, 1, Qt::AlignTop);
  auto* layoutBox = new QVBoxLayout;
  layoutBox->addWidget(LblHConfig);
  layoutBox->addWidget(CBoxHConfig);
  layoutBox->addStretch(1);
  top->addLayout(layoutBox, 1, 2, 2, 1);
  top->setColumnStretch(3, 1);

  // The inlets at the left; the second siamese inlet, or the outlet of a
  // tank or supply line, beside them.
  auto* ends = new QGridLayout;
  ends->addWidget(LblInletsConnected, 0, 0);
  ends->addWidget(LblOutletsConnected, 0, 1);
  ends->addWidget(CBoxInlet1, 1, 0);
  ends->addWidget(CBoxInlet2, 1, 1);
  ends->addWidget(CBoxOutlet1, 1, 1);
  ends->addWidget(LblInletElev, 2, 0);
  ends->addWidget(LblOutletElev, 2, 1);
  ends->addWidget(EditInletElev, 3, 0);
  ends->addWidget(EditOutletElev, 3, 1);
  ends->setColumnStretch(2, 1);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(BtnOK);
  buttons->addWidget(BtnCancel);

  auto* all = new QVBoxLayout(this);
  all->addLayout(top);
  all->addWidget(PanelHoseConfig);
  all->addLayout(ends);
  all->addSpacing(6);
  all->addWidget(LblLineSummary);
  all->addLayout(buttons);
  all->setSizeConstraint(QLayout::SetFixedSize);

  connect(CBoxHConfig, qOverload<int>(&QComboBox::activated), this, &TfrmHSetup::CBoxHConfigChange);
  connect(material_, &QButtonGroup::idClicked, this, &TfrmHSetup::RadioHMaterialTypeClick);
  connect(connection_, &QButtonGroup::idClicked, this, &TfrmHSetup::RadioHConnectedClick);
  connect(CBoxInlet1, qOverload<int>(&QComboBox::activated), this,
          [this](int i) { CBoxInletChange(1, i); });
  connect(CBoxInlet2, qOverload<int>(&QComboBox::activated), this,
          [this](int i) { CBoxInletChange(2, i); });
  connect(EditHDescription, &QLineEdit::editingFinished, this, [this] {
    if (!initialising_) setup_.SetTitle(EditHDescription->text().toStdString());
  });
  const std::pair<QComboBox*, HoseField> boxes[] = {{CBoxHLenLeft, HoseField::LengthLeft},
                                                    {CBoxHLenRt, HoseField::LengthRight},
                                                    {CBoxHDiamLeft, HoseField::DiamLeft},
                                                    {CBoxHDiamRt, HoseField::DiamRight}};
  for (auto [box, field] : boxes) {
    HoseField f = field;
    connect(box, qOverload<int>(&QComboBox::activated), this, [this, f] { FieldEdited(f); });
    connect(box->lineEdit(), &QLineEdit::editingFinished, this, [this, f] { FieldEdited(f); });
  }
  connect(EditInletElev, &QLineEdit::editingFinished, this,
          [this] { FieldEdited(HoseField::InletElev); });
  connect(EditOutletElev, &QLineEdit::editingFinished, this,
          [this] { FieldEdited(HoseField::OutletElev); });
  connect(BtnOK, &QPushButton::clicked, this, &TfrmHSetup::BtnOKClick);
  connect(BtnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TfrmHSetup::BuildHosePanel() {
  PanelHoseConfig = new QGroupBox(this);
  PanelHoseConfig->setObjectName("PanelHoseConfig");
  ImgHoseConfig = new QLabel(PanelHoseConfig);
  ImgHoseConfig->setObjectName("ImgHoseConfig");
  ImgHoseConfig->setFixedSize(118, 40);
  ImgHoseConfig->setAlignment(Qt::AlignCenter);
  ImgHoseConfig->setFrameShape(QFrame::Panel);
  ImgHoseConfig->setFrameShadow(QFrame::Sunken);

  LblHoseLeft = new QLabel(PanelHoseConfig);
  LblHoseLeft->setObjectName("LblHoseLeft");
  LblLengthLeft = new QLabel(PanelHoseConfig);
  CBoxHLenLeft = EntryBox(PanelHoseConfig, "CBoxHLenLeft");
  LblDiamLeft = new QLabel(PanelHoseConfig);
  CBoxHDiamLeft = EntryBox(PanelHoseConfig, "CBoxHDiamLeft");
  BevelVertical = new QFrame(PanelHoseConfig);
  BevelVertical->setObjectName("BevelVertical");
  BevelVertical->setFrameShape(QFrame::VLine);
  BevelVertical->setFrameShadow(QFrame::Sunken);
  LblHoseRt = new QLabel(PanelHoseConfig);
  LblHoseRt->setObjectName("LblHoseRt");
  LblLengthRt = new QLabel(PanelHoseConfig);
  CBoxHLenRt = EntryBox(PanelHoseConfig, "CBoxHLenRt");
  LblDiamRt = new QLabel(PanelHoseConfig);
  CBoxHDiamRt = EntryBox(PanelHoseConfig, "CBoxHDiamRt");

  // The pump side at the left, the nozzle side at the right.
  auto* grid = new QGridLayout(PanelHoseConfig);
  grid->addWidget(ImgHoseConfig, 0, 0, 1, 5, Qt::AlignHCenter);
  grid->addWidget(LblHoseLeft, 1, 0, 1, 2);
  grid->addWidget(LblLengthLeft, 2, 0);
  grid->addWidget(LblDiamLeft, 2, 1);
  grid->addWidget(CBoxHLenLeft, 3, 0);
  grid->addWidget(CBoxHDiamLeft, 3, 1);
  grid->addWidget(BevelVertical, 1, 2, 3, 1);
  grid->addWidget(LblHoseRt, 1, 3, 1, 2);
  grid->addWidget(LblLengthRt, 2, 3);
  grid->addWidget(LblDiamRt, 2, 4);
  grid->addWidget(CBoxHLenRt, 3, 3);
  grid->addWidget(CBoxHDiamRt, 3, 4);
  grid->setColumnMinimumWidth(3, 100);
  grid->setColumnMinimumWidth(4, 100);
}

void TfrmHSetup::ShowNozzlePicture() {
  const int line = setup_.Line();
  std::string name = line <= kMaxDischarges ? NozzlePictureName(s_.Discharges[line], false) : "";
  QPixmap pixmap = pictures_.Get(name);
  if (name.empty() && line <= kMaxDischarges && s_.Discharges[line].IsMaster) {
    host_.Message(MsgType::Plain, Buttons::Ok, NoNozzleMessage(line));
  }
  if (!pixmap.isNull()) {
    ImgNzPic->setFixedSize(pixmap.width() + 4, pixmap.height() + 4);
    ImgNzPic->setPixmap(pixmap);
  }
  endsFixed_ = line > kMaxDischarges;
  ImgNzPic->setVisible(!name.empty());
}

void TfrmHSetup::ShowEnds() {
  if (!endsFixed_) return;
  // The tank and supply lines show where they start and end.
  const int line = setup_.Line();
  std::string inlet = line == kTankFillLine     ? "pump discharge"
                      : line == kTankToPumpLine ? "tank"
                                                : s_.Supply.SupplyName.str();
  std::string outlet = line == kTankFillLine     ? "tank"
                       : line == kTankToPumpLine ? "pump"
                                                 : setup_.Title();
  CBoxInlet1->addItem(Q(inlet));
  CBoxOutlet1->addItem(Q(outlet));
  CBoxInlet1->setEnabled(false);
  CBoxOutlet1->setEnabled(line == kIntakeLine);
  LblInletsConnected->setText("inlet");
  LblOutletsConnected->setText("outlet");
}

void TfrmHSetup::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (event->spontaneous() || !initialising_) return;
  // FormActivate: the lists for the user's units, then the display.
  FillLists();
  Refresh();
  initialising_ = false;
}

void TfrmHSetup::FillLists() {
  filling_ = true;
  const bool metric = cfg_.Units.Metric;
  const auto& diams = metric ? cfg_.HoseDiamMetric : cfg_.HoseDiamEnglish;
  for (QComboBox* b : {CBoxHDiamLeft, CBoxHDiamRt}) SetItems(b, diams);
  for (QComboBox* b : {CBoxHLenLeft, CBoxHLenRt}) SetItems(b, HoseLengthChoices(metric));
  filling_ = false;
}

void TfrmHSetup::keyPressEvent(QKeyEvent* event) {
  if (KeepsKeyInField(*this, *event)) {
    // Enter commits the field (its own signal); the dialog stays open.
    return;
  }
  QDialog::keyPressEvent(event);
}

void TfrmHSetup::Refresh() {
  filling_ = true;
  const TDischargeRec& d = setup_.Copy();
  const DisplayUnits& u = cfg_.Units;
  CBoxHConfig->setEnabled(setup_.LayoutEditable());
  RadioHMaterialType->setEnabled(setup_.MaterialEditable());
  RadioHConnected->setEnabled(setup_.ConnectionEditable());

  const bool single = d.Layout != kSiameseLayout && d.Layout != kWyeLayout;
  const bool siamese = d.Layout == kSiameseLayout;
  for (QWidget* w : std::initializer_list<QWidget*>{LblHoseRt, BevelVertical, LblLengthRt,
                                                    LblDiamRt, CBoxHLenRt, CBoxHDiamRt})
    w->setVisible(!single);
  const bool inlets = endsFixed_ ? single : siamese;
  LblInletsConnected->setVisible(inlets);
  CBoxInlet1->setVisible(inlets);
  CBoxInlet2->setVisible(siamese && !endsFixed_);
  LblOutletsConnected->setVisible(endsFixed_ && single);
  CBoxOutlet1->setVisible(endsFixed_ && single);

  if (siamese && !endsFixed_) {
    for (int k : {1, 2}) {
      QComboBox* box = k == 1 ? CBoxInlet1 : CBoxInlet2;
      box->clear();
      // The line number goes with each title: two lines may share one.
      for (const InletChoice& c : setup_.InletChoices(k)) box->addItem(Q(c.Title), c.Line);
      box->setCurrentIndex(setup_.InletItem(k));
    }
  }
  EditHDescription->setEnabled(setup_.TitleEditable());

  const QString len = Q("length (" + u.Label[kUnitLength] + ")");
  const QString dia = Q("diameter (" + u.Label[kUnitDiameter] + ")");
  for (QLabel* l : {LblLengthLeft, LblLengthRt}) l->setText(len);
  for (QLabel* l : {LblDiamLeft, LblDiamRt}) l->setText(dia);
  LblHoseLeft->setText(Q(setup_.SideDescription(true)));
  LblHoseRt->setText(Q(setup_.SideDescription(false)));
  for (HoseField f :
       {HoseField::LengthLeft, HoseField::LengthRight, HoseField::DiamLeft, HoseField::DiamRight})
    if (f == HoseField::LengthLeft || f == HoseField::DiamLeft || !single) {
      QComboBox* box = f == HoseField::LengthLeft    ? CBoxHLenLeft
                       : f == HoseField::LengthRight ? CBoxHLenRt
                       : f == HoseField::DiamLeft    ? CBoxHDiamLeft
                                                     : CBoxHDiamRt;
      QString text = Q(setup_.FieldText(f));
      int item = box->findText(text);
      box->setCurrentIndex(item);
      box->setEditText(text);
    }
  LblInletElev->setText(Q("inlet elevation (" + u.Label[kUnitLength] + ")"));
  LblOutletElev->setText(Q("outlet elevation (" + u.Label[kUnitLength] + ")"));
  EditInletElev->setText(Q(setup_.FieldText(HoseField::InletElev)));
  EditOutletElev->setText(Q(setup_.FieldText(HoseField::OutletElev)));
  EditHDescription->setText(Q(setup_.Title()));
  connection_->button(setup_.Connected() ? 0 : 1)->setChecked(true);
  if (QAbstractButton* b = material_->button(d.HoseKind)) b->setChecked(true);
  CBoxHConfig->setCurrentIndex(single ? 0 : d.Layout);

  // The arrangement's picture, reloaded only when the layout changed.
  std::string picture = LayoutPictureName(s_, setup_.Line(), d.Layout);
  if (picture != picture_) {
    picture_ = picture;
    ImgHoseConfig->setPixmap(pictures_.Get(picture));
  }
  ImgHoseConfig->setToolTip(Q(LayoutText(d.Layout)));
  LblLineSummary->setText(Q(setup_.Summary()));
  filling_ = false;
}

QString TfrmHSetup::FieldControlText(HoseField f) const {
  switch (f) {
    case HoseField::LengthLeft:
      return CBoxHLenLeft->currentText();
    case HoseField::LengthRight:
      return CBoxHLenRt->currentText();
    case HoseField::DiamLeft:
      return CBoxHDiamLeft->currentText();
    case HoseField::DiamRight:
      return CBoxHDiamRt->currentText();
    case HoseField::InletElev:
      return EditInletElev->text();
    default:
      return EditOutletElev->text();
  }
}

bool TfrmHSetup::CommitField(HoseField f, const char* prefix) {
  const std::string text = FieldControlText(f).trimmed().toStdString();
  if (text == setup_.FieldText(f)) return true;
  std::string error;
  if (setup_.Commit(f, text, error)) return true;
  committing_ = true;
  host_.Message(MsgType::Plain, Buttons::Ok, prefix + error);
  committing_ = false;
  return false;
}

bool TfrmHSetup::LosingFocusToButtons() const {
  QWidget* focus = QApplication::focusWidget();
  return focus == BtnOK || focus == BtnCancel;
}

void TfrmHSetup::FieldEdited(HoseField f) {
  if (initialising_ || filling_ || committing_) return;
  // OK commits what is still typed; Cancel drops it.
  if (LosingFocusToButtons()) return;
  CommitField(f);
  Refresh();  // a refused text gives way to the value kept
}

void TfrmHSetup::CBoxHConfigChange(int layout) {
  if (initialising_ || filling_) return;
  setup_.SetLayout(layout);
  Refresh();
}

void TfrmHSetup::RadioHMaterialTypeClick(int kind) {
  if (initialising_ || filling_) return;
  setup_.SetMaterial(kind);
  Refresh();
}

void TfrmHSetup::RadioHConnectedClick(int item) {
  if (initialising_ || filling_) return;
  setup_.SetConnected(item == 0);
  Refresh();
}

void TfrmHSetup::CBoxInletChange(int k, int item) {
  if (initialising_ || filling_ || endsFixed_) return;
  QComboBox* box = k == 1 ? CBoxInlet1 : CBoxInlet2;
  setup_.SetPartner(k, box->itemData(item).toInt());
  Refresh();
}

void TfrmHSetup::BtnOKClick() {
  // Texts still typed in a field are committed first; a refused one keeps
  // the dialog open.
  const bool single = setup_.Copy().Layout != kSiameseLayout && setup_.Copy().Layout != kWyeLayout;
  struct Pending {
    HoseField field;
    const char* prefix;
  };
  for (const Pending& p : {Pending{HoseField::DiamLeft, "Hose Diameter: "},
                           {HoseField::LengthLeft, ""},
                           {HoseField::LengthRight, ""},
                           {HoseField::DiamRight, ""},
                           {HoseField::InletElev, ""},
                           {HoseField::OutletElev, ""}}) {
    bool right = p.field == HoseField::LengthRight || p.field == HoseField::DiamRight;
    if (right && single) continue;
    if (!CommitField(p.field, p.prefix)) {
      Refresh();
      return;
    }
  }
  setup_.SetTitle(EditHDescription->text().toStdString());
  if (setup_.Ok(s_, host_)) accept();
}

}  // namespace pumpdrill
