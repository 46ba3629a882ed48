#include "records/gui/frm_answer_key.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QVBoxLayout>
#include <cmath>
#include <filesystem>

#include "records/report_numbers.h"

namespace pumpdrill {

namespace {

enum Column { kScored, kNozzlePress, kTolerance, kWaterBy, kColumns };

const char* const kNeverCaptions[kNeverCount] = {
    "Cavitation", "A water hammer", "The tank running empty", "The engine at its limit",
    "A line above the hose test pressure"};

QDoubleSpinBox* Spin(QWidget* parent, double lo, double hi, int decimals, const char* suffix) {
  auto* box = new QDoubleSpinBox(parent);
  box->setRange(lo, hi);
  box->setDecimals(decimals);
  box->setSuffix(suffix);
  box->setAlignment(Qt::AlignRight);
  return box;
}

// The psi a pressure box was last shown from, so that a figure left alone
// is written back exactly.
constexpr char kShownPsi[] = "shownPsi";

}  // namespace

TfrmAnswerKey::TfrmAnswerKey(std::string path, std::vector<std::string> lineTitles,
                             const DisplayUnits& units, Alerts& alerts, QWidget* parent)
    : QDialog(parent),
      path_(std::move(path)),
      units_(units),
      titles_(std::move(lineTitles)),
      alerts_(alerts) {
  setObjectName("frmAnswerKey");
  setWindowTitle(
      QString::fromStdString("Answer Key - " + std::filesystem::path(path_).filename().string()));
  BuildControls();
  connect(BtnOk, &QPushButton::clicked, this, &TfrmAnswerKey::BtnOkClick);
  connect(BtnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TfrmAnswerKey::BuildControls() {
  EditDuration = Spin(this, 1, 7 * 24 * 3600, 0, " s");
  EditDuration->setObjectName("EditDuration");
  EditDuration->setToolTip("the seconds of the run, from its start, that are scored");
  EditIntakeFloor = PressureSpin(this, -15, 10000, 1);
  EditIntakeFloor->setObjectName("EditIntakeFloor");
  EditIntakeFloor->setToolTip("lowest intake pressure while water flows; 0 for none");
  EditHoseTest = PressureSpin(this, 1, 10000, 0);
  EditHoseTest->setObjectName("EditHoseTest");
  EditHoseTest->setToolTip("no line's discharge pressure may rise above it");
  auto* form = new QFormLayout;
  form->addRow("Scored time:", EditDuration);
  form->addRow("Intake floor (0 = none):", EditIntakeFloor);
  form->addRow("Hose test pressure:", EditHoseTest);

  auto* never = new QGroupBox("A deduction when it happens", this);
  auto* neverLayout = new QVBoxLayout(never);
  for (int k = 0; k < kNeverCount; ++k) {
    ChkNever[k] = new QCheckBox(kNeverCaptions[k], never);
    ChkNever[k]->setObjectName(QString("ChkNever") + kNeverKeys[k]);
    neverLayout->addWidget(ChkNever[k]);
  }

  GridLines = new QTableWidget(static_cast<int>(titles_.size()), kColumns, this);
  GridLines->setObjectName("GridLines");
  GridLines->setHorizontalHeaderLabels({"Scored", "Nozzle pressure", "Tolerance", "Water by"});
  QStringList rows;
  for (std::size_t i = 0; i < titles_.size(); ++i)
    rows << QString::fromStdString(std::to_string(i + 1) + " " + titles_[i]);
  GridLines->setVerticalHeaderLabels(rows);
  for (int row = 0; row < GridLines->rowCount(); ++row) {
    auto* scored = new QCheckBox(GridLines);
    scored->setToolTip("this line's nozzle pressure is scored");
    GridLines->setCellWidget(row, kScored, scored);
    GridLines->setCellWidget(row, kNozzlePress, PressureSpin(GridLines, 1, 10000, 0));
    GridLines->setCellWidget(row, kTolerance, PressureSpin(GridLines, 0.1, 10000, 1));
    GridLines->setCellWidget(row, kWaterBy, Spin(GridLines, 0, 7 * 24 * 3600, 0, " s"));
  }
  GridLines->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  GridLines->horizontalHeader()->setStretchLastSection(true);

  BtnOk = new QPushButton("OK", this);
  BtnOk->setObjectName("BtnOk");
  BtnOk->setDefault(true);
  BtnCancel = new QPushButton("Cancel", this);
  BtnCancel->setObjectName("BtnCancel");
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(BtnOk);
  buttons->addWidget(BtnCancel);

  auto* top = new QHBoxLayout;
  top->addLayout(form, 1);
  top->addWidget(never);
  auto* all = new QVBoxLayout(this);
  all->addLayout(top);
  all->addWidget(new QLabel("Scored lines:", this));
  all->addWidget(GridLines, 1);
  all->addLayout(buttons);
  resize(640, 520);
}

QDoubleSpinBox* TfrmAnswerKey::PressureSpin(QWidget* parent, double loPsi, double hiPsi,
                                            int psiDecimals) {
  const int decimals = ReportPressureDecimals(units_, psiDecimals);
  const std::string suffix = " " + units_.Label[kUnitPressure];
  return Spin(parent, ShownPressure(units_, loPsi, decimals),
              ShownPressure(units_, hiPsi, decimals), decimals, suffix.c_str());
}

void TfrmAnswerKey::ShowPressure(QDoubleSpinBox* box, double psi) {
  box->setValue(ShownPressure(units_, psi, box->decimals()));
  box->setProperty(kShownPsi, psi);
}

double TfrmAnswerKey::EnteredPsi(const QDoubleSpinBox* box) const {
  const QVariant before = box->property(kShownPsi);
  return EnteredPressure(units_, box->value(), before.isValid() ? before.toDouble() : NAN,
                         box->decimals());
}

QDoubleSpinBox* TfrmAnswerKey::Cell(int row, int column) const {
  return qobject_cast<QDoubleSpinBox*>(GridLines->cellWidget(row, column));
}

void TfrmAnswerKey::Show(const AnswerKey& key) {
  EditDuration->setValue(key.duration);
  ShowPressure(EditIntakeFloor, key.intakeFloor);
  ShowPressure(EditHoseTest, key.hoseTest);
  for (int k = 0; k < kNeverCount; ++k) ChkNever[k]->setChecked(key.never[k]);
  for (int row = 0; row < GridLines->rowCount(); ++row) {
    LineTarget t;
    bool scored = false;
    for (const LineTarget& x : key.lines) {
      if (x.line != row + 1) continue;
      t = x;
      scored = true;
    }
    qobject_cast<QCheckBox*>(GridLines->cellWidget(row, kScored))->setChecked(scored);
    ShowPressure(Cell(row, kNozzlePress), scored ? t.nozzlePress : 100);
    ShowPressure(Cell(row, kTolerance), t.tolerance);
    Cell(row, kWaterBy)->setValue(t.waterBy);
  }
}

AnswerKey TfrmAnswerKey::Edited() const {
  AnswerKey key;
  key.loaded = true;
  key.duration = EditDuration->value();
  key.intakeFloor = EnteredPsi(EditIntakeFloor);
  key.hoseTest = EnteredPsi(EditHoseTest);
  for (int k = 0; k < kNeverCount; ++k) key.never[k] = ChkNever[k]->isChecked();
  for (int row = 0; row < GridLines->rowCount(); ++row) {
    if (!qobject_cast<QCheckBox*>(GridLines->cellWidget(row, kScored))->isChecked()) continue;
    key.lines.push_back({row + 1, EnteredPsi(Cell(row, kNozzlePress)),
                         EnteredPsi(Cell(row, kTolerance)), Cell(row, kWaterBy)->value()});
  }
  return key;
}

void TfrmAnswerKey::BtnOkClick() {
  std::string error;
  if (!WriteAnswerKey(path_, Edited(), error)) {
    alerts_.Message(MsgType::Error, Buttons::Ok,
                    "The answer key \"" + path_ + "\" could not be written: " + error);
    return;
  }
  accept();
}

}  // namespace pumpdrill
