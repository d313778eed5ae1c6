#include "app/mainwindow/retouch.h"

#include <algorithm>
#include <cmath>

namespace graphitine {

int StrokeFrequency(int brushRadius) {
  return std::max(1, static_cast<int>(std::sqrt(static_cast<double>(brushRadius))));
}

float ViewScale(int pictureHeight, int viewHeight) {
  if (viewHeight == 0) return 0;
  return static_cast<float>(static_cast<double>(pictureHeight) / viewHeight);
}

std::optional<BrushBox> BrushBoxAt(double x, double y, int r, int lineStep,
                                   const ViewGeometry& view) {
  const int s = lineStep;
  if (!(s < x && x < view.width - s && s < y && y < view.height - s)) return std::nullopt;
  const auto scaled = [&view](double v) {
    return static_cast<int>(v * static_cast<double>(view.scale));
  };
  return BrushBox{scaled(x - r), scaled(y - r), scaled(x + r), scaled(y + r)};
}

}  // namespace graphitine
