#include "skin/look/thememanager.h"

#include <QChildEvent>
#include <QCoreApplication>
#include <QWidget>

#include "skin/base/error.h"
#include "skin/base/helpers.h"
#include "skin/look/stylechoice.h"

TSkinThemeManager::TSkinThemeManager(QObject* owner) : QObject(owner) {
  if (auto* form = qobject_cast<QWidget*>(owner)) Watch(form);
  SetUIStyle(TSkinUIStyle::DeepBlue);
}

void TSkinThemeManager::Watch(QObject* component) {
  if (component == this) return;
  component->installEventFilter(this);
  if (component != parent()) {
    connect(component, &QObject::destroyed, this, &TSkinThemeManager::ComponentDestroyed,
            Qt::UniqueConnection);
  }
  for (QObject* child : component->children()) Watch(child);
}

bool TSkinThemeManager::eventFilter(QObject* watched, QEvent* e) {
  if (e->type() == QEvent::ChildAdded) Watch(static_cast<QChildEvent*>(e)->child());
  return QObject::eventFilter(watched, e);
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

void TSkinThemeManager::SetList(const QStringList& names) { compList_ = names; }

void TSkinThemeManager::UpdateAll() {
  auto* owner = qobject_cast<QWidget*>(parent());
  if (owner == nullptr) return;
  for (const QString& name : QStringList(compList_)) {
    QObject* component = owner->findChild<QObject*>(name);
    if (component == nullptr) continue;
    for (const char* property : {"UIStyle", "FileTheme"}) {
      if (!IsHasProperty(component, property)) {
        throw SkinError(QCoreApplication::translate("SkinError", "Property %1 does not exist in %2")
                            .arg(QLatin1String(property), name));
      }
    }
    SkinApplyLook(component, style_, fileTheme_.data());
  }
}

void TSkinThemeManager::ComponentDestroyed(QObject* component) {
  compList_.removeAll(component->objectName());
}
