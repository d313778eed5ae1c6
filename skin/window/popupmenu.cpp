#include "skin/window/popupmenu.h"

TSkinPopupMenu::TSkinPopupMenu(QWidget* owner) : SkinMenuBase(owner, false) {}

void TSkinPopupMenu::Popup(int x, int y) { popup(QPoint(x, y)); }
