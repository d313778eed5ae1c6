#pragma once
// Converting a photo file into a sketch file in one go, as the command-line converter and the
// batch run do. The photo is read, drawn into the sketch and the sketch written in bands of
// rows, overlapped: while the later rows of a JPEG photo are still being decoded, its first
// bands are drawn and encoded, on all of the shared worker pool's threads. Its steps never keep
// a thread waiting for each other, so pictures converted at once keep every core busy and never
// more threads than there are cores; the calling thread only waits.
#include <filesystem>
#include <stop_token>

#include "sketch/atomicfile.h"
#include "sketch/engine.h"
#include "sketch/picturefile.h"
#include "sketch/picturelimits.h"
#include "sketch/raster.h"

namespace graphitine {

struct ConvertedPicture {
  Raster photo;
  Raster sketch;
};

// Whether ConvertPictureFile hands back the photo and the sketch. Without them, a JPEG sketch is
// converted holding only the few bands of rows in use at a time, which spares the memory of
// both pictures and the time its fresh pages cost.
enum class KeptPictures { Both, None };

// Reads the photo as LoadPicture does (refused from its header beyond limits), converts it as
// Convert does with the settings, and writes the sketch as WritePicture does in the format,
// with the photo's size as the metafile frame; the file's bytes are those that these three
// would give. Returns the photo and the sketch, or two empty rasters when kept is None. The
// errors are theirs; settings out of range are refused before the photo is opened. stop is
// checked between bands of rows: once it is requested the conversion raises Stopped. A failed or
// stopped conversion writes nothing.
ConvertedPicture ConvertPictureFile(const std::filesystem::path& photoFile,
                                    const PictureLimits& limits, const ConvertSettings& settings,
                                    const std::filesystem::path& sketchFile, PictureFormat format,
                                    ExistingFile existing = ExistingFile::Replace,
                                    std::stop_token stop = {},
                                    KeptPictures kept = KeptPictures::Both);

}  // namespace graphitine
