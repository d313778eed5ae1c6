#include "app/mainwindow/sketchhistory.h"

#include <utility>

namespace graphitine {

void SketchHistory::Add(RasterDelta step) {
  if (step.Unchanged()) return;
  for (const Step& dropped : redo_) bytes_ -= dropped.delta.Bytes();
  redo_.clear();
  const std::uint64_t after = next_++;
  if (step.Bytes() > cap_) {
    while (!undo_.empty()) DropOldest();
    base_ = after;
    return;
  }
  bytes_ += step.Bytes();
  undo_.push_back(Step{std::move(step), after});
  while (bytes_ > cap_) DropOldest();
}

void SketchHistory::DropOldest() {
  base_ = undo_.front().after;
  bytes_ -= undo_.front().delta.Bytes();
  undo_.pop_front();
}

const RasterDelta* SketchHistory::Undo(Raster& sketch) {
  if (undo_.empty()) return nullptr;
  undo_.back().delta.Undo(sketch);
  redo_.push_back(std::move(undo_.back()));
  undo_.pop_back();
  return &redo_.back().delta;
}

const RasterDelta* SketchHistory::Redo(Raster& sketch) {
  if (redo_.empty()) return nullptr;
  redo_.back().delta.Redo(sketch);
  undo_.push_back(std::move(redo_.back()));
  redo_.pop_back();
  return &undo_.back().delta;
}

void SketchHistory::Restart() {
  undo_.clear();
  redo_.clear();
  bytes_ = 0;
  base_ = next_++;
  saved_ = base_;
}

}  // namespace graphitine
