#pragma once
// The small symbols the pictures carry: caption-button signs, arrows, chevrons, check marks.
#include <QColor>
#include <QPainter>
#include <QRectF>

namespace art {

enum class Symbol {
  SystemMenu,  // a small window with its title band
  Help,        // a question mark
  Maximize,
  Restore,
  Minimize,
  Close,
  ArrowUp,
  ArrowDown,
  ArrowLeft,
  ArrowRight,
  ChevronUp,
  ChevronDown,
  Check,
};

// Draws the symbol centred in `area`, inside a square of `size` pixels, with strokes `weight`
// pixels wide.
void DrawSymbol(QPainter& p, Symbol symbol, const QRectF& area, const QColor& color, int size,
                qreal weight);

}  // namespace art
