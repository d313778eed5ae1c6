#pragma once
// libjpeg's data source for a file opened with stdio, reading 64 KiB at a time.
//
// libjpeg's own stdio source reads 4 KiB at a time, and its quick Huffman decoder runs only
// while a few KiB of data are left in the source's buffer (for photos sampled 2 x 1, 2 KiB):
// so with the stdio source half of each buffer is decoded the slow way. With a larger buffer
// nearly all of it is decoded the quick way. The rest behaves as libjpeg's stdio source: an empty
// file is an error, and a file that ends early gets an end marker and a warning.
#include <cstdio>

// jpeglib.h needs size_t and FILE declared first.
#include <jpeglib.h>

namespace graphitine {

// The source lives in the decompressor's permanent memory; the stream must stay open until the
// decompressor is destroyed.
void UseFileSource(jpeg_decompress_struct& info, std::FILE* stream);

}  // namespace graphitine
