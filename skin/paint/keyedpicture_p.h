#pragma once
// Pictures with a key colour left out, and the greyed look of a disabled picture.
//
// The policy: a control keys (and greys) its pictures where they change, in LookChanged or in
// the setter that takes a picture, keeps the results, and paintEvent only draws them. A picture
// that depends on the control's size is the face cache's (facecache_p.h). Only the menus grey
// in paint: Qt hands them each item's picture anew with every paint.
#include <QImage>

// Where a picture's key colour comes from. The toolkit's automatic transparency (a bitmap drawn
// Transparent, an image list's mask of the tool bar) takes the bottom-left pixel; the buttons'
// image lists take the top-left one.
enum class SkinKeyPixel { TopLeft, BottomLeft };

// An ARGB copy of picture in which every pixel of the key colour (alpha ignored) is clear; a
// null picture stays null.
QImage KeyedPicture(const QImage& picture, QRgb key);
// The same with the key colour taken from the picture's own pixel.
QImage KeyedPicture(const QImage& picture, SkinKeyPixel keyPixel);
// A light, colourless copy of picture with its transparency kept: how a disabled glyph shows.
QImage GreyedPicture(const QImage& picture);
