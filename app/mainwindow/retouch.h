#pragma once
// The arithmetic of a retouch stroke: how often a held stroke paints, and which box of photo
// pixels a step at a point of the sketch view covers.
#include <optional>

namespace graphitine {

// A box of photo pixels; it may reach past the photo.
struct BrushBox {
  int x0 = 0;
  int y0 = 0;
  int x1 = 0;
  int y1 = 0;
  friend bool operator==(const BrushBox&, const BrushBox&) = default;
};

// A held stroke paints on every m-th pointer move, m = the square root of the brush radius,
// truncated (at least 1).
int StrokeFrequency(int brushRadius);

// Photo pixels per view pixel: the picture's height over the view's, as a 32-bit float.
float ViewScale(int pictureHeight, int viewHeight);

// The view: its size in logical pixels and its scale to photo pixels.
struct ViewGeometry {
  int width = 0;
  int height = 0;
  float scale = 0;
};

// The box of a step at (x, y) in view pixels with brush radius r: (x - r, y - r, x + r, y + r)
// times the scale, truncated. None when the point lies within lineStep pixels of the view's
// edge, where a step paints nothing. The point keeps its fraction (a pointer on a scaled
// screen lies between logical pixels), so the box is the one under the pointer's device pixel.
std::optional<BrushBox> BrushBoxAt(double x, double y, int r, int lineStep,
                                   const ViewGeometry& view);

}  // namespace graphitine
