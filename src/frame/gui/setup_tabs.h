// The setup windows of the main window's setup tab set. Choosing a tab
// closes the window of the tab before it and opens the new tab's window as
// a maximised child of the main window; the 'Panel' tab keeps the panel
// window, which is never closed here. A tab is enabled once its window is
// registered, together with its item of the Setup menu.
#pragma once

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QObject>
#include <QPointer>
#include <QTabBar>
#include <array>
#include <functional>

class QAction;

namespace pumpdrill {

class TfrmMain;

class SetupTabs : public QObject {
 public:
  // Makes the window of a tab; it becomes a child window of the main window
  // and is released when it closes. A window with a slot FormActivate has
  // it run whenever it is activated.
  using Factory = std::function<QWidget*(TfrmMain&)>;

  SetupTabs(TfrmMain& main, QTabBar* tabs, QMdiArea* area, int panelTab);

  // The window of `tab` with its help context, and the Setup menu item that
  // selects the tab (enabled with it).
  void Register(int tab, int helpContext, Factory make, QAction* menuItem);
  bool HasWindow(int tab) const;

  // Runs when the 'Panel' tab is chosen (the panel window comes forward).
  std::function<void()> PanelTabChosen;

  // The tab set's change: the previous tab's window closes, the new one's
  // opens. A window closed by the user hands the tab set back to 'Panel'.
  void Change(int index);

  // Closes the open setup window and makes it again, so that it shows
  // settings changed elsewhere (units); nothing while 'Panel' is chosen.
  void ReopenWindow();

  // The open setup window, or nullptr while 'Panel' is chosen.
  QWidget* Window() const;
  QMdiSubWindow* SubWindow() const { return sub_; }

 private:
  struct Entry {
    Factory make;
    int helpContext = 0;
  };
  void CloseWindow();
  void OpenWindow(int tab);

  TfrmMain& main_;
  QTabBar* tabs_;
  QMdiArea* area_;
  int panelTab_;
  int current_;
  std::array<Entry, 8> entries_{};
  QPointer<QMdiSubWindow> sub_;
  QPointer<QWidget> form_;
};

// The name of the property that carries a window's help context, and that
// of its focus control.
inline constexpr const char* kHelpContextProperty = "HelpContext";

// The setup windows of the program, one line each.
void RegisterSetupWindows(TfrmMain& main, SetupTabs& tabs);

}  // namespace pumpdrill
