#pragma once
// TSkinTitleBarPopupMenu: a title bar's system menu. Its items minimize the form, maximize or
// restore it, and close it; each is enabled only while the title bar shows a visible button of
// that kind.
#include "skin/window/popupmenu.h"

class QAction;
class TSkinTitleBar;

class TSkinTitleBarPopupMenu : public TSkinPopupMenu {
  Q_OBJECT

 public:
  explicit TSkinTitleBarPopupMenu(TSkinTitleBar* bar);

  // Enables the items by the bar's buttons, then shows the menu at (x, y) (176 pixels further
  // right with right-to-left reading).
  void Popup(int x, int y) override;

  QAction* MinimizeItem() const { return minimize_; }
  QAction* MaximizeItem() const { return maximize_; }
  QAction* CloseItem() const { return close_; }

 private:
  void OnMin();
  void OnMax();
  void OnClose();
  bool HasVisibleButton(int type) const;

  TSkinTitleBar* bar_;
  QAction* minimize_;
  QAction* maximize_;
  QAction* close_;
};
