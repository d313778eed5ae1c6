#pragma once
// The large photo the benchmarks work on. GRAPHITINE_BENCH_PHOTO names a photo to use (such as
// those bench/photos.sh makes); without it a synthetic 5640 x 3172 photo (18 megapixels) is
// written to a temporary JPEG first.
#include <filesystem>

const std::filesystem::path& BenchPhoto();
