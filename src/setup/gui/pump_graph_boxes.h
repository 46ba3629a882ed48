// The pump setup's two graphs, drawn with QPainter from the points the core
// works out: the no-flow pressure over speed (PBoxRPMvsPSI, a PumpRpmGraph)
// and the pressure against flow at five speeds (PBoxGPMvsPSI, a
// PumpFlowGraph). The axis values are labels of the window around them.
#pragma once

#include <QWidget>

#include "setup/pump_graph.h"

namespace pumpdrill {

// White box, red frame three pixels wide.
class PumpGraphBox : public QWidget {
 public:
  explicit PumpGraphBox(QWidget* parent = nullptr);
  QSize sizeHint() const override { return {260, 170}; }
  QSize minimumSizeHint() const override { return {120, 80}; }
  // The plotting area inside the frame.
  QRectF PlotArea() const;

 protected:
  void PaintFrame(QPainter& painter);
};

// The no-flow line: straight from idle (bottom left) to the reference high
// speed (top right).
class PumpRpmGraph : public PumpGraphBox {
 public:
  using PumpGraphBox::PumpGraphBox;

 protected:
  void paintEvent(QPaintEvent*) override { PaintRPMvsPSI(); }

 private:
  void PaintRPMvsPSI();
};

// Pressure (0 to the high pressure, bottom up) against flow (0 to the rated
// capacity); the acceptance test points are marked where they fall inside.
class PumpFlowGraph : public PumpGraphBox {
 public:
  using PumpGraphBox::PumpGraphBox;
  void SetGraph(const PumpGraph& graph, const std::array<TestPointSpeed, 3>& testPoints);
  const PumpGraph& Graph() const { return graph_; }
  // Where a flow and pressure fall in the widget.
  QPointF ToWidget(double gpm, double psi) const;

 protected:
  void paintEvent(QPaintEvent*) override { PaintGPMvsPSI(); }

 private:
  void PaintGPMvsPSI();
  PumpGraph graph_;
  std::array<TestPointSpeed, 3> testPoints_{};
};

}  // namespace pumpdrill
