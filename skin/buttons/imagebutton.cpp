#include "skin/buttons/imagebutton.h"

#include <QPainter>

#include "skin/paint/keyedpicture_p.h"

TSkinImageButton::TSkinImageButton(QWidget* owner) : TSkinCustomButton(owner) {
  resize(80, 27);
  StartLook(owner);
}

void TSkinImageButton::SetPicture(int index, const QImage& picture) {
  if (picture == pictures_[index]) return;
  pictures_[index] = picture;
  AutoSizeChanged();
  RefreshFrames();
}

void TSkinImageButton::SetStretch(bool value) {
  if (value == stretch_) return;
  stretch_ = value;
  update();
}

void TSkinImageButton::SetDrawFocused(bool value) {
  if (value == drawFocused_) return;
  drawFocused_ = value;
  update();
}

void TSkinImageButton::AutoSizeChanged() {
  if (parentWidget() != nullptr && AutoSize() && !pictures_[0].isNull())
    resize(pictures_[0].size());
}

QImage TSkinImageButton::Keyed(int index) const {
  const QImage& own = pictures_[index];
  return KeyedPicture(own.isNull() ? pictures_[0] : own, SkinKeyPixel::TopLeft);
}

void TSkinImageButton::PaintPic(QPainter& canvas, const QImage& frame) {
  if (frame.isNull() || !stretch_) {
    TSkinCustomButton::PaintPic(canvas, frame);
    return;
  }
  canvas.drawImage(rect(), frame);
}

void TSkinImageButton::PaintFocus(QPainter& canvas) {
  if (drawFocused_) TSkinCustomButton::PaintFocus(canvas);
}
