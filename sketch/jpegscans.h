#pragma once
// A quick survey of a JPEG file's scans, read from its markers without decoding any data: how
// many scans there are, and whether together they give every coefficient of every component
// to full precision.
//
// A progressive photo yields no row until its last scan is decoded. When its scans complete
// every coefficient, libjpeg's rows equal those it gives with its output following that last
// scan as it is decoded (buffered-image mode), so the photo's rows, and the work on them, can
// start while the last scan, often the largest, is still being decoded.
#include <cstdio>
#include <optional>

namespace graphitine {

struct JpegScans {
  int count = 0;          // scans in the file, as libjpeg numbers them from 1
  bool complete = false;  // every coefficient of every component ends at full precision
};

// Reads the stream from its start to the end-of-image marker and puts its position back as it
// was. Nothing when the markers do not make a whole, well-formed picture (a truncated or damaged
// file): the caller then decodes the plain way, and libjpeg reports what it finds.
std::optional<JpegScans> SurveyJpegScans(std::FILE* stream);

}  // namespace graphitine
