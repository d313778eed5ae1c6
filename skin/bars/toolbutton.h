#pragma once
// TSkinToolButton: one button of a TSkinToolBar. The bar places it and paints it; the button
// keeps its own states: hot (the mouse is over it on a flat bar), selected (held down by the
// mouse, with the pointer over it) and Down (a check button that is checked).
#include <QString>

#include "skin/base/buttonbase.h"

class QMenu;
class TSkinToolBar;

class TSkinToolButton : public SkinButtonBase {
  Q_OBJECT
  Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
  Q_PROPERTY(int ImageIndex READ ImageIndex WRITE SetImageIndex)
  Q_PROPERTY(TToolButtonStyle Style READ Style WRITE SetStyle)
  Q_PROPERTY(bool Down READ Down WRITE SetDown)

 public:
  enum TToolButtonStyle { tbsButton, tbsCheck, tbsDropDown, tbsSeparator };
  Q_ENUM(TToolButtonStyle)

  // A button without a bar stays unplaced and paints nothing until it is put on one.
  explicit TSkinToolButton(TSkinToolBar* bar = nullptr);

  QString Caption() const { return caption_; }
  void SetCaption(const QString& text);
  int ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int value);
  TToolButtonStyle Style() const { return style_; }
  void SetStyle(TToolButtonStyle value);
  bool Down() const { return down_; }
  void SetDown(bool value);
  // Shown under a drop-down button when its arrow zone is pressed.
  QMenu* DropdownMenu() const { return dropdownMenu_; }
  void SetDropdownMenu(QMenu* menu) { dropdownMenu_ = menu; }

  bool IsHot() const;
  bool IsSelected() const { return IsArmed() && IsHovered(); }

  // A check button changes Down, then OnClick is raised.
  void Click() override;

 signals:
  void OnClick();

 protected:
  void paintEvent(QPaintEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;
  void changeEvent(QEvent* e) override;

 private:
  TSkinToolBar* Bar() const;

  QString caption_;
  int imageIndex_ = -1;
  TToolButtonStyle style_ = tbsButton;
  bool down_ = false;
  QMenu* dropdownMenu_ = nullptr;
};
