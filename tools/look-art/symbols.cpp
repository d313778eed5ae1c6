#include "symbols.h"

#include <QPainterPath>
#include <cmath>

namespace art {

namespace {

// A rectangle outline whose top edge is thicker, as a window's title band.
QPainterPath WindowOutline(const QRectF& box, qreal top, qreal side) {
  QPainterPath outer;
  outer.addRect(box);
  QPainterPath inner;
  inner.addRect(box.adjusted(side, top, -side, -side));
  return outer.subtracted(inner);
}

QPainterPath Triangle(QPointF a, QPointF b, QPointF c) {
  QPainterPath path(a);
  path.lineTo(b);
  path.lineTo(c);
  path.closeSubpath();
  return path;
}

}  // namespace

void DrawSymbol(QPainter& p, Symbol symbol, const QRectF& area, const QColor& color, int size,
                qreal weight) {
  // The symbol's square sits on whole pixels so that straight edges stay crisp.
  const qreal x = std::floor(area.left() + (area.width() - size) / 2);
  const qreal y = std::floor(area.top() + (area.height() - size) / 2);
  const QRectF box(x, y, size, size);
  const qreal t = std::round(weight) < 1 ? 1 : std::round(weight);
  const qreal cx = box.center().x();
  p.save();
  p.setPen(Qt::NoPen);
  p.setBrush(color);
  switch (symbol) {
    case Symbol::Minimize:
      p.drawRect(QRectF(x + 1, y + size - t - 1, size - 2, t));
      break;
    case Symbol::Maximize:
      p.drawPath(WindowOutline(box, t, 1));
      break;
    case Symbol::Restore: {
      const qreal s = size - 3;
      const QRectF back(x + 3, y, s, s);
      const QRectF front(x, y + 3, s, s);
      QPainterPath frontArea;
      frontArea.addRect(front);
      p.drawPath(WindowOutline(back, t, 1).subtracted(frontArea));
      p.drawPath(WindowOutline(front, t, 1));
      break;
    }
    case Symbol::SystemMenu: {
      const QRectF window = box.adjusted(0, 1, 0, -1);
      p.drawPath(WindowOutline(window, t + 1, 1));
      // Two menu lines inside the window.
      p.drawRect(QRectF(window.left() + 2, window.top() + t + 2, window.width() - 4, 1));
      p.drawRect(QRectF(window.left() + 2, window.top() + t + 4, window.width() - 6, 1));
      break;
    }
    case Symbol::Close: {
      QPen pen(color, weight + 0.4, Qt::SolidLine, Qt::SquareCap);
      p.setPen(pen);
      const qreal in = (weight + 0.4) / 2 + 0.5;
      p.drawLine(QPointF(x + in, y + in), QPointF(x + size - in, y + size - in));
      p.drawLine(QPointF(x + size - in, y + in), QPointF(x + in, y + size - in));
      break;
    }
    case Symbol::Help: {
      QPen pen(color, weight, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin);
      p.setPen(pen);
      p.setBrush(Qt::NoBrush);
      const qreal r = size * 0.3;
      const QRectF bowl(cx - r, y + weight / 2, 2 * r, 2 * r);
      QPainterPath hook;
      hook.arcMoveTo(bowl, 160);
      hook.arcTo(bowl, 160, -250);
      hook.lineTo(cx, y + size * 0.68);
      p.drawPath(hook);
      p.setPen(Qt::NoPen);
      p.setBrush(color);
      p.drawRect(QRectF(cx - t / 2, y + size - t, t, t));
      break;
    }
    case Symbol::ArrowUp:
    case Symbol::ArrowDown:
    case Symbol::ArrowLeft:
    case Symbol::ArrowRight: {
      // A triangle `size` wide and half as high, pointing away from its base.
      const qreal h = std::ceil(size / 2.0);
      const qreal c = box.center().y();
      const qreal top = std::floor(c - h / 2);
      const qreal left = std::floor(cx - h / 2);
      if (symbol == Symbol::ArrowUp) {
        p.drawPath(Triangle({x, top + h}, {x + size, top + h}, {x + size / 2.0, top}));
      } else if (symbol == Symbol::ArrowDown) {
        p.drawPath(Triangle({x, top}, {x + size, top}, {x + size / 2.0, top + h}));
      } else if (symbol == Symbol::ArrowLeft) {
        p.drawPath(Triangle({left + h, y}, {left + h, y + size}, {left, y + size / 2.0}));
      } else {
        p.drawPath(Triangle({left, y}, {left, y + size}, {left + h, y + size / 2.0}));
      }
      break;
    }
    case Symbol::ChevronUp:
    case Symbol::ChevronDown: {
      QPen pen(color, weight, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
      p.setPen(pen);
      p.setBrush(Qt::NoBrush);
      const qreal h = size / 2.0;
      const qreal c = box.center().y();
      for (qreal offset : {-h / 2.5, h / 2.5}) {
        const qreal tip = symbol == Symbol::ChevronUp ? c + offset - h / 2 : c + offset + h / 2;
        const qreal base = symbol == Symbol::ChevronUp ? c + offset + h / 2 : c + offset - h / 2;
        QPainterPath chevron(QPointF(x + 0.5, base));
        chevron.lineTo(cx, tip);
        chevron.lineTo(x + size - 0.5, base);
        p.drawPath(chevron);
      }
      break;
    }
    case Symbol::Check: {
      QPen pen(color, weight, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
      p.setPen(pen);
      p.setBrush(Qt::NoBrush);
      QPainterPath tick(QPointF(x + size * 0.1, y + size * 0.52));
      tick.lineTo(x + size * 0.4, y + size * 0.82);
      tick.lineTo(x + size * 0.92, y + size * 0.14);
      p.drawPath(tick);
      break;
    }
  }
  p.restore();
}

}  // namespace art
