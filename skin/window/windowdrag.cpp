#include <QWindow>
#include <algorithm>

#include "skin/window/windowdrag_p.h"

void SkinWindowDrag::Arm(QWidget* window, Qt::Edges edges, const QPoint& global) {
  window_ = window;
  edges_ = edges;
  from_ = global;
  state_ = window != nullptr ? State::Armed : State::Idle;
}

bool SkinWindowDrag::Follow(const QPoint& global) {
  if (!Active()) return false;
  if (state_ == State::Armed) {
    QWindow* handle = window_->isWindow() ? window_->windowHandle() : nullptr;
    const bool taken =
        handle != nullptr &&
        (edges_ == Qt::Edges() ? handle->startSystemMove() : handle->startSystemResize(edges_));
    state_ = taken ? State::Platform : State::Following;
    start_ = window_->geometry();
  }
  if (state_ == State::Platform) return true;
  const QPoint by = global - from_;
  if (edges_ == Qt::Edges()) {
    window_->move(start_.topLeft() + by);
  } else {
    window_->setGeometry(
        ResizedBounds(start_, edges_, by, window_->minimumSize(), window_->maximumSize()));
  }
  return true;
}

QRect ResizedBounds(const QRect& start, Qt::Edges edges, const QPoint& by, const QSize& minimum,
                    const QSize& maximum) {
  const auto clampLength = [](int length, int low, int high) {
    return std::clamp(length, low, std::max(low, high));
  };
  int left = start.left(), right = start.left() + start.width();
  int top = start.top(), bottom = start.top() + start.height();
  if (edges & Qt::LeftEdge)
    left = right - clampLength(start.width() - by.x(), minimum.width(), maximum.width());
  if (edges & Qt::RightEdge)
    right = left + clampLength(start.width() + by.x(), minimum.width(), maximum.width());
  if (edges & Qt::TopEdge)
    top = bottom - clampLength(start.height() - by.y(), minimum.height(), maximum.height());
  if (edges & Qt::BottomEdge) {
    bottom = top + clampLength(start.height() + by.y(), minimum.height(), maximum.height());
  }
  return QRect(left, top, right - left, bottom - top);
}
