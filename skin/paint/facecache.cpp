#include <QCache>
#include <QHashFunctions>

#include "skin/paint/facecache_p.h"
#include "skin/paint/keyedpicture_p.h"
#include "skin/paint/slicing_p.h"

namespace {

struct FaceKey {
  qint64 frame;
  int width;
  int height;
  QRgb key;       // the key colour of a keyed picture
  int stretched;  // 0 keyed picture, 1 face with plain corners, 2 face with keyed corners,
                  // 3 three-sliced face
  bool operator==(const FaceKey&) const = default;
};

size_t qHash(const FaceKey& k, size_t seed = 0) {
  return qHashMulti(seed, k.frame, k.width, k.height, k.key, k.stretched);
}

constexpr int kCacheBytes = 8 * 1024 * 1024;

QCache<FaceKey, QImage>& Faces() {
  static QCache<FaceKey, QImage> faces(kCacheBytes);
  return faces;
}

// The cached picture for key, made by make on a miss.
template <typename Make>
QImage Cached(const FaceKey& key, Make make) {
  if (const QImage* found = Faces().object(key)) return *found;
  auto* made = new QImage(make());
  const QImage result = *made;
  const auto bytes = static_cast<int>(qMin<qsizetype>(made->sizeInBytes(), kCacheBytes));
  Faces().insert(key, made, qMax(1, bytes));
  return result;
}

// Draws the face of target's size that paint makes on a clear picture, made once per key.
template <typename Paint>
void DrawCachedFace(QPainter& canvas, const FaceKey& key, const QRect& target, Paint paint) {
  const QImage face = Cached(key, [&] {
    QImage made(target.size(), QImage::Format_ARGB32_Premultiplied);
    made.fill(Qt::transparent);
    QPainter painter(&made);
    paint(painter, made.rect());
    return made;
  });
  canvas.drawImage(target.topLeft(), face);
}

}  // namespace

void DrawStretchedFace(QPainter& canvas, const QImage& frame, const QRect& target,
                       bool transparent) {
  if (frame.isNull() || target.isEmpty()) return;
  const FaceKey key{frame.cacheKey(), target.width(), target.height(), 0, transparent ? 2 : 1};
  DrawCachedFace(canvas, key, target, [&](QPainter& painter, const QRect& rect) {
    SpitDraw(frame, painter, rect, transparent);
  });
}

void DrawThreeSliceFace(QPainter& canvas, const QImage& frame, const QRect& target) {
  if (frame.isNull() || target.isEmpty()) return;
  const FaceKey key{frame.cacheKey(), target.width(), target.height(), 0, 3};
  DrawCachedFace(canvas, key, target, [&](QPainter& painter, const QRect& rect) {
    SpitDrawHorizontal(frame, painter, rect, false, false);
  });
}

QImage CachedKeyedPicture(const QImage& frame, QRgb key) {
  if (frame.isNull()) return frame;
  const FaceKey cacheKey{frame.cacheKey(), frame.width(), frame.height(), key & 0x00FFFFFF, 0};
  return Cached(cacheKey, [&] { return KeyedPicture(frame, key); });
}
