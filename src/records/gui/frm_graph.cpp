#include "records/gui/frm_graph.h"

#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPainter>
#include <QPrintDialog>
#include <QVBoxLayout>
#include <filesystem>

#include "records/gui/chart_output.h"
#include "records/run_recording.h"

namespace pumpdrill {

namespace {

QLabel* Caption(const char* text, QWidget* parent) {
  auto* l = new QLabel(text, parent);
  l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  return l;
}

QLabel* Value(const char* name, QWidget* parent) {
  auto* l = new QLabel(parent);
  l->setObjectName(name);
  l->setTextInteractionFlags(Qt::TextSelectableByMouse);
  return l;
}

QPushButton* Button(const char* name, const char* text, const char* hint, QWidget* parent) {
  auto* b = new QPushButton(text, parent);
  b->setObjectName(name);
  if (hint) b->setToolTip(hint);
  b->setAutoDefault(false);
  b->setFocusPolicy(Qt::TabFocus);
  return b;
}

QString FileNameOf(const std::string& path) {
  return QString::fromStdString(std::filesystem::path(path).filename().string());
}

}  // namespace

ChartSurface::ChartSurface(TfrmGraph& graph, QWidget* parent) : QWidget(parent), graph_(graph) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMinimumSize(320, 200);
}

void ChartSurface::Invalidate() {
  stale_ = true;
  update();
}

void ChartSurface::Rebuild() {
  const qreal dpr = devicePixelRatioF();
  page_ = QPixmap((QSizeF(size()) * dpr).toSize());
  page_.setDevicePixelRatio(dpr);
  const ChartPageView view = graph_.CurrentView();
  layout_ = LayOutChart(view, size(), false);
  QPainter p(&page_);
  PaintChart(p, view, layout_);
  stale_ = false;
  ++fullDrawings_;
}

void ChartSurface::AddSegments(const TDataSampleRec& prev, const TDataSampleRec& cur) {
  if (stale_ || page_.isNull()) {
    update();
    return;
  }
  const ChartPageView view = graph_.CurrentView();
  QPainter p(&page_);
  p.setClipRect(layout_.Plot.adjusted(-8, -8, 8, 8));
  const QRectF area = PaintNewSegments(p, view, layout_, prev, cur);
  p.end();
  ++segmentDrawings_;
  if (!area.isEmpty()) update(area.toAlignedRect());
}

void ChartSurface::paintEvent(QPaintEvent* event) {
  if (stale_ || page_.isNull() || page_.deviceIndependentSize() != QSizeF(size()) ||
      page_.devicePixelRatio() != devicePixelRatioF())
    Rebuild();
  QPainter p(this);
  const QRect r = event->rect();
  p.drawPixmap(r, page_, QRectF(QPointF(r.topLeft()) * page_.devicePixelRatio(),
                                QSizeF(r.size()) * page_.devicePixelRatio()).toRect());
}

void ChartSurface::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  stale_ = true;
}

TfrmGraph::TfrmGraph(Program& program, Host& host, QWidget* parent) : QWidget(parent), p_(program), host_(host) {
  setObjectName("frmGraph");
  setWindowTitle("Strip Chart");
  setFocusPolicy(Qt::StrongFocus);
  BuildControls();
  RefreshDescription();
  RefreshInfo();
  resize(800, 560);
}

void TfrmGraph::BuildControls() {
  PnlDescription = new QFrame(this);
  PnlDescription->setObjectName("PnlDescription");
  PnlDescription->setFrameShape(QFrame::StyledPanel);
  auto* desc = new QGridLayout(PnlDescription);
  desc->setContentsMargins(6, 4, 6, 4);
  desc->setHorizontalSpacing(6);
  desc->setVerticalSpacing(2);
  LblTitle = Value("LblTitle", PnlDescription);
  QFont bold = LblTitle->font();
  bold.setBold(true);
  bold.setPointSizeF(std::max(10.0, bold.pointSizeF() + 2));
  LblTitle->setFont(bold);
  LblOperator = Value("LblOperator", PnlDescription);
  LblDate = Value("LblDate", PnlDescription);
  LblEvolution = Value("LblEvolution", PnlDescription);
  BtnForInfo = new QToolButton(PnlDescription);
  BtnForInfo->setObjectName("BtnForInfo");
  BtnForInfo->setText("i");
  BtnForInfo->setToolTip("data file info");
  BtnForInfo->setCheckable(true);
  desc->addWidget(LblTitle, 0, 0, 1, 6);
  desc->addWidget(BtnForInfo, 0, 6, Qt::AlignRight);
  desc->addWidget(Caption("operator:", PnlDescription), 1, 0);
  desc->addWidget(LblOperator, 1, 1);
  desc->addWidget(Caption("date:", PnlDescription), 1, 2);
  desc->addWidget(LblDate, 1, 3);
  desc->addWidget(Caption("evolution:", PnlDescription), 1, 4);
  desc->addWidget(LblEvolution, 1, 5);
  desc->setColumnStretch(1, 1);
  desc->setColumnStretch(3, 1);
  desc->setColumnStretch(5, 2);

  PnlInfoBox = new QFrame(this);
  PnlInfoBox->setObjectName("PnlInfoBox");
  PnlInfoBox->setFrameShape(QFrame::StyledPanel);
  auto* info = new QHBoxLayout(PnlInfoBox);
  info->setContentsMargins(6, 2, 6, 2);
  LblFileName = Value("LblFileName", PnlInfoBox);
  LblKBytes = Value("LblKBytes", PnlInfoBox);
  LblTotalPoints = Value("LblTotalPoints", PnlInfoBox);
  for (auto [caption, value] : {std::pair{"file name:", LblFileName}, {"KBytes:", LblKBytes},
                                {"total points:", LblTotalPoints}}) {
    info->addWidget(Caption(caption, PnlInfoBox));
    info->addWidget(value);
    info->addSpacing(12);
  }
  info->addStretch(1);
  PnlInfoBox->hide();

  surface_ = new ChartSurface(*this, this);
  PBoxGraph = surface_;
  PBoxGraph->setObjectName("PBoxGraph");

  ScrollBarHorizGraph = new QScrollBar(Qt::Horizontal, this);
  ScrollBarHorizGraph->setObjectName("ScrollBarHorizGraph");
  ScrollBarHorizGraph->setToolTip("scroll graph horizontally");
  ScrollBarHorizGraph->setRange(0, 0);
  ScrollBarHorizGraph->setPageStep(1);

  SpeedBtnGraphSetup = Button("SpeedBtnGraphSetup", "Setup", "view plot setup screen", this);
  SpeedButton1 = Button("SpeedButton1", "Print", "print displayed plot", this);
  BtnSaveImage = Button("BtnSaveImage", "Save Image...", "save the displayed plot as a PNG image or a PDF", this);
  BitBtn1 = Button("BitBtn1", "&Close", nullptr, this);

  auto* buttons = new QHBoxLayout;
  buttons->setSpacing(6);
  buttons->addWidget(ScrollBarHorizGraph, 1);
  for (QPushButton* b : {SpeedBtnGraphSetup, SpeedButton1, BtnSaveImage, BitBtn1}) buttons->addWidget(b);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(4, 4, 4, 4);
  layout->setSpacing(4);
  layout->addWidget(PnlDescription);
  layout->addWidget(PnlInfoBox);
  layout->addWidget(PBoxGraph, 1);
  layout->addLayout(buttons);

  connect(BtnForInfo, &QToolButton::clicked, this, &TfrmGraph::BtnForInfoClick);
  connect(SpeedBtnGraphSetup, &QPushButton::clicked, this, &TfrmGraph::SetupRequested);
  connect(SpeedButton1, &QPushButton::clicked, this, &TfrmGraph::SpeedButton1Click);
  connect(BtnSaveImage, &QPushButton::clicked, this, &TfrmGraph::BtnSaveImageClick);
  connect(BitBtn1, &QPushButton::clicked, this, &TfrmGraph::CloseRequested);
  connect(ScrollBarHorizGraph, &QScrollBar::valueChanged, this, &TfrmGraph::ScrollBarHorizGraphChange);
}

TPlotSetupRec& TfrmGraph::Setup() {
  return browser_.Stored() ? browser_.StoredSetup() : p_.run.Recording.PlotSetup;
}

ChartPageView TfrmGraph::CurrentView() const {
  const RunRecording& rec = p_.run.Recording;
  ChartPageView v;
  v.Setup = &browser_.Setup(rec);
  shownSamples_ = browser_.PageSamples(rec);
  v.Samples = shownSamples_.data();
  v.Count = shownSamples_.size();
  v.PageStart = browser_.PageStart(rec);
  v.Units = p_.config.Units;
  return v;
}

void TfrmGraph::RefreshDescription() {
  const TPlotSetupRec& ps = browser_.Setup(p_.run.Recording);
  LblTitle->setText(QString::fromStdString(ps.PlotTitle.str()));
  LblOperator->setText(QString::fromStdString(ps.OperatorName.str()));
  LblDate->setText(QString::fromStdString(ps.RecordDate.str() + " " + ps.RecordTime.str()).trimmed());
  LblEvolution->setText(QString::fromStdString(ps.EvolutionName.str()));
}

void TfrmGraph::RefreshInfo() {
  const RunRecording& rec = p_.run.Recording;
  LblFileName->setText(FileNameOf(rec.DataFileName).toLower());
  LblKBytes->setText(QString::number(rec.DataFileKBytes));
  LblTotalPoints->setText(QString::number(rec.SamplesTotal));
}

void TfrmGraph::RefreshScrollBar() {
  const QSignalBlocker block(ScrollBarHorizGraph);
  ScrollBarHorizGraph->setRange(0, browser_.PageTotal() - 1);
  ScrollBarHorizGraph->setValue(browser_.Current());
}

void TfrmGraph::AddPoint() {
  if (!isVisible() || !browser_.ShowingLivePage()) return;
  const RunRecording& rec = p_.run.Recording;
  const int slot = rec.PlotSetup.PageCount;
  if (slot < 1 || slot > kPageSlots) return;
  const TDataSampleRec& cur = rec.Page[slot];
  const bool joined = slot > 1 && rec.Page[slot - 1].Time != kUnusedSlotTime;
  surface_->AddSegments(joined ? rec.Page[slot - 1] : cur, cur);
}

bool TfrmGraph::FollowsRun() const { return !browser_.Stored() || !p_.run.Recording.ViewingStoredFile; }

void TfrmGraph::RepaintPage() {
  if (!isVisible() || !FollowsRun()) return;
  browser_.FollowRun(p_.run.Recording, p_.S());
  RefreshScrollBar();
  RefreshDescription();
  surface_->Invalidate();
}

void TfrmGraph::Finish() { RepaintPage(); }

void TfrmGraph::SetupChanged() {
  RefreshDescription();
  surface_->Invalidate();
}

bool TfrmGraph::OpenStored(const std::string& path) {
  DataFileContents contents;
  if (!OpenDataFileForViewing(path, p_.S(), p_.run, host_, contents)) return false;
  browser_.ViewStored(std::move(contents));
  RefreshScrollBar();
  RefreshDescription();
  RefreshInfo();
  surface_->Invalidate();
  return true;
}

void TfrmGraph::ShowPage(int page) {
  browser_.Go(page);
  RefreshScrollBar();
  surface_->Invalidate();
}

void TfrmGraph::ScrollBarHorizGraphChange(int value) { ShowPage(value); }

void TfrmGraph::BtnForInfoClick() {
  PnlInfoBox->setVisible(!PnlInfoBox->isVisible());
  BtnForInfo->setChecked(PnlInfoBox->isVisible());
  RefreshInfo();
}

bool TfrmGraph::PrintTo(QPrinter& printer) {
  return PrintChart(printer, CurrentView(), PBoxGraph->size(), p_.config.Options.PlotPrintoutFit);
}

void TfrmGraph::SpeedButton1Click() {
  QPrinter& printer = ProgramPrinter();
  QPrintDialog dialog(&printer, this);
  dialog.setWindowTitle("Print Strip Chart");
  if (dialog.exec() != QDialog::Accepted) return;
  if (!PrintTo(printer)) host_.Message(MsgType::Error, Buttons::Ok, "The chart could not be printed.");
}

void TfrmGraph::BtnSaveImageClick() {
  const QString folder = QString::fromStdString(p_.run.Recording.DataDirectory(p_.Dirs().RecordsDirectory));
  QFileDialog dialog(this, "Save Chart Image", folder);
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setNameFilters({"PNG Images (*.png)", "PDF Files (*.pdf)"});
  dialog.setDefaultSuffix("png");
  connect(&dialog, &QFileDialog::filterSelected, &dialog,
          [&dialog](const QString& f) { dialog.setDefaultSuffix(f.startsWith("PDF") ? "pdf" : "png"); });
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
  const QString path = dialog.selectedFiles().front();
  QString reason;
  if (!SaveChartImage(path, CurrentView(), PBoxGraph->size(), reason))
    host_.Message(MsgType::Error, Buttons::Ok,
                  "The chart could not be saved as " + path.toStdString() + ": " + reason.toStdString() + ".");
}

void TfrmGraph::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (FollowsRun()) browser_.FollowRun(p_.run.Recording, p_.S());
  RefreshScrollBar();
  RefreshDescription();
  RefreshInfo();
  surface_->Invalidate();
}

void TfrmGraph::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_PageUp: ShowPage(browser_.Current() - 1); return;
    case Qt::Key_PageDown: ShowPage(browser_.Current() + 1); return;
    case Qt::Key_Home: ShowPage(0); return;
    case Qt::Key_End: ShowPage(browser_.PageTotal() - 1); return;
    default: QWidget::keyPressEvent(event);
  }
}

}  // namespace pumpdrill
