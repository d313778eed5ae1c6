#pragma once
// The difference between two states of a raster, kept small for an undo history. The states are
// compared in square tiles; a tile that differs is kept as the change of each pixel, with the
// pixels that did not change squeezed out and a grey change (the same in all three bytes, as a
// sketch's are) kept in one byte. Added to the state before it gives the state after, taken
// from the state after it gives the state before, so a history keeps one delta per step for
// both directions. States of different sizes are compared over the larger width and height, the
// part outside a state counting as white, the colour Raster::SetSize gives new pixels.
#include <cstddef>
#include <cstdint>
#include <unordered_map>
#include <vector>

#include "sketch/raster.h"

namespace graphitine {

// A rectangle of raster pixels.
struct PixelArea {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;

  bool Empty() const { return width <= 0 || height <= 0; }
  friend bool operator==(const PixelArea&, const PixelArea&) = default;
};

class RasterDelta {
 public:
  static constexpr int kTileSize = 64;  // pixels a side

  RasterDelta() = default;  // between two empty rasters: no change

  static RasterDelta Between(const Raster& before, const Raster& after);

  // The raster holds the state after (Undo) or before (Redo) the change; it becomes the other.
  void Undo(Raster& raster) const { Apply(raster, false); }
  void Redo(Raster& raster) const { Apply(raster, true); }

  // Whether the two states are equal, size included.
  bool Unchanged() const { return !SizeChanged() && tiles_.empty(); }
  bool SizeChanged() const { return before_ != after_; }
  // The pixels that differ lie inside this area (whole tiles, cut to the larger state).
  PixelArea Changed() const { return changed_; }
  // The memory the delta holds.
  std::size_t Bytes() const;

 private:
  friend class TileRecorder;
  struct Size {
    int width = 0;
    int height = 0;
    friend bool operator==(const Size&, const Size&) = default;
  };
  // Tiles of the grid over the larger state, numbered row by row.
  struct Grid;

  // Forward: before to after; else after to before.
  void Apply(Raster& raster, bool forward) const;
  // The tiles' codes, in tile order, become the delta's.
  void Take(std::vector<std::uint32_t> tiles, std::vector<std::size_t> ends,
            std::vector<std::uint8_t> code);

  Size before_;
  Size after_;
  std::vector<std::uint32_t> tiles_;  // the tiles that differ, ascending
  std::vector<std::size_t> ends_;     // where each tile's code ends in code_
  std::vector<std::uint8_t> code_;
  PixelArea changed_;
};

// Keeps the tiles of a raster as they were just before they are first written, so that the
// delta of a series of changes in place (a retouch stroke) is made from the tiles it touched
// alone, without a copy of the whole raster.
class TileRecorder {
 public:
  // The raster's state before the changes.
  explicit TileRecorder(const Raster& before);

  // The raster is about to be written inside the area (which may reach past it). It may have
  // grown since the start, never shrunk, its new pixels white.
  void Keep(const Raster& raster, const PixelArea& area);

  // The delta from the state at the start to the raster as it is now.
  RasterDelta Finish(const Raster& after) const;

 private:
  struct Kept {
    PixelArea area;  // the tile's pixels that the raster had when they were kept
    std::vector<std::uint8_t> pixels;
  };

  RasterDelta::Size before_;
  std::unordered_map<std::uint64_t, Kept> kept_;  // by tile row << 32 | tile column
};

}  // namespace graphitine
