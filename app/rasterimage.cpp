#include "app/rasterimage.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "sketch/workerpool.h"

using graphitine::Raster;

QImage RasterImage(const Raster& raster) {
  if (raster.IsEmpty()) return QImage();
  return QImage(raster.Data(), raster.Width(), raster.Height(),
                static_cast<qsizetype>(raster.Stride()), QImage::Format_BGR888);
}

namespace {

// The picture pixels [first, last) under view pixel d of a view of `view` pixels over a
// picture of `picture` pixels; at least one.
struct Span {
  int first;
  int last;
};
Span SourceSpan(int d, int view, int picture) {
  const int first = static_cast<int>(std::int64_t{d} * picture / view);
  const int last = static_cast<int>(std::int64_t{d + 1} * picture / view);
  return {first, std::max(last, first + 1)};
}

// The view pixels whose spans meet the picture pixels [first, last), one more on each side so
// that rounding never leaves one out.
Span ViewSpan(int first, int last, int view, int picture) {
  const int from = static_cast<int>(std::int64_t{first} * view / picture) - 1;
  const int to = static_cast<int>(std::int64_t{last} * view / picture) + 2;
  return {std::max(0, from), std::min(view, to)};
}

constexpr int kRowsPerTask = 8;

}  // namespace

void ScaledPicture::Scale(const Raster& picture, const QSize& size, On on) {
  if (picture.IsEmpty() || size.isEmpty()) {
    image_ = QImage();
    return;
  }
  Begin(size);
  ScaleRows(picture, 0, size.width(), 0, size.height(), on);
}

void ScaledPicture::Begin(const QSize& size) {
  if (image_.size() != size) image_ = QImage(size, QImage::Format_RGB32);
}

int ScaledPicture::ScaleReadRows(const Raster& picture, int from, int rowsRead) {
  int to = from;
  while (to < image_.height() &&
         SourceSpan(to, image_.height(), picture.Height()).last <= rowsRead) {
    ++to;
  }
  if (to > from) ScaleRows(picture, 0, image_.width(), from, to);
  return to;
}

QRect ScaledPicture::Rescale(const Raster& picture, const QRect& changed) {
  if (image_.isNull()) return QRect();
  const QRect inside = changed & QRect(0, 0, picture.Width(), picture.Height());
  if (inside.isEmpty()) return QRect();
  const Span columns = ViewSpan(inside.left(), inside.right() + 1, image_.width(), picture.Width());
  const Span rows = ViewSpan(inside.top(), inside.bottom() + 1, image_.height(), picture.Height());
  ScaleRows(picture, columns.first, columns.last, rows.first, rows.last);
  return QRect(columns.first, rows.first, columns.last - columns.first, rows.last - rows.first);
}

void ScaledPicture::ScaleRows(const Raster& picture, int left, int right, int top, int bottom,
                              On on) {
  const int viewWidth = image_.width();
  const int viewHeight = image_.height();
  std::vector<Span> columns(static_cast<std::size_t>(right - left));
  for (int x = left; x < right; ++x) columns[x - left] = SourceSpan(x, viewWidth, picture.Width());
  // Each view row sums its picture rows one after the other, each read from left to right.
  const auto scaleRow = [&](int y, std::vector<std::uint64_t>& sums) {
    const Span rows = SourceSpan(y, viewHeight, picture.Height());
    std::fill(sums.begin(), sums.end(), 0);
    for (int row = rows.first; row < rows.last; ++row) {
      const std::uint8_t* line = picture.Row(row);
      std::uint64_t* sum = sums.data();
      for (const Span& span : columns) {
        const std::uint8_t* pixel = line + 3 * span.first;
        const std::uint8_t* end = line + 3 * span.last;
        for (; pixel < end; pixel += 3) {
          sum[0] += pixel[0];
          sum[1] += pixel[1];
          sum[2] += pixel[2];
        }
        sum += 3;
      }
    }
    auto* out = reinterpret_cast<std::uint32_t*>(image_.scanLine(y)) + left;
    const std::uint64_t* sum = sums.data();
    for (const Span& span : columns) {
      const std::uint64_t count =
          static_cast<std::uint64_t>(rows.last - rows.first) * (span.last - span.first);
      *out++ = static_cast<std::uint32_t>(0xFF000000u | (sum[2] / count) << 16 |
                                          (sum[1] / count) << 8 | (sum[0] / count));
      sum += 3;
    }
  };
  const int tasks = (bottom - top + kRowsPerTask - 1) / kRowsPerTask;
  const auto scaleTask = [&](std::size_t task) {
    std::vector<std::uint64_t> sums(3 * columns.size());
    const int first = top + static_cast<int>(task) * kRowsPerTask;
    for (int y = first; y < std::min(bottom, first + kRowsPerTask); ++y) scaleRow(y, sums);
  };
  if (on == On::ThisThread) {
    graphitine::WorkerPool::RunOnThisThread(static_cast<std::size_t>(tasks), scaleTask, {});
  } else {
    graphitine::WorkerPool::Shared().Run(static_cast<std::size_t>(tasks), 0, scaleTask);
  }
}
