#include <QPainter>
#include <QPolygon>

#include "skin/paint/focusrect_p.h"

void DrawFocusRect(QPainter& canvas, const QRect& rect) {
  if (rect.isEmpty()) return;
  QPolygon dots;
  auto dot = [&dots](int x, int y) {
    if (((x + y) & 1) == 0) dots << QPoint(x, y);
  };
  for (int x = rect.left(); x <= rect.right(); ++x) {
    dot(x, rect.top());
    if (rect.bottom() != rect.top()) dot(x, rect.bottom());
  }
  for (int y = rect.top() + 1; y < rect.bottom(); ++y) {
    dot(rect.left(), y);
    if (rect.right() != rect.left()) dot(rect.right(), y);
  }
  canvas.save();
  canvas.setRenderHint(QPainter::Antialiasing, false);
  canvas.setCompositionMode(QPainter::RasterOp_NotDestination);
  canvas.setPen(QPen(Qt::black, 0));
  canvas.drawPoints(dots);
  canvas.restore();
}
