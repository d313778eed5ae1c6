#include "sketch/jpegfile.h"

#include <csetjmp>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

// jpeglib.h needs size_t and FILE declared first.
#include <jpeglib.h>
#include <jerror.h>

#include "sketch/errors.h"
#include "sketch/inputfile.h"
#include "sketch/picturelimits.h"

namespace graphitine {

static_assert(kJpegMaxSide == JPEG_MAX_DIMENSION);

namespace {

// libjpeg reports a fatal error by calling error_exit, which must not return. It jumps back to
// the setjmp in Decode or Encode below, which then report failure to their caller; the caller
// raises the FileError, and its objects clean up on the way out.
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

// Releases libjpeg's memory on every way out, also when nothing was created yet.
template <typename Info>
struct InfoGuard {
  Info& info;
  ~InfoGuard() {
    if (info.mem != nullptr) jpeg_destroy(reinterpret_cast<j_common_ptr>(&info));
  }
};

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

// The decoding itself. It holds the only setjmp of reading and keeps nothing with a destructor
// of its own, so a jump back into it skips no clean-up; everything that needs one (the file,
// the raster, libjpeg's memory) belongs to the caller. Returns false when libjpeg gave up.
bool Decode(jpeg_decompress_struct& info, ErrorManager& errors, InputFile& in,
            const PictureLimits& limits, Raster& picture, std::vector<std::uint8_t>& cmykRow) {
  if (setjmp(errors.jump) != 0) return false;
  jpeg_create_decompress(&info);
  jpeg_stdio_src(&info, in.Stream());
  jpeg_read_header(&info, TRUE);

  const Output output = OutputFor(info.jpeg_color_space);
  if (output == Output::Unsupported) {
    throw FileError("JPEG error: unsupported colour space with " +
                        std::to_string(info.num_components) + " components: \"" + in.Name() +
                        "\"",
                    in.Name());
  }
  info.out_color_space = output == Output::Bgr ? JCS_EXT_BGR : JCS_CMYK;
  CheckPictureSize(info.image_width, info.image_height, in.Name(), limits);
  jpeg_start_decompress(&info);

  const int width = static_cast<int>(info.output_width);
  const int height = static_cast<int>(info.output_height);
  picture.SetSize(width, height);
  if (output == Output::Cmyk) cmykRow.resize(4 * static_cast<std::size_t>(width));
  const bool inverted = info.saw_Adobe_marker != 0;
  while (info.output_scanline < info.output_height) {
    const int y = static_cast<int>(info.output_scanline);
    if (output == Output::Bgr) {
      // Decoded straight into the raster's rows, several at a time where libjpeg can.
      JSAMPROW rows[8];
      const int count = std::min(8, height - y);
      for (int i = 0; i < count; ++i) rows[i] = picture.Row(y + i);
      jpeg_read_scanlines(&info, rows, static_cast<JDIMENSION>(count));
    } else {
      JSAMPROW row = cmykRow.data();
      jpeg_read_scanlines(&info, &row, 1);
      CmykRowToBgr(cmykRow.data(), picture.Row(y), width, inverted);
    }
  }
  jpeg_finish_decompress(&info);
  return true;
}

// The encoding, built like Decode.
bool Encode(jpeg_compress_struct& info, ErrorManager& errors, const Raster& picture, int quality,
            std::FILE* stream) {
  if (setjmp(errors.jump) != 0) return false;
  jpeg_create_compress(&info);
  jpeg_stdio_dest(&info, stream);
  info.image_width = static_cast<JDIMENSION>(picture.Width());
  info.image_height = static_cast<JDIMENSION>(picture.Height());
  info.input_components = 3;
  info.in_color_space = JCS_EXT_BGR;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, quality, TRUE);  // TRUE: baseline, tables limited to 8 bits
  jpeg_start_compress(&info, TRUE);
  while (info.next_scanline < info.image_height) {
    JSAMPROW rows[8];
    const int y = static_cast<int>(info.next_scanline);
    const int count = std::min(8, picture.Height() - y);
    for (int i = 0; i < count; ++i) rows[i] = const_cast<JSAMPROW>(picture.Row(y + i));
    jpeg_write_scanlines(&info, rows, static_cast<JDIMENSION>(count));
  }
  jpeg_finish_compress(&info);
  return true;
}

}  // namespace

Raster ReadJpeg(const std::filesystem::path& file, const PictureLimits& limits) {
  InputFile in(file);
  Raster picture;
  std::vector<std::uint8_t> cmykRow;
  jpeg_decompress_struct info{};
  ErrorManager errors;
  InfoGuard<jpeg_decompress_struct> guard{info};
  Install(errors, info.err);
  if (!Decode(info, errors, in, limits, picture, cmykRow)) throw JpegError(errors, in.Name());
  return picture;
}

void WriteJpeg(const Raster& picture, const std::filesystem::path& file, int quality,
               ExistingFile existing) {
  const std::string name = file.string();
  if (picture.IsEmpty()) throw FileError("Cannot write an empty JPEG picture: \"" + name + "\"", name);
  AtomicFile out(file);
  jpeg_compress_struct info{};
  ErrorManager errors;
  InfoGuard<jpeg_compress_struct> guard{info};
  Install(errors, info.err);
  if (!Encode(info, errors, picture, quality, out.Stream())) throw JpegError(errors, name);
  out.Commit(existing);
}

}  // namespace graphitine
