#pragma once
// Drawing helpers shared by every skinned control: frame cutting, nine- and three-slice
// stretching, tiling, quarter turns, window shapes and small geometry and property helpers.
// Rectangles are QRects; where the routines speak of (left, top, right, bottom) the right and
// bottom are exclusive, i.e. QRect::left() + width().
#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPoint>
#include <QRect>
#include <QRegion>
#include <QSize>
#include <QString>

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
// Repeats the picture from the canvas origin over the rectangle's size.
void TileDraw(QPainter& canvas, const QImage& picture, const QRect& rect);
// A one-pixel frame around (0, 0, size) in borderColor and, when inner is set, a ring in
// innerColor just inside it.
void DrawControlBorder(QPainter& canvas, const QSize& size, const QColor& borderColor,
                       const QColor& innerColor, bool inner);
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
// The application's main form; Qt has no such notion, so the program registers it.
void SetSkinMainForm(QWidget* form);
QWidget* SkinMainForm();
// The available geometry of the main form's screen, or of the primary screen without one.
QRect GetWorkAreaRect();
// Whether the component's class has a Q_PROPERTY of that name.
bool IsHasProperty(const QObject* component, const char* name);
QString PCharToStr(const char* text);  // empty for a null text
// Whether the form is to be painted as the active one.
bool FormHasFocus(const QWidget* form);
