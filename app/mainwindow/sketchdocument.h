#pragma once
// The main window's work on plain values: the photo and the sketch it shows and the operations
// on them (Convert, paper, retouch steps, save), and the sketch's undo history. No widget is
// touched here, so every operation runs on any thread; the window reads its controls into
// SketchSettings before an operation and shows the rasters after it. One user at a time: the
// window and a batch worker never call into the same document at once.
#include <filesystem>
#include <memory>
#include <optional>
#include <stop_token>
#include <string>

#include "app/mainwindow/retouch.h"
#include "app/mainwindow/sketchhistory.h"
#include "sketch/engine.h"
#include "sketch/paper.h"
#include "sketch/raster.h"

namespace graphitine {

// What Convert and a retouch step read from the main window's controls when they start.
struct SketchSettings {
  int precision = 170;  // the precision box, 0..200
  int lineStep = 1;     // the line track bar, 1..15
  SketchChoice choice;
  std::shared_ptr<const Paper> paper;  // the chosen paper; none for "no paper"

  ConvertSettings ForConvert() const;
  EngineParameters ForEngine() const { return ParametersFor(ForConvert()); }
};

class SketchDocument {
 public:
  const Raster& Photo() const { return photo_; }
  const Raster& Sketch() const { return sketch_; }

  explicit SketchDocument(std::size_t historyCap = SketchHistory::kDefaultCap)
      : history_(historyCap) {}

  // A photo and its sketch read or made elsewhere (the window's loading, a batch worker) become
  // the document's, with a history of their own; the sketch counts as saved.
  void Show(Raster photo, Raster sketch);

  // The sketch becomes a fresh conversion of the photo. Without a photo it raises
  // ConversionError and the sketch stays.
  void Convert(const SketchSettings& settings, std::stop_token stop = {});

  // The sketch becomes empty, or bare paper at the sketch's size when a paper is given.
  void Clear(const Paper* paper);

  // One retouch step over the box, part of the stroke that the first step after the last
  // EndStroke began. With no photo nothing happens (false). The sketch is grown to the photo's
  // sketch size first, white where it was empty.
  bool Retouch(const BrushBox& box, const SketchSettings& settings);
  // The stroke, if one is open, becomes one step of the history. Every other operation ends it
  // first.
  void EndStroke();

  // The sketch goes one step back or forward in its history. Returns what the step changed, or
  // none when there was no step to take.
  const RasterDelta* Undo();
  const RasterDelta* Redo();
  bool CanUndo() const { return stroke_.has_value() || history_.CanUndo(); }
  bool CanRedo() const { return !stroke_ && history_.CanRedo(); }

  // Writes the sketch under the name SavePicture gives it, in the kind's format, and returns
  // that name; the sketch counts as saved. An empty sketch is refused with a clear message and
  // nothing is written.
  std::string Save(const std::string& name, int kind);

  // Whether the sketch differs from the state it had when it was last saved or shown (a step
  // back to that state counts as no change).
  bool ChangedSinceSave() const { return stroke_.has_value() || !history_.AtSaved(); }
  // Whether replacing the sketch loses work: it changed since it was saved, and there is a
  // sketch to save.
  bool HasUnsavedWork() const { return ChangedSinceSave() && !sketch_.IsEmpty(); }

  const SketchHistory& History() const { return history_; }

 private:
  // The sketch becomes the given one, as one step.
  void Replace(Raster sketch);

  Raster photo_;
  Raster sketch_;
  SketchHistory history_;
  std::optional<TileRecorder> stroke_;  // the open stroke's tiles as they were before it
};

}  // namespace graphitine
