#pragma once
// Drawing vocabulary of the look pictures: layers painted with antialiasing and flattened onto
// the colour they will be seen on, magenta where the background must show through, strips of
// frames, and glossy faces.
#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRectF>
#include <functional>
#include <initializer_list>
#include <vector>

namespace art {

constexpr QRgb kMagenta = 0xFFFF00FF;

// 0xRRGGBB.
inline QColor Rgb(unsigned rgb) { return QColor::fromRgb(QRgb(0xFF000000u | rgb)); }
QColor Mix(const QColor& a, const QColor& b, qreal t);  // t = 0 gives a, 1 gives b
QColor WithAlpha(const QColor& color, qreal alpha);

// A transparent layer to paint on, and a painter on it with antialiasing.
QImage Layer(int width, int height);
class Pen : public QPainter {
 public:
  explicit Pen(QImage* image);
};

// The layer seen on `matte` (a colour, or a picture of the same size); pixels less than half
// covered become magenta instead.
QImage KeyedOn(const QImage& layer, const QColor& matte);
QImage KeyedOn(const QImage& layer, const QImage& matte);
// The layer seen on a picture of the same size (or on a plain colour), fully opaque.
QImage Over(const QImage& layer, const QImage& background);
QImage Over(const QImage& layer, const QColor& background);
// Frames side by side; all frames have the same height.
QImage Strip(const std::vector<QImage>& frames);

struct Stop {
  qreal at;
  QColor color;
};
using Stops = std::vector<Stop>;
QLinearGradient Vertical(const QRectF& rect, const Stops& stops);
QLinearGradient Horizontal(const QRectF& rect, const Stops& stops);
// The stops with every colour mixed towards `toward` by t.
Stops Faded(const Stops& stops, const QColor& toward, qreal t);

// A glossy face: a vertical fill, an optional sheen over the upper half, an optional glow
// rising from the bottom, an optional coloured inner ring (hover rings), a one-pixel inner
// light and the outline.
struct Face {
  Stops fill;
  QColor border;
  qreal sheen = 0;         // opacity of the white sheen at its top
  qreal sheenEnd = 0.5;    // how far down the sheen reaches, as a fraction of the height
  qreal sheenRadius = -1;  // corner radius of the sheen; below 0: a capsule
  QColor glow;             // invalid: none
  Stops ring;              // empty: none
  qreal ringWidth = 2;
  QColor innerLight;  // invalid: none
};
// A face of just a fill and an outline.
Face Plain(Stops fill, const QColor& border);
Face Faded(const Face& face, const QColor& toward, qreal t);
QPainterPath RoundedPath(const QRectF& rect, qreal radius);
void PaintFace(QPainter& p, const QRectF& rect, qreal radius, const Face& face);
// The same face on an arbitrary outline (circles, pointers).
void PaintFace(QPainter& p, const QPainterPath& outline, const Face& face);

}  // namespace art
