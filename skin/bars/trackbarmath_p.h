#pragma once
// The track bar's arithmetic between positions and pixels along the track. Products are taken
// in 64 bits so that wide ranges do not overflow; divisions truncate toward zero.
#include <cstdint>
#include <vector>

namespace trackbar {

// Leading edge of the slider along a track of trackLength pixels; the slider itself is
// sliderLength long, so the edge runs from 0 to trackLength - sliderLength.
int SliderOffset(int trackLength, int sliderLength, int min, int max, int position);

// Offset across the track that centres a slider sliderThickness thick on it.
int SliderCrossOffset(int trackThickness, int sliderThickness);

// The position whose slider would be centred on pixel, rounded to the nearest position with
// halves going to the even one. Not clamped; 0 when the slider fills the track.
std::int64_t PositionAtPixel(int pixel, int trackLength, int sliderLength, int min, int max);

// The pixel along the track where the tick of position i goes: under the slider's centre.
int TickOffset(int trackLength, int sliderLength, int min, int max, int i);

// The pixels along the track that carry a tick, in order. Ticks fall on the positions min,
// min + frequency, min + 2 frequency, ... and always on max (only min and max for a frequency of
// 0 or less; none for an empty range), each at TickOffset. Positions that share a pixel give it
// once, so the list is never longer than the track has pixels, whatever the range.
std::vector<int> TickOffsets(int trackLength, int sliderLength, int min, int max, int frequency);

int Clamp(std::int64_t value, int min, int max);

}  // namespace trackbar
