#include "sketch/jpegsource.h"

#include <jerror.h>

#include <cstddef>

namespace graphitine {

namespace {

constexpr std::size_t kBufferBytes = std::size_t{64} << 10;

struct FileSource {
  jpeg_source_mgr base;  // first, so that libjpeg's pointer to it is one to the whole
  std::FILE* stream;
  JOCTET* buffer;
  bool startOfFile;
};

FileSource& SourceOf(j_decompress_ptr info) { return *reinterpret_cast<FileSource*>(info->src); }

void InitSource(j_decompress_ptr info) { SourceOf(info).startOfFile = true; }

boolean FillInputBuffer(j_decompress_ptr info) {
  FileSource& source = SourceOf(info);
  std::size_t got = std::fread(source.buffer, 1, kBufferBytes, source.stream);
  if (got == 0) {
    if (source.startOfFile) ERREXIT(info, JERR_INPUT_EMPTY);
    WARNMS(info, JWRN_JPEG_EOF);
    source.buffer[0] = 0xFF;
    source.buffer[1] = JPEG_EOI;
    got = 2;
  }
  source.base.next_input_byte = source.buffer;
  source.base.bytes_in_buffer = got;
  source.startOfFile = false;
  return TRUE;
}

void SkipInputData(j_decompress_ptr info, long count) {
  if (count <= 0) return;
  jpeg_source_mgr& base = SourceOf(info).base;
  auto bytes = static_cast<std::size_t>(count);
  while (bytes > base.bytes_in_buffer) {
    bytes -= base.bytes_in_buffer;
    FillInputBuffer(info);
  }
  base.next_input_byte += bytes;
  base.bytes_in_buffer -= bytes;
}

void TermSource(j_decompress_ptr) {}

}  // namespace

void UseFileSource(jpeg_decompress_struct& info, std::FILE* stream) {
  auto* common = reinterpret_cast<j_common_ptr>(&info);
  auto* source = static_cast<FileSource*>(
      (*info.mem->alloc_small)(common, JPOOL_PERMANENT, sizeof(FileSource)));
  source->buffer =
      static_cast<JOCTET*>((*info.mem->alloc_large)(common, JPOOL_PERMANENT, kBufferBytes));
  source->stream = stream;
  source->startOfFile = true;
  source->base.init_source = InitSource;
  source->base.fill_input_buffer = FillInputBuffer;
  source->base.skip_input_data = SkipInputData;
  source->base.resync_to_restart = jpeg_resync_to_restart;
  source->base.term_source = TermSource;
  source->base.bytes_in_buffer = 0;
  source->base.next_input_byte = nullptr;
  info.src = &source->base;
}

}  // namespace graphitine
