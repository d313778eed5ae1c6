#include "skin/skinmgr.h"

#include <QWidget>

#include "skin/skinerror.h"
#include "skin/skinpublic.h"

TSkinThemeManager::TSkinThemeManager(QObject* owner) : QObject(owner) {
  SetUIStyle(TSkinUIStyle::DeepBlue);
}

void TSkinThemeManager::SetUIStyle(TSkinUIStyle style) {
  const TSkinUIStyle old = style_;
  style_ = style;
  UpdateAll();
  if (style != old) emit OnUIStyleChanged();
}

void TSkinThemeManager::SetFileTheme(TSkinFileTheme* theme) {
  if (themeGone_) disconnect(themeGone_);
  fileTheme_ = theme;
  if (theme != nullptr) {
    // A theme that goes away leaves the fallback style, without touching the components.
    themeGone_ = connect(theme, &QObject::destroyed, this, [this] {
      fileTheme_ = nullptr;
      style_ = TSkinUIStyle::DeepBlue;
    });
  }
  SetUIStyle(style_);
}

void TSkinThemeManager::SetList(const QStringList& names) {
  compList_ = names;
  WatchListedComponents();
}

void TSkinThemeManager::UpdateAll() {
  auto* owner = qobject_cast<QWidget*>(parent());
  if (owner == nullptr) return;
  for (const QString& name : QStringList(compList_)) {
    QObject* component = owner->findChild<QObject*>(name);
    if (component == nullptr) continue;
    for (const char* property : {"UIStyle", "FileTheme"}) {
      if (!IsHasProperty(component, property)) {
        throw SkinError(QStringLiteral("Property %1 does not exist in %2")
                            .arg(QLatin1String(property), name));
      }
    }
    component->setProperty("UIStyle", QVariant::fromValue(style_));
    component->setProperty("FileTheme", QVariant::fromValue(fileTheme_.data()));
  }
  WatchListedComponents();
}

void TSkinThemeManager::WatchListedComponents() {
  auto* owner = qobject_cast<QWidget*>(parent());
  if (owner == nullptr) return;
  for (const QString& name : compList_) {
    if (QObject* component = owner->findChild<QObject*>(name)) {
      connect(component, &QObject::destroyed, this, &TSkinThemeManager::ComponentDestroyed,
              Qt::UniqueConnection);
    }
  }
}

void TSkinThemeManager::ComponentDestroyed(QObject* component) {
  compList_.removeAll(component->objectName());
}
