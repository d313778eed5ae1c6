#include "sketch/picturefile.h"

#include <cstdint>
#include <new>

#include "sketch/bmpfile.h"
#include "sketch/errors.h"
#include "sketch/inputfile.h"
#include "sketch/jpegfile.h"

namespace graphitine {

namespace {

bool Contains(const std::string& text, const char* part) {
  return text.find(part) != std::string::npos;
}

}  // namespace

PictureContent PictureContentOf(const std::filesystem::path& file) {
  InputFile in(file);
  std::uint8_t head[3] = {};
  const std::size_t got = in.ReadSome(head, sizeof head);
  if (got == 3 && head[0] == 0xFF && head[1] == 0xD8 && head[2] == 0xFF) {
    return PictureContent::Jpeg;
  }
  if (got >= 2 && head[0] == 'B' && head[1] == 'M') return PictureContent::Bitmap;
  throw FileError("Not a JPEG or bitmap picture: \"" + in.Name() + "\"", in.Name());
}

FileError NotEnoughMemoryToLoad(const std::string& file) {
  return FileError("Not enough memory to load \"" + file + "\"", file);
}

PictureReader::PictureReader(const std::filesystem::path& file, const PictureLimits& limits)
    : name_(file.string()) {
  try {
    if (PictureContentOf(file) == PictureContent::Jpeg) {
      jpeg_ = std::make_unique<JpegReader>(file, limits);
    } else {
      bitmap_ = ReadBmp(file, limits);
      bitmapWidth_ = bitmap_.Width();
      bitmapHeight_ = bitmap_.Height();
    }
  } catch (const std::bad_alloc&) {
    throw NotEnoughMemoryToLoad(name_);
  }
}

PictureReader::~PictureReader() = default;

int PictureReader::Width() const { return jpeg_ ? jpeg_->Width() : bitmapWidth_; }

int PictureReader::Height() const { return jpeg_ ? jpeg_->Height() : bitmapHeight_; }

Raster PictureReader::Start() {
  started_ = true;
  if (!jpeg_) return std::move(bitmap_);
  try {
    return jpeg_->Start();
  } catch (const std::bad_alloc&) {
    throw NotEnoughMemoryToLoad(name_);
  }
}

void PictureReader::ReadRows(Raster& picture, int rows) {
  if (jpeg_) jpeg_->ReadRows(picture, rows);
}

int PictureReader::RowsRead() const {
  if (jpeg_) return jpeg_->RowsRead();
  return started_ ? bitmapHeight_ : 0;
}

Raster LoadPicture(const std::filesystem::path& file, const PictureLimits& limits) {
  PictureReader reader(file, limits);
  Raster picture = reader.Start();
  reader.ReadRows(picture, picture.Height());
  return picture;
}

PicturePreview LoadPicturePreview(const std::filesystem::path& file, int viewWidth, int viewHeight,
                                  const PictureLimits& limits) {
  try {
    if (PictureContentOf(file) == PictureContent::Bitmap) {
      Raster photo = ReadBmp(file, limits);
      const int photoWidth = photo.Width(), photoHeight = photo.Height();
      return {std::move(photo), photoWidth, photoHeight};
    }
    JpegReader reader(file, limits);
    PicturePreview preview{
        reader.Start(ReducedEighths(reader.Width(), reader.Height(), viewWidth, viewHeight)),
        reader.Width(), reader.Height()};
    reader.ReadRows(preview.picture, preview.picture.Height());
    return preview;
  } catch (const std::bad_alloc&) {
    throw NotEnoughMemoryToLoad(file.string());
  }
}

std::string SaveNameFor(const std::string& name, int kind) {
  const char* lower = kind == kJpegKind ? ".jpg" : kind == kBitmapKind ? ".bmp" : ".wmf";
  const char* upper = kind == kJpegKind ? ".JPG" : kind == kBitmapKind ? ".BMP" : ".WMF";
  if (Contains(name, lower) || Contains(name, upper)) return name;
  return name + lower;
}

PictureFormat SaveFormatFor(const std::string& writtenName, int kind) {
  if (kind == kJpegKind) return PictureFormat::Jpeg;
  if (kind == kBitmapKind) return PictureFormat::Bitmap;
  return MetafileFormatFor(writtenName) == MetafileFormat::Placeable
             ? PictureFormat::PlaceableMetafile
             : PictureFormat::EnhancedMetafile;
}

// A bitmap file or an enhanced metafile stores its size in 32 bits; every raster below the pixel
// limit fits: with rows padded, (3W + 4)(H + 1) bytes, at most 10 bytes a pixel.
static_assert(10 * kMaxPicturePixels + 4096 < std::int64_t{1} << 32);

PictureLimits SketchLimits(PictureFormat format, std::int64_t maxPixels) {
  PictureLimits limits;
  limits.maxPixels = maxPixels;
  if (format == PictureFormat::Jpeg) {
    limits.maxSketchSide = kJpegMaxSide;
    limits.sketchFormat = "JPEG";
  } else if (format == PictureFormat::PlaceableMetafile) {
    limits.maxSketchSide = kPlaceableMaxSide;
    limits.sketchFormat = "Windows metafile";
  }
  return limits;
}

std::string SavePicture(const Raster& sketch, const std::string& name, int kind, FrameSize frame,
                        ExistingFile existing) {
  if (sketch.IsEmpty()) throw Error("没有可保存的素描。");
  const std::string written = SaveNameFor(name, kind);
  WritePicture(sketch, written, SaveFormatFor(written, kind), frame, existing);
  return written;
}

void WritePicture(const Raster& sketch, const std::filesystem::path& file, PictureFormat format,
                  FrameSize frame, ExistingFile existing) {
  switch (format) {
    case PictureFormat::Jpeg:
      WriteJpeg(sketch, file, kSketchJpegQuality, existing);
      break;
    case PictureFormat::Bitmap:
      WriteBmp(sketch, file, existing);
      break;
    case PictureFormat::PlaceableMetafile:
      WriteMetafile(sketch, frame, file, MetafileFormat::Placeable, existing);
      break;
    case PictureFormat::EnhancedMetafile:
      WriteMetafile(sketch, frame, file, MetafileFormat::Enhanced, existing);
      break;
  }
}

}  // namespace graphitine
