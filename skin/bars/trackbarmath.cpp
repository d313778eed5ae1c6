#include <algorithm>
#include <cmath>

#include "skin/bars/trackbarmath_p.h"

namespace trackbar {

int SliderOffset(int trackLength, int sliderLength, int min, int max, int position) {
  if (max == min) return 0;
  const std::int64_t room = std::int64_t{trackLength} - sliderLength;
  return static_cast<int>(room * (std::int64_t{position} - min) / (std::int64_t{max} - min));
}

int SliderCrossOffset(int trackThickness, int sliderThickness) {
  return std::max(0, trackThickness - sliderThickness) / 2;
}

std::int64_t PositionAtPixel(int pixel, int trackLength, int sliderLength, int min, int max) {
  if (sliderLength == trackLength) return 0;
  const std::int64_t product = (std::int64_t{pixel} - sliderLength / 2) * (std::int64_t{max} - min);
  const double quotient = static_cast<double>(product) / (trackLength - sliderLength);
  return static_cast<std::int64_t>(std::nearbyint(quotient)) + min;  // halves to even
}

int TickOffset(int trackLength, int sliderLength, int min, int max, int i) {
  return SliderOffset(trackLength, sliderLength, min, max, i) + sliderLength / 2;
}

std::vector<int> TickOffsets(int trackLength, int sliderLength, int min, int max, int frequency) {
  std::vector<int> offsets;
  if (max == min) return offsets;
  const std::int64_t range = std::int64_t{max} - min;
  const std::int64_t room = std::int64_t{trackLength} - sliderLength;
  const std::int64_t step = frequency > 0 ? frequency : range;
  // Offsets truncate toward zero, so a slider longer than the track mirrors the pixels of the
  // track with the opposite room.
  const std::int64_t span = room < 0 ? -room : room;
  const int sign = room < 0 ? -1 : 1;
  const int centre = sliderLength / 2;
  // d runs over the ticks' distances from min; after each tick it jumps to the first multiple
  // of step that lands on a later pixel.
  for (std::int64_t d = 0; d < range;) {
    const std::int64_t pixel = span * d / range;
    offsets.push_back(static_cast<int>(sign * pixel + centre));
    if (span == 0) break;
    const std::int64_t firstOnNextPixel = ((pixel + 1) * range + span - 1) / span;
    d = std::max(d + step, (firstOnNextPixel + step - 1) / step * step);
  }
  const int last = static_cast<int>(room + centre);
  if (offsets.empty() || offsets.back() != last) offsets.push_back(last);
  return offsets;
}

int Clamp(std::int64_t value, int min, int max) {
  return static_cast<int>(std::clamp<std::int64_t>(value, min, max));
}

}  // namespace trackbar
