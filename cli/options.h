#pragma once
// The command line of graphitine-sketch.
#include <stdexcept>
#include <string>
#include <vector>

#include "sketch/engine.h"
#include "sketch/picturefile.h"
#include "sketch/picturelimits.h"

namespace graphitine::cli {

inline constexpr int kMinPrecision = 0, kMaxPrecision = 200, kDefaultPrecision = 170;
inline constexpr int kMinLine = 1, kMaxLine = 15, kDefaultLine = 1;
inline constexpr int kMinJobs = 1, kMaxJobs = 256;

enum class Mode { Single, Batch, Help, Version };

struct Options {
  Mode mode = Mode::Single;
  int precision = kDefaultPrecision;
  int line = kDefaultLine;
  SketchTool style = SketchTool::Pencil;
  std::string paper;  // empty: no paper
  bool stretch = false;
  int jobs = 1;
  bool quiet = false;
  std::int64_t maxPixels = kMaxPicturePixels;  // pictures with more are refused

  // Single mode: PHOTO SKETCH, and the format SKETCH's extension asks for.
  std::string photo;
  std::string sketch;
  PictureFormat format = PictureFormat::Jpeg;

  // Batch mode: --batch OUTPUT_FOLDER FOLDER...
  std::string outputFolder;
  std::vector<std::string> folders;
};

// A command line that cannot be carried out as written; what() says why.
class UsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Parses the arguments after the program name. defaultJobs is --jobs when not given.
Options ParseOptions(const std::vector<std::string>& arguments, int defaultJobs);

std::string UsageText();

}  // namespace graphitine::cli
