#pragma once
// Loading photos and saving sketches: the file operations that the main window, the batch run
// and the command-line converter share. Failures are FileError (or Error) with a text that
// names the file and can be shown as it stands.
#include <filesystem>
#include <memory>
#include <string>

#include "sketch/atomicfile.h"
#include "sketch/errors.h"
#include "sketch/metafile.h"
#include "sketch/picturelimits.h"
#include "sketch/raster.h"

namespace graphitine {

// Reads a JPEG or Windows bitmap file into a 24-bit raster. The format is decided by the
// file's first bytes, not by its name; a file that is neither raises FileError
// "Not a JPEG or bitmap picture: "file"". A picture beyond the limits is refused from its
// header, before it is decoded.
Raster LoadPicture(const std::filesystem::path& file, const PictureLimits& limits = {});

class JpegReader;

// Reading a JPEG or bitmap picture a band of rows at a time, for callers that use the rows as
// they arrive (a window scaling its view while the decoder goes on); LoadPicture reads it whole
// through this. Errors and limits are LoadPicture's. A bitmap is read whole when opened.
class PictureReader {
 public:
  PictureReader(const std::filesystem::path& file, const PictureLimits& limits = {});
  PictureReader(const PictureReader&) = delete;
  PictureReader& operator=(const PictureReader&) = delete;
  ~PictureReader();

  int Width() const;
  int Height() const;
  // The raster of the picture's size that ReadRows fills (a bitmap's already holds every row).
  // Called once.
  Raster Start();
  // Reads rows into picture until its first `rows` rows are there (at most its height).
  void ReadRows(Raster& picture, int rows);
  int RowsRead() const;

 private:
  std::string name_;
  std::unique_ptr<JpegReader> jpeg_;
  Raster bitmap_;  // a bitmap, until Start hands it over
  int bitmapWidth_ = 0;
  int bitmapHeight_ = 0;
  bool started_ = false;
};

// A quick look at a photo, for a window to show while LoadPicture reads it in full. A JPEG is
// decoded at the smallest of libjpeg's reduced scales (1/8, 2/8, ... 8/8 of its size) that is
// still no smaller than the photo shown fitted into a viewWidth x viewHeight view, its
// proportions kept (ReducedEighths). That spares the inverse transforms, the colour conversion
// and most of the memory, but not the unpacking of the compressed data, which libjpeg must read
// through whole: for a large photo the quick look still takes about half (smooth photos) to two
// thirds (sharp, grainy ones) of the full decode's time. A bitmap is read whole. Errors and
// limits are LoadPicture's (the limits apply to the photo's own size).
struct PicturePreview {
  Raster picture;      // the photo at the reduced scale
  int photoWidth = 0;  // the photo's own size
  int photoHeight = 0;
};
PicturePreview LoadPicturePreview(const std::filesystem::path& file, int viewWidth, int viewHeight,
                                  const PictureLimits& limits = {});

// What a picture file holds, told by its first bytes.
enum class PictureContent { Jpeg, Bitmap };
// Raises LoadPicture's FileError for a file that holds neither.
PictureContent PictureContentOf(const std::filesystem::path& file);

// LoadPicture's error for a picture that does not fit in memory: FileError "Not enough memory to
// load "file"".
FileError NotEnoughMemoryToLoad(const std::string& file);

// Output kinds of SavePicture: 1 JPEG, 2 bitmap, any other value a metafile.
inline constexpr int kJpegKind = 1;
inline constexpr int kBitmapKind = 2;
inline constexpr int kMetafileKind = 3;

// The name SavePicture writes under: the kind's extension is appended unless the name already
// contains it, in lower or upper case, anywhere (case-sensitive substring tests): kind 1 tests
// ".jpg"/".JPG" and appends ".jpg", kind 2 ".bmp"/".BMP" and ".bmp", others ".wmf"/".WMF" and
// ".wmf". So "a.jpeg" becomes "a.jpeg.jpg" and "a.bmp.old" stays as it is.
std::string SaveNameFor(const std::string& name, int kind);

// Writing under exactly the given name, in an explicitly chosen format.
enum class PictureFormat { Jpeg, Bitmap, PlaceableMetafile, EnhancedMetafile };

// The format SavePicture writes a kind in, under the name it writes (SaveNameFor).
PictureFormat SaveFormatFor(const std::string& writtenName, int kind);

// The limits for loading a photo whose sketch is to be written in the format: JPEG holds at most
// 65500 pixels a side, a placeable metafile 32767; bitmaps and enhanced metafiles hold every
// picture below the pixel limit.
PictureLimits SketchLimits(PictureFormat format, std::int64_t maxPixels = kMaxPicturePixels);

// Writes the sketch under SaveNameFor(name, kind) and returns that name. A metafile is a
// placeable one when that name's real extension is ".wmf" in any case, else an enhanced one;
// its frame is the photo's size. A sketch of zero width or height writes nothing and raises
// Error "没有可保存的素描。".
std::string SavePicture(const Raster& sketch, const std::string& name, int kind, FrameSize frame,
                        ExistingFile existing = ExistingFile::Replace);

void WritePicture(const Raster& sketch, const std::filesystem::path& file, PictureFormat format,
                  FrameSize frame, ExistingFile existing = ExistingFile::Replace);

}  // namespace graphitine
