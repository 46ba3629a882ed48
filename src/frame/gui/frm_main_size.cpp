// The main window's smallest size: the whole menu bar on one line, every
// tab caption beside the run panel, and room for a setup window.
#include <QMenuBar>
#include <algorithm>

#include "frame/gui/frm_main.h"

namespace pumpdrill {

namespace {

constexpr int kTabPanelGap = 2;          // between the last tab and the run panel
constexpr int kMinimumAreaHeight = 220;  // of the child windows' area

}  // namespace

void TfrmMain::SetMinimumWindowSize() {
  QWidget* strip = TabSetSetup->parentWidget();
  const int lastTab = TabSetSetup->tabRect(TabSetSetup->count() - 1).right() + 1;
  const int tabsAndPanel = lastTab + kTabPanelGap + PnlSimCtrls->sizeHint().width() + 2;
  // The bar's items side by side, without the overflow button.
  const int bar = menuBar()->sizeHint().width();
  const int width = std::max(tabsAndPanel, bar);
  const int height =
      menuBar()->sizeHint().height() + kMinimumAreaHeight + strip->sizeHint().height();
  setMinimumSize(width, height);
}

}  // namespace pumpdrill
