// Which look a component starts with, where it reads its entries, and how a container hands a
// look down to its children.
#include "skin/look/stylechoice.h"

#include <QPointer>
#include <QVariant>
#include <QWidget>
#include <vector>

#include "skin/base/helpers.h"
#include "skin/look/filetheme.h"

namespace {

bool IsBuiltInOrFileStyle(int value) {
  return value >= static_cast<int>(TSkinUIStyle::FromThemeFile) &&
         value <= static_cast<int>(TSkinUIStyle::BlueGlass);
}

}  // namespace

TSkinUIStyle GetSkinFormStyle(QObject* owner) {
  auto* widget = qobject_cast<QWidget*>(owner);
  if (widget == nullptr) return TSkinUIStyle::DeepBlue;
  // Controls are created inside their form's containers; the style comes from the form itself.
  const QWidget* form = widget->window();
  for (const QObject* child : form->children()) {
    if (!child->isWidgetType() || !child->inherits("TSkinForm")) continue;
    const QVariant value = child->property("UIStyle");
    bool ok = false;
    const int style = value.toInt(&ok);
    if (ok && IsBuiltInOrFileStyle(style)) return static_cast<TSkinUIStyle>(style);
    return TSkinUIStyle::DeepBlue;
  }
  return TSkinUIStyle::DeepBlue;
}

bool UsingFileTheme(const TSkinFileTheme* fileTheme, TSkinUIStyle requested,
                    TSkinUIStyle& effective) {
  effective = requested;
  if (requested != TSkinUIStyle::FromThemeFile) return false;
  if (fileTheme != nullptr && fileTheme->CanUse()) return true;
  effective = TSkinUIStyle::DeepBlue;
  return false;
}

void SkinApplyLook(QObject* component, TSkinUIStyle style, TSkinFileTheme* fileTheme) {
  if (component == nullptr) return;
  if (auto* receiver = dynamic_cast<SkinLookReceiver*>(component)) {
    receiver->SetLook(style, fileTheme);
    return;
  }
  if (!IsHasProperty(component, "FileTheme") || !IsHasProperty(component, "UIStyle")) return;
  component->setProperty("FileTheme", QVariant::fromValue(fileTheme));
  component->setProperty("UIStyle", QVariant::fromValue(style));
}

void ContainerApplyUIStyle(QWidget* container, TSkinUIStyle style, TSkinFileTheme* fileTheme) {
  if (container == nullptr) return;
  // A child that reacts to its new look may create or delete siblings: walk a snapshot and skip
  // what has gone meanwhile.
  std::vector<QPointer<QObject>> children;
  for (QObject* child : container->children()) children.emplace_back(child);
  for (const QPointer<QObject>& child : children) {
    if (!child.isNull() && child->isWidgetType()) SkinApplyLook(child, style, fileTheme);
  }
}
