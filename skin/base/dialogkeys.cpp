#include "skin/base/dialogkeys.h"

#include <QKeyEvent>
#include <QWidget>

namespace {

// Sits on a window and sees the key presses that its controls let travel up to it.
class DialogKeyRouter : public QObject {
 public:
  explicit DialogKeyRouter(QWidget* window) : QObject(window) {
    setObjectName(QStringLiteral("SkinDialogKeyRouter"));
    window->installEventFilter(this);
  }

  bool eventFilter(QObject* watched, QEvent* e) override {
    // A window that became a child since keeps the router; its new window routes instead.
    auto* window = static_cast<QWidget*>(parent());
    if (e->type() != QEvent::KeyPress || watched != window || !window->isWindow()) return false;
    auto* key = static_cast<QKeyEvent*>(e);
    if (!SkinDialogKeys::Dispatch(window, *key)) return false;
    key->accept();
    return true;
  }
};

bool OfferToChildren(QWidget* container, const QKeyEvent& key) {
  for (QObject* child : container->children()) {
    auto* widget = qobject_cast<QWidget*>(child);
    if (widget == nullptr || widget->isWindow()) continue;  // another window has its own keys
    if (auto* target = dynamic_cast<SkinDialogKeyTarget*>(widget);
        target != nullptr && target->DialogKey(key)) {
      return true;
    }
    if (OfferToChildren(widget, key)) return true;
  }
  return false;
}

}  // namespace

void SkinDialogKeys::Attach(QWidget* control) {
  QWidget* window = control->window();
  if (window->findChild<QObject*>(QStringLiteral("SkinDialogKeyRouter"),
                                  Qt::FindDirectChildrenOnly) == nullptr) {
    new DialogKeyRouter(window);
  }
}

bool SkinDialogKeys::Dispatch(QWidget* window, const QKeyEvent& key) {
  if (auto* target = dynamic_cast<SkinDialogKeyTarget*>(window);
      target != nullptr && target->DialogKey(key)) {
    return true;
  }
  return OfferToChildren(window, key);
}
