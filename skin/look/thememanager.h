#pragma once
// A non-visual component that switches the look of a chosen set of skinned components of its
// owner form in one step: whenever its style or file theme is set, every component named in
// CompList (by Qt object name, anywhere in the owner) receives both. A component of the owner
// that is destroyed takes its name out of the list, whenever it was made or named.
#include <QObject>
#include <QPointer>
#include <QStringList>

#include "skin/look/builtinlooks.h"
#include "skin/look/filetheme.h"

class TSkinThemeManager : public QObject {
  Q_OBJECT
  Q_PROPERTY(TSkinUIStyle UIStyle READ UIStyle WRITE SetUIStyle)
  Q_PROPERTY(TSkinFileTheme* FileTheme READ FileTheme WRITE SetFileTheme)
  Q_PROPERTY(QStringList CompList READ CompList WRITE SetList)

 public:
  // owner: the form (or any widget holding the managed components).
  explicit TSkinThemeManager(QObject* owner = nullptr);

  TSkinUIStyle UIStyle() const { return style_; }
  // Stores the style and updates the components; OnUIStyleChanged only when it changed.
  void SetUIStyle(TSkinUIStyle style);
  TSkinFileTheme* FileTheme() const { return fileTheme_.data(); }
  // Stores the theme and updates the components, without OnUIStyleChanged.
  void SetFileTheme(TSkinFileTheme* theme);
  const QStringList& CompList() const { return compList_; }
  // Replaces the names; updates nothing.
  void SetList(const QStringList& names);

  // Gives every listed component of the owner the style, then the file theme. Names that match
  // no component are skipped; a listed component without either property raises SkinError.
  void UpdateAll();
  void UpdateTheme() { UpdateAll(); }

 signals:
  void OnUIStyleChanged();

 private slots:
  void ComponentDestroyed(QObject* component);

 private:
  bool eventFilter(QObject* watched, QEvent* e) override;
  // Watches the component and everything it holds for destruction, and for new children.
  void Watch(QObject* component);

  TSkinUIStyle style_ = TSkinUIStyle::DeepBlue;
  QPointer<TSkinFileTheme> fileTheme_;
  QMetaObject::Connection themeGone_;
  QStringList compList_;
};
