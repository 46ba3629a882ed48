#include "setup/gui/pump_graph_boxes.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace pumpdrill {

namespace {

constexpr int kFrameWidth = 3;

}  // namespace

PumpGraphBox::PumpGraphBox(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

QRectF PumpGraphBox::PlotArea() const {
  return QRectF(rect()).adjusted(kFrameWidth, kFrameWidth, -kFrameWidth, -kFrameWidth);
}

void PumpGraphBox::PaintFrame(QPainter& painter) {
  painter.fillRect(rect(), Qt::white);
  QPen red(Qt::red, kFrameWidth);
  red.setJoinStyle(Qt::MiterJoin);
  painter.setPen(red);
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(
      QRectF(rect()).adjusted(kFrameWidth / 2.0, kFrameWidth / 2.0, -kFrameWidth / 2.0, -kFrameWidth / 2.0));
}

void PumpRpmGraph::PaintRPMvsPSI() {
  QPainter painter(this);
  PaintFrame(painter);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(Qt::blue, 1));
  QRectF area = PlotArea();
  painter.drawLine(area.bottomLeft(), area.topRight());
}

void PumpFlowGraph::SetGraph(const PumpGraph& graph, const std::array<TestPointSpeed, 3>& testPoints) {
  graph_ = graph;
  testPoints_ = testPoints;
  update();
}

QPointF PumpFlowGraph::ToWidget(double gpm, double psi) const {
  QRectF area = PlotArea();
  double x = area.left() + area.width() * gpm / graph_.Capacity;
  double y = area.bottom() - area.height() * psi / graph_.HighPress;
  return {x, y};
}

void PumpFlowGraph::PaintGPMvsPSI() {
  QPainter painter(this);
  PaintFrame(painter);
  if (!graph_.Drawable) return;
  QRectF area = PlotArea();
  painter.setClipRect(area);
  painter.setRenderHint(QPainter::Antialiasing);
  QFontMetricsF metrics(font());

  for (const PumpGraphCurve& curve : graph_.Curves) {
    QPainterPath path;
    for (size_t i = 0; i < curve.Points.size(); ++i) {
      QPointF at = ToWidget(curve.Points[i].Gpm, std::min(curve.Points[i].Psi, graph_.HighPress));
      if (i == 0)
        path.moveTo(at);
      else
        path.lineTo(at);
    }
    painter.setPen(QPen(Qt::blue, 1));
    painter.drawPath(path);

    // The curve's speed, truncated to a multiple of 5, just under its start:
    // the top curve starts at the top of the box, and labels under their
    // curves stay apart down to curves one text height apart.
    QString text = QString::number(static_cast<long>(curve.PumpRpm / 5) * 5) + " rpm";
    QPointF start = ToWidget(0, curve.Points[0].Psi);
    double baseline = start.y() + metrics.ascent() + 1;
    painter.setPen(Qt::black);
    painter.drawText(QPointF(start.x() + 2, baseline), text);
  }

  // The acceptance test points, numbered as the list under the graph; a
  // point on the edge of the box shows whole.
  painter.setClipping(false);
  painter.setPen(QPen(Qt::darkGreen, 1.5));
  for (size_t i = 0; i < testPoints_.size(); ++i) {
    const TestPointSpeed& t = testPoints_[i];
    if (t.NetPsi > graph_.HighPress || t.Gpm > graph_.Capacity) continue;
    QPointF at = ToWidget(t.Gpm, t.NetPsi);
    painter.setBrush(t.Reachable ? QColor(Qt::darkGreen) : QColor(Qt::white));
    painter.drawEllipse(at, 3.5, 3.5);
    QString number = QString::number(i + 1);
    QPointF label(at.x() - metrics.horizontalAdvance(number) - 5, at.y() - 4);
    painter.drawText(label, number);
  }
}

}  // namespace pumpdrill
