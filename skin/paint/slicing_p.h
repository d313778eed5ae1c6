#pragma once
// Frame cutting and slice drawing, shared by every skinned control: a frame out of a strip,
// nine- and three-slice stretching, tiling and the one-pixel control border. Rectangles are
// QRects; where the routines speak of (left, top, right, bottom) the right and bottom are
// exclusive, i.e. QRect::left() + width().
#include <QColor>
#include <QImage>
#include <QPainter>
#include <QRect>
#include <QSize>

constexpr QRgb kSkinKeyColor = 0xFFFF00FF;  // magenta, the see-through key

// target becomes frame k (from 1) of the source cut into n equal columns.
void SpitBitmap(const QImage& source, QImage& target, int n, int k);
// Nine-slice drawing of source over target (placed from target's origin); corners keyed on
// magenta only when transparent is set, edges and centre always. Paint handlers draw through
// the face cache (facecache_p.h) instead, which stretches each face once.
void SpitDraw(const QImage& source, QPainter& canvas, const QRect& target, bool transparent);
// Three-slice drawing (left cap, stretched middle, right cap) of a strip of three frames.
void SpitDrawHorizontal(const QImage& source, QPainter& canvas, const QRect& target,
                        bool keyFromPicture, bool sampleTop);
// Repeats the picture from the canvas origin over the rectangle's size.
void TileDraw(QPainter& canvas, const QImage& picture, const QRect& rect);
// A one-pixel frame around (0, 0, size) in borderColor and, when inner is set, a ring in
// innerColor just inside it.
void DrawControlBorder(QPainter& canvas, const QSize& size, const QColor& borderColor,
                       const QColor& innerColor, bool inner);
