#include "records/gui/frm_grph_set.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPainter>
#include <QVBoxLayout>

#include "records/gui/chart_painter.h"
#include "records/plot_setup_edit.h"

namespace pumpdrill {

namespace {

constexpr const char* kInvalidValue = "Invalid value entered.";
const char* const kPatternNames[5] = {"solid", "dash", "dot", "dash-dot", "dash-dot-dot"};
const char* const kSymbolNames[5] = {"none", "square", "circle", "triangle", "cross"};

// A picker's icon of size, drawn at twice its pixels on white.
template <typename Draw>
QIcon PickerIcon(QSize size, Draw draw) {
  QPixmap pm(size * 2);
  pm.setDevicePixelRatio(2);
  pm.fill(Qt::white);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  draw(p);
  return QIcon(pm);
}

QIcon PatternIcon(int pattern) {
  return PickerIcon(QSize(48, 12), [pattern](QPainter& p) {
    p.setPen(QPen(Qt::black, 1.5, EntryPenStyle(pattern), Qt::FlatCap));
    p.drawLine(QPointF(2, 6), QPointF(46, 6));
  });
}

QIcon SymbolIcon(int symbol) {
  return PickerIcon(QSize(16, 12), [symbol](QPainter& p) {
    p.setPen(QPen(Qt::black, 1));
    DrawSymbol(p, symbol, QPointF(8, 6), 7);
  });
}

QString Qs(const std::string& s) { return QString::fromStdString(s); }

QLineEdit* NumberEdit(const char* name, QWidget* parent) {
  auto* e = new QLineEdit(parent);
  e->setObjectName(name);
  e->setMaximumWidth(80);
  e->setAlignment(Qt::AlignRight);
  return e;
}

}  // namespace

TfrmGrphSet::TfrmGrphSet(Host& host, QWidget* parent) : QDialog(parent), host_(host) {
  setObjectName("frmGrphSet");
  setWindowTitle("Plot Setup");
  BuildControls();
}

void TfrmGrphSet::BuildControls() {
  StrGrid = new QTableWidget(this);
  StrGrid->setObjectName("StrGrid");
  StrGrid->setToolTip("Double-click a cell to plot that item");
  StrGrid->setColumnCount(3);
  StrGrid->setHorizontalHeaderLabels({"Flow", "Pressure", "Nz Press"});
  StrGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
  StrGrid->setSelectionMode(QAbstractItemView::SingleSelection);
  StrGrid->setSelectionBehavior(QAbstractItemView::SelectItems);
  StrGrid->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  StrGrid->horizontalHeader()->setDefaultSectionSize(72);
  StrGrid->verticalHeader()->setDefaultSectionSize(22);
  StrGrid->setMinimumWidth(72 * 3 + 140);
  StrGrid->installEventFilter(this);
  connect(StrGrid, &QTableWidget::cellDoubleClicked, this,
          [this](int r, int c) { StrGridDblClick(r + 1, c + 1); });
  connect(StrGrid, &QTableWidget::currentCellChanged, this, [this](int r, int c) {
    if (r >= 0 && c >= 0) StrGridClick(r + 1, c + 1);
  });

  ChkPlotEngineSpeed = new QCheckBox("Plot engine speed", this);
  ChkPlotEngineSpeed->setObjectName("ChkPlotEngineSpeed");
  connect(ChkPlotEngineSpeed, &QCheckBox::clicked, this, &TfrmGrphSet::ChkPlotEngineSpeedClick);

  // Attributes of the selected quantity.
  auto* attributes = new QGroupBox("line attributes", this);
  auto* attr = new QGridLayout(attributes);
  auto* colours = new QButtonGroup(this);
  auto* swatches = new QGridLayout;
  swatches->setSpacing(4);
  attr->addLayout(swatches, 0, 0, 2, 6, Qt::AlignLeft);
  for (int i = 0; i < static_cast<int>(kPlotPalette.size()); ++i) {
    auto* b = new QToolButton(attributes);
    b->setObjectName(QString("BtnColour%1").arg(i));
    b->setCheckable(true);
    b->setFixedSize(22, 22);
    b->setStyleSheet(QString("QToolButton { background: %1; border: 1px solid #777; }"
                             "QToolButton:checked { border: 3px solid #FFB000; }")
                         .arg(EntryColour(kPlotPalette[i]).name()));
    colours->addButton(b, i);
    BtnColours[i] = b;
    swatches->addWidget(b, i / 6, i % 6);
  }
  connect(colours, &QButtonGroup::idClicked, this, &TfrmGrphSet::ColourClick);
  ComboPattern = new QComboBox(attributes);
  ComboPattern->setObjectName("ComboPattern");
  ComboPattern->setIconSize(QSize(48, 12));
  for (int i = 0; i < 5; ++i) ComboPattern->addItem(PatternIcon(i), kPatternNames[i]);
  ComboSymbol = new QComboBox(attributes);
  ComboSymbol->setObjectName("ComboSymbol");
  for (int i = 0; i < 5; ++i) ComboSymbol->addItem(SymbolIcon(i), kSymbolNames[i]);
  attr->addWidget(new QLabel("pattern", attributes), 2, 0, 1, 2);
  attr->addWidget(ComboPattern, 2, 2, 1, 4);
  attr->addWidget(new QLabel("symbol", attributes), 3, 0, 1, 2);
  attr->addWidget(ComboSymbol, 3, 2, 1, 4);
  connect(ComboPattern, &QComboBox::activated, this, &TfrmGrphSet::ComboPatternChange);
  connect(ComboSymbol, &QComboBox::activated, this, &TfrmGrphSet::ComboSymbolChange);

  // Plot limits.
  GrpLimits = new QGroupBox("plot limits", this);
  GrpLimits->setToolTip("plot limits for either pressure or flow");
  auto* limits = new QGridLayout(GrpLimits);
  RadioPressure = new QRadioButton("Pressure", GrpLimits);
  RadioFlow = new QRadioButton("Flow", GrpLimits);
  RadioRpm = new QRadioButton("Engine speed", GrpLimits);
  RadioPressure->setObjectName("RadioPressure");
  RadioFlow->setObjectName("RadioFlow");
  RadioRpm->setObjectName("RadioRpm");
  RadioPressure->setChecked(true);
  LblMinimum = new QLabel(GrpLimits);
  LblMaximum = new QLabel(GrpLimits);
  EditMinimum = NumberEdit("EditMinimum", GrpLimits);
  EditMaximum = NumberEdit("EditMaximum", GrpLimits);
  limits->addWidget(RadioPressure, 0, 0);
  limits->addWidget(RadioFlow, 0, 1);
  limits->addWidget(RadioRpm, 0, 2);
  limits->addWidget(LblMinimum, 1, 0, 1, 2);
  limits->addWidget(EditMinimum, 1, 2);
  limits->addWidget(LblMaximum, 2, 0, 1, 2);
  limits->addWidget(EditMaximum, 2, 2);
  for (QRadioButton* r : {RadioPressure, RadioFlow, RadioRpm})
    connect(r, &QRadioButton::clicked, this, &TfrmGrphSet::RadioLimitsClick);
  connect(EditMinimum, &QLineEdit::editingFinished, this, &TfrmGrphSet::EditLimitExit);
  connect(EditMaximum, &QLineEdit::editingFinished, this, &TfrmGrphSet::EditLimitExit);

  // Interval and page time.
  auto* times = new QGroupBox("recording", this);
  auto* t = new QGridLayout(times);
  EditInterval = NumberEdit("EditInterval", times);
  LblEstimate = new QLabel(times);
  LblEstimate->setObjectName("LblEstimate");
  EditPageTime = NumberEdit("EditPageTime", times);
  t->addWidget(new QLabel("one point every", times), 0, 0);
  t->addWidget(EditInterval, 0, 1);
  t->addWidget(new QLabel("(secs)", times), 0, 2);
  t->addWidget(LblEstimate, 1, 1, 1, 2);
  t->addWidget(new QLabel("per 10 minutes", times), 1, 3);
  t->addWidget(new QLabel("one page shows:", times), 2, 0);
  t->addWidget(EditPageTime, 2, 1);
  t->addWidget(new QLabel("(secs)", times), 2, 2);
  t->setColumnStretch(3, 1);
  connect(EditInterval, &QLineEdit::textEdited, this, &TfrmGrphSet::EditIntervalChange);
  connect(EditInterval, &QLineEdit::editingFinished, this, &TfrmGrphSet::EditIntervalExit);
  connect(EditPageTime, &QLineEdit::editingFinished, this, &TfrmGrphSet::EditPageTimeExit);

  // Description.
  auto* description = new QGroupBox("description", this);
  auto* d = new QFormLayout(description);
  EditTitle = new QLineEdit(description);
  EditTitle->setObjectName("EditTitle");
  EditTitle->setMaxLength(32);
  EditComments = new QLineEdit(description);
  EditComments->setObjectName("EditComments");
  EditComments->setMaxLength(255);
  LblOperator = new QLabel(description);
  LblDate = new QLabel(description);
  LblEvolution = new QLabel(description);
  d->addRow("title:", EditTitle);
  d->addRow("comments:", EditComments);
  d->addRow("operator:", LblOperator);
  d->addRow("date:", LblDate);
  d->addRow("evolution:", LblEvolution);
  connect(EditTitle, &QLineEdit::editingFinished, this, &TfrmGrphSet::EditDescriptionExit);
  connect(EditComments, &QLineEdit::editingFinished, this, &TfrmGrphSet::EditDescriptionExit);

  BtnOK = new QPushButton("OK", this);
  BtnOK->setObjectName("BtnOK");
  BtnCancel = new QPushButton("Cancel", this);
  BtnCancel->setObjectName("BtnCancel");
  BtnOK->setAutoDefault(false);
  BtnCancel->setAutoDefault(false);
  connect(BtnOK, &QPushButton::clicked, this, &TfrmGrphSet::BtnOKClick);
  connect(BtnCancel, &QPushButton::clicked, this, &QDialog::reject);

  auto* left = new QVBoxLayout;
  left->addWidget(StrGrid, 1);
  left->addWidget(ChkPlotEngineSpeed);
  auto* right = new QVBoxLayout;
  right->addWidget(attributes);
  right->addWidget(GrpLimits);
  right->addWidget(times);
  right->addStretch(1);
  auto* columns = new QHBoxLayout;
  columns->addLayout(left, 1);
  columns->addLayout(right);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(BtnOK);
  buttons->addWidget(BtnCancel);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(columns, 1);
  layout->addWidget(description);
  layout->addLayout(buttons);
  resize(720, 600);
}

void TfrmGrphSet::Edit(const TPlotSetupRec& setup, const std::array<std::string, 20>& lineTitles, int lineCount,
                       const DisplayUnits& units) {
  filling_ = true;
  work_ = setup;
  titles_ = lineTitles;
  lineCount_ = lineCount;
  units_ = units;
  selected_.reset();
  FillGrid();
  ChkPlotEngineSpeed->setChecked(work_.Entries[kEntryEngineRpm].Plot != 0);
  ShowLimits();
  ShowTimes();
  EditTitle->setText(Qs(work_.PlotTitle.str()));
  EditComments->setText(Qs(work_.Comments.str()));
  LblOperator->setText(Qs(work_.OperatorName.str()));
  LblDate->setText(Qs(work_.RecordDate.str() + " " + work_.RecordTime.str()).trimmed());
  LblEvolution->setText(Qs(work_.EvolutionName.str()));
  StrGrid->setCurrentCell(1, kGridPressure - 1);  // the master pressure
  filling_ = false;
  StrGridClick(2, kGridPressure);
}

void TfrmGrphSet::FillGrid() {
  const int rows = PlotGridRows(lineCount_);
  StrGrid->clearContents();
  StrGrid->setRowCount(rows);
  QStringList names;
  for (int row = 1; row <= rows; ++row) {
    const int line = PlotGridRowLine(row, lineCount_);
    names << Qs(line >= 1 && line < static_cast<int>(titles_.size()) ? titles_[line] : std::string());
    for (int column = kGridFlow; column <= kGridNozzlePress; ++column) ShowCell(row, column);
  }
  StrGrid->setVerticalHeaderLabels(names);
}

void TfrmGrphSet::ShowCell(int row, int column) {
  const std::optional<int> entry = PlotGridCellEntry(row, column, lineCount_);
  auto* item = new QTableWidgetItem;
  item->setTextAlignment(Qt::AlignCenter);
  if (entry) {
    const bool on = work_.Entries[*entry].Plot != 0;
    item->setText(on ? kPlotCellOn : kPlotCellOff);
    if (on) item->setForeground(EntryColour(work_.Entries[*entry].Colour));
    QFont f = item->font();
    f.setBold(on);
    item->setFont(f);
  } else {
    item->setFlags(Qt::NoItemFlags);
  }
  StrGrid->setItem(row - 1, column - 1, item);
}

std::optional<int> TfrmGrphSet::SelectedEntry() const { return selected_; }

void TfrmGrphSet::Toggle(int entry) {
  TPlotEntryRec& e = work_.Entries[entry];
  e.Plot = e.Plot ? 0 : 1;
}

void TfrmGrphSet::StrGridDblClick(int row, int column) {
  const std::optional<int> entry = PlotGridCellEntry(row, column, lineCount_);
  if (!entry) return;
  Toggle(*entry);
  ShowCell(row, column);
}

void TfrmGrphSet::StrGridClick(int row, int column) {
  if (filling_) return;
  selected_ = PlotGridCellEntry(row, column, lineCount_);
  ShowAttributes();
  if (!selected_) return;
  // The limit edits follow the unit of the quantity chosen.
  filling_ = true;
  const Byte unit = work_.Entries[*selected_].UnitType;
  (unit == kPlotFlow ? RadioFlow : RadioPressure)->setChecked(true);
  ShowLimits();
  filling_ = false;
}

void TfrmGrphSet::ShowAttributes() {
  const bool any = selected_.has_value();
  for (QToolButton* b : BtnColours) b->setEnabled(any);
  ComboPattern->setEnabled(any);
  ComboSymbol->setEnabled(any);
  if (!any) return;
  const TPlotEntryRec& e = work_.Entries[*selected_];
  for (std::size_t i = 0; i < kPlotPalette.size(); ++i) BtnColours[i]->setChecked(kPlotPalette[i] == e.Colour);
  ComboPattern->setCurrentIndex(std::min<int>(e.Pattern, 4));
  ComboSymbol->setCurrentIndex(std::min<int>(e.Symbol, 4));
}

void TfrmGrphSet::ColourClick(int index) {
  if (!selected_ || index < 0 || index >= static_cast<int>(kPlotPalette.size())) return;
  work_.Entries[*selected_].Colour = kPlotPalette[index];
  if (StrGrid->currentRow() >= 0) ShowCell(StrGrid->currentRow() + 1, StrGrid->currentColumn() + 1);
}

void TfrmGrphSet::ComboPatternChange(int index) {
  if (selected_) work_.Entries[*selected_].Pattern = static_cast<Byte>(index);
}

void TfrmGrphSet::ComboSymbolChange(int index) {
  if (selected_) work_.Entries[*selected_].Symbol = static_cast<Byte>(index);
}

void TfrmGrphSet::ChkPlotEngineSpeedClick(bool on) {
  work_.Entries[kEntryEngineRpm].Plot = on ? 1 : 0;
  if (on && work_.Entries[kEntryEngineRpm].Colour == 0) work_.Entries[kEntryEngineRpm].Colour = kPlotPalette[2];
  selected_ = kEntryEngineRpm;
  ShowAttributes();
  filling_ = true;
  RadioRpm->setChecked(true);
  ShowLimits();
  filling_ = false;
}

PlotLimitPair TfrmGrphSet::Pair() const {
  if (RadioFlow->isChecked()) return PlotLimitPair::Flow;
  if (RadioRpm->isChecked()) return PlotLimitPair::EngineSpeed;
  return PlotLimitPair::Pressure;
}

void TfrmGrphSet::RadioLimitsClick() {
  ShowLimits();
  if (filling_ || !selected_) return;
  const Byte unit = work_.Entries[*selected_].UnitType;
  const PlotLimitPair pair = Pair();
  const bool matches = (pair == PlotLimitPair::Pressure && unit == kPlotPressure) ||
                       (pair == PlotLimitPair::Flow && unit == kPlotFlow) ||
                       (pair == PlotLimitPair::EngineSpeed && unit == kPlotEngineSpeed);
  if (!matches) host_.Message(MsgType::Information, Buttons::Ok, kUnitsNotCompatible);
}

void TfrmGrphSet::ShowLimits() {
  std::string unit = "rpm";
  double factor = 1, min = work_.RpmMin, max = work_.RpmMax;
  if (Pair() == PlotLimitPair::Pressure) {
    unit = units_.Label[kUnitPressure], factor = units_.DisplayFactor[kUnitPressure];
    min = work_.PressMin, max = work_.PressMax;
  } else if (Pair() == PlotLimitPair::Flow) {
    unit = units_.Label[kUnitFlow], factor = units_.DisplayFactor[kUnitFlow];
    min = work_.FlowMin, max = work_.FlowMax;
  }
  LblMinimum->setText(Qs("minimum (" + unit + ")"));
  LblMaximum->setText(Qs("maximum (" + unit + ")"));
  EditMinimum->setText(Qs(PlotSetupNumberText(min * factor)));
  EditMaximum->setText(Qs(PlotSetupNumberText(max * factor)));
}

void TfrmGrphSet::EditLimitExit() {
  if (filling_) return;
  double *min = &work_.RpmMin, *max = &work_.RpmMax;
  double factor = 1;
  if (Pair() == PlotLimitPair::Pressure) {
    min = &work_.PressMin, max = &work_.PressMax, factor = units_.EntryFactor[kUnitPressure];
  } else if (Pair() == PlotLimitPair::Flow) {
    min = &work_.FlowMin, max = &work_.FlowMax, factor = units_.EntryFactor[kUnitFlow];
  }
  const std::optional<double> a = PlotSetupNumber(EditMinimum->text().toStdString());
  const std::optional<double> b = PlotSetupNumber(EditMaximum->text().toStdString());
  const bool numbers = a && b;
  if (numbers && PlotLimitsAcceptable(*a * factor, *b * factor)) {
    if (*min == *a * factor && *max == *b * factor) return;
    *min = *a * factor;
    *max = *b * factor;
    return;
  }
  // The pair stays as it was.
  filling_ = true;
  ShowLimits();
  filling_ = false;
  host_.Message(MsgType::Error, Buttons::Ok, numbers ? kLimitsNotIncreasing : kInvalidValue);
}

void TfrmGrphSet::ShowTimes() {
  EditInterval->setText(Qs(PlotSetupNumberText(work_.SampleInterval)));
  LblEstimate->setText(Qs(RecordingEstimateText(work_.SampleInterval)));
  EditPageTime->setText(Qs(PlotSetupNumberText(work_.PageLength)));
}

void TfrmGrphSet::EditIntervalChange(const QString& text) {
  const std::optional<double> x = PlotSetupNumber(text.toStdString());
  LblEstimate->setText(x ? Qs(RecordingEstimateText(*x)) : QString());
}

void TfrmGrphSet::EditIntervalExit() { StoreTime(EditInterval, work_.SampleInterval, StoredSampleInterval); }

void TfrmGrphSet::EditPageTimeExit() { StoreTime(EditPageTime, work_.PageLength, StoredPageLength); }

void TfrmGrphSet::StoreTime(QLineEdit* edit, double& field, double (*stored)(double)) {
  if (filling_) return;
  const std::optional<double> x = PlotSetupNumber(edit->text().toStdString());
  if (x) field = stored(*x);
  filling_ = true;
  ShowTimes();
  filling_ = false;
  if (!x) host_.Message(MsgType::Error, Buttons::Ok, kInvalidValue);
}

void TfrmGrphSet::EditDescriptionExit() {
  work_.PlotTitle = EditTitle->text().toStdString();
  work_.Comments = EditComments->text().toStdString();
}

void TfrmGrphSet::BtnOKClick() {
  EditDescriptionExit();
  emit Applied();
  accept();
}

bool TfrmGrphSet::eventFilter(QObject* watched, QEvent* event) {
  if (watched == StrGrid && event->type() == QEvent::KeyPress &&
      static_cast<QKeyEvent*>(event)->key() == Qt::Key_Space) {
    if (StrGrid->currentRow() >= 0) StrGridDblClick(StrGrid->currentRow() + 1, StrGrid->currentColumn() + 1);
    return true;
  }
  return QDialog::eventFilter(watched, event);
}

}  // namespace pumpdrill
