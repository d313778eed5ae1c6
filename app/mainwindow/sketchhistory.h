#pragma once
// The sketch's undo history. Every change to the sketch is one step, kept as the delta between
// the sketch before and after it, which holds only what the step changed. The steps' memory has
// a cap; past it the oldest steps are dropped. The history also knows which state was saved
// last, so that undoing or redoing back to it counts as saved. No widget here: plain values.
#include <cstddef>
#include <cstdint>
#include <deque>
#include <vector>

#include "sketch/rasterdelta.h"

namespace graphitine {

class SketchHistory {
 public:
  // What the steps may hold in all. On a 24-megapixel sketch a retouch stroke of the default
  // brush keeps from some 20 KiB (a smooth photo) to some 750 KiB (a photo full of grain), a
  // Convert or Clear up to 24 MiB (a grey sketch) or 72 MiB (on coloured paper); so the cap
  // holds a few whole-sketch steps and hundreds of strokes.
  static constexpr std::size_t kDefaultCap = std::size_t{256} << 20;

  explicit SketchHistory(std::size_t cap = kDefaultCap) : cap_(cap) {}

  // A change was made: the steps that could be redone go, this one is added, and the oldest
  // are dropped while all hold more than the cap. A delta without a change adds nothing. A step
  // larger than the cap on its own is not kept: the history starts again after it.
  void Add(RasterDelta step);

  // The sketch holds the current state and becomes the one a step back (forward). Returns the
  // step's delta, for showing what changed; none when there is no step to take.
  const RasterDelta* Undo(Raster& sketch);
  const RasterDelta* Redo(Raster& sketch);
  bool CanUndo() const { return !undo_.empty(); }
  bool CanRedo() const { return !redo_.empty(); }

  // Forgets every step; the current state counts as saved (a photo just opened).
  void Restart();
  // The current state was saved.
  void MarkSaved() { saved_ = Current(); }
  bool AtSaved() const { return saved_ == Current(); }

  std::size_t Bytes() const { return bytes_; }

 private:
  struct Step {
    RasterDelta delta;
    std::uint64_t after;  // the state the step leads to
  };

  // Every state the sketch goes through has a number of its own.
  std::uint64_t Current() const { return undo_.empty() ? base_ : undo_.back().after; }
  void DropOldest();

  std::size_t cap_;
  std::deque<Step> undo_;   // oldest first
  std::vector<Step> redo_;  // the next to redo last
  std::uint64_t base_ = 0;  // the state before the oldest step that can be undone
  std::uint64_t saved_ = 0;
  std::uint64_t next_ = 1;
  std::size_t bytes_ = 0;
};

}  // namespace graphitine
