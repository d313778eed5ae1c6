#pragma once
// TSkinMenuBar: the menu bar of a skinned form, below its title bar: one button per top-level
// item of a menu, left to right in menu order (wrapping onto more rows when the bar is too
// narrow), each dropping its item's submenu down. A skinned main menu gives the bar its look and
// font and draws the drop-downs; any other menu's look is the form's. In MacOS the bar shows the
// menu-bar picture and the button under the pointer the selection picture; elsewhere the bar is
// its colour and a lit button is filled and framed in the look's menu colours.
//
// While a submenu is down, pointing at another button drops that one's down instead, and Left
// and Right step to the neighbouring items.
#include <QImage>
#include <QList>
#include <QMenu>
#include <QPointer>

#include "skin/base/widget.h"
#include "skin/window/menubarbutton.h"

class TSkinMenuBar : public TSkinWidget {
  Q_OBJECT

 public:
  explicit TSkinMenuBar(QWidget* owner = nullptr);
  ~TSkinMenuBar() override;

  QMenu* Menu() const { return menu_; }
  // Shows the menu's top-level items (nothing for no menu).
  void SetMenu(QMenu* menu);
  // The height of each row of buttons.
  int ButtonHeight() const { return buttonHeight_; }
  void SetButtonHeight(int value);

  // Rebuilds the buttons from the menu's top-level items.
  void UpdateMenu();
  // Each button takes its item's caption and enabled state.
  void UpdateTopMenu();
  // The buttons take the skinned menu's font again.
  void RepaintMenuBar();

  QList<TSkinMenuBarButton*> Buttons() const { return buttons_; }
  // The button whose submenu is down, or null.
  TSkinMenuBarButton* DroppedButton() const { return dropped_; }
  // Drops the button's submenu down (or runs an item without one).
  void DropDown(TSkinMenuBarButton* button);

  // The bar's background over rect, and one button over its own rectangle.
  void DrawMenuBar(QPainter& painter, const QRect& rect) const;
  void DrawButton(QPainter& painter, const TSkinMenuBarButton& button) const;

  bool hasHeightForWidth() const override { return true; }
  int heightForWidth(int width) const override;
  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* e) override;
  void resizeEvent(QResizeEvent* e) override;
  bool eventFilter(QObject* watched, QEvent* e) override;

 private:
  void LookChanged() override;
  void FollowMenuLook();
  // Places the buttons in rows no wider than width; returns the rows' total height.
  int Arrange(int width, bool place) const;
  void MenuClosed();
  // While a submenu is down: the pointer or a key may move to another item.
  bool DroppedMenuEvent(QEvent* e);
  TSkinMenuBarButton* ButtonAtGlobal(const QPoint& global) const;
  void Step(int by);

  QPointer<QMenu> menu_;
  // The menu, watched for its top-level items, held as a plain object: it may be seen while
  // destroyed.
  QPointer<QObject> watched_;
  QList<TSkinMenuBarButton*> buttons_;
  QPointer<TSkinMenuBarButton> dropped_;
  QPointer<QMenu> droppedMenu_;
  QMetaObject::Connection menuLook_;
  int buttonHeight_ = 22;
  bool macOS_ = false;
  QImage barPicture_;
  QImage selectPicture_;
  QColor selectedBorder_;
  QColor selectedFill_;
  QColor selectedText_;
  QColor text_;
};
