#include <QPainter>
#include <QRect>
#include <algorithm>

#include "skin/paint/penpath_p.h"

void DrawPenPath(QPainter& canvas, const QColor& colour, std::initializer_list<QPoint> points) {
  const QPoint* from = nullptr;
  for (const QPoint& to : points) {
    if (from != nullptr && *from != to) {
      // The step's pixels, its end left out.
      const QPoint last = to - QPoint((to.x() > from->x()) - (to.x() < from->x()),
                                      (to.y() > from->y()) - (to.y() < from->y()));
      canvas.fillRect(QRect(QPoint(std::min(from->x(), last.x()), std::min(from->y(), last.y())),
                            QPoint(std::max(from->x(), last.x()), std::max(from->y(), last.y()))),
                      colour);
    }
    from = &to;
  }
}
