#pragma once
// Skinned scroll bars laid over a scroll area's own bars (the list box's and the memo's) and
// kept in step with them. A bar is a sibling of the area: it is placed over the area's edge
// whenever the area moves, is resized or shown, and it copies the native bar's range, position,
// thumb length and state whenever one of them changes; moving the skinned bar moves the native
// one, the position travelling whole. While a skinned bar is attached, the native bar under it
// is made exactly as thick, so that it covers the native bar and no text.
//
// The two users differ in small rules: a list box hides its bar while the native one is
// invisible or has nothing to scroll; a memo keeps its bars shown, disabled and without thumb,
// moves its horizontal bar three of the skinned bar's pages per arrow step, and lets the bars
// cover one more pixel of its frame.
#include <QObject>
#include <QPointer>

#include "skin/bars/scrollbar.h"

class QAbstractScrollArea;
class QScrollBar;
class QProxyStyle;

class SkinAttachedBars : public QObject {
  Q_OBJECT

 public:
  enum class Owner { ListBox, Memo };

  SkinAttachedBars(QAbstractScrollArea* area, Owner owner);

  TSkinScrollBar* Bar(Qt::Orientation orientation) const { return bars_[Index(orientation)]; }
  // Attaches bar (or, with none, detaches) as the area's vertical or horizontal skinned bar;
  // the bar released gets its defaults back.
  void Attach(Qt::Orientation orientation, TSkinScrollBar* bar);
  // Gives the attached bars a look.
  void ApplyLook(TSkinUIStyle style, TSkinFileTheme* theme);
  // Lays the bars over the area, then copies the native state.
  void Place();
  // Copies the native bars' state into the skinned ones.
  void Copy();

 signals:
  // A bar was attached, detached or destroyed.
  void BarsChanged();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  static int Index(Qt::Orientation orientation) { return orientation == Qt::Horizontal ? 0 : 1; }
  QScrollBar* Native(Qt::Orientation orientation) const;
  void CopyOne(Qt::Orientation orientation);
  // The skinned bar moved: the native bar follows.
  void Drive(Qt::Orientation orientation);
  // The native bar under an attached skinned bar is as thick as the skinned one.
  void MatchThickness(Qt::Orientation orientation);
  bool RightToLeft() const;

  QAbstractScrollArea* area_;
  Owner owner_;
  QPointer<TSkinScrollBar> bars_[2];  // horizontal, vertical
  QPointer<QProxyStyle> thickness_[2];
  bool updating_ = false;  // copying: the skinned bars' changes are not passed back
};
