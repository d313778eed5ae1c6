#pragma once
// Pictures made from a frame once and drawn again on every paint: a frame nine-sliced to a size
// (SpitDraw) or three-sliced to a width (SpitDrawHorizontal), and a frame with its key colour
// see-through. They are cached by the frame
// (QImage::cacheKey: the same picture data, so the same look's entry and frame), the size and
// the keying, so repainting an unchanged control stretches and keys nothing. The cache keeps
// at most a few megabytes, dropping the pictures used longest ago.
#include <QImage>
#include <QPainter>
#include <QRect>

// SpitDraw of frame over target, through the cache.
void DrawStretchedFace(QPainter& canvas, const QImage& frame, const QRect& target,
                       bool transparent);
// SpitDrawHorizontal of frame over target, magenta see-through, through the cache.
void DrawThreeSliceFace(QPainter& canvas, const QImage& frame, const QRect& target);
// The frame with every pixel of the key colour (alpha ignored) clear, through the cache.
QImage CachedKeyedPicture(const QImage& frame, QRgb key);
