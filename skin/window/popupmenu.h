#pragma once
// TSkinPopupMenu: a context menu whose items are drawn in the look (see SkinMenuBase).
#include "skin/window/menubase.h"

class TSkinPopupMenu : public SkinMenuBase {
  Q_OBJECT

 public:
  explicit TSkinPopupMenu(QWidget* owner = nullptr);

  // Shows the menu with its top-left corner at the screen point (x, y) and returns at once.
  virtual void Popup(int x, int y);
};
