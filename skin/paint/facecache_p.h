#pragma once
// Faces that depend on a control's size, made from a frame once and drawn again on every paint:
// a frame nine-sliced to a size (SpitDraw) or three-sliced to a width (SpitDrawHorizontal).
// They are cached by the frame (QImage::cacheKey: the same picture data, so the same look's
// entry and frame), the size, the slicing and the canvas's device pixel ratio, so repainting an
// unchanged control stretches nothing. The cache keeps at most a few megabytes, dropping the
// faces used longest ago.
//
// Scaling: the skin's pictures keep their logical size, one picture pixel per logical pixel, so
// a control measures the same on every screen. A face is made at the canvas's device pixels
// (the pieces scaled once, straight to the screen) and drawn one to one; on a 2x screen a frame's
// corner pixel covers 2 x 2 screen pixels.
#include <QImage>
#include <QPainter>
#include <QRect>

// SpitDraw of frame over target, through the cache.
void DrawStretchedFace(QPainter& canvas, const QImage& frame, const QRect& target,
                       bool transparent);
// SpitDrawHorizontal of frame over target, magenta see-through, through the cache.
void DrawThreeSliceFace(QPainter& canvas, const QImage& frame, const QRect& target);
