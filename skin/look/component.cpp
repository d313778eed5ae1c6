#include "skin/look/component.h"

#include <utility>

#include "skin/look/filetheme.h"

SkinComponent::SkinComponent(QObject* self, std::function<void()> reread,
                             std::function<void()> themeGone)
    : self_(self), reread_(std::move(reread)), themeGone_(std::move(themeGone)) {}

SkinComponent::~SkinComponent() {
  if (themeConnection_) QObject::disconnect(themeConnection_);
}

void SkinComponent::Start(QObject* owner) { SetUIStyle(GetSkinFormStyle(owner)); }

void SkinComponent::SetUIStyle(TSkinUIStyle style) {
  style_ = style;
  if (reread_) reread_();
}

void SkinComponent::SetFileTheme(TSkinFileTheme* theme) { SetLook(style_, theme); }

void SkinComponent::SetLook(TSkinUIStyle style, TSkinFileTheme* theme, bool read) {
  Track(theme);
  style_ = style;
  if (read && reread_) reread_();
}

void SkinComponent::Track(TSkinFileTheme* theme) {
  if (themeConnection_) QObject::disconnect(themeConnection_);
  fileTheme_ = theme;
  if (theme == nullptr) return;
  // A theme that goes away leaves the component in the fallback look.
  themeConnection_ = QObject::connect(theme, &QObject::destroyed, self_, [this] {
    fileTheme_ = nullptr;
    if (themeGone_) {
      themeGone_();
    } else {
      SetUIStyle(TSkinUIStyle::DeepBlue);
    }
  });
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

QImage SkinComponent::Bitmap(SkinEntry entry, int frameCount, int frameNumber) const {
  const int number = static_cast<int>(entry);
  QImage picture;
  TSkinUIStyle effective;
  if (UsingFileTheme(fileTheme_.data(), style_, effective)) {
    fileTheme_->GetBitmap(number, &picture, frameCount, frameNumber);
  } else {
    GetInsideThemeBitmap(effective, number, &picture, frameCount, frameNumber);
  }
  return picture;
}

TColor SkinComponent::Color(SkinEntry entry) const {
  const int number = static_cast<int>(entry);
  TSkinUIStyle effective;
  if (UsingFileTheme(fileTheme_.data(), style_, effective)) return fileTheme_->GetColor(number);
  return GetInsideThemeColor(effective, number);
}

int SkinComponent::Int(SkinEntry entry) const {
  const int number = static_cast<int>(entry);
  TSkinUIStyle effective;
  if (UsingFileTheme(fileTheme_.data(), style_, effective)) return fileTheme_->GetInt(number);
  return GetInsideThemeInt(effective, number);
}

bool SkinComponent::Bool(SkinEntry entry) const {
  const int number = static_cast<int>(entry);
  TSkinUIStyle effective;
  if (UsingFileTheme(fileTheme_.data(), style_, effective)) return fileTheme_->GetBool(number);
  return GetInsideThemeBool(effective, number);
}
