#pragma once
// The caption buttons of a title bar and their collection. A button's kind says what it does
// and which frames of the look's 18-frame button strip it shows (normal, under the pointer,
// pressed); a custom button keeps the pictures it is given.
#include <QImage>
#include <QPointer>

#include "skin/look/uistyle.h"
#include "skin/window/collection.h"
#include "skin/window/titlebarenums.h"

class QMenu;
class SkinComponent;

class TSkinTitleBarButton;
using TSkinTitleBarButtons = SkinCollection<TSkinTitleBarButton>;

class TSkinTitleBarButton {
 public:
  TSkinUIStyle UIStyle() const { return style_; }
  void SetUIStyle(TSkinUIStyle value);
  TSkinTitleBarBtnType ButtonType() const { return type_; }
  // Raises SkinError when another button of the collection is the control box already; the
  // type then stays.
  void SetButtonType(TSkinTitleBarBtnType value);
  // Drawn with the picture's bottom-left colour see-through.
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool value);
  int Top() const { return top_; }
  void SetTop(int value);
  // For the control box: a menu popped up instead of the title bar's system menu.
  QMenu* ControlBoxMenu() const { return controlBoxMenu_; }
  void SetControlBoxMenu(QMenu* menu);
  // Hidden buttons are neither drawn nor hit.
  bool Visible() const { return visible_; }
  void SetVisible(bool value);
  const QImage& PicNormal() const { return picNormal_; }
  void SetPicNormal(const QImage& value);
  const QImage& PicMouseOn() const { return picMouseOn_; }
  void SetPicMouseOn(const QImage& value);
  const QImage& PicMouseDown() const { return picMouseDown_; }
  void SetPicMouseDown(const QImage& value);
  // The three pictures as the bar draws them: keyed when Transparent.
  const QImage& ShownNormal() const { return shown_[0]; }
  const QImage& ShownMouseOn() const { return shown_[1]; }
  const QImage& ShownMouseDown() const { return shown_[2]; }

  int Index() const { return collection_->IndexOf(this); }

  // Takes the look's pictures for the button's kind (a custom button keeps its own); a maximize
  // button shows the restore frames while the form is maximized, unless custom is set.
  void UpdateUIStyle(const SkinComponent& look, bool formMaximized, bool custom);
  void ProcessMaxBtn(const SkinComponent& look, bool formMaximized, bool custom);

  // Copies every setting of other.
  void AssignSettings(const TSkinTitleBarButton& other);

 private:
  friend class SkinCollection<TSkinTitleBarButton>;
  explicit TSkinTitleBarButton(TSkinTitleBarButtons* collection) : collection_(collection) {}
  template <typename T>
  void Store(T& field, const T& value);
  void StorePicture(QImage& field, const QImage& value);
  // The last frame of the triple the kind shows (the restore frames for a maximized form).
  int LastFrameShown(bool formMaximized, bool custom) const;
  // Frames last-2, last-1 and last of the look's strip.
  void TakeFrames(const SkinComponent& look, int last);
  // Makes the pictures as shown anew, then tells the collection.
  void PicturesChanged();

  TSkinTitleBarButtons* collection_;
  TSkinUIStyle style_ = TSkinUIStyle::DeepBlue;
  TSkinTitleBarBtnType type_ = skinCustom;
  bool transparent_ = false;
  int top_ = 2;
  QPointer<QMenu> controlBoxMenu_;
  bool visible_ = true;
  QImage picNormal_;
  QImage picMouseOn_;
  QImage picMouseDown_;
  QImage shown_[3];
};
