#pragma once
// SkinMenuTree: follows a menu and all its submenus, present and added later, and tells which
// items (actions that run something: neither separators nor the actions of submenus) come into
// the tree and which leave it. Each change costs what it adds or removes: a new text, state or
// shortcut of an action costs nothing, a submenu added or removed the actions of its own tree.
#include <QHash>
#include <QMetaObject>
#include <QObject>
#include <QPointer>

class QAction;
class QMenu;

class SkinMenuTree : public QObject {
  Q_OBJECT

 public:
  SkinMenuTree() = default;

  // Follows root's tree instead of the one before (none for null): the old tree's items leave,
  // then the new tree's come.
  void SetRoot(QMenu* root);

 signals:
  // The item is in the tree now (it is told once, however many places it has there).
  void ItemAdded(QAction* item);
  // The item's last place in the tree is gone.
  void ItemRemoved(QAction* item);

 protected:
  bool eventFilter(QObject* watched, QEvent* e) override;

 private:
  // What an action was at its place in a menu when last seen there. The submenu is held as a
  // plain object: it may be seen while it is being destroyed, a menu no more.
  struct Place {
    QPointer<QObject> submenu;
    bool item = false;
    bool operator==(const Place& other) const {
      return submenu == other.submenu && item == other.item;
    }
  };
  struct Followed {
    int uses = 0;  // places of the menu in the tree (the root's own counts one)
    QHash<QAction*, Place> actions;
    QMetaObject::Connection destroyed;
  };

  static Place PlaceOf(const QAction* action);
  void Follow(QMenu* menu);
  void Unfollow(QObject* menu);
  // The menu leaves the tree whatever its uses (also when it is destroyed).
  void Forget(QObject* menu);
  void Enter(QObject* menu, QAction* action);
  // An action's place in the tree comes (by 1) or goes (by -1): an item is counted, a submenu
  // followed or given up.
  void Apply(QAction* action, const Place& place, int by);

  QHash<QObject*, Followed> menus_;
  QHash<QAction*, int> items_;  // places of each item in the followed menus
};
