#pragma once
// JPEG photos of the kinds libjpeg writes (baseline or progressive, each chroma sampling,
// restart markers, arithmetic coding, scans of one component each, greyscale), and libjpeg's own
// plain decoding of a file, for comparing our quicker ways of reading with.
#include <filesystem>
#include <string>
#include <vector>

#include "sketch/raster.h"

namespace graphitine::testing {

struct JpegVariant {
  std::string name;
  int lumaWidth = 2;   // luma sampling factors; chroma is sampled 1 x 1
  int lumaHeight = 2;  // so 2 x 2 is 4:2:0, 2 x 1 4:2:2, 1 x 1 4:4:4
  bool progressive = false;
  int restartRows = 0;  // a restart marker after every this many rows of blocks
  bool arithmetic = false;
  bool grey = false;
  bool componentScans = false;   // sequential, one scan per component
  bool lastScanLeftOut = false;  // progressive, without the last refinement of luma
};

// The variants our reading must decode exactly as libjpeg's plain decoding does.
const std::vector<JpegVariant>& JpegVariants();

void WriteJpegVariant(const Raster& picture, const std::filesystem::path& file,
                      const JpegVariant& variant, int quality = 90);

// libjpeg's own way: its stdio source and default settings, every row read at once.
Raster PlainDecode(const std::filesystem::path& file);

}  // namespace graphitine::testing
