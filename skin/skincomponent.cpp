#include "skin/skincomponent.h"

#include <utility>

#include "skin/skinthemefile.h"

SkinComponent::SkinComponent(QObject* self, std::function<void()> reread)
    : self_(self), reread_(std::move(reread)) {}

SkinComponent::~SkinComponent() {
  if (themeGone_) QObject::disconnect(themeGone_);
}

void SkinComponent::Start(QObject* owner) { SetUIStyle(GetSkinFormStyle(owner)); }

void SkinComponent::SetUIStyle(TSkinUIStyle style) {
  style_ = style;
  if (reread_) reread_();
}

void SkinComponent::SetFileTheme(TSkinFileTheme* theme) {
  if (themeGone_) QObject::disconnect(themeGone_);
  fileTheme_ = theme;
  if (theme != nullptr) {
    // A theme that goes away leaves the control in the fallback look.
    themeGone_ = QObject::connect(theme, &QObject::destroyed, self_, [this] {
      fileTheme_ = nullptr;
      SetUIStyle(TSkinUIStyle::DeepBlue);
    });
  }
  SetUIStyle(style_);
}

bool SkinComponent::UsesFileTheme() const {
  TSkinUIStyle effective;
  return UsingFileTheme(fileTheme_.data(), style_, effective);
}

TSkinUIStyle SkinComponent::EffectiveStyle() const {
  TSkinUIStyle effective;
  UsingFileTheme(fileTheme_.data(), style_, effective);
  return effective;
}

QImage SkinComponent::Bitmap(int entry, int frameCount, int frameNumber) const {
  QImage picture;
  TSkinUIStyle effective;
  if (UsingFileTheme(fileTheme_.data(), style_, effective)) {
    fileTheme_->GetBitmap(entry, &picture, frameCount, frameNumber);
  } else {
    GetInsideThemeBitmap(effective, entry, &picture, frameCount, frameNumber);
  }
  return picture;
}

TColor SkinComponent::Color(int entry) const {
  TSkinUIStyle effective;
  if (UsingFileTheme(fileTheme_.data(), style_, effective)) return fileTheme_->GetColor(entry);
  return GetInsideThemeColor(effective, entry);
}

int SkinComponent::Int(int entry) const {
  TSkinUIStyle effective;
  if (UsingFileTheme(fileTheme_.data(), style_, effective)) return fileTheme_->GetInt(entry);
  return GetInsideThemeInt(effective, entry);
}

bool SkinComponent::Bool(int entry) const {
  TSkinUIStyle effective;
  if (UsingFileTheme(fileTheme_.data(), style_, effective)) return fileTheme_->GetBool(entry);
  return GetInsideThemeBool(effective, entry);
}
