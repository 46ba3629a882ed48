#include "setup/gui/frm_nz_setup.h"

#include <QApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QShowEvent>
#include <QVBoxLayout>

#include "frame/configuration.h"
#include "setup/gui/setup_dialog_keys.h"
#include "sim/state.h"

namespace pumpdrill {

namespace {

QString Q(const std::string& text) { return QString::fromStdString(text); }

QFont SectionFont(bool selected) {
  QFont f("Arial");
  f.setPointSize(selected ? 9 : 8);
  f.setBold(selected);
  return f;
}

void ShowSection(QLabel* label, bool selected) {
  label->setFont(SectionFont(selected));
  label->setStyleSheet(selected ? "color: red;" : "color: navy;");
}

}  // namespace

TfrmNzSetup::TfrmNzSetup(State& s, const Configuration& cfg, int line, Host& host,
                         const ImageLibrary* misc, QWidget* parent)
    : QDialog(parent),
      s_(s),
      cfg_(cfg),
      host_(host),
      pictures_(misc, host, qApp->devicePixelRatio()),
      setup_(s, line, cfg.Units) {
  // FormCreate: the working copy and the catalogue.
  initialising_ = true;
  setObjectName("frmNzSetup");
  setWindowTitle("Nozzle Setup");
  setModal(true);
  BuildControls();
}

void TfrmNzSetup::BuildControls() {
  LblHandline = new QLabel(kHandlineSection, this);
  ListBoxNzType = new QListWidget(this);
  ListBoxNzType->setObjectName("ListBoxNzType");
  for (int row = 0; row < kNozzleRows; ++row) {
    auto* item = new QListWidgetItem(CatalogueRow(row).ListText, ListBoxNzType);
    if (!IsSelectableRow(row)) item->setFlags(Qt::NoItemFlags);
  }
  ListBoxNzType->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  ListBoxNzType->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  int rowHeight = ListBoxNzType->sizeHintForRow(0);
  ListBoxNzType->setFixedHeight(rowHeight * kNozzleRows + 2 * ListBoxNzType->frameWidth() + 2);
  ListBoxNzType->setMinimumWidth(ListBoxNzType->sizeHintForColumn(0) + 24);
  // The master-stream caption stands in the blank row above its nozzles.
  LblMasterStream = new QLabel(kMasterSection, ListBoxNzType->viewport());
  LblMasterStream->setAttribute(Qt::WA_TransparentForMouseEvents);

  LblNzAttrCaption = new QLabel(this);
  LblNzAttrCaption->setObjectName("LblNzAttrCaption");
  ListBoxNzBorePsiAttrs = new QListWidget(this);
  ListBoxNzBorePsiAttrs->setObjectName("ListBoxNzBorePsiAttrs");
  ListBoxNzBorePsiAttrs->setMinimumWidth(
      QFontMetrics(ListBoxNzBorePsiAttrs->font())
          .horizontalAdvance("1-1/2\" to 2-1/2\"; 95,125,150,200 & 250 gpm  ") +
      12);
  // Room for every bore choice without scrolling.
  ListBoxNzBorePsiAttrs->addItem("1-1/2");
  ListBoxNzBorePsiAttrs->setMinimumHeight(ListBoxNzBorePsiAttrs->sizeHintForRow(0) *
                                              static_cast<int>(BoreChoices(false).size()) +
                                          2 * ListBoxNzBorePsiAttrs->frameWidth() + 4);
  ListBoxNzBorePsiAttrs->clear();
  LblTipFlow = new QLabel(this);
  LblTipFlow->setObjectName("LblTipFlow");

  LblGallSelect = new QLabel(this);
  ComboGallSelect = new QComboBox(this);
  ComboGallSelect->setObjectName("ComboGallSelect");
  ComboGallSelect->setMinimumWidth(90);

  PnlRadio = new QGroupBox(this);
  PnlRadio->setObjectName("PnlRadio");
  auto* radios = new QVBoxLayout(PnlRadio);
  mountings_ = new QButtonGroup(this);
  RadioDeckGun = new QRadioButton("Deck Gun", PnlRadio);
  RadioPortable = new QRadioButton("Portable Monitor", PnlRadio);
  RadioElevated = new QRadioButton("Elevated", PnlRadio);
  int tag = 0;
  for (QRadioButton* r : {RadioDeckGun, RadioPortable, RadioElevated}) {
    radios->addWidget(r);
    mountings_->addButton(r, tag++);  // the button's Tag is its mounting
  }

  ImgNozzle = new QLabel(this);
  ImgNozzle->setObjectName("ImgNozzle");
  ImgNozzle->setFixedSize(100, 76);
  ImgNozzle->setAlignment(Qt::AlignCenter);

  LblInitNzHt = new QLabel(this);
  EditNzHeight = new QLineEdit(this);
  EditNzHeight->setObjectName("EditNzHeight");
  EditNzHeight->setMaximumWidth(80);
  SpinButton1Up = new QToolButton(this);
  SpinButton1Up->setObjectName("SpinButton1Up");
  SpinButton1Up->setArrowType(Qt::UpArrow);
  SpinButton1Down = new QToolButton(this);
  SpinButton1Down->setObjectName("SpinButton1Down");
  SpinButton1Down->setArrowType(Qt::DownArrow);
  for (QToolButton* b : {SpinButton1Up, SpinButton1Down}) {
    b->setFixedSize(18, 12);
    b->setAutoRepeat(true);
    b->setFocusPolicy(Qt::NoFocus);
  }
  LblNzDescription = new QLabel("description", this);
  EditNzDescription = new QLineEdit(this);
  EditNzDescription->setObjectName("EditNzDescription");

  BtnOK = new QPushButton("OK", this);
  BtnOK->setObjectName("BtnOK");
  BtnCancel = new QPushButton("Cancel", this);
  BtnCancel->setObjectName("BtnCancel");
  for (QPushButton* b : {BtnOK, BtnCancel}) b->setAutoDefault(false);

  // Left: the catalogue, the picture and the mounting.
  auto* left = new QVBoxLayout;
  left->addWidget(LblHandline);
  left->addWidget(ListBoxNzType);
  auto* picture = new QHBoxLayout;
  picture->addWidget(ImgNozzle, 0, Qt::AlignTop);
  picture->addWidget(PnlRadio, 0, Qt::AlignTop);
  picture->addStretch(1);
  left->addLayout(picture);
  left->addStretch(1);

  // Right: the bore or size, the gallonage, the height and description.
  auto* right = new QVBoxLayout;
  right->addWidget(LblNzAttrCaption);
  right->addWidget(ListBoxNzBorePsiAttrs, 1);
  right->addWidget(LblTipFlow);
  auto* gallonage = new QHBoxLayout;
  gallonage->addWidget(LblGallSelect);
  gallonage->addWidget(ComboGallSelect);
  gallonage->addStretch(1);
  right->addLayout(gallonage);
  auto* height = new QGridLayout;
  auto* spin = new QVBoxLayout;
  spin->setSpacing(0);
  spin->addWidget(SpinButton1Up);
  spin->addWidget(SpinButton1Down);
  height->addWidget(LblInitNzHt, 0, 0);
  height->addWidget(EditNzHeight, 0, 1);
  height->addLayout(spin, 0, 2);
  height->addWidget(LblNzDescription, 1, 0);
  height->addWidget(EditNzDescription, 1, 1, 1, 3);
  height->setColumnStretch(3, 1);
  right->addLayout(height);

  auto* panels = new QHBoxLayout;
  panels->addLayout(left);
  panels->addSpacing(8);
  panels->addLayout(right, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(BtnOK);
  buttons->addWidget(BtnCancel);
  auto* all = new QVBoxLayout(this);
  all->addLayout(panels);
  all->addLayout(buttons);

  connect(ListBoxNzType, &QListWidget::currentRowChanged, this, &TfrmNzSetup::ListBoxNzTypeClick);
  connect(ListBoxNzBorePsiAttrs, &QListWidget::currentRowChanged, this,
          &TfrmNzSetup::ListBoxNzBorePsiAttrsClick);
  connect(ComboGallSelect, qOverload<int>(&QComboBox::activated), this,
          &TfrmNzSetup::ComboGallSelectChange);
  connect(mountings_, &QButtonGroup::idClicked, this, &TfrmNzSetup::RadioMountingClick);
  connect(SpinButton1Up, &QToolButton::clicked, this, [this] { SpinButton1Click(1); });
  connect(SpinButton1Down, &QToolButton::clicked, this, [this] { SpinButton1Click(-1); });
  connect(EditNzHeight, &QLineEdit::editingFinished, this, &TfrmNzSetup::EditNzHeightExit);
  connect(BtnOK, &QPushButton::clicked, this, &TfrmNzSetup::BtnOKClick);
  connect(BtnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TfrmNzSetup::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (event->spontaneous() || !initialising_) return;
  // FormShow and FormActivate: the line's row, size and mounting are found
  // with the working copy; the description is shown once.
  EditNzDescription->setText(Q(setup_.Work().Name));
  Refresh();
  PlaceSectionLabels();
  initialising_ = false;
}

void TfrmNzSetup::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  PlaceSectionLabels();
}

void TfrmNzSetup::PlaceSectionLabels() {
  QRect blank = ListBoxNzType->visualItemRect(ListBoxNzType->item(3));
  LblMasterStream->adjustSize();
  LblMasterStream->move(4, blank.center().y() - LblMasterStream->height() / 2);
}

void TfrmNzSetup::keyPressEvent(QKeyEvent* event) {
  if (KeepsKeyInField(*this, *event)) return;
  QDialog::keyPressEvent(event);
}

void TfrmNzSetup::Refresh() {
  filling_ = true;
  setWindowTitle(Q("Nozzle Setup for:   " + setup_.Work().Title));
  const bool master = setup_.IsMasterRow();
  ShowSection(LblHandline, !master);
  ShowSection(LblMasterStream, master);
  LblMasterStream->adjustSize();

  LblNzAttrCaption->setText(Q(setup_.AttrCaption()));
  QStringList items;
  for (const std::string& item : setup_.SizeItems()) items << Q(item);
  // Rebuilt only when the choices change: the list may be the one clicked.
  QStringList shown;
  for (int i = 0; i < ListBoxNzBorePsiAttrs->count(); ++i)
    shown << ListBoxNzBorePsiAttrs->item(i)->text();
  if (shown != items) {
    ListBoxNzBorePsiAttrs->clear();
    ListBoxNzBorePsiAttrs->addItems(items);
  }
  ListBoxNzBorePsiAttrs->setCurrentRow(setup_.Size());
  LblTipFlow->setText(Q(setup_.TipFlowText()));

  const bool gallonage = setup_.ShowsGallonage();
  LblGallSelect->setVisible(gallonage);
  ComboGallSelect->setVisible(gallonage);
  LblGallSelect->setText(Q(setup_.GallonageCaption()));
  ComboGallSelect->clear();
  for (const std::string& item : setup_.GallonageItems()) ComboGallSelect->addItem(Q(item));
  ComboGallSelect->setCurrentIndex(setup_.GallonageItem());

  ShowPicture();
  PnlRadio->setVisible(master);
  if (QAbstractButton* b = mountings_->button(setup_.Work().MasterKind)) b->setChecked(true);
  ListBoxNzType->setCurrentRow(setup_.Row());
  LblInitNzHt->setText(Q("initial ht (" + cfg_.Units.Label[kUnitLength] + ")"));
  EditNzHeight->setText(Q(setup_.HeightText()));
  filling_ = false;
}

void TfrmNzSetup::ShowPicture() {
  const std::string name = setup_.PictureName();
  if (name == picture_) return;
  picture_ = name;
  ImgNozzle->setPixmap(pictures_.Get(name));
}

void TfrmNzSetup::ListBoxNzTypeClick(int row) {
  if (initialising_ || filling_) return;
  setup_.SelectRow(row);
  Refresh();
}

void TfrmNzSetup::ListBoxNzBorePsiAttrsClick(int item) {
  if (initialising_ || filling_) return;
  setup_.SelectSize(item);
  Refresh();
}

void TfrmNzSetup::ComboGallSelectChange(int item) {
  if (initialising_ || filling_) return;
  setup_.SelectGallonage(item);
  LblTipFlow->setText(Q(setup_.TipFlowText()));
}

void TfrmNzSetup::RadioMountingClick(int tag) {
  if (initialising_ || filling_) return;
  setup_.SetMounting(tag);
  Refresh();
}

void TfrmNzSetup::SpinButton1Click(int steps) {
  std::string error;
  // A typed height counts from what was typed.
  setup_.SetHeightText(EditNzHeight->text().toStdString(), error);
  setup_.StepHeight(steps);
  EditNzHeight->setText(Q(setup_.HeightText()));
}

void TfrmNzSetup::EditNzHeightExit() {
  if (initialising_) return;
  std::string error;
  // A text that is no number stays for OK to report.
  if (setup_.SetHeightText(EditNzHeight->text().toStdString(), error))
    EditNzHeight->setText(Q(setup_.HeightText()));
}

void TfrmNzSetup::BtnOKClick() {
  if (setup_.Ok(s_, EditNzHeight->text().toStdString(), EditNzDescription->text().toStdString(),
                host_))
    accept();
}

}  // namespace pumpdrill
