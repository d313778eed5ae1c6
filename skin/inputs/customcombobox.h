#pragma once
// TSkinCustomComboBox: Qt's combo box with the skin painted over it after every native paint: a
// one-pixel frame in BorderColor with a ring in Color inside it, a drop-down button (the look's
// picture in MacOS and WinXP, else a flat face in ButtonColor with a separating line in
// BorderColor) with a small arrow in ArrowColor (none in WinXP, whose picture has its own), and
// a one-pixel BorderColor frame around the open list. A disabled box shows a grey arrow with a
// white shadow. Every new look sets ArrowColor back to black.
//
// Style picks the kind: csDropDown (typing and a list), csDropDownList (a list only) or csSimple
// (typing, no button; Qt has no always-open list, so the list drops down on Alt+Down). A simple
// box keeps the native look, unless the class paints that style too.
#include <QComboBox>
#include <QImage>

#include "skin/inputs/nativelook.h"

class TSkinCustomComboBox : public QComboBox, public SkinNativeLook {
  Q_OBJECT
  Q_PROPERTY(TSkinUIStyle UIStyle READ UIStyle WRITE SetUIStyle)
  Q_PROPERTY(TSkinFileTheme* FileTheme READ FileTheme WRITE SetFileTheme)
  Q_PROPERTY(TColor BorderColor READ BorderColor WRITE SetBorderColor)
  Q_PROPERTY(TColor ArrowColor READ ArrowColor WRITE SetArrowColor)
  Q_PROPERTY(TColor ButtonColor READ ButtonColor WRITE SetButtonColor)
  Q_PROPERTY(TColor Color READ Color WRITE SetColor)
  Q_PROPERTY(TComboBoxStyle Style READ Style WRITE SetStyle)
  Q_PROPERTY(int ItemHeight READ ItemHeight WRITE SetItemHeight)
  Q_PROPERTY(bool DroppedDown READ DroppedDown WRITE SetDroppedDown)

 public:
  enum TComboBoxStyle { csDropDown, csSimple, csDropDownList };
  Q_ENUM(TComboBoxStyle)

  TColor ArrowColor() const { return arrowColor_; }
  void SetArrowColor(TColor value);
  TColor ButtonColor() const { return buttonColor_; }
  void SetButtonColor(TColor value);
  TComboBoxStyle Style() const { return style_; }
  void SetStyle(TComboBoxStyle value);
  // The height of the rows of the list; 0: as the font needs.
  int ItemHeight() const { return itemHeight_; }
  void SetItemHeight(int value);
  bool DroppedDown() const;
  void SetDroppedDown(bool value);

  // Closes the list and repaints the parent, where the list's frame was drawn.
  void hidePopup() override;

 signals:
  // The user chose an item or typed into the box.
  void OnChange();

 protected:
  explicit TSkinCustomComboBox(QWidget* owner);

  // Whether the skin also paints a box in the simple style.
  virtual bool PaintsSimpleStyle() const { return false; }
  void LookChanged() override;
  void ColorChanged() override;
  void paintEvent(QPaintEvent* event) override;
  void changeEvent(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Typing into a new line edit raises OnChange too.
  void WatchTyping();
  void DrawButton(QPainter& painter) const;
  void DrawArrow(QPainter& painter, int x, int y) const;

  TColor arrowColor_ = clBlack;
  TColor buttonColor_ = 0;
  QImage buttonPicture_;  // MacOS and WinXP only
  bool buttonHasArrow_ = true;
  TComboBoxStyle style_ = csDropDown;
  int itemHeight_ = 0;
  QWidget* popup_;  // the window of the drop-down list
};
