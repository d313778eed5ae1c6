#include "skin/window/titlebarbutton.h"

#include <QCoreApplication>
#include <QMenu>
#include <algorithm>
#include <iterator>

#include "skin/base/error.h"
#include "skin/look/component.h"
#include "skin/look/filetheme.h"
#include "skin/paint/keyedpicture_p.h"

namespace {

constexpr int kStripFrames = 18;
constexpr int kRestoreLastFrame = 12;

// The last frame of the kind's triple in the strip (normal, under the pointer, pressed).
int LastFrame(TSkinTitleBarBtnType type) {
  switch (type) {
    case skinControlBox:
      return 3;
    case skinHelp:
      return 6;
    case skinMax:
      return 9;
    case skinMin:
      return 15;
    case skinClose:
      return 18;
    case skinCustom:
      break;
  }
  return 0;
}

}  // namespace

template <typename T>
void TSkinTitleBarButton::Store(T& field, const T& value) {
  if (field == value) return;
  field = value;
  collection_->Changed();
}

void TSkinTitleBarButton::SetUIStyle(TSkinUIStyle value) { Store(style_, value); }

void TSkinTitleBarButton::SetButtonType(TSkinTitleBarBtnType value) {
  if (value == type_) return;
  if (value == skinControlBox) {
    for (int i = 0; i < collection_->Count(); ++i) {
      const TSkinTitleBarButton* other = collection_->Items(i);
      if (other != this && other->type_ == skinControlBox) {
        throw SkinError(QCoreApplication::translate(
            "SkinError", "Sorry, only one button's ButtonType property can be \"skinControlBox\""));
      }
    }
  }
  Store(type_, value);
}

void TSkinTitleBarButton::SetTransparent(bool value) {
  if (value == transparent_) return;
  transparent_ = value;
  PicturesChanged();
}

void TSkinTitleBarButton::SetTop(int value) { Store(top_, value); }
void TSkinTitleBarButton::SetVisible(bool value) { Store(visible_, value); }
void TSkinTitleBarButton::SetPicNormal(const QImage& value) { StorePicture(picNormal_, value); }
void TSkinTitleBarButton::SetPicMouseOn(const QImage& value) { StorePicture(picMouseOn_, value); }
void TSkinTitleBarButton::SetPicMouseDown(const QImage& value) {
  StorePicture(picMouseDown_, value);
}

void TSkinTitleBarButton::StorePicture(QImage& field, const QImage& value) {
  if (field == value) return;
  field = value;
  PicturesChanged();
}

// A transparent button's pictures are drawn with the toolkit's automatic transparency.
void TSkinTitleBarButton::PicturesChanged() {
  const QImage* pictures[] = {&picNormal_, &picMouseOn_, &picMouseDown_};
  for (int i = 0; i < 3; ++i) {
    shown_[i] = transparent_ ? KeyedPicture(*pictures[i], SkinKeyPixel::BottomLeft) : *pictures[i];
  }
  collection_->Changed();
}

void TSkinTitleBarButton::SetControlBoxMenu(QMenu* menu) {
  if (menu == controlBoxMenu_) return;
  controlBoxMenu_ = menu;
  collection_->Changed();
}

void TSkinTitleBarButton::TakeFrames(const SkinComponent& look, int last) {
  picNormal_ = look.Bitmap(SkinEntry::TitleBarButtonImage, kStripFrames, last - 2);
  picMouseOn_ = look.Bitmap(SkinEntry::TitleBarButtonImage, kStripFrames, last - 1);
  picMouseDown_ = look.Bitmap(SkinEntry::TitleBarButtonImage, kStripFrames, last);
}

int TSkinTitleBarButton::LastFrameShown(bool formMaximized, bool custom) const {
  return type_ == skinMax && formMaximized && !custom ? kRestoreLastFrame : LastFrame(type_);
}

void TSkinTitleBarButton::UpdateUIStyle(const SkinComponent& look, bool formMaximized,
                                        bool custom) {
  style_ = look.UsesFileTheme() ? TSkinUIStyle::FromThemeFile : look.EffectiveStyle();
  transparent_ = look.Bool(SkinEntry::TitleBarButtonTransparentBool);
  top_ = look.Int(SkinEntry::TitleBarButtonTopInt);
  if (type_ != skinCustom) TakeFrames(look, LastFrameShown(formMaximized, custom));
  PicturesChanged();
}

void TSkinTitleBarButton::ProcessMaxBtn(const SkinComponent& look, bool formMaximized,
                                        bool custom) {
  if (type_ != skinMax || custom) return;
  TakeFrames(look, LastFrameShown(formMaximized, custom));
  PicturesChanged();
}

void TSkinTitleBarButton::AssignSettings(const TSkinTitleBarButton& other) {
  style_ = other.style_;
  type_ = other.type_;
  transparent_ = other.transparent_;
  top_ = other.top_;
  controlBoxMenu_ = other.controlBoxMenu_;
  visible_ = other.visible_;
  picNormal_ = other.picNormal_;
  picMouseOn_ = other.picMouseOn_;
  picMouseDown_ = other.picMouseDown_;
  std::copy(std::begin(other.shown_), std::end(other.shown_), std::begin(shown_));
}
