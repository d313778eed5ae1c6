#include "skin/window/titlebarsection.h"

#include <QCoreApplication>

#include "skin/base/error.h"

void TSkinTitleBarSection::SetAutoSize(bool value) {
  if (value == autoSize_) return;
  autoSize_ = value;
  FollowPicture();
  collection_->Changed();
}

void TSkinTitleBarSection::SetWidth(int value) {
  if (value == width_) return;
  width_ = value;
  collection_->Changed();
}

void TSkinTitleBarSection::SetAlign(TSkinTitleBarAlign value) {
  if (value == align_) return;
  if (value == skinClient) {
    for (int i = 0; i < collection_->Count(); ++i) {
      const TSkinTitleBarSection* other = collection_->Items(i);
      if (other != this && other->align_ == skinClient) {
        throw SkinError(QCoreApplication::translate(
            "SkinError", "Sorry, only one section's Align property can be \"skinClient\""));
      }
    }
    stretch_ = true;
  }
  align_ = value;
  collection_->Changed();
}

void TSkinTitleBarSection::SetPicture(const QImage& value) {
  if (value == picture_) return;
  picture_ = value;
  FollowPicture();
  collection_->Changed();
}

void TSkinTitleBarSection::SetStretch(bool value) {
  if (value == stretch_) return;
  stretch_ = value;
  collection_->Changed();
}

void TSkinTitleBarSection::FollowPicture() {
  if (autoSize_ && !picture_.isNull()) width_ = picture_.width();
}

void TSkinTitleBarSection::AssignSettings(const TSkinTitleBarSection& other) {
  autoSize_ = other.autoSize_;
  width_ = other.width_;
  align_ = other.align_;
  picture_ = other.picture_;
  stretch_ = other.stretch_;
}
