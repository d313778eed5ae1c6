#pragma once
// JPEG files through libjpeg's own interface.
//
// Reading takes every colour space libjpeg decodes (greyscale, YCbCr, RGB, CMYK and YCCK) to a
// 24-bit raster. libjpeg's errors become FileError with its own message and the file name; a
// file whose data ends early ("Premature end of JPEG file") or whose scan data stops at a marker
// ("Corrupt JPEG data: premature end of data segment") is such an error too, while warnings
// about extraneous bytes are not.
//
// Writing is baseline colour JPEG at the given quality, every other setting at libjpeg's
// defaults.
//
// JpegReader and JpegWriter work a band of rows at a time, for callers that convert the rows as
// they arrive; ReadJpeg and WriteJpeg do a whole picture.
#include <cstdint>
#include <filesystem>
#include <memory>
#include <stop_token>

#include "sketch/atomicfile.h"
#include "sketch/picturelimits.h"
#include "sketch/raster.h"
#include "sketch/rowtable.h"

namespace graphitine {

inline constexpr int kSketchJpegQuality = 20;
// The longest side libjpeg writes.
inline constexpr int kJpegMaxSide = 65500;

// The picture's size is checked against limits before it is decoded.
Raster ReadJpeg(const std::filesystem::path& file, const PictureLimits& limits = {});

// The smallest n/8 (n from 1 to 8) at which libjpeg decodes a width x height picture still at
// least as large as the picture shown fitted into a viewWidth x viewHeight view, its proportions
// kept: at that scale it spans the view's width or its height (n is 8 when even the full size
// spans neither).
int ReducedEighths(int width, int height, int viewWidth, int viewHeight);

void WriteJpeg(const Raster& picture, const std::filesystem::path& file,
               int quality = kSketchJpegQuality, ExistingFile existing = ExistingFile::Replace);

class JpegReader {
 public:
  // Opens the file and reads its header; the picture's size is checked against limits.
  JpegReader(const std::filesystem::path& file, const PictureLimits& limits = {});
  JpegReader(const JpegReader&) = delete;
  JpegReader& operator=(const JpegReader&) = delete;
  ~JpegReader();

  // The stored picture's size.
  int Width() const;
  int Height() const;

  // Starts decoding at eighths/8 of the stored size (1 to 8); reduced pictures are decoded with
  // libjpeg's quicker, rougher methods. Returns a raster of the decoded size for ReadRows.
  Raster Start(int eighths = 8);
  // The same for a caller that keeps the rows itself. A progressive photo's scans before the
  // last are decoded here, which takes a while: stop is checked between their rows of blocks,
  // and once it is requested Begin raises Stopped.
  void Begin(int eighths = 8, const std::stop_token& stop = {});
  // The decoded size, once started.
  int OutputWidth() const;
  int OutputHeight() const;
  // Decodes rows into picture until its first `rows` rows are there (at most its height); once
  // the last row is read, the rest of the file is checked too.
  void ReadRows(Raster& picture, int rows);
  // The same into rows given by a table: the rows from RowsRead() to rows - 1 must be there.
  void ReadRows(RowTable picture, int rows);
  int RowsRead() const;

 private:
  struct State;
  std::unique_ptr<State> state_;
};

class JpegWriter {
 public:
  // Creates the temporary file that a width x height picture is encoded into; raises FileError
  // for an empty size.
  JpegWriter(const std::filesystem::path& file, int width, int height,
             int quality = kSketchJpegQuality);
  JpegWriter(const JpegWriter&) = delete;
  JpegWriter& operator=(const JpegWriter&) = delete;
  // Without Commit, the temporary file is removed and nothing is written under the name.
  ~JpegWriter();

  // Encodes the rows of picture (of the size given) from RowsWritten() up to `rows`.
  void WriteRows(const Raster& picture, int rows);
  // The same from rows given by a table.
  void WriteRows(ConstRowTable picture, int rows);
  int RowsWritten() const;
  // Once every row is written: ends the file and moves it into place.
  void Commit(ExistingFile existing = ExistingFile::Replace);

 private:
  struct State;
  std::unique_ptr<State> state_;
};

}  // namespace graphitine
