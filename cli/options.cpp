#include "cli/options.h"

#include <algorithm>
#include <charconv>
#include <filesystem>
#include <system_error>

#include "sketch/folderwalk.h"

namespace graphitine::cli {

namespace {

int ParseInRange(const std::string& option, const std::string& text, int low, int high) {
  int value = 0;
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value);
  if (error != std::errc() || stop != end || value < low || value > high) {
    throw UsageError(option + " must be a whole number from " + std::to_string(low) + " to " +
                     std::to_string(high) + " (got '" + text + "')");
  }
  return value;
}

SketchTool ParseStyle(const std::string& text) {
  if (text == "pen") return SketchTool::Pen;
  if (text == "pencil") return SketchTool::Pencil;
  if (text == "soft") return SketchTool::Soft;
  throw UsageError("--style must be pen, pencil or soft (got '" + text + "')");
}

PictureFormat FormatFor(const std::string& sketch) {
  const std::string extension = LowerCase(std::filesystem::path(sketch).extension().string());
  if (extension == ".jpg" || extension == ".jpeg") return PictureFormat::Jpeg;
  if (extension == ".bmp") return PictureFormat::Bitmap;
  if (extension == ".wmf") return PictureFormat::PlaceableMetafile;
  if (extension == ".emf") return PictureFormat::EnhancedMetafile;
  throw UsageError("cannot tell the sketch's format from the name '" + sketch +
                   "': it must end in .jpg, .jpeg, .bmp, .wmf or .emf");
}

bool IsFolder(const std::string& path) {
  std::error_code ec;
  return std::filesystem::is_directory(path, ec);
}

}  // namespace

Options ParseOptions(const std::vector<std::string>& arguments, int defaultJobs) {
  Options options;
  options.jobs = std::clamp(defaultJobs, kMinJobs, kMaxJobs);
  bool batch = false;
  std::vector<std::string> positional;

  for (std::size_t i = 0; i < arguments.size(); ++i) {
    std::string argument = arguments[i];
    std::string inlineValue;
    bool hasInlineValue = false;
    if (argument.rfind("--", 0) == 0) {
      const std::size_t equals = argument.find('=');
      if (equals != std::string::npos) {
        inlineValue = argument.substr(equals + 1);
        argument.resize(equals);
        hasInlineValue = true;
      }
    }
    auto value = [&]() -> std::string {
      if (hasInlineValue) return inlineValue;
      if (i + 1 >= arguments.size()) throw UsageError(argument + " needs a value");
      return arguments[++i];
    };
    auto noValue = [&] {
      if (hasInlineValue) throw UsageError(argument + " takes no value");
    };

    if (argument == "--") {
      positional.insert(positional.end(), arguments.begin() + static_cast<long>(i) + 1,
                        arguments.end());
      break;
    } else if (argument == "--help" || argument == "-h") {
      options.mode = Mode::Help;
      return options;
    } else if (argument == "--version") {
      options.mode = Mode::Version;
      return options;
    } else if (argument == "--precision") {
      options.precision = ParseInRange(argument, value(), kMinPrecision, kMaxPrecision);
    } else if (argument == "--line") {
      options.line = ParseInRange(argument, value(), kMinLine, kMaxLine);
    } else if (argument == "--style") {
      options.style = ParseStyle(value());
    } else if (argument == "--paper") {
      options.paper = value();
      if (options.paper.empty()) throw UsageError("--paper needs a file name");
    } else if (argument == "--stretch") {
      noValue();
      options.stretch = true;
    } else if (argument == "--jobs") {
      options.jobs = ParseInRange(argument, value(), kMinJobs, kMaxJobs);
    } else if (argument == "--max-pixels") {
      options.maxPixels = ParseInRange(argument, value(), 1, static_cast<int>(kMaxPicturePixels));
    } else if (argument == "-q" || argument == "--quiet") {
      noValue();
      options.quiet = true;
    } else if (argument == "--batch") {
      if (batch) throw UsageError("--batch is given twice");
      batch = true;
      options.outputFolder = value();
    } else if (argument.size() > 1 && argument[0] == '-') {
      throw UsageError("unknown option '" + argument + "'");
    } else {
      positional.push_back(argument);
    }
  }

  if (options.stretch && options.paper.empty()) {
    throw UsageError("--stretch needs a paper (--paper FILE)");
  }
  if (batch) {
    options.mode = Mode::Batch;
    if (positional.empty()) throw UsageError("--batch needs at least one FOLDER to convert");
    if (!IsFolder(options.outputFolder)) {
      throw UsageError("the output folder '" + options.outputFolder +
                       "' is not an existing folder");
    }
    for (const std::string& folder : positional) {
      if (!IsFolder(folder)) throw UsageError("'" + folder + "' is not an existing folder");
    }
    options.folders = positional;
    return options;
  }
  if (positional.size() != 2) {
    throw UsageError("expected PHOTO and SKETCH, or --batch OUTPUT_FOLDER FOLDER...");
  }
  options.mode = Mode::Single;
  options.photo = positional[0];
  options.sketch = positional[1];
  options.format = FormatFor(options.sketch);
  return options;
}

std::string UsageText() {
  return R"(Usage: graphitine-sketch [options] PHOTO SKETCH
       graphitine-sketch [options] --batch OUTPUT_FOLDER FOLDER...

Turns photographs (JPEG or BMP) into pencil, pen or soft sketches, exactly as Graphitine's
Convert does with the same settings.

Single photo: SKETCH's extension decides its format: .jpg or .jpeg (JPEG at quality 20),
.bmp (24-bit bitmap), .wmf (placeable Windows metafile), .emf (enhanced metafile). The file is
written under exactly that name, replacing any file there.

Batch: every .jpg and .bmp file in each FOLDER and its sub-folders is converted into
OUTPUT_FOLDER under its own (lower-cased) name, as JPEG or bitmap like its source. A name that
is taken gets the picture's position in the list inserted before its extension; no existing
file is ever replaced.

Options:
  --precision N   sensitivity of the strokes, 0 to 200 (default 170)
  --line N        distance between the compared pixels, 1 to 15 (default 1)
  --style S       pen, pencil or soft (default pencil)
  --paper FILE    lay the sketch on this picture (JPEG or BMP), tiled
  --stretch       stretch the paper over the sketch instead of tiling it
  --jobs N        batch: pictures converted at once, 1 to 256 (default: the number of cores);
                  they all share one thread per core, so more than that gains nothing
  --max-pixels N  refuse photos and papers of more than N pixels, 1 to 268435456 (default
                  268435456, a 16384 x 16384 photo, which takes about 1.5 GiB of memory to
                  convert: 3 bytes a pixel for the photo and as many for the sketch). Lower it
                  for files you do not trust: a file of a few bytes can claim that size.
  -q, --quiet     no progress bar and no summary
  --help          show this text
  --version       show the version

Exit status: 0 when everything was written, 1 when a picture failed, 2 for a usage error.
Interrupted (Ctrl-C, SIGTERM, SIGHUP), it removes the files it was writing and ends by that
signal; finished sketches stay.
)";
}

}  // namespace graphitine::cli
