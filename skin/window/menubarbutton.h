#pragma once
// TSkinMenuBarButton: one top-level item of a menu bar. Pressing it, clicking it or pressing
// its '&' letter with Alt drops the item's submenu down below it (an item without a submenu
// runs at once). The bar paints it.
#include <QPointer>

#include "skin/base/buttonbase.h"

class QAction;
class TSkinMenuBar;

class TSkinMenuBarButton : public SkinButtonBase {
  Q_OBJECT

 public:
  TSkinMenuBarButton(TSkinMenuBar* bar, QAction* item);

  // The top-level menu item the button stands for.
  QAction* MenuItem() const { return item_; }
  // Takes the item's caption and enabled state, and sizes itself to the caption.
  void UpdateFromItem();
  QString Caption() const { return caption_; }

  void Click() override;

 protected:
  void paintEvent(QPaintEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;

 private:
  TSkinMenuBar* bar_;
  QPointer<QAction> item_;
  QString caption_;
};
