#pragma once
// The sketch engine: the region driver, the per-pixel kernel and the whole-photo Convert.
// Everything the main window's controls decide comes in as plain arguments, so the windows,
// the batch run and the command-line converter all call the same code.
#include <stop_token>

#include "sketch/raster.h"

namespace graphitine {

struct Paper;

// The checked button of the sketch page's radio group (RadioButton1..5); at most one is checked.
enum class SketchTool {
  None,
  Pen,          // RadioButton1
  Eraser,       // RadioButton2
  ColourBrush,  // RadioButton3
  Pencil,       // RadioButton4
  Soft,         // RadioButton5
};

// The active page of the main window's page control.
enum class SketchPage {
  Automatic,  // TabSheet1: the circle of the box plays no part
  Manual,     // TabSheet2: only the circle inscribed in the box is visited
};

struct EngineParameters {
  int Threshold = 30;    // 200 - precision, 0..200
  int LineStep = 1;      // distance between the kernel's samples, 1..15
  int ScaleDivisor = 1;  // always 1
  int threads = 0;       // rows are shared by up to this many of the shared pool's threads; 0: all
};

struct SketchChoice {
  SketchTool checked = SketchTool::Pencil;
  SketchPage page = SketchPage::Automatic;
};

// Visits the box (x0, y0)-(x1, y1) of the source, or the circle inscribed in it, and applies the
// eraser, the colour brush or the kernel, as the choice says. The box may reach past the photo
// (any int values). The destination is grown to at least (W + 1) x (H + 1) first, so nothing
// writes outside it. Parameters outside their ranges raise Error.
void SketchRegion(int x0, int y0, int x1, int y1, const Raster& source, Raster& destination,
                  const EngineParameters& parameters, const SketchChoice& choice);

// The kernel for one source pixel, drawing in the given style (Pen, Pencil or Soft; any other
// value draws nothing). A pixel whose samples would fall outside the source is left alone.
// The destination is grown as by SketchRegion.
void SketchPixel(int x, int y, const Raster& source, Raster& destination,
                 const EngineParameters& parameters, SketchTool style);

// What Convert reads from the main window.
struct ConvertSettings {
  int precision = 170;  // 0..200
  int lineStep = 1;     // 1..15
  SketchChoice choice;
  const Paper* paper = nullptr;  // the chosen paper, or none
  int threads = 0;               // as EngineParameters::threads
};

// Convert: a fresh sketch of (W + 1) x (H + 1), laid on the paper when one is given, with the
// engine run over (s, s, W - s, H - s). An empty photo raises ConversionError; settings out of
// range raise Error. The rows are shared out on the process's worker pool, so conversions
// running at once share its threads. stop is checked between bands of rows: once it is
// requested the conversion raises Stopped.
Raster Convert(const Raster& photo, const ConvertSettings& settings, std::stop_token stop = {});

// The parameters Convert derives from its settings.
EngineParameters ParametersFor(const ConvertSettings& settings);

}  // namespace graphitine
