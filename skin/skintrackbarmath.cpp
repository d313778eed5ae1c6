#include "skin/skintrackbarmath.h"

#include <algorithm>
#include <cmath>

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
  const std::int64_t product =
      (std::int64_t{pixel} - sliderLength / 2) * (std::int64_t{max} - min);
  const double quotient = static_cast<double>(product) / (trackLength - sliderLength);
  return static_cast<std::int64_t>(std::nearbyint(quotient)) + min;  // halves to even
}

int TickOffset(int trackLength, int sliderLength, int min, int max, int i) {
  return SliderOffset(trackLength, sliderLength, min, max, i) + sliderLength / 2;
}

std::vector<int> TickPositions(int min, int max, int frequency) {
  std::vector<int> ticks;
  if (max == min) return ticks;
  const std::int64_t step = frequency > 0 ? frequency : std::int64_t{max} - min;
  for (std::int64_t i = min; i < max; i += step) ticks.push_back(static_cast<int>(i));
  ticks.push_back(max);
  return ticks;
}

int Clamp(std::int64_t value, int min, int max) {
  return static_cast<int>(std::clamp<std::int64_t>(value, min, max));
}

}  // namespace trackbar
