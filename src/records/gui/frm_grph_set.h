// The plot setup: which quantities the strip chart draws and how (colour,
// line pattern, symbol), the plot limits, the sample interval with the
// data file it fills, the page time and the record's description. Works on
// a copy of the plot setup; OK applies it, Cancel discards it.
#pragma once

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QToolButton>
#include <array>
#include <optional>

#include "frame/units.h"
#include "records/plot_setup.h"
#include "sim/host.h"

namespace pumpdrill {

// The colours the pickers offer (stored 0x00BBGGRR), the defaults' navy
// and green first.
inline constexpr std::array<std::uint32_t, 12> kPlotPalette = {
    0x800000, 0x008000, 0x000080, 0x800080, 0x808000, 0x008080,
    0x000000, 0x0000FF, 0xFF0000, 0x0080FF, 0xFF00FF, 0x808080,
};

// Which limit pair the limit edits show.
enum class PlotLimitPair { Pressure, Flow, EngineSpeed };

class TfrmGrphSet : public QDialog {
  Q_OBJECT

 public:
  TfrmGrphSet(Host& host, QWidget* parent = nullptr);

  // Takes a working copy of setup; lineTitles names lines 1 to 19 (index
  // 0 unused), lineCount the lines the grid lists.
  void Edit(const TPlotSetupRec& setup, const std::array<std::string, 20>& lineTitles, int lineCount,
            const DisplayUnits& units);
  const TPlotSetupRec& Working() const { return work_; }

  QTableWidget* StrGrid = nullptr;
  QCheckBox* ChkPlotEngineSpeed = nullptr;
  std::array<QToolButton*, 12> BtnColours{};
  QComboBox* ComboPattern = nullptr;
  QComboBox* ComboSymbol = nullptr;
  QGroupBox* GrpLimits = nullptr;
  QRadioButton* RadioPressure = nullptr;
  QRadioButton* RadioFlow = nullptr;
  QRadioButton* RadioRpm = nullptr;
  QLabel* LblMinimum = nullptr;
  QLabel* LblMaximum = nullptr;
  QLineEdit* EditMinimum = nullptr;
  QLineEdit* EditMaximum = nullptr;
  QLineEdit* EditInterval = nullptr;
  QLabel* LblEstimate = nullptr;
  QLineEdit* EditPageTime = nullptr;
  QLineEdit* EditTitle = nullptr;
  QLineEdit* EditComments = nullptr;
  QLabel* LblOperator = nullptr;
  QLabel* LblDate = nullptr;
  QLabel* LblEvolution = nullptr;
  QPushButton* BtnOK = nullptr;
  QPushButton* BtnCancel = nullptr;

 signals:
  void Applied();  // OK: the working copy is to be taken

 public slots:
  void StrGridDblClick(int row, int column);
  void StrGridClick(int row, int column);
  void ColourClick(int index);
  void ComboPatternChange(int index);
  void ComboSymbolChange(int index);
  void ChkPlotEngineSpeedClick(bool on);
  void RadioLimitsClick();
  void EditLimitExit();
  void EditIntervalChange(const QString& text);
  void EditIntervalExit();
  void EditPageTimeExit();
  void EditDescriptionExit();
  void BtnOKClick();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;  // Space in the grid toggles

 private:
  void BuildControls();
  void FillGrid();
  void ShowCell(int row, int column);
  void ShowAttributes();
  void ShowLimits();
  void ShowTimes();
  // An interval or page time leaving its edit: stored as stored() makes it,
  // or refused when it is no number.
  void StoreTime(QLineEdit* edit, double& field, double (*stored)(double));
  PlotLimitPair Pair() const;
  std::optional<int> SelectedEntry() const;
  void Toggle(int entry);

  Host& host_;
  TPlotSetupRec work_{};
  std::array<std::string, 20> titles_{};
  int lineCount_ = 0;
  DisplayUnits units_;
  std::optional<int> selected_;  // the entry the attribute pickers show
  bool filling_ = false;
};

}  // namespace pumpdrill
