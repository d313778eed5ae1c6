#include "artkit.h"

#include <algorithm>
#include <stdexcept>

namespace art {

QColor Mix(const QColor& a, const QColor& b, qreal t) {
  const qreal s = 1 - t;
  return QColor::fromRgbF(
      float(a.redF() * s + b.redF() * t), float(a.greenF() * s + b.greenF() * t),
      float(a.blueF() * s + b.blueF() * t), float(a.alphaF() * s + b.alphaF() * t));
}

QColor WithAlpha(const QColor& color, qreal alpha) {
  QColor result = color;
  result.setAlphaF(float(alpha));
  return result;
}

QImage Layer(int width, int height) {
  QImage layer(width, height, QImage::Format_ARGB32_Premultiplied);
  layer.fill(Qt::transparent);
  return layer;
}

Pen::Pen(QImage* image) : QPainter(image) {
  setRenderHint(QPainter::Antialiasing);
  setPen(Qt::NoPen);
}

namespace {

// A pixel that came out magenta by chance would turn see-through; move it off the key.
QRgb AvoidKey(QRgb pixel) { return (pixel | 0xFF000000u) == kMagenta ? 0xFFFE00FF : pixel; }

QRgb Composite(QRgb top, QRgb bottom) {
  const int a = qAlpha(top);
  auto channel = [a](int t, int b) { return std::clamp(t + b * (255 - a) / 255, 0, 255); };
  return qRgb(channel(qRed(top), qRed(bottom)), channel(qGreen(top), qGreen(bottom)),
              channel(qBlue(top), qBlue(bottom)));
}

}  // namespace

QImage KeyedOn(const QImage& layer, const QImage& matte) {
  if (layer.size() != matte.size()) throw std::logic_error("KeyedOn: sizes differ");
  const QImage source = layer.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  const QImage under = matte.convertToFormat(QImage::Format_RGB32);
  QImage result(source.size(), QImage::Format_RGB32);
  for (int y = 0; y < source.height(); ++y) {
    const auto* in = reinterpret_cast<const QRgb*>(source.constScanLine(y));
    const auto* bg = reinterpret_cast<const QRgb*>(under.constScanLine(y));
    auto* out = reinterpret_cast<QRgb*>(result.scanLine(y));
    for (int x = 0; x < source.width(); ++x) {
      out[x] = qAlpha(in[x]) < 128 ? kMagenta : AvoidKey(Composite(in[x], bg[x]));
    }
  }
  return result;
}

QImage KeyedOn(const QImage& layer, const QColor& matte) {
  QImage plain(layer.size(), QImage::Format_RGB32);
  plain.fill(matte);
  return KeyedOn(layer, plain);
}

QImage Over(const QImage& layer, const QImage& background) {
  if (layer.size() != background.size()) throw std::logic_error("Over: sizes differ");
  const QImage source = layer.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  const QImage under = background.convertToFormat(QImage::Format_RGB32);
  QImage result(source.size(), QImage::Format_RGB32);
  for (int y = 0; y < source.height(); ++y) {
    const auto* in = reinterpret_cast<const QRgb*>(source.constScanLine(y));
    const auto* bg = reinterpret_cast<const QRgb*>(under.constScanLine(y));
    auto* out = reinterpret_cast<QRgb*>(result.scanLine(y));
    for (int x = 0; x < source.width(); ++x) out[x] = AvoidKey(Composite(in[x], bg[x]));
  }
  return result;
}

QImage Over(const QImage& layer, const QColor& background) {
  QImage plain(layer.size(), QImage::Format_RGB32);
  plain.fill(background);
  return Over(layer, plain);
}

QImage Strip(const std::vector<QImage>& frames) {
  int width = 0;
  for (const QImage& frame : frames) width += frame.width();
  const int height = frames.empty() ? 0 : frames.front().height();
  QImage strip(width, height, QImage::Format_RGB32);
  QPainter p(&strip);
  int x = 0;
  for (const QImage& frame : frames) {
    if (frame.height() != height) throw std::logic_error("Strip: frame heights differ");
    p.drawImage(x, 0, frame);
    x += frame.width();
  }
  return strip;
}

namespace {
void SetStops(QGradient& gradient, const Stops& stops) {
  for (const Stop& stop : stops) gradient.setColorAt(stop.at, stop.color);
}
}  // namespace

QLinearGradient Vertical(const QRectF& rect, const Stops& stops) {
  QLinearGradient gradient(rect.topLeft(), rect.bottomLeft());
  SetStops(gradient, stops);
  return gradient;
}

QLinearGradient Horizontal(const QRectF& rect, const Stops& stops) {
  QLinearGradient gradient(rect.topLeft(), rect.topRight());
  SetStops(gradient, stops);
  return gradient;
}

Stops Faded(const Stops& stops, const QColor& toward, qreal t) {
  Stops result = stops;
  for (Stop& stop : result) stop.color = Mix(stop.color, toward, t);
  return result;
}

Face Plain(Stops fill, const QColor& border) {
  Face face;
  face.fill = std::move(fill);
  face.border = border;
  return face;
}

Face Faded(const Face& face, const QColor& toward, qreal t) {
  Face result = face;
  result.fill = Faded(face.fill, toward, t);
  result.border = Mix(face.border, toward, t);
  result.sheen = face.sheen * (1 - t);
  if (result.glow.isValid()) result.glow = Mix(face.glow, toward, t);
  result.ring = Faded(face.ring, toward, t);
  if (result.innerLight.isValid()) result.innerLight = Mix(face.innerLight, toward, t);
  return result;
}

QPainterPath RoundedPath(const QRectF& rect, qreal radius) {
  QPainterPath path;
  path.addRoundedRect(rect, radius, radius);
  return path;
}

void PaintFace(QPainter& p, const QRectF& rect, qreal radius, const Face& face) {
  PaintFace(p, RoundedPath(rect.adjusted(0.5, 0.5, -0.5, -0.5), radius), face);
}

void PaintFace(QPainter& p, const QPainterPath& outline, const Face& face) {
  const QRectF box = outline.boundingRect();
  p.save();
  p.setPen(Qt::NoPen);
  p.setBrush(Vertical(box, face.fill));
  p.drawPath(outline);

  p.setClipPath(outline);
  if (face.sheen > 0) {
    const QRectF upper(box.left() + 1, box.top() + 0.5, box.width() - 2,
                       box.height() * face.sheenEnd);
    const qreal radius =
        face.sheenRadius >= 0 ? face.sheenRadius : std::min(upper.width(), upper.height()) * 0.45;
    p.setBrush(Vertical(upper, {{0, WithAlpha(Qt::white, face.sheen)},
                                {1, WithAlpha(Qt::white, face.sheen * 0.25)}}));
    p.drawRoundedRect(upper, radius, radius);
  }
  if (face.glow.isValid()) {
    const QRectF lower(box.left(), box.top() + box.height() * 0.55, box.width(),
                       box.height() * 0.45);
    p.setBrush(Vertical(lower, {{0, WithAlpha(face.glow, 0)}, {1, face.glow}}));
    p.drawRect(lower);
  }
  // Strokes on the outline, clipped to the inside: width 3 covers the first pixel inside the
  // outline pixel, width 2w + 1 the first w pixels.
  if (face.innerLight.isValid()) {
    p.setPen(QPen(face.innerLight, 3.0));
    p.setBrush(Qt::NoBrush);
    p.drawPath(outline);
  }
  if (!face.ring.empty()) {
    p.setPen(QPen(QBrush(Vertical(box, face.ring)), face.ringWidth * 2 + 1));
    p.setBrush(Qt::NoBrush);
    p.drawPath(outline);
  }
  p.setClipping(false);
  if (face.border.isValid()) {
    p.setPen(QPen(face.border, 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawPath(outline);
  }
  p.restore();
}

}  // namespace art
