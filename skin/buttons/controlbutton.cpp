#include "skin/buttons/controlbutton.h"

#include "skin/paint/keyedpicture_p.h"

TSkinControlButton::TSkinControlButton(QWidget* owner) : TSkinCustomButton(owner) {
  resize(80, 27);
  SetTabStop(false);
  // Not the owner form's look: a control button starts in the fallback look.
  SetUIStyle(TSkinUIStyle::DeepBlue);
}

void TSkinControlButton::SetPicIndex(int value) {
  if (value == picIndex_) return;
  picIndex_ = value;
  RefreshFrames();
}

void TSkinControlButton::SetPicCount(int value) {
  if (value == picCount_) return;
  picCount_ = value;
  RefreshFrames();
}

void TSkinControlButton::SetThemeID(int value) {
  if (value == themeId_) return;
  themeId_ = value;
  RefreshFrames();
}

QImage TSkinControlButton::ThemeFrame(int number) const {
  if (themeId_ < 1 || themeId_ > kSkinThemeEntryCount || picCount_ < 0) return {};
  if (picCount_ > 0 && (number < 1 || number > picCount_)) return {};
  return KeyedPicture(
      Look().Bitmap(static_cast<SkinEntry>(themeId_), picCount_, picCount_ > 0 ? number : 0),
      SkinKeyPixel::TopLeft);
}

void TSkinControlButton::PaintButtonNormal(QImage& frame) {
  frame = ThemeFrame(picIndex_);
  if (!frame.isNull()) resize(frame.size());
}
