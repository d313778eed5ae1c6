// The data shipped beside the program: the start picture and the texture folder.
#include <gtest/gtest.h>

#include "sketch/picturefile.h"
#include "sketch/textures.h"
#include "tests/core/testsupport.h"

namespace graphitine {
namespace {

const std::filesystem::path kProgramFolder = GRAPHITINE_BIN_DIR;

TEST(ShippedData, StartPictureIsAPhotoAbout1000PixelsWide) {
  const Raster photo = LoadPicture(kProgramFolder / "J.jpg");
  EXPECT_GE(photo.Width(), 900);
  EXPECT_LE(photo.Width(), 1100);
}

TEST(ShippedData, TextureFolderHoldsTileablePapers) {
  std::vector<TextureEntry> catalogue;
  CollectTextures(TextureFolder(kProgramFolder), catalogue);
  EXPECT_GE(catalogue.size(), 6u);
  for (const TextureEntry& entry : catalogue) {
    SCOPED_TRACE(entry.name);
    const Raster paper = LoadPicture(entry.path);
    EXPECT_EQ(paper.Width(), 256);
    EXPECT_EQ(paper.Height(), 256);
    // Tiles meet without a seam: the jump across the edge is no larger than inside the sheet.
    auto jump = [&](int x0, int y0, int x1, int y1) {
      int total = 0;
      for (int i = 0; i < 256; ++i) {
        const int ax = x0 < 0 ? i : x0, ay = y0 < 0 ? i : y0, bx = x1 < 0 ? i : x1,
                  by = y1 < 0 ? i : y1;
        for (int c = 0; c < 3; ++c) {
          total += std::abs(paper.Row(ay)[3 * ax + c] - paper.Row(by)[3 * bx + c]);
        }
      }
      return total;
    };
    EXPECT_LT(jump(255, -1, 0, -1), 2 * jump(127, -1, 128, -1) + 256 * 3);
    EXPECT_LT(jump(-1, 255, -1, 0), 2 * jump(-1, 127, -1, 128) + 256 * 3);
  }
}

}  // namespace
}  // namespace graphitine
