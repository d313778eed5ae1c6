#include <QCache>
#include <QHashFunctions>
#include <QPaintDevice>
#include <QPaintEngine>

#include "skin/paint/facecache_p.h"
#include "skin/paint/slicing_p.h"

namespace {

enum class FaceSlicing : quint8 { NinePlainCorners, NineKeyedCorners, Three };

struct FaceKey {
  qint64 frame;
  QSize size;  // logical pixels
  qreal devicePixelRatio;
  FaceSlicing slicing;
  bool operator==(const FaceKey&) const = default;
};

size_t qHash(const FaceKey& k, size_t seed = 0) {
  return qHashMulti(seed, k.frame, k.size.width(), k.size.height(), k.devicePixelRatio,
                    static_cast<quint8>(k.slicing));
}

constexpr int kCacheBytes = 8 * 1024 * 1024;

QCache<FaceKey, QImage>& Faces() {
  static QCache<FaceKey, QImage> faces(kCacheBytes);
  return faces;
}

// The ratio of the pixels the canvas really paints: a widget's painter may be redirected into
// a picture of another ratio (QWidget::grab, render), so ask the engine's device.
qreal DevicePixelRatioOf(const QPainter& canvas) {
  const QPaintEngine* engine = canvas.paintEngine();
  const QPaintDevice* device = engine != nullptr ? engine->paintDevice() : canvas.device();
  return device != nullptr ? device->devicePixelRatio() : 1.0;
}

// Draws the face that paint makes on a clear picture of the key's size at its device pixel ratio,
// made once per key.
template <typename Paint>
void DrawCachedFace(QPainter& canvas, const FaceKey& key, const QPoint& at, Paint paint) {
  QImage face;
  if (const QImage* found = Faces().object(key)) {
    face = *found;
  } else {
    face = QImage(key.size * key.devicePixelRatio, QImage::Format_ARGB32_Premultiplied);
    face.setDevicePixelRatio(key.devicePixelRatio);
    face.fill(Qt::transparent);
    QPainter painter(&face);
    paint(painter, QRect(QPoint(0, 0), key.size));
    painter.end();
    const auto bytes = static_cast<int>(qMin<qsizetype>(face.sizeInBytes(), kCacheBytes));
    Faces().insert(key, new QImage(face), qMax(1, bytes));
  }
  canvas.drawImage(at, face);
}

}  // namespace

void DrawStretchedFace(QPainter& canvas, const QImage& frame, const QRect& target,
                       bool transparent) {
  if (frame.isNull() || target.isEmpty()) return;
  const FaceKey key{frame.cacheKey(), target.size(), DevicePixelRatioOf(canvas),
                    transparent ? FaceSlicing::NineKeyedCorners : FaceSlicing::NinePlainCorners};
  DrawCachedFace(canvas, key, target.topLeft(), [&](QPainter& painter, const QRect& rect) {
    SpitDraw(frame, painter, rect, transparent);
  });
}

void DrawThreeSliceFace(QPainter& canvas, const QImage& frame, const QRect& target) {
  if (frame.isNull() || target.isEmpty()) return;
  const FaceKey key{frame.cacheKey(), target.size(), DevicePixelRatioOf(canvas),
                    FaceSlicing::Three};
  DrawCachedFace(canvas, key, target.topLeft(), [&](QPainter& painter, const QRect& rect) {
    SpitDrawHorizontal(frame, painter, rect, false, false);
  });
}
