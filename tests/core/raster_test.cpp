#include "sketch/raster.h"

#include <gtest/gtest.h>

#include "sketch/errors.h"

namespace graphitine {
namespace {

TEST(Raster, FreshRasterIsWhiteAndRowsAreChecked) {
  Raster r(5, 3);
  for (int y = 0; y < 3; ++y)
    for (int i = 0; i < 15; ++i) EXPECT_EQ(r.ScanLine(y)[i], 255);
  EXPECT_THROW(r.ScanLine(3), GraphicError);
  EXPECT_THROW(r.ScanLine(-1), GraphicError);
  try {
    r.ScanLine(3);
  } catch (const GraphicError& e) {
    EXPECT_STREQ(e.what(), "Scan line index out of range");
  }
}

TEST(Raster, ResizeKeepsFittingPixelsAndWhitensNewOnes) {
  Raster r(3, 2);
  r.Fill(1, 2, 3);
  r.SetSize(4, 3);
  EXPECT_EQ(r.ScanLine(1)[6], 1);
  EXPECT_EQ(r.ScanLine(1)[8], 3);
  EXPECT_EQ(r.ScanLine(1)[9], 255);  // new column
  EXPECT_EQ(r.ScanLine(2)[0], 255);  // new row
  r.SetSize(2, 1);
  EXPECT_EQ(r.Width(), 2);
  EXPECT_EQ(r.ScanLine(0)[3], 1);
}

TEST(Raster, CopiesAreIndependent) {
  Raster a(2, 2);
  Raster b = a;
  b.ScanLine(0)[0] = 7;
  EXPECT_EQ(a.ScanLine(0)[0], 255);
  EXPECT_FALSE(a == b);
}

}  // namespace
}  // namespace graphitine
