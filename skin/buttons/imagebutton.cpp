#include "skin/buttons/imagebutton.h"

#include <QPainter>

#include "skin/paint/facecache_p.h"
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

void TSkinImageButton::PaintPic(QPainter& canvas, const QImage& frame) {
  if (frame.isNull()) return;
  const QImage keyed = CachedKeyedPicture(frame, TopLeftColor(frame));
  if (stretch_) {
    canvas.drawImage(rect(), keyed);
  } else {
    canvas.drawImage(0, 0, keyed);
  }
}

void TSkinImageButton::PaintFocus(QPainter& canvas) {
  if (drawFocused_) TSkinCustomButton::PaintFocus(canvas);
}
