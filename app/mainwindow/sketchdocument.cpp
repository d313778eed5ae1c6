#include "app/mainwindow/sketchdocument.h"

#include <algorithm>

#include "sketch/errors.h"
#include "sketch/picturefile.h"

namespace graphitine {

ConvertSettings SketchSettings::ForConvert() const {
  ConvertSettings settings;
  settings.precision = precision;
  settings.lineStep = lineStep;
  settings.choice = choice;
  settings.paper = paper.get();
  return settings;
}

void SketchDocument::Show(Raster photo, Raster sketch) {
  stroke_.reset();
  photo_ = std::move(photo);
  sketch_ = std::move(sketch);
  history_.Restart();
}

void SketchDocument::Replace(Raster sketch) {
  EndStroke();
  history_.Add(RasterDelta::Between(sketch_, sketch));
  sketch_ = std::move(sketch);
}

void SketchDocument::Convert(const SketchSettings& settings, std::stop_token stop) {
  Replace(graphitine::Convert(photo_, settings.ForConvert(), std::move(stop)));
}

void SketchDocument::Clear(const Paper* paper) {
  Raster cleared;
  if (paper != nullptr) PaintPaper(cleared, *paper, photo_.Width(), photo_.Height());
  Replace(std::move(cleared));
}

bool SketchDocument::Retouch(const BrushBox& box, const SketchSettings& settings) {
  if (photo_.IsEmpty()) return false;
  if (!stroke_) stroke_.emplace(sketch_);
  // The sketch only grows: a larger one keeps every pixel, so the stroke can give it back.
  sketch_.SetSize(std::max(sketch_.Width(), photo_.Width() + 1),
                  std::max(sketch_.Height(), photo_.Height() + 1));
  // The tools write inside the box, up to its right and bottom edges at most.
  stroke_->Keep(sketch_, PixelArea{box.x0, box.y0, box.x1 - box.x0 + 1, box.y1 - box.y0 + 1});
  SketchRegion(box.x0, box.y0, box.x1, box.y1, photo_, sketch_, settings.ForEngine(),
               settings.choice);
  return true;
}

void SketchDocument::EndStroke() {
  if (!stroke_) return;
  history_.Add(stroke_->Finish(sketch_));
  stroke_.reset();
}

const RasterDelta* SketchDocument::Undo() {
  EndStroke();
  return history_.Undo(sketch_);
}

const RasterDelta* SketchDocument::Redo() {
  EndStroke();
  return history_.Redo(sketch_);
}

std::string SketchDocument::Save(const std::string& name, int kind) {
  EndStroke();
  const std::string written =
      SavePicture(sketch_, name, kind, FrameSize{photo_.Width(), photo_.Height()});
  history_.MarkSaved();
  return written;
}

}  // namespace graphitine
