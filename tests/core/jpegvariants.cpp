#include "tests/core/jpegvariants.h"

#include <cstdio>
#include <stdexcept>
#include <vector>

// jpeglib.h needs size_t and FILE declared first.
#include <jpeglib.h>

namespace graphitine::testing {

const std::vector<JpegVariant>& JpegVariants() {
  static const std::vector<JpegVariant> variants = {
      {.name = "baseline 4:2:0"},
      {.name = "baseline 4:2:2", .lumaHeight = 1},
      {.name = "baseline 4:4:4", .lumaWidth = 1, .lumaHeight = 1},
      {.name = "baseline 4:4:0", .lumaWidth = 1},
      {.name = "baseline with restart markers", .restartRows = 1},
      {.name = "progressive 4:2:0", .progressive = true},
      {.name = "progressive 4:2:2", .lumaHeight = 1, .progressive = true},
      {.name = "progressive 4:4:4", .lumaWidth = 1, .lumaHeight = 1, .progressive = true},
      {.name = "progressive with restart markers", .progressive = true, .restartRows = 2},
      {.name = "progressive, arithmetic coding", .progressive = true, .arithmetic = true},
      {.name = "progressive greyscale", .progressive = true, .grey = true},
      {.name = "sequential, a scan per component", .componentScans = true},
      {.name = "progressive without its last scan (smoothed by libjpeg)",
       .progressive = true,
       .lastScanLeftOut = true},
  };
  return variants;
}

void WriteJpegVariant(const Raster& picture, const std::filesystem::path& file,
                      const JpegVariant& variant, int quality) {
  jpeg_compress_struct info;
  jpeg_error_mgr errors;
  info.err = jpeg_std_error(&errors);
  jpeg_create_compress(&info);
  std::FILE* out = std::fopen(file.c_str(), "wb");
  if (out == nullptr) throw std::runtime_error("cannot write " + file.string());
  jpeg_stdio_dest(&info, out);
  info.image_width = static_cast<JDIMENSION>(picture.Width());
  info.image_height = static_cast<JDIMENSION>(picture.Height());
  info.input_components = 3;
  info.in_color_space = JCS_EXT_BGR;
  jpeg_set_defaults(&info);
  if (variant.grey) jpeg_set_colorspace(&info, JCS_GRAYSCALE);
  jpeg_set_quality(&info, quality, TRUE);
  info.comp_info[0].h_samp_factor = variant.lumaWidth;
  info.comp_info[0].v_samp_factor = variant.lumaHeight;
  info.restart_in_rows = variant.restartRows;
  info.arith_code = variant.arithmetic ? TRUE : FALSE;
  if (variant.progressive) {
    jpeg_simple_progression(&info);
    if (variant.lastScanLeftOut) --info.num_scans;  // luma's last bit comes last
  }
  jpeg_scan_info componentScans[3];
  if (variant.componentScans) {
    for (int c = 0; c < 3; ++c) componentScans[c] = {1, {c}, 0, 63, 0, 0};
    info.scan_info = componentScans;
    info.num_scans = 3;
  }
  jpeg_start_compress(&info, TRUE);
  while (info.next_scanline < info.image_height) {
    JSAMPROW row = const_cast<JSAMPROW>(picture.Row(static_cast<int>(info.next_scanline)));
    jpeg_write_scanlines(&info, &row, 1);
  }
  jpeg_finish_compress(&info);
  jpeg_destroy_compress(&info);
  std::fclose(out);
}

Raster PlainDecode(const std::filesystem::path& file) {
  std::FILE* stream = std::fopen(file.c_str(), "rb");
  if (stream == nullptr) throw std::runtime_error("cannot read " + file.string());
  jpeg_decompress_struct info{};
  jpeg_error_mgr errors{};
  info.err = jpeg_std_error(&errors);
  jpeg_create_decompress(&info);
  jpeg_stdio_src(&info, stream);
  jpeg_read_header(&info, TRUE);
  info.out_color_space = JCS_EXT_BGR;
  jpeg_start_decompress(&info);
  Raster picture(static_cast<int>(info.output_width), static_cast<int>(info.output_height));
  while (info.output_scanline < info.output_height) {
    JSAMPROW row = picture.Row(static_cast<int>(info.output_scanline));
    jpeg_read_scanlines(&info, &row, 1);
  }
  jpeg_finish_decompress(&info);
  jpeg_destroy_decompress(&info);
  std::fclose(stream);
  return picture;
}

}  // namespace graphitine::testing
