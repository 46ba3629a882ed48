// The nozzle operation window: a small tool window over the main window's
// child windows in which the trainee opens and shuts the nozzles of the
// discharge lines during a run, as a nozzle operator would, by dragging
// each nozzle's bail or with the keys. It draws its own caption bar with a
// close button and a roll-up button and is moved by dragging that bar.
#pragma once

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QRubberBand>
#include <QScrollArea>
#include <QToolButton>
#include <array>
#include <set>
#include <vector>

#include "panel/image_library.h"
#include "setup/gui/dialog_pictures.h"
#include "sim/host.h"

namespace pumpdrill {

struct State;
struct Configuration;
struct RunContext;
class TfrmNzroll;

// One line's nozzle picture with its bail (ImgNozz1, ImgNozz2, ...).
class NozzleImage : public QWidget {
 public:
  NozzleImage(TfrmNzroll& window, int line, QWidget* parent);
  int Line() const { return line_; }
  void SetPicture(const QPixmap& picture) { picture_ = picture; }
  // The bail drawn at an offset, or none.
  void ShowBail(bool shown, int offset);
  int BailShownAt() const { return offset_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  TfrmNzroll& window_;
  int line_;
  QPixmap picture_;
  bool bail_ = false;
  int offset_ = 0;
};

// The titles of the lines and the marker of the selected one (PaintBox1).
class NozzleTitles : public QWidget {
 public:
  NozzleTitles(TfrmNzroll& window, QWidget* parent) : QWidget(parent), window_(window) {}

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  TfrmNzroll& window_;
};

// The caption bar: dragging it shows the window's outline, which the
// window follows on release.
class NozzleCaption : public QFrame {
 public:
  NozzleCaption(TfrmNzroll& window, QWidget* parent);
  QRubberBand* Outline() const { return outline_; }

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  TfrmNzroll& window_;
  bool capturing_ = false;
  QPoint pressAt_;      // in the parent's coordinates
  QRect outlineStart_;  // the window's outline when the drag began
  QPointer<QRubberBand> outline_;
};

class TfrmNzroll : public QFrame {
  Q_OBJECT

 public:
  // misc: the other-images library (may be null: no pictures). parent: the
  // main window's area of child windows.
  TfrmNzroll(State& s, const Configuration& cfg, RunContext& run, Host& host, const ImageLibrary* misc,
             QWidget* parent);
  ~TfrmNzroll() override;

  NozzleCaption* CaptionPanel = nullptr;
  QLabel* LblCaption = nullptr;  // 'Nozzle Operation'
  QToolButton* BtnClose = nullptr;
  QToolButton* BtnRollUp = nullptr;
  QMenu* CloseMenu = nullptr;
  QFrame* PnlTopInfo = nullptr;
  QLabel* LblNzPressDescr = nullptr;
  QLabel* LblNzPress1 = nullptr;
  QLabel* LblElevation = nullptr;
  QLineEdit* EditNzElev = nullptr;
  QWidget* SpinElev = nullptr;  // its two halves:
  QToolButton* SpinElevUp = nullptr;
  QToolButton* SpinElevDown = nullptr;
  QLabel* LblNzOpen = nullptr;
  QScrollArea* LinesScroll = nullptr;
  NozzleTitles* PaintBox1 = nullptr;  // inside LinesScroll
  std::vector<NozzleImage*> ImgNozz;  // ImgNozz[0] is ImgNozz1, for line 1

  int SelectedLine() const { return selected_; }
  bool RolledUp() const { return rolledUp_; }
  // Texts replaced since the window was made (a refresh that changes
  // nothing replaces none).
  int TextUpdates() const { return textUpdates_; }

  // The state changed (a tick, a setup dialog, an initialisation): the
  // lines are laid out again when their nozzles or connections changed,
  // the bails follow the openings, the information panel the selected line.
  void Refresh();

  // What the images and titles ask of the window.
  void NozzlePressed(int line, int y);
  void NozzleMoved(int y);
  void NozzleReleased();
  void SelectLine(int line);
  void PaintTitles(QPainter& p) const;
  int LineAtTitle(int y) const;
  void MoveTo(const QPoint& topLeft);

 public slots:
  void BtnCloseClick();
  void BtnRollUpClick();
  void SpinElevClick(int steps);
  void EditNzElevExit();

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  // What a line's image depends on; the lines are laid out again when any
  // of it changes.
  struct LineLook {
    int kind = -1;
    int type = -1;
    int master = -1;
    int mount = -1;
  };
  void BuildCaption();
  void BuildInfoPanel();
  void LayOutLines();
  bool LinesChanged() const;
  LineLook LookOf(int line) const;
  bool Shown(int line) const;  // connected, not the second line of a siamese, a nozzle to show
  void RefreshBails();
  void RefreshInfo();
  void SetText(QLabel* label, const QString& text);
  void Operate(int line, double opening);
  void StepSelection(int direction);
  void FitHeight();

  State& s_;
  const Configuration& cfg_;
  RunContext& run_;
  Host& host_;
  DialogPictures pictures_;
  std::array<LineLook, 16> looks_{};
  int lineCount_ = -1;
  std::set<int> reported_;  // lines whose missing nozzle has been told this opening
  int selected_ = 1;
  bool dragging_ = false;
  int dragLine_ = 0;
  int pressY_ = 0;
  int offsetAtPress_ = 0;
  bool rolledUp_ = false;
  bool placed_ = false;
  bool committing_ = false;
  int textUpdates_ = 0;
  // What the information panel shows, as numbers.
  int shownLine_ = -1;
  long shownOpen_ = -1;
  long shownPress_ = -1;
  long shownElev_ = 0;
  bool shownElevSet_ = false;
  int shownUnits_ = -1;
};

}  // namespace pumpdrill
