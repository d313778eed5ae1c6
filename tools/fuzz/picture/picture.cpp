// Feeds arbitrary bytes, as a picture file, to the three ways the program and the converter read
// a photo: whole (LoadPicture), a band of rows at a time (PictureReader, as the main window reads
// while it scales its view) and the quick look (LoadPicturePreview). Each must end, stay inside
// its memory, fail only with the core's Error, and agree with the others: the banded reader gives
// the whole picture's pixels or its error, and the quick look the picture's size.
#include <sys/mman.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <exception>
#include <optional>
#include <string>

#include "sketch/errors.h"
#include "sketch/jpegfile.h"
#include "sketch/picturefile.h"
#include "tools/fuzz/check.h"

namespace {

using graphitine::Raster;

// A picture of a megapixel at most: enough for every path of the readers, small enough that an
// input claiming the largest size the program accepts still decodes in milliseconds.
graphitine::PictureLimits Limits() {
  graphitine::PictureLimits limits;
  limits.maxPixels = std::int64_t{1} << 20;
  return limits;
}

// The input as a file, in memory: the readers open files by name.
const std::string& FileHolding(const std::uint8_t* data, std::size_t size) {
  static const int descriptor = memfd_create("picture", MFD_CLOEXEC);
  static const std::string name = "/proc/self/fd/" + std::to_string(descriptor);
  FUZZ_CHECK(descriptor >= 0);
  FUZZ_CHECK(ftruncate(descriptor, 0) == 0);
  FUZZ_CHECK(pwrite(descriptor, data, size, 0) == static_cast<ssize_t>(size));
  return name;
}

struct Outcome {
  std::optional<Raster> picture;
  std::string error;
};

template <class Read>
Outcome Attempt(Read read) {
  Outcome outcome;
  try {
    outcome.picture = read();
  } catch (const graphitine::Error& error) {
    outcome.error = error.what();
    FUZZ_CHECK(!outcome.error.empty());
  }
  return outcome;
}

// Rows in bands of a size that changes along the picture, so that band ends fall everywhere.
Raster ReadInBands(const std::string& file) {
  graphitine::PictureReader reader(file, Limits());
  Raster picture = reader.Start();
  FUZZ_CHECK(picture.Width() == reader.Width() && picture.Height() == reader.Height());
  for (int band = 1; reader.RowsRead() < picture.Height(); band = band % 11 + 1) {
    const int wanted = reader.RowsRead() + band;
    reader.ReadRows(picture, wanted);
    FUZZ_CHECK(reader.RowsRead() >= std::min(wanted, picture.Height()));
  }
  return picture;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string& file = FileHolding(data, size);
  const Outcome whole = Attempt([&] { return graphitine::LoadPicture(file, Limits()); });
  const Outcome banded = Attempt([&] { return ReadInBands(file); });
  FUZZ_CHECK(whole.error == banded.error);
  if (whole.picture) {
    FUZZ_CHECK(!whole.picture->IsEmpty());
    FUZZ_CHECK(*whole.picture == *banded.picture);
  }

  // A view size taken from the input, so that every reduced scale is tried.
  const int viewWidth = 1 + static_cast<int>(size % 97),
            viewHeight = 1 + static_cast<int>(size % 89);
  const Outcome preview = Attempt([&] {
    const graphitine::PicturePreview look =
        graphitine::LoadPicturePreview(file, viewWidth, viewHeight, Limits());
    if (whole.picture) {
      const int width = whole.picture->Width(), height = whole.picture->Height();
      FUZZ_CHECK(look.photoWidth == width && look.photoHeight == height);
      const bool jpeg = graphitine::PictureContentOf(file) == graphitine::PictureContent::Jpeg;
      const int eighths =
          jpeg ? graphitine::ReducedEighths(width, height, viewWidth, viewHeight) : 8;
      FUZZ_CHECK(look.picture.Width() == (width * eighths + 7) / 8);
      FUZZ_CHECK(look.picture.Height() == (height * eighths + 7) / 8);
      if (eighths == 8) FUZZ_CHECK(look.picture == *whole.picture);
    }
    return look.picture;
  });
  // The quick look reads every row of the data too, so it fails exactly when the whole does.
  FUZZ_CHECK(preview.picture.has_value() == whole.picture.has_value());
  return 0;
}
