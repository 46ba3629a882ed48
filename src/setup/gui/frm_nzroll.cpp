#include "setup/gui/frm_nzroll.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QScrollBar>
#include <QPainter>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "frame/configuration.h"
#include "frame/number_entry.h"
#include "frame/run_control.h"
#include "setup/discharge_rows.h"
#include "setup/nozzle_catalogue.h"
#include "setup/nozzle_operation.h"
#include "sim/line_flow.h"
#include "sim/state.h"

namespace pumpdrill {

namespace {

constexpr int kImageLeft = 112;
constexpr int kImageWidth = 80;
constexpr int kShownImageHeight = 34;
constexpr int kImageGap = 5;

// Steps of the keys, as parts of a full opening.
constexpr double kSmallStep = 0.05;
constexpr double kLargeStep = 0.25;

QToolButton* CaptionButton(QWidget* parent, const char* name, const char* hint, Qt::ArrowType arrow) {
  auto* b = new QToolButton(parent);
  b->setObjectName(name);
  b->setToolTip(hint);
  b->setFixedSize(16, 14);
  b->setFocusPolicy(Qt::NoFocus);
  if (arrow != Qt::NoArrow) b->setArrowType(arrow);
  return b;
}

bool KnownNozzleType(int type) { return type >= kSmoothBore && type <= kGallonageNozzle; }

}  // namespace

TfrmNzroll::TfrmNzroll(State& s, const Configuration& cfg, RunContext& run, Host& host, const ImageLibrary* misc,
                       QWidget* parent)
    : QFrame(parent), s_(s), cfg_(cfg), run_(run), host_(host), pictures_(misc, host, qApp->devicePixelRatio()) {
  // FormCreate: the caption, the information panel, the line images.
  setObjectName("frmNzroll");
  setAttribute(Qt::WA_DeleteOnClose);
  setFrameShape(QFrame::Panel);
  setFrameShadow(QFrame::Raised);
  setLineWidth(2);
  setAutoFillBackground(true);
  setFocusPolicy(Qt::StrongFocus);
  setFont(QFont("Arial", 8, QFont::Normal));
  BuildCaption();
  BuildInfoPanel();
  // The lines scroll when the main window is too low for all of them.
  LinesScroll = new QScrollArea(this);
  LinesScroll->setObjectName("LinesScroll");
  LinesScroll->setFrameShape(QFrame::NoFrame);
  LinesScroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  LinesScroll->setWidgetResizable(false);
  PaintBox1 = new NozzleTitles(*this, LinesScroll);
  PaintBox1->setObjectName("PaintBox1");
  PaintBox1->setAutoFillBackground(true);
  LinesScroll->setWidget(PaintBox1);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(2, 2, 2, 2);
  layout->setSpacing(0);
  layout->addWidget(CaptionPanel);
  layout->addWidget(PnlTopInfo);
  layout->addWidget(LinesScroll, 1);
  // A main window made higher or lower shows more or fewer lines.
  if (parent) parent->installEventFilter(this);
  ensurePolished();  // the heights below are those shown
  LayOutLines();
  RefreshInfo();
}

TfrmNzroll::~TfrmNzroll() = default;

void TfrmNzroll::BuildCaption() {
  CaptionPanel = new NozzleCaption(*this, this);
  CaptionPanel->setFixedHeight(18);
  CaptionPanel->setStyleSheet("#CaptionPanel { background: rgb(0, 0, 128); }");
  BtnClose = CaptionButton(CaptionPanel, "BtnClose", "close", Qt::NoArrow);
  BtnClose->setText("x");
  BtnRollUp = CaptionButton(CaptionPanel, "BtnRollUp", "roll up", Qt::UpArrow);
  LblCaption = new QLabel("Nozzle Operation", CaptionPanel);
  LblCaption->setObjectName("LblCaption");
  LblCaption->setStyleSheet("color: white;");
  QFont bold = font();
  bold.setBold(true);
  LblCaption->setFont(bold);
  LblCaption->setAttribute(Qt::WA_TransparentForMouseEvents);
  auto* bar = new QHBoxLayout(CaptionPanel);
  bar->setContentsMargins(2, 1, 2, 1);
  bar->setSpacing(4);
  bar->addWidget(BtnClose);
  bar->addWidget(LblCaption, 1, Qt::AlignCenter);
  bar->addWidget(BtnRollUp);
  CloseMenu = new QMenu(this);
  CloseMenu->setObjectName("CloseMenu");
  CloseMenu->addAction("&Close", this, &QWidget::close);
  connect(BtnClose, &QToolButton::clicked, this, &TfrmNzroll::BtnCloseClick);
  connect(BtnRollUp, &QToolButton::clicked, this, &TfrmNzroll::BtnRollUpClick);
}

void TfrmNzroll::BuildInfoPanel() {
  PnlTopInfo = new QFrame(this);
  PnlTopInfo->setObjectName("PnlTopInfo");
  PnlTopInfo->setFrameShape(QFrame::Panel);
  PnlTopInfo->setFrameShadow(QFrame::Sunken);
  LblNzPressDescr = new QLabel(PnlTopInfo);
  LblNzPressDescr->setObjectName("LblNzPressDescr");
  LblNzPress1 = new QLabel(PnlTopInfo);
  LblNzPress1->setObjectName("LblNzPress1");
  LblNzPress1->setFrameShape(QFrame::Panel);
  LblNzPress1->setFrameShadow(QFrame::Sunken);
  LblNzPress1->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  LblNzPress1->setMinimumWidth(50);
  LblElevation = new QLabel(PnlTopInfo);
  LblElevation->setObjectName("LblElevation");
  EditNzElev = new QLineEdit(PnlTopInfo);
  EditNzElev->setObjectName("EditNzElev");
  EditNzElev->setAlignment(Qt::AlignRight);
  EditNzElev->setFixedWidth(50);
  SpinElev = new QWidget(PnlTopInfo);
  SpinElev->setObjectName("SpinElev");
  SpinElevUp = CaptionButton(SpinElev, "SpinElevUp", "raise the nozzle", Qt::UpArrow);
  SpinElevDown = CaptionButton(SpinElev, "SpinElevDown", "lower the nozzle", Qt::DownArrow);
  for (QToolButton* b : {SpinElevUp, SpinElevDown}) b->setFixedSize(14, 10);
  auto* spin = new QVBoxLayout(SpinElev);
  spin->setContentsMargins(0, 0, 0, 0);
  spin->setSpacing(0);
  spin->addWidget(SpinElevUp);
  spin->addWidget(SpinElevDown);
  LblNzOpen = new QLabel(PnlTopInfo);
  LblNzOpen->setObjectName("LblNzOpen");
  QFont bold = font();
  bold.setBold(true);
  LblNzOpen->setFont(bold);

  auto* grid = new QGridLayout(PnlTopInfo);
  grid->setContentsMargins(6, 3, 6, 3);
  grid->setHorizontalSpacing(4);
  grid->setVerticalSpacing(2);
  grid->addWidget(LblNzPressDescr, 0, 0);
  grid->addWidget(LblNzPress1, 0, 1, 1, 2);
  grid->addWidget(LblElevation, 1, 0);
  grid->addWidget(EditNzElev, 1, 1);
  grid->addWidget(SpinElev, 1, 2);
  grid->addWidget(LblNzOpen, 2, 0, 1, 3);
  grid->setColumnStretch(0, 1);

  connect(SpinElevUp, &QToolButton::clicked, this, [this] { SpinElevClick(1); });
  connect(SpinElevDown, &QToolButton::clicked, this, [this] { SpinElevClick(-1); });
  connect(EditNzElev, &QLineEdit::editingFinished, this, &TfrmNzroll::EditNzElevExit);
}

bool TfrmNzroll::Shown(int line) const {
  if (line < 1 || line > lineCount_) return false;
  return s_.Discharges[line].LineBurst == 0 && !IsSiameseSecondary(s_, line);
}

TfrmNzroll::LineLook TfrmNzroll::LookOf(int line) const {
  const TDischargeRec& d = s_.Discharges[line];
  LineLook look;
  look.kind = d.LineBurst != 0 ? 1 : IsSiameseSecondary(s_, line) ? 2 : 0;
  look.type = d.NozzleType;
  look.master = d.IsMaster;
  look.mount = d.MasterKind;
  return look;
}

bool TfrmNzroll::LinesChanged() const {
  const int count = std::clamp(static_cast<int>(s_.DischargeList.LineCount), 0, kMaxDischarges);
  if (count != lineCount_) return true;
  for (int line = 1; line <= count; ++line) {
    const LineLook now = LookOf(line);
    const LineLook& was = looks_[static_cast<std::size_t>(line)];
    if (now.kind != was.kind || now.type != was.type || now.master != was.master || now.mount != was.mount)
      return true;
  }
  return false;
}

void TfrmNzroll::LayOutLines() {
  // Filling the images: the pictures are taken here, never while painting,
  // and a line without a nozzle is told once per opening of the window.
  lineCount_ = std::clamp(static_cast<int>(s_.DischargeList.LineCount), 0, kMaxDischarges);
  while (static_cast<int>(ImgNozz.size()) < lineCount_)
    ImgNozz.push_back(new NozzleImage(*this, static_cast<int>(ImgNozz.size()) + 1, PaintBox1));
  std::vector<std::string> untold;
  int top = 2;
  for (int i = 0; i < static_cast<int>(ImgNozz.size()); ++i) {
    NozzleImage* image = ImgNozz[static_cast<std::size_t>(i)];
    const int line = i + 1;
    if (line > lineCount_) {
      image->hide();
      continue;
    }
    looks_[static_cast<std::size_t>(line)] = LookOf(line);
    const TDischargeRec& d = s_.Discharges[line];
    const bool shown = Shown(line);
    const int height = shown ? kShownImageHeight : 1;
    image->setGeometry(kImageLeft, top, kImageWidth, height);
    image->SetPicture(shown ? pictures_.Get(NozzlePictureName(d, false)) : QPixmap());
    image->setVisible(shown);
    image->ShowBail(shown && HandOperable(d) && KnownNozzleType(d.NozzleType), BailOffset(d.NozzleOpen));
    image->update();
    if (shown && !KnownNozzleType(d.NozzleType) && reported_.insert(line).second) {
      untold.push_back(d.NozzleType == kNoNozzleType
                           ? "No nozzle defined for discharge: " + s_.DischargeList.LineTitle[line].str()
                           : "Nozzle undefined for discharge: " + std::to_string(line));
    }
    top += height + kImageGap;
  }
  PaintBox1->setFixedSize(kImageLeft + kImageWidth + 4, top);
  if (!Shown(selected_)) {
    for (int line = 1; line <= lineCount_; ++line)
      if (Shown(line)) {
        selected_ = line;
        break;
      }
  }
  PaintBox1->update();
  FitHeight();
  // The messages come after the layout, so that a box over the window
  // finds it complete.
  for (const std::string& text : untold) host_.Message(MsgType::Information, Buttons::Ok, text);
}

void TfrmNzroll::FitHeight() {
  const int frame = 2 * frameWidth() + 4;
  if (rolledUp_) {
    setFixedHeight(CaptionPanel->height() + frame);
    return;
  }
  // As high as the lines need, at most down to the bottom of the area.
  const int above = CaptionPanel->height() + PnlTopInfo->sizeHint().height() + frame;
  int lines = PaintBox1->height();
  if (parentWidget()) lines = std::min(lines, std::max(40, parentWidget()->height() - y() - 4 - above));
  const bool scrolls = lines < PaintBox1->height();
  LinesScroll->setFixedHeight(lines);
  const int bar = scrolls ? LinesScroll->verticalScrollBar()->sizeHint().width() : 0;
  LinesScroll->setFixedWidth(PaintBox1->width() + bar);
  setFixedWidth(PaintBox1->width() + bar + frame);
  layout()->invalidate();
  setFixedHeight(layout()->sizeHint().height());
}

void TfrmNzroll::showEvent(QShowEvent* event) {
  QFrame::showEvent(event);
  FitHeight();
  if (!placed_ && parentWidget()) {
    // The first time: 20 px below the top of the main window's area,
    // against its right edge.
    placed_ = true;
    QWidget* area = parentWidget();
    move(area->width() - width(), 20);
    FitHeight();
    move(area->width() - width(), 20);
  }
  raise();
  RefreshInfo();
}

bool TfrmNzroll::eventFilter(QObject* watched, QEvent* event) {
  if (watched == parentWidget() && event->type() == QEvent::Resize) FitHeight();
  return QFrame::eventFilter(watched, event);
}

void TfrmNzroll::closeEvent(QCloseEvent* event) {
  dragging_ = false;
  QFrame::closeEvent(event);
}

void TfrmNzroll::MoveTo(const QPoint& topLeft) {
  move(topLeft);
  FitHeight();
  raise();
}

void TfrmNzroll::BtnCloseClick() {
  if (rolledUp_) {
    CloseMenu->popup(BtnClose->mapToGlobal(QPoint(0, BtnClose->height())));
    return;
  }
  close();
}

void TfrmNzroll::BtnRollUpClick() {
  rolledUp_ = !rolledUp_;
  BtnRollUp->setArrowType(rolledUp_ ? Qt::DownArrow : Qt::UpArrow);
  BtnRollUp->setToolTip(rolledUp_ ? "unroll" : "roll up");
  PnlTopInfo->setVisible(!rolledUp_);
  LinesScroll->setVisible(!rolledUp_);
  FitHeight();
}

void TfrmNzroll::Refresh() {
  if (LinesChanged()) LayOutLines();
  RefreshBails();
  RefreshInfo();
}

void TfrmNzroll::RefreshBails() {
  for (int line = 1; line <= lineCount_; ++line) {
    NozzleImage* image = ImgNozz[static_cast<std::size_t>(line - 1)];
    if (dragging_ && line == dragLine_) continue;  // the drag draws its own
    const TDischargeRec& d = s_.Discharges[line];
    image->ShowBail(Shown(line) && HandOperable(d) && KnownNozzleType(d.NozzleType), BailOffset(d.NozzleOpen));
  }
}

void TfrmNzroll::SetText(QLabel* label, const QString& text) {
  label->setText(text);
  ++textUpdates_;
}

void TfrmNzroll::RefreshInfo() {
  // Compared as the numbers they show, so that a refresh that changes
  // nothing makes no text.
  const DisplayUnits& u = cfg_.Units;
  const int units = (u.Metric ? 1 : 0) + (u.Bars ? 2 : 0);
  if (units != shownUnits_) {
    shownUnits_ = units;
    SetText(LblNzPressDescr, QString::fromStdString(NozzlePressCaption(u)));
    SetText(LblElevation, QString::fromStdString(NozzleElevCaption(u)));
    shownPress_ = -1;
    shownElevSet_ = false;
  }
  const int line = std::clamp(selected_, 1, kMaxDischarges);
  const TDischargeRec& d = s_.Discharges[line];
  const bool lineChanged = line != shownLine_;
  shownLine_ = line;
  long open = NozzleOpenPercent(d.NozzleOpen);
  if (open != shownOpen_ || lineChanged) {
    shownOpen_ = open;
    SetText(LblNzOpen, QString::fromStdString(NozzleOpenText(open)));
  }
  long press = std::lround(std::max(0.0, ToDisplay(u, kUnitPressure, d.NozzlePress)) * 10);
  if (press != shownPress_ || lineChanged) {
    shownPress_ = press;
    SetText(LblNzPress1, QString::fromStdString(FixedText(press / 10.0, 1)));
  }
  long elev = std::lround(ToDisplay(u, kUnitLength, d.NozzleElev) * 10);
  if ((!shownElevSet_ || elev != shownElev_ || lineChanged) && !EditNzElev->hasFocus()) {
    shownElev_ = elev;
    shownElevSet_ = true;
    EditNzElev->setText(QString::fromStdString(FixedText(elev / 10.0, 1)));
    ++textUpdates_;
  }
}

void TfrmNzroll::SelectLine(int line) {
  if (!Shown(line) || line == selected_) return;
  selected_ = line;
  PaintBox1->update();
  RefreshInfo();
}

void TfrmNzroll::PaintTitles(QPainter& p) const {
  p.setFont(font());
  p.setPen(Qt::black);
  const int ascent = p.fontMetrics().ascent();
  for (const NozzleImage* image : ImgNozz) {
    const int line = image->Line();
    if (!Shown(line)) continue;
    const int top = image->y();
    p.drawText(8, top + 8 + ascent, QString::fromStdString(s_.DischargeList.LineTitle[line].str()));
    if (line == selected_) {
      p.setBrush(QColor(255, 255, 0));
      p.setPen(QColor(255, 0, 0));
      p.drawRect(0, top + 11, 6, 6);
      p.setPen(Qt::black);
      p.setBrush(Qt::NoBrush);
    }
  }
}

int TfrmNzroll::LineAtTitle(int y) const {
  for (const NozzleImage* image : ImgNozz)
    if (Shown(image->Line()) && y >= image->y() && y < image->y() + image->height() + kImageGap)
      return image->Line();
  return 0;
}

void TfrmNzroll::NozzlePressed(int line, int y) {
  SelectLine(line);
  setFocus();
  const TDischargeRec& d = s_.Discharges[line];
  if (!Shown(line) || !HandOperable(d) || !KnownNozzleType(d.NozzleType)) return;
  // The bail's offset is taken once, when the button goes down; the drag
  // then moves it as far as the mouse moves.
  dragging_ = true;
  dragLine_ = line;
  pressY_ = y;
  offsetAtPress_ = BailOffset(d.NozzleOpen);
}

void TfrmNzroll::NozzleMoved(int y) {
  if (!dragging_) return;
  const int offset = DraggedOffset(offsetAtPress_, pressY_, y);
  Operate(dragLine_, OpeningAtOffset(offset));
  ImgNozz[static_cast<std::size_t>(dragLine_ - 1)]->ShowBail(true, offset);
}

void TfrmNzroll::NozzleReleased() { dragging_ = false; }

void TfrmNzroll::Operate(int line, double opening) {
  if (OperateNozzle(s_, run_, line, opening)) RefreshInfo();
}

void TfrmNzroll::StepSelection(int direction) {
  for (int line = selected_ + direction; line >= 1 && line <= lineCount_; line += direction) {
    if (Shown(line)) {
      SelectLine(line);
      return;
    }
  }
}

void TfrmNzroll::keyPressEvent(QKeyEvent* event) {
  const double open = s_.Discharges[std::clamp(selected_, 1, kMaxDischarges)].NozzleOpen;
  auto stepTo = [&](double opening) {
    if (!Shown(selected_)) return;
    Operate(selected_, opening);
    RefreshBails();
  };
  switch (event->key()) {
    case Qt::Key_Up: StepSelection(-1); break;
    case Qt::Key_Down: StepSelection(1); break;
    case Qt::Key_Right: stepTo(open + kSmallStep); break;
    case Qt::Key_Left: stepTo(open - kSmallStep); break;
    case Qt::Key_PageUp: stepTo(open + kLargeStep); break;
    case Qt::Key_PageDown: stepTo(open - kLargeStep); break;
    case Qt::Key_Home: stepTo(0.0); break;
    case Qt::Key_End: stepTo(1.0); break;
    default: QFrame::keyPressEvent(event); return;
  }
  event->accept();
}

void TfrmNzroll::SpinElevClick(int steps) {
  if (!Shown(selected_)) return;
  StepNozzleElevation(s_, selected_, cfg_.Units, steps);
  shownElevSet_ = false;
  if (EditNzElev->hasFocus()) EditNzElev->clearFocus();
  RefreshInfo();
}

void TfrmNzroll::EditNzElevExit() {
  if (committing_ || !Shown(selected_)) return;
  committing_ = true;
  std::string error;
  const bool stored = StoreNozzleElevationText(s_, selected_, cfg_.Units, EditNzElev->text().toStdString(), error);
  // The field shows what is stored, before any message takes the focus.
  const TDischargeRec& d = s_.Discharges[selected_];
  shownElev_ = std::lround(ToDisplay(cfg_.Units, kUnitLength, d.NozzleElev) * 10);
  shownElevSet_ = true;
  EditNzElev->setText(QString::fromStdString(FixedText(shownElev_ / 10.0, 1)));
  if (!stored) host_.Message(MsgType::Error, Buttons::Ok, error);
  committing_ = false;
}

}  // namespace pumpdrill
