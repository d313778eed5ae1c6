#pragma once
// Fitting a picture into an area: the largest rectangle of the picture's aspect ratio, centred.
// The aspect ratios are kept as 32-bit floats and the sizes truncated, so the sizes come out
// exactly as the windows have always laid them out.
#include <QRect>
#include <QSize>

// A picture of no width or height fits as an empty rectangle at the area's origin.
QRect FitPicture(const QSize& area, const QSize& picture);
