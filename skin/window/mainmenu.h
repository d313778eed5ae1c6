#pragma once
// TSkinMainMenu: the menu a skinned form shows in its menu bar (TSkinForm::SetMenu). Its items
// are the top-level items, one bar button each; an item's submenu drops down from its button,
// drawn in the look (see SkinMenuBase). The menu itself is never shown. Unlike a pop-up menu it
// takes MenuItemHeight in MacOS too.
//
//   auto* menu = new TSkinMainMenu(window);
//   QMenu* file = menu->addMenu("&File");
//   file->addAction("&Open...", QKeySequence::Open, window, &Window::Open);
//   skinForm->SetMenu(menu);
#include "skin/window/menubase.h"

class TSkinMainMenu : public SkinMenuBase {
  Q_OBJECT

 public:
  explicit TSkinMainMenu(QWidget* owner = nullptr) : SkinMenuBase(owner, true) {}
};
