#pragma once
// Moving or resizing a window with the pointer. A press arms the drag and the pointer's first
// move (with the button still held) begins it, so that a click, or a double click, stays one.
// A top-level window is then handed to the platform's own move or resize, which follows the
// pointer and snaps as the desktop does; where the platform cannot take it, and for a window
// inside another (an MDI child), the window follows the pointer here until the release.
#include <QPointer>
#include <QRect>
#include <QSize>
#include <QWidget>

class SkinWindowDrag {
 public:
  // A press at `global` that moves the window (no edges) or resizes it by the edges given.
  void Arm(QWidget* window, Qt::Edges edges, const QPoint& global);
  // The pointer is at `global` with the button held; true while a drag is armed or under way
  // (the move is then the drag's).
  bool Follow(const QPoint& global);
  // The button was released.
  void End() { state_ = State::Idle; }
  bool Active() const { return state_ != State::Idle && !window_.isNull(); }

 private:
  enum class State { Idle, Armed, Following, Platform };

  State state_ = State::Idle;
  QPointer<QWidget> window_;
  Qt::Edges edges_;
  QPoint from_;
  QRect start_;
};

// start with the given edges moved by `by`, never smaller than minimum nor larger than maximum;
// the opposite edges stay.
QRect ResizedBounds(const QRect& start, Qt::Edges edges, const QPoint& by, const QSize& minimum,
                    const QSize& maximum);
