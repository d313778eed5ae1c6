#pragma once
// Converting a photo file into a sketch file in one go, as the command-line converter and the
// batch run do. The photo is read, drawn into the sketch and the sketch written in bands of
// rows, overlapped: while the later rows of a JPEG photo are still being decoded, its first
// bands are drawn and encoded. The work runs on the shared worker pool as two tasks per
// picture, one reading and one drawing and writing (which the reader joins in drawing once the
// photo is read), so pictures converted at once never keep more threads busy than there are
// cores; the calling thread only waits.
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

// Reads the photo as LoadPicture does (refused from its header beyond limits), converts it as
// Convert does with the settings, and writes the sketch as WritePicture does in the format,
// with the photo's size as the metafile frame; the file's bytes are those that these three
// would give. Returns the photo and the sketch. The errors are theirs; settings out of range
// are refused before the photo is opened. stop is checked between bands of rows: once it is
// requested the conversion raises Stopped. A failed or stopped conversion writes nothing.
ConvertedPicture ConvertPictureFile(const std::filesystem::path& photoFile,
                                    const PictureLimits& limits, const ConvertSettings& settings,
                                    const std::filesystem::path& sketchFile, PictureFormat format,
                                    ExistingFile existing = ExistingFile::Replace,
                                    std::stop_token stop = {});

}  // namespace graphitine
