#pragma once
// The caption of a look, assembled from its parts: the title band, what is particular to the
// left and right pieces, and the caption buttons of the 18-frame strip.
#include <functional>

#include "looks.h"
#include "symbols.h"

namespace art {

enum class CaptionKind { ControlBox, Help, Maximize, Restore, Minimize, Close };
enum class CaptionState { Normal, Hover, Pressed };

struct CaptionDesign {
  // Paints the title band over `rect`; its top is the first row of the title pictures. The
  // band may change only from row to row, so that a button drawn on a slice of it matches
  // the title wherever the button stands.
  std::function<void(QPainter&, const QRectF&)> band;
  // Additions to the left and right pieces (outline columns, corners, ornaments); may be empty.
  std::function<void(QPainter&, const QSizeF&)> decorateLeft, decorateRight;
  // One caption button on a layer of the frame's size.
  std::function<void(QPainter&, const QRectF&, CaptionKind, CaptionState)> button;
};

// The title pieces and the caption-button strip. The buttons stand on the title rows the look's
// button top gives; looks with transparent caption buttons get magenta around them, the others
// the title band.
Pictures CaptionPictures(const Look& look, const CaptionDesign& design);

// The sign a caption button carries.
Symbol CaptionSign(CaptionKind kind);

}  // namespace art
