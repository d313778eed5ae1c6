#include <QAction>
#include <QActionEvent>
#include <QMenu>
#include <utility>

#include "skin/window/menutree_p.h"

void SkinMenuTree::SetRoot(QMenu* root) {
  const QHash<QObject*, Followed> menus = std::exchange(menus_, {});
  const QHash<QAction*, int> items = std::exchange(items_, {});
  for (auto it = menus.cbegin(); it != menus.cend(); ++it) {
    disconnect(it->destroyed);
    it.key()->removeEventFilter(this);
  }
  for (auto it = items.cbegin(); it != items.cend(); ++it) emit ItemRemoved(it.key());
  Follow(root);
}

SkinMenuTree::Place SkinMenuTree::PlaceOf(const QAction* action) {
  QMenu* submenu = action->menu();
  return {submenu, submenu == nullptr && !action->isSeparator()};
}

void SkinMenuTree::Follow(QMenu* menu) {
  if (menu == nullptr || menus_[menu].uses++ > 0) return;
  menu->installEventFilter(this);
  QObject* object = menu;  // a plain object by the time it is destroyed
  menus_[menu].destroyed =
      connect(menu, &QObject::destroyed, this, [this, object] { Forget(object); });
  for (QAction* action : menu->actions()) Enter(menu, action);
}

void SkinMenuTree::Unfollow(QObject* menu) {
  const auto it = menus_.find(menu);
  if (it == menus_.end() || --it->uses > 0) return;
  menu->removeEventFilter(this);
  Forget(menu);
}

void SkinMenuTree::Forget(QObject* menu) {
  const auto it = menus_.find(menu);
  if (it == menus_.end()) return;
  const Followed gone = std::move(*it);
  menus_.erase(it);
  disconnect(gone.destroyed);
  for (auto place = gone.actions.cbegin(); place != gone.actions.cend(); ++place) {
    Apply(place.key(), *place, -1);
  }
}

void SkinMenuTree::Enter(QObject* menu, QAction* action) {
  const Place place = PlaceOf(action);
  menus_[menu].actions.insert(action, place);
  Apply(action, place, 1);
}

void SkinMenuTree::Apply(QAction* action, const Place& place, int by) {
  if (place.item) {
    const int before = items_.value(action);
    if (before + by == 0) {
      items_.remove(action);
      emit ItemRemoved(action);
    } else {
      items_[action] = before + by;
      if (before == 0) emit ItemAdded(action);
    }
  }
  if (place.submenu == nullptr) return;
  if (by > 0) {
    Follow(qobject_cast<QMenu*>(place.submenu));
  } else {
    Unfollow(place.submenu);
  }
}

bool SkinMenuTree::eventFilter(QObject* watched, QEvent* e) {
  const QEvent::Type type = e->type();
  if (type != QEvent::ActionAdded && type != QEvent::ActionRemoved &&
      type != QEvent::ActionChanged) {
    return false;
  }
  const auto it = menus_.find(watched);
  if (it == menus_.end()) return false;
  QAction* action = static_cast<QActionEvent*>(e)->action();
  if (type == QEvent::ActionAdded) {
    Enter(watched, action);
  } else if (type == QEvent::ActionRemoved) {
    const Place was = it->actions.take(action);
    Apply(action, was, -1);
  } else {
    // A new text, state or shortcut leaves the action what it was; only becoming an item, a
    // separator or another submenu's action changes the tree. The new place is taken before the
    // old is given up, so that an item kept is never told to leave.
    const auto found = it->actions.find(action);
    const Place now = PlaceOf(action);
    if (found == it->actions.end() || *found == now) return false;
    const Place was = std::exchange(*found, now);
    Apply(action, now, 1);
    Apply(action, was, -1);
  }
  return false;
}
