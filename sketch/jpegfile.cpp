#include "sketch/jpegfile.h"

#include <algorithm>
#include <csetjmp>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <stop_token>
#include <string>
#include <vector>

// jpeglib.h needs size_t and FILE declared first.
#include <jerror.h>
#include <jpeglib.h>

#include "sketch/errors.h"
#include "sketch/inputfile.h"
#include "sketch/jpegscans.h"
#include "sketch/jpegsource.h"
#include "sketch/picturelimits.h"

namespace graphitine {

static_assert(kJpegMaxSide == JPEG_MAX_DIMENSION);

namespace {

// libjpeg reports a fatal error by calling error_exit, which must not return. It jumps back to
// the setjmp of the step below that called libjpeg, which reports failure to its caller; the
// caller raises the FileError, and its objects clean up on the way out.
struct ErrorManager {
  jpeg_error_mgr base;
  std::jmp_buf jump;
  int code = 0;
  char message[JMSG_LENGTH_MAX] = {};
};

[[noreturn]] void ExitWithError(j_common_ptr info) {
  auto* manager = reinterpret_cast<ErrorManager*>(info->err);
  manager->code = info->err->msg_code;
  (*info->err->format_message)(info, manager->message);
  std::longjmp(manager->jump, 1);
}

// Warnings (level -1) are ignored, except those that say image data is missing: the file ended
// early, or a scan's data stopped at a marker. libjpeg would fill the rest of the picture with
// grey and carry on.
void EmitMessage(j_common_ptr info, int level) {
  if (level < 0) {
    const int code = info->err->msg_code;
    if (code == JWRN_JPEG_EOF || code == JWRN_HIT_MARKER) ExitWithError(info);
    ++info->err->num_warnings;
  }
}

void Install(ErrorManager& manager, jpeg_error_mgr*& slot) {
  slot = jpeg_std_error(&manager.base);
  manager.base.error_exit = ExitWithError;
  manager.base.emit_message = EmitMessage;
}

FileError JpegError(const ErrorManager& manager, const std::string& file) {
  return FileError("JPEG error #" + std::to_string(manager.code) + " (" + manager.message +
                       "): \"" + file + "\"",
                   file);
}

// Adobe's writers store CMYK inverted (255 is no ink) and mark the file; libjpeg reports that
// mark. Without it the values are taken as plain ink amounts.
void CmykRowToBgr(const std::uint8_t* cmyk, std::uint8_t* bgr, int width, bool inverted) {
  for (int x = 0; x < width; ++x, cmyk += 4, bgr += 3) {
    int c = cmyk[0], m = cmyk[1], y = cmyk[2], k = cmyk[3];
    if (!inverted) c = 255 - c, m = 255 - m, y = 255 - y, k = 255 - k;
    bgr[0] = static_cast<std::uint8_t>((y * k + 127) / 255);
    bgr[1] = static_cast<std::uint8_t>((m * k + 127) / 255);
    bgr[2] = static_cast<std::uint8_t>((c * k + 127) / 255);
  }
}

enum class Output { Bgr, Cmyk, Unsupported };

Output OutputFor(J_COLOR_SPACE stored) {
  switch (stored) {
    case JCS_GRAYSCALE:
    case JCS_YCbCr:
    case JCS_RGB:
      return Output::Bgr;
    case JCS_CMYK:
    case JCS_YCCK:
      return Output::Cmyk;
    default:
      return Output::Unsupported;
  }
}

// The steps below that call libjpeg each hold a setjmp for its errors and keep nothing with a
// destructor of their own, so a jump back into one skips no clean-up; everything that needs one
// (the file, the raster, libjpeg's memory) belongs to the reader's or writer's state. Each
// returns false when libjpeg gave up.

struct DecodeState {
  explicit DecodeState(const std::filesystem::path& file) : in(file) { Install(errors, info.err); }
  ~DecodeState() {
    if (info.mem != nullptr) jpeg_destroy_decompress(&info);
  }
  InputFile in;
  ErrorManager errors;
  jpeg_decompress_struct info{};
  Output output = Output::Bgr;
  std::vector<std::uint8_t> cmykRow;
  bool buffered = false;  // the output follows the last scan as it is decoded
  bool finished = false;
  bool scanAfterOutput = false;
};

bool ReadHeader(DecodeState& s) {
  if (setjmp(s.errors.jump) != 0) return false;
  jpeg_create_decompress(&s.info);
  UseFileSource(s.info, s.in.Stream());
  jpeg_read_header(&s.info, TRUE);
  return true;
}

// A photo of several scans whose last scan completes every coefficient is decoded with the
// output following that last scan (without block smoothing, which libjpeg would not apply to
// a complete photo either): its rows come while the last scan is still being decoded.
bool StartDecompress(DecodeState& s, int eighths, const std::optional<JpegScans>& scans,
                     const std::stop_token& stop) {
  if (setjmp(s.errors.jump) != 0) return false;
  s.info.scale_num = static_cast<unsigned>(eighths);
  s.info.scale_denom = 8;
  if (eighths < 8) {
    s.info.dct_method = JDCT_IFAST;
    s.info.do_fancy_upsampling = FALSE;
  }
  s.buffered = scans && scans->complete;
  if (s.buffered) {
    s.info.buffered_image = TRUE;
    s.info.do_block_smoothing = FALSE;
  }
  jpeg_start_decompress(&s.info);
  if (s.buffered) {
    // Every scan before the last is decoded here; the output then follows the last one. Should
    // the file end sooner than its markers said, everything is read and libjpeg decides on the
    // smoothing as for a plain decode.
    while (static_cast<int>(s.info.input_scan_number) < scans->count) {
      if (stop.stop_requested()) return true;
      if (jpeg_consume_input(&s.info) == JPEG_REACHED_EOI) break;
    }
    if (jpeg_input_complete(&s.info)) s.info.do_block_smoothing = TRUE;
    jpeg_start_output(&s.info, s.info.input_scan_number);
  }
  return true;
}

bool DecodeRows(DecodeState& s, RowTable picture, int rows) {
  if (setjmp(s.errors.jump) != 0) return false;
  const bool inverted = s.info.saw_Adobe_marker != 0;
  while (static_cast<int>(s.info.output_scanline) < rows) {
    const int y = static_cast<int>(s.info.output_scanline);
    if (s.output == Output::Bgr) {
      // Decoded straight into the picture's rows, several at a time where libjpeg can.
      JSAMPROW bands[8];
      const int count = std::min(8, rows - y);
      for (int i = 0; i < count; ++i) bands[i] = picture.Row(y + i);
      jpeg_read_scanlines(&s.info, bands, static_cast<JDIMENSION>(count));
    } else {
      JSAMPROW row = s.cmykRow.data();
      jpeg_read_scanlines(&s.info, &row, 1);
      CmykRowToBgr(s.cmykRow.data(), picture.Row(y), static_cast<int>(s.info.output_width),
                   inverted);
    }
  }
  if (s.info.output_scanline == s.info.output_height && !s.finished) {
    if (s.buffered) jpeg_finish_output(&s.info);
    jpeg_finish_decompress(&s.info);
    s.finished = true;
    // A scan after the one the output followed would have changed the rows.
    s.scanAfterOutput = s.buffered && s.info.input_scan_number != s.info.output_scan_number;
  }
  return true;
}

struct EncodeState {
  explicit EncodeState(const std::filesystem::path& file) : out(file), name(file.string()) {
    Install(errors, info.err);
  }
  ~EncodeState() {
    if (info.mem != nullptr) jpeg_destroy_compress(&info);
  }
  AtomicFile out;
  std::string name;
  ErrorManager errors;
  jpeg_compress_struct info{};
};

bool StartCompress(EncodeState& s, int width, int height, int quality) {
  if (setjmp(s.errors.jump) != 0) return false;
  jpeg_create_compress(&s.info);
  jpeg_stdio_dest(&s.info, s.out.Stream());
  s.info.image_width = static_cast<JDIMENSION>(width);
  s.info.image_height = static_cast<JDIMENSION>(height);
  s.info.input_components = 3;
  s.info.in_color_space = JCS_EXT_BGR;
  jpeg_set_defaults(&s.info);
  jpeg_set_quality(&s.info, quality, TRUE);  // TRUE: baseline, tables limited to 8 bits
  jpeg_start_compress(&s.info, TRUE);
  return true;
}

bool EncodeRows(EncodeState& s, ConstRowTable picture, int rows) {
  if (setjmp(s.errors.jump) != 0) return false;
  while (static_cast<int>(s.info.next_scanline) < rows) {
    JSAMPROW bands[8];
    const int y = static_cast<int>(s.info.next_scanline);
    const int count = std::min(8, rows - y);
    // libjpeg takes the rows as writable but only reads them.
    for (int i = 0; i < count; ++i) bands[i] = const_cast<JSAMPROW>(picture.Row(y + i));
    jpeg_write_scanlines(&s.info, bands, static_cast<JDIMENSION>(count));
  }
  return true;
}

bool FinishCompress(EncodeState& s) {
  if (setjmp(s.errors.jump) != 0) return false;
  jpeg_finish_compress(&s.info);
  return true;
}

}  // namespace

struct JpegReader::State : DecodeState {
  using DecodeState::DecodeState;
};

JpegReader::JpegReader(const std::filesystem::path& file, const PictureLimits& limits)
    : state_(std::make_unique<State>(file)) {
  DecodeState& s = *state_;
  if (!ReadHeader(s)) throw JpegError(s.errors, s.in.Name());
  const Output output = OutputFor(s.info.jpeg_color_space);
  if (output == Output::Unsupported) {
    throw FileError("JPEG error: unsupported colour space with " +
                        std::to_string(s.info.num_components) + " components: \"" + s.in.Name() +
                        "\"",
                    s.in.Name());
  }
  s.output = output;
  s.info.out_color_space = output == Output::Bgr ? JCS_EXT_BGR : JCS_CMYK;
  CheckPictureSize(s.info.image_width, s.info.image_height, s.in.Name(), limits);
}

JpegReader::~JpegReader() = default;

int JpegReader::Width() const { return static_cast<int>(state_->info.image_width); }
int JpegReader::Height() const { return static_cast<int>(state_->info.image_height); }
int JpegReader::RowsRead() const { return static_cast<int>(state_->info.output_scanline); }

Raster JpegReader::Start(int eighths) {
  Begin(eighths, {});
  // Every row is decoded into, so the raster need not be whitened first.
  return Raster::Uninitialized(OutputWidth(), OutputHeight());
}

void JpegReader::Begin(int eighths, const std::stop_token& stop) {
  DecodeState& s = *state_;
  eighths = std::clamp(eighths, 1, 8);
  std::optional<JpegScans> scans;
  if (eighths == 8 && jpeg_has_multiple_scans(&s.info)) scans = SurveyJpegScans(s.in.Stream());
  if (!StartDecompress(s, eighths, scans, stop)) throw JpegError(s.errors, s.in.Name());
  if (stop.stop_requested()) throw Stopped();
  const int width = static_cast<int>(s.info.output_width);
  if (s.output == Output::Cmyk) s.cmykRow.resize(4 * static_cast<std::size_t>(width));
}

int JpegReader::OutputWidth() const { return static_cast<int>(state_->info.output_width); }
int JpegReader::OutputHeight() const { return static_cast<int>(state_->info.output_height); }

void JpegReader::ReadRows(Raster& picture, int rows) {
  const int until = std::min(rows, OutputHeight());
  const RasterRows table(picture, RowsRead(), until - 1);
  ReadRows(table.Table(), until);
}

void JpegReader::ReadRows(RowTable picture, int rows) {
  DecodeState& s = *state_;
  if (!DecodeRows(s, picture, std::min(rows, static_cast<int>(s.info.output_height)))) {
    throw JpegError(s.errors, s.in.Name());
  }
  if (s.scanAfterOutput) {
    throw FileError("JPEG error: a scan follows the end of the picture: \"" + s.in.Name() + "\"",
                    s.in.Name());
  }
}

struct JpegWriter::State : EncodeState {
  using EncodeState::EncodeState;
};

namespace {

const std::filesystem::path& NotEmpty(const std::filesystem::path& file, int width, int height) {
  if (width <= 0 || height <= 0) {
    throw FileError("Cannot write an empty JPEG picture: \"" + file.string() + "\"", file.string());
  }
  return file;
}

}  // namespace

JpegWriter::JpegWriter(const std::filesystem::path& file, int width, int height, int quality)
    : state_(std::make_unique<State>(NotEmpty(file, width, height))) {
  if (!StartCompress(*state_, width, height, quality)) {
    throw JpegError(state_->errors, state_->name);
  }
}

JpegWriter::~JpegWriter() = default;

int JpegWriter::RowsWritten() const { return static_cast<int>(state_->info.next_scanline); }

void JpegWriter::WriteRows(const Raster& picture, int rows) {
  const int until = std::min(rows, static_cast<int>(state_->info.image_height));
  const ConstRasterRows table(picture, RowsWritten(), until - 1);
  WriteRows(table.Table(), until);
}

void JpegWriter::WriteRows(ConstRowTable picture, int rows) {
  EncodeState& s = *state_;
  if (!EncodeRows(s, picture, std::min(rows, static_cast<int>(s.info.image_height)))) {
    throw JpegError(s.errors, s.name);
  }
}

void JpegWriter::Commit(ExistingFile existing) {
  if (!FinishCompress(*state_)) throw JpegError(state_->errors, state_->name);
  state_->out.Commit(existing);
}

Raster ReadJpeg(const std::filesystem::path& file, const PictureLimits& limits) {
  JpegReader reader(file, limits);
  Raster picture = reader.Start();
  reader.ReadRows(picture, picture.Height());
  return picture;
}

int ReducedEighths(int width, int height, int viewWidth, int viewHeight) {
  // libjpeg rounds a reduced size up.
  auto reduced = [](int side, int eighths) {
    return (static_cast<std::int64_t>(side) * eighths + 7) / 8;
  };
  for (int eighths = 1; eighths < 8; ++eighths) {
    if (reduced(width, eighths) >= viewWidth || reduced(height, eighths) >= viewHeight) {
      return eighths;
    }
  }
  return 8;
}

void WriteJpeg(const Raster& picture, const std::filesystem::path& file, int quality,
               ExistingFile existing) {
  JpegWriter writer(file, picture.Width(), picture.Height(), quality);
  writer.WriteRows(picture, picture.Height());
  writer.Commit(existing);
}

}  // namespace graphitine
