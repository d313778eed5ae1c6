#include "app/mainwindow/sketchdocument.h"

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
  photo_ = std::move(photo);
  sketch_ = std::move(sketch);
  retouchedSinceSave_ = false;
}

void SketchDocument::Convert(const SketchSettings& settings, std::stop_token stop) {
  sketch_ = graphitine::Convert(photo_, settings.ForConvert(), std::move(stop));
  retouchedSinceSave_ = false;
}

void SketchDocument::Clear(const Paper* paper) {
  sketch_ = Raster();
  if (paper != nullptr) PaintPaper(sketch_, *paper, photo_.Width(), photo_.Height());
}

bool SketchDocument::Retouch(const BrushBox& box, const SketchSettings& settings) {
  if (photo_.IsEmpty()) return false;
  sketch_.SetSize(photo_.Width() + 1, photo_.Height() + 1);
  SketchRegion(box.x0, box.y0, box.x1, box.y1, photo_, sketch_, settings.ForEngine(),
               settings.choice);
  retouchedSinceSave_ = true;
  return true;
}

std::string SketchDocument::Save(const std::string& name, int kind) {
  const std::string written =
      SavePicture(sketch_, name, kind, FrameSize{photo_.Width(), photo_.Height()});
  retouchedSinceSave_ = false;
  return written;
}

}  // namespace graphitine
