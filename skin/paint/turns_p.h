#pragma once
// Quarter and half turns of pictures, and window shapes cut from a picture's key colour. Both
// work pixel by pixel: they are meant for small skin pictures, run when a look is applied.
#include <QImage>
#include <QRegion>

class QWidget;

void RoundPicture(QImage& bitmap);   // quarter turn anticlockwise
void RoundPicture2(QImage& bitmap);  // half turn
void RoundPicture3(QImage& bitmap);  // quarter turn clockwise
// The region of the bitmap's non-key pixels (the last column of each row never belongs to it);
// SetBitmapWindow gives it to the window as its mask.
QRegion BitmapRegion(const QImage& bitmap, QRgb key);
void SetBitmapWindow(QWidget* window, const QImage& bitmap, QRgb key);
