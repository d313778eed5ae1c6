#pragma once
// Drawing helpers shared by every skinned control: frame cutting, nine- and three-slice
// stretching, tiling, quarter turns, window shapes and small geometry and property helpers.
// Rectangles are QRects; where the routines speak of (left, top, right, bottom) the right and
// bottom are exclusive, i.e. QRect::left() + width().
#include <QImage>
#include <QPainter>
#include <QPoint>
#include <QRect>
#include <QRegion>

class QWidget;
class QObject;

constexpr QRgb kSkinKeyColor = 0xFFFF00FF;  // magenta, the see-through key

// target becomes frame k (from 1) of the source cut into n equal columns.
void SpitBitmap(const QImage& source, QImage& target, int n, int k);
// Nine-slice drawing of source over target (placed from target's origin); corners keyed on
// magenta only when transparent is set, edges and centre always.
void SpitDraw(const QImage& source, QPainter& canvas, const QRect& target, bool transparent);
// Three-slice drawing (left cap, stretched middle, right cap) of a strip of three frames.
void SpitDrawHorizontal(const QImage& source, QPainter& canvas, const QRect& target,
                        bool keyFromPicture, bool sampleTop);
void TileDraw(QPainter& canvas, const QImage& picture, const QRect& rect);
void RoundPicture(QImage& bitmap);   // quarter turn anticlockwise
void RoundPicture2(QImage& bitmap);  // half turn
void RoundPicture3(QImage& bitmap);  // quarter turn clockwise
// The region of the bitmap's non-key pixels (the last column of each row never belongs to it);
// SetBitmapWindow gives it to the window as its mask.
QRegion BitmapRegion(const QImage& bitmap, QRgb key);
void SetBitmapWindow(QWidget* window, const QImage& bitmap, QRgb key);
bool InRect(const QPoint& point, int left, int top, int right, int bottom);  // edges included
bool InRect(int x, int y, int left, int top, int right, int bottom);
void PlaceControl(QWidget* control, const QPoint& point);
void PlaceControl(QWidget* control, int left, int top, int right, int bottom);
QRect GetWorkAreaRect();
bool IsHasProperty(const QObject* component, const char* name);
bool FormHasFocus(const QWidget* form);
