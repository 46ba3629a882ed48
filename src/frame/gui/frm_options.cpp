#include "frame/gui/frm_options.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>
#include <cmath>

#include "frame/gui/file_dialogs.h"
#include "frame/gui/help_topics.h"
#include "frame/gui/hint_display.h"

namespace pumpdrill {

namespace {

constexpr const char* kNone = "none";

QCheckBox* Check(QWidget* parent, const char* name, const char* caption,
                 const char* hint = nullptr) {
  auto* box = new QCheckBox(QString::fromUtf8(caption), parent);
  box->setObjectName(name);
  if (hint) box->setToolTip(hint);
  return box;
}

template <class Spin>
Spin* Spinner(QWidget* parent, const char* name, const char* hint) {
  auto* spin = new Spin(parent);
  spin->setObjectName(name);
  spin->setToolTip(hint);
  spin->setAlignment(Qt::AlignRight);
  spin->setMinimumWidth(72);
  return spin;
}

std::optional<std::string> ChooseWithDialog(QWidget* parent, const std::string& folder,
                                            const std::string& name) {
  FileDialogSetup setup;
  setup.title = "Select Startup/Default Evolution";
  setup.filters = {"Evolution Files (*.EVO)", "All Files (*)"};
  setup.suffix = "EVO";
  setup.mode = FileDialogMode::Open;
  setup.folder = folder;
  setup.fileName = name;
  auto dialog = MakeFileDialog(parent, setup);
  std::vector<std::string> chosen = RunFileDialog(*dialog);
  if (chosen.empty()) return std::nullopt;
  return chosen.front();
}

}  // namespace

TfrmOptions::TfrmOptions(Program& program, Alerts& alerts, QWidget* parent)
    : QDialog(parent), p_(program), alerts_(alerts) {
  // FormCreate: the controls are filled once, before any change counts.
  setObjectName("frmOptions");
  setWindowTitle("Options");
  setAttribute(Qt::WA_DeleteOnClose);
  setModal(false);
  setProperty("HelpContext", kHelpOptions);
  ChooseEvolution = [this](const std::string& folder, const std::string& name) {
    return ChooseWithDialog(this, folder, name);
  };
  BuildControls();
  FillControls();
  ConnectEdits();
  initialising_ = false;
}

void TfrmOptions::BuildControls() {
  auto* general = new QGroupBox("General", this);
  auto* g = new QGridLayout(general);
  auto* deptLabel = new QLabel("Department Name", general);
  EditDepartmentName = new QLineEdit(general);
  EditDepartmentName->setObjectName("EditDepartmentName");
  EditDepartmentName->setToolTip("name appears on panel");
  EditDepartmentName->setMaxLength(255);
  deptLabel->setBuddy(EditDepartmentName);
  g->addWidget(deptLabel, 0, 0);
  g->addWidget(EditDepartmentName, 0, 1, 1, 2);
  CheckBoxReminderPlotData =
      Check(general, "CheckBoxReminderPlotData", "Reminder to save plot data",
            "ask to save the run's data record when the program ends");
  g->addWidget(CheckBoxReminderPlotData, 1, 0, 1, 3);
  CheckBoxUseDefEvolution =
      Check(general, "CheckBoxUseDefEvolution", "Use default evolution on startup",
            "open this evolution each time the program starts");
  g->addWidget(CheckBoxUseDefEvolution, 2, 0, 1, 3);
  auto* fileLabel = new QLabel("file name: ", general);
  fileLabel->setIndent(20);
  LblDefaultFilename = new QLabel(kNone, general);
  LblDefaultFilename->setObjectName("LblDefaultFilename");
  LblDefaultFilename->setToolTip("the evolution opened at start-up");
  g->addWidget(fileLabel, 3, 0);
  g->addWidget(LblDefaultFilename, 3, 1, 1, 2);
  CheckBoxFlyByHints = Check(general, "CheckBoxFlyByHints", "Use 'fly-by' hints",
                             "show a hint like this one when the mouse rests on a control");
  g->addWidget(CheckBoxFlyByHints, 4, 0, 1, 3);
  CheckBoxUsingAutoNozzleOperation =
      Check(general, "CheckBoxUsingAutoNozzleOperation", " Use auto-nozzle operation",
            "start sim. with nozzles open");
  g->addWidget(CheckBoxUsingAutoNozzleOperation, 5, 0, 1, 3);
  CheckBoxRecordDataOnStartup =
      Check(general, "CheckBoxRecordDataOnStartup", "Start recording data when simulation begins",
            "record the run's data from its start");
  g->addWidget(CheckBoxRecordDataOnStartup, 6, 0, 1, 3);
  CheckBoxStayOnTop = Check(general, "CheckBoxStayOnTop", " Make plot \"stay on top\"",
                            "keep the strip chart in front of the other windows");
  g->addWidget(CheckBoxStayOnTop, 7, 0, 1, 3);
  CheckBoxMakePrintoutFit =
      Check(general, "CheckBoxMakePrintoutFit", " Make plot printout fit page",
            "print the strip chart across the whole page");
  g->addWidget(CheckBoxMakePrintoutFit, 8, 0, 1, 3);
  SpinEditMaxDatafileSize = Spinner<QSpinBox>(general, "SpinEditMaxDatafileSize",
                                              "size at which a data file is to be deleted or kept");
  SpinEditMaxDatafileSize->setRange(kMinDatafileMBytes, kMaxDatafileMBytes);
  g->addWidget(SpinEditMaxDatafileSize, 9, 0);
  g->addWidget(new QLabel("Max datafile size (MegaBytes)", general), 9, 1, 1, 2);
  SpinEditMaxSimRunTimeMins = Spinner<QSpinBox>(general, "SpinEditMaxSimRunTimeMins",
                                                "the run asks whether to go on after this time");
  SpinEditMaxSimRunTimeMins->setRange(0, kMaxRunTimeMinutes);
  SpinEditMaxSimRunTimeMins->setSpecialValueText("no limit");
  g->addWidget(SpinEditMaxSimRunTimeMins, 10, 0);
  g->addWidget(new QLabel("Max sim run time (min)", general), 10, 1, 1, 2);
  g->setColumnStretch(2, 1);
  g->setRowStretch(11, 1);

  auto* units = new QGroupBox("Units of Measure", this);
  auto* u = new QGridLayout(units);
  RadioUnitsType = new QButtonGroup(units);
  RadioUnitsEnglish = new QRadioButton("English", units);
  RadioUnitsEnglish->setObjectName("RadioUnitsEnglish");
  RadioUnitsMetric = new QRadioButton("Metric", units);
  RadioUnitsMetric->setObjectName("RadioUnitsMetric");
  RadioUnitsType->addButton(RadioUnitsEnglish, 0);
  RadioUnitsType->addButton(RadioUnitsMetric, 1);
  auto* pressure = new QButtonGroup(units);
  RadioBtnBar = new QRadioButton("bar", units);
  RadioBtnBar->setObjectName("RadioBtnBar");
  RadioBtnKPa = new QRadioButton("KPa", units);
  RadioBtnKPa->setObjectName("RadioBtnKPa");
  pressure->addButton(RadioBtnBar);
  pressure->addButton(RadioBtnKPa);
  u->addWidget(RadioUnitsEnglish, 0, 0);
  u->addWidget(RadioUnitsMetric, 1, 0);
  u->addWidget(RadioBtnBar, 1, 1);
  u->addWidget(RadioBtnKPa, 1, 2);
  u->setColumnStretch(3, 1);

  auto* panel = new QGroupBox("Pump Panel", this);
  auto* pl = new QGridLayout(panel);
  const std::array<std::pair<const char*, const char*>, kPanelFlagCount> flags{{
      {"CheckBoxPressLbls", "Show digital pressure meters "},
      {"CheckBoxFlowLbls", "Show digital flowmeters"},
      {"CheckBoxDigRPM", "Show digital rpm "},
      {"CheckBoxTankGallonsLeft", "Show digital tank gallons remaining"},
      {"CheckBoxNeedleVibration", "Add vibration to gauge needles"},
      {"CheckBoxIfCavitate", "Indicate cavitation"},
      {"CheckBoxIfPrimed", "Indicate if primed (draft only)"},
      {"CheckBoxIfWHammer", "Indicate water hammer"},
  }};
  for (int i = 0; i < kPanelFlagCount; ++i) {
    PanelFlagBoxes[i] = Check(panel, flags[i].first, flags[i].second);
    pl->addWidget(PanelFlagBoxes[i], i, 0, 1, 2);
  }
  CheckBoxPressLbls = PanelFlagBoxes[0];
  CheckBoxFlowLbls = PanelFlagBoxes[1];
  CheckBoxDigRPM = PanelFlagBoxes[2];
  CheckBoxTankGallonsLeft = PanelFlagBoxes[3];
  CheckBoxNeedleVibration = PanelFlagBoxes[4];
  CheckBoxIfCavitate = PanelFlagBoxes[5];
  CheckBoxIfPrimed = PanelFlagBoxes[6];
  CheckBoxIfWHammer = PanelFlagBoxes[7];
  CheckBoxIfCavitate->setToolTip("light the panel's cavitation lamp when the pump cavitates");
  CheckBoxIfWHammer->setToolTip("sound and show water hammer when a valve shuts too fast");
  SpinEditWHammerThreshold = Spinner<QDoubleSpinBox>(panel, "SpinEditWHammerThreshold",
                                                     "pressure surge that counts as water hammer");
  LblWHammerUnits = new QLabel(panel);
  LblWHammerUnits->setObjectName("LblWHammerUnits");
  // Room for the longest of its texts, so that switching units moves nothing.
  LblWHammerUnits->setMinimumWidth(
      LblWHammerUnits->fontMetrics().horizontalAdvance("threshold (KPa)") + 6);
  auto* threshold = new QHBoxLayout;
  threshold->setContentsMargins(20, 0, 0, 0);
  threshold->addWidget(SpinEditWHammerThreshold);
  threshold->addWidget(LblWHammerUnits);
  threshold->addStretch(1);
  pl->addLayout(threshold, kPanelFlagCount, 0, 1, 2);
  pl->setRowStretch(kPanelFlagCount + 1, 1);

  BitBtnOK = new QPushButton("OK", this);
  BitBtnOK->setObjectName("BitBtnOK");
  BitBtnOK->setDefault(true);
  BitBtnCancel = new QPushButton("Cancel", this);
  BitBtnCancel->setObjectName("BitBtnCancel");
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(BitBtnOK);
  buttons->addWidget(BitBtnCancel);

  auto* right = new QVBoxLayout;
  right->addWidget(units);
  right->addWidget(panel, 1);
  auto* columns = new QHBoxLayout;
  columns->addWidget(general, 1);
  columns->addLayout(right, 1);
  auto* all = new QVBoxLayout(this);
  all->addLayout(columns, 1);
  all->addLayout(buttons);
}

void TfrmOptions::FillControls() {
  // FormActivate of old, run once: the records are read, never written.
  edit_ = FillOptionsEdit(p_.config.Options, p_.S().ShowOptions);
  EditDepartmentName->setText(QString::fromStdString(edit_.DeptName));
  CheckBoxReminderPlotData->setChecked(edit_.AskToSaveDataRecord);
  CheckBoxUseDefEvolution->setChecked(edit_.UseDefaultEvolution);
  LblDefaultFilename->setText(edit_.DefaultEvolutionName.empty()
                                  ? QString(kNone)
                                  : QString::fromStdString(edit_.DefaultEvolutionName));
  CheckBoxFlyByHints->setChecked(edit_.ShowAllHints);
  (edit_.MetricUnits ? RadioUnitsMetric : RadioUnitsEnglish)->setChecked(true);
  (edit_.UseBars ? RadioBtnBar : RadioBtnKPa)->setChecked(true);
  RadioBtnBar->setEnabled(edit_.MetricUnits);
  RadioBtnKPa->setEnabled(edit_.MetricUnits);
  CheckBoxUsingAutoNozzleOperation->setChecked(edit_.AutoNozzleOperation);
  CheckBoxRecordDataOnStartup->setChecked(edit_.RecordDataOnStartup);
  CheckBoxStayOnTop->setChecked(edit_.PlotStayOnTop);
  CheckBoxMakePrintoutFit->setChecked(edit_.PlotPrintoutFit);
  SpinEditMaxDatafileSize->setValue(DatafileMBytesShown(edit_.MaxDatafileKBytes));
  SpinEditMaxSimRunTimeMins->setValue(RunTimeMinutesShown(edit_.MaxSimRunTimeSecs));
  for (int i = 0; i < kPanelFlagCount; ++i) PanelFlagBoxes[i]->setChecked(edit_.PanelFlags[i]);
  ShowThreshold();
}

DisplayUnits TfrmOptions::UnitsShown() const {
  DisplayUnits units;
  ApplyUnits(units, RadioUnitsMetric->isChecked(), RadioBtnBar->isChecked());
  return units;
}

void TfrmOptions::ShowThreshold() {
  // The threshold follows the units chosen in the window; the value kept is
  // in psi, so switching units back and forth changes nothing.
  const DisplayUnits units = UnitsShown();
  const QSignalBlocker block(SpinEditWHammerThreshold);
  SpinEditWHammerThreshold->setDecimals(WaterHammerDecimals(units));
  SpinEditWHammerThreshold->setRange(WaterHammerShown(units, kMinWaterHammerPsi),
                                     WaterHammerShown(units, kMaxWaterHammerPsi));
  SpinEditWHammerThreshold->setSingleStep(WaterHammerShown(units, 10));
  SpinEditWHammerThreshold->setValue(WaterHammerShown(units, edit_.WaterHammerPsi));
  LblWHammerUnits->setText(QString::fromStdString(WaterHammerLabel(units)));
}

void TfrmOptions::ConnectEdits() {
  connect(CheckBoxUseDefEvolution, &QCheckBox::clicked, this,
          &TfrmOptions::CheckBoxUseDefEvolutionClick);
  connect(RadioUnitsEnglish, &QRadioButton::toggled, this, &TfrmOptions::RadioUnitsTypeClick);
  connect(RadioBtnBar, &QRadioButton::toggled, this, &TfrmOptions::ShowThreshold);
  // The spinners replace the stored value only when the user changes them.
  connect(SpinEditMaxDatafileSize, &QSpinBox::valueChanged, this, [this](int mBytes) {
    if (!initialising_) edit_.MaxDatafileKBytes = DatafileKBytesEntered(mBytes);
  });
  connect(SpinEditMaxSimRunTimeMins, &QSpinBox::valueChanged, this, [this](int minutes) {
    if (!initialising_) edit_.MaxSimRunTimeSecs = RunTimeSecondsEntered(minutes);
  });
  connect(SpinEditWHammerThreshold, &QDoubleSpinBox::valueChanged, this, [this](double shown) {
    if (!initialising_) edit_.WaterHammerPsi = WaterHammerEntered(UnitsShown(), shown);
  });
  connect(BitBtnOK, &QPushButton::clicked, this, &TfrmOptions::BitBtnOKClick);
  connect(BitBtnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TfrmOptions::RadioUnitsTypeClick() {
  const bool metric = RadioUnitsMetric->isChecked();
  RadioBtnBar->setEnabled(metric);
  RadioBtnKPa->setEnabled(metric);
  ShowThreshold();
}

void TfrmOptions::CheckBoxUseDefEvolutionClick(bool checked) {
  if (initialising_) return;
  if (!checked) {
    LblDefaultFilename->setText(kNone);
    edit_.DefaultEvolutionName.clear();
    return;
  }
  const std::string folder = p_.Dirs().EvolutionsDirectory;
  std::optional<std::string> chosen = ChooseEvolution(folder, edit_.DefaultEvolutionName);
  std::string name;
  if (chosen) {
    name = DefaultEvolutionFileName(*chosen, folder);
    if (name.empty())
      alerts_.Message(MsgType::Warning, Buttons::Ok,
                      "The default evolution must be in " + folder + ".");
  }
  if (!name.empty()) {
    edit_.DefaultEvolutionName = name;
    LblDefaultFilename->setText(QString::fromStdString(name));
  } else if (edit_.DefaultEvolutionName.empty()) {
    CheckBoxUseDefEvolution->setChecked(false);
  }
}

void TfrmOptions::BitBtnOKClick() {
  edit_.DeptName = EditDepartmentName->text().toStdString();
  edit_.AskToSaveDataRecord = CheckBoxReminderPlotData->isChecked();
  edit_.UseDefaultEvolution = CheckBoxUseDefEvolution->isChecked();
  edit_.ShowAllHints = CheckBoxFlyByHints->isChecked();
  edit_.MetricUnits = RadioUnitsMetric->isChecked();
  edit_.UseBars = RadioBtnBar->isChecked();
  edit_.AutoNozzleOperation = CheckBoxUsingAutoNozzleOperation->isChecked();
  edit_.RecordDataOnStartup = CheckBoxRecordDataOnStartup->isChecked();
  edit_.PlotStayOnTop = CheckBoxStayOnTop->isChecked();
  edit_.PlotPrintoutFit = CheckBoxMakePrintoutFit->isChecked();
  for (int i = 0; i < kPanelFlagCount; ++i) edit_.PanelFlags[i] = PanelFlagBoxes[i]->isChecked();

  ApplyOptionsEdit(edit_, p_.config, p_.S().ShowOptions);
  SetHintDisplay(p_.config.Options.ShowAllHints);
  const ConfigReport written = WriteConfiguration(p_.ConfigPath(), p_.config, p_.S().ShowOptions);
  emit Applied();
  if (!written.Ok) {
    std::string reason;
    for (const std::string& problem : written.Problems)
      reason += (reason.empty() ? "" : "; ") + problem;
    if (reason.empty()) reason = "the file " + p_.ConfigPath() + " could not be written";
    while (!reason.empty() && (reason.back() == '.' || reason.back() == ' ')) reason.pop_back();
    alerts_.Message(MsgType::Warning, Buttons::Ok,
                    "The settings could not be saved: " + reason + ".");
  }
  accept();
}

}  // namespace pumpdrill
