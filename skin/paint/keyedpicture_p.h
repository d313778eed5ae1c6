#pragma once
// Small picture conversions of the buttons: leaving a key colour out (the image-list mask) and
// the greyed look of a disabled picture.
#include <QImage>

// An ARGB copy of picture in which every pixel of the key colour (alpha ignored) is clear.
QImage KeyedPicture(const QImage& picture, QRgb key);
// The colour of picture's top-left pixel, the mask colour the buttons cut their pictures with.
QRgb TopLeftColor(const QImage& picture);
// A light, colourless copy of picture with its transparency kept: how a disabled glyph shows.
QImage GreyedPicture(const QImage& picture);
