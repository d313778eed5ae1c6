#include "sketch/rasterdelta.h"

#include <algorithm>
#include <cstring>
#include <functional>

#include "sketch/workerpool.h"

namespace graphitine {

namespace {

constexpr int kTile = RasterDelta::kTileSize;
constexpr std::size_t kTileBytes = std::size_t{kTile} * kTile * Raster::kBytesPerPixel;
// A grey run goes on over fewer unchanged pixels than this: skipping them costs more.
constexpr std::size_t kUnchangedWorthASkip = 3;
// Tiles applied per task of the worker pool; fewer in all run on the calling thread.
constexpr std::size_t kTilesPerTask = 64;

void PutCount(std::vector<std::uint8_t>& code, std::size_t count) {
  while (count >= 0x80) {
    code.push_back(static_cast<std::uint8_t>(count | 0x80));
    count >>= 7;
  }
  code.push_back(static_cast<std::uint8_t>(count));
}

std::size_t GetCount(const std::uint8_t*& code) {
  std::size_t count = 0;
  for (int shift = 0;; shift += 7) {
    const std::uint8_t byte = *code++;
    count |= static_cast<std::size_t>(byte & 0x7F) << shift;
    if ((byte & 0x80) == 0) return count;
  }
}

// The change of a pixel: byte by byte, the state after minus the state before (wrapping). A
// sketch is grey, and so are the pencil's strokes, so most changed pixels change by the same
// amount in all three bytes: a "grey" change, kept in one byte.
bool Grey(const std::uint8_t* change) { return change[0] == change[1] && change[1] == change[2]; }
bool Unchanged(const std::uint8_t* change) { return (change[0] | change[1] | change[2]) == 0; }

// A tile's changes, pixel by pixel, as runs: (unchanged pixels skipped, pixels in the run times 2
// plus 1 for a grey run, then one byte per pixel of a grey run or three of another). Unchanged
// pixels after the last changed one are left out.
void Squeeze(const std::uint8_t* changes, std::size_t pixels, std::vector<std::uint8_t>& code) {
  const auto at = [changes](std::size_t pixel) { return changes + 3 * pixel; };
  std::size_t done = 0;
  while (done < pixels) {
    std::size_t start = done;
    while (start < pixels && Unchanged(at(start))) ++start;
    if (start == pixels) return;
    const bool grey = Grey(at(start));
    std::size_t end = start + 1;
    while (end < pixels && Grey(at(end)) == grey) {
      if (!Unchanged(at(end))) {
        ++end;
        continue;
      }
      std::size_t unchanged = end;
      while (unchanged < pixels && Unchanged(at(unchanged))) ++unchanged;
      if (unchanged == pixels || unchanged - end >= kUnchangedWorthASkip) break;
      end = unchanged;
    }
    PutCount(code, start - done);
    PutCount(code, (end - start) << 1 | (grey ? 1 : 0));
    for (std::size_t pixel = start; pixel < end; ++pixel) {
      code.insert(code.end(), at(pixel), at(pixel) + (grey ? 1 : 3));
    }
    done = end;
  }
}

void Expand(const std::uint8_t* code, const std::uint8_t* end, std::uint8_t* changes,
            std::size_t pixels) {
  std::memset(changes, 0, 3 * pixels);
  std::uint8_t* at = changes;
  while (code < end) {
    at += 3 * GetCount(code);
    const std::size_t run = GetCount(code);
    const bool grey = (run & 1) != 0;
    for (std::size_t pixel = 0; pixel < run >> 1; ++pixel, at += 3) {
      if (grey) {
        at[0] = at[1] = at[2] = *code++;
      } else {
        std::memcpy(at, code, 3);
        code += 3;
      }
    }
  }
}

// Row y of a state, columns left .. left + width - 1, as bytes; white where the state has no
// pixels. The state's pixels are those of `area`, the row of the area starting at pixels + the
// row's offset.
void ReadRow(const PixelArea& area, const std::uint8_t* pixels, std::size_t stride, int y, int left,
             int width, std::uint8_t* out) {
  const bool rowInside = y >= area.top && y < area.top + area.height;
  const int from = std::max(left, area.left);
  const int to = std::min(left + width, area.left + area.width);
  if (!rowInside || from >= to) {
    std::memset(out, 0xFF, static_cast<std::size_t>(width) * Raster::kBytesPerPixel);
    return;
  }
  if (from > left || to < left + width) {
    std::memset(out, 0xFF, static_cast<std::size_t>(width) * Raster::kBytesPerPixel);
  }
  std::memcpy(out + static_cast<std::size_t>(from - left) * Raster::kBytesPerPixel,
              pixels + static_cast<std::size_t>(y - area.top) * stride +
                  static_cast<std::size_t>(from - area.left) * Raster::kBytesPerPixel,
              static_cast<std::size_t>(to - from) * Raster::kBytesPerPixel);
}

// A row reader over a whole raster.
void ReadRasterRow(const Raster& raster, int y, int left, int width, std::uint8_t* out) {
  ReadRow(PixelArea{0, 0, raster.Width(), raster.Height()}, raster.Data(), raster.Stride(), y, left,
          width, out);
}

using RowReader = std::function<void(int y, int left, int width, std::uint8_t* out)>;

// Appends the squeezed changes from the tile's state before to its state after to code; false,
// appending nothing, when they are equal.
bool EncodeTile(const PixelArea& tile, const RowReader& before, const RowReader& after,
                std::vector<std::uint8_t>& code) {
  std::uint8_t diff[kTileBytes];
  std::uint8_t row[kTile * Raster::kBytesPerPixel];
  const std::size_t rowBytes = static_cast<std::size_t>(tile.width) * Raster::kBytesPerPixel;
  std::uint8_t changed = 0;
  for (int y = 0; y < tile.height; ++y) {
    std::uint8_t* out = diff + y * rowBytes;
    before(tile.top + y, tile.left, tile.width, out);
    after(tile.top + y, tile.left, tile.width, row);
    for (std::size_t i = 0; i < rowBytes; ++i) {
      out[i] = static_cast<std::uint8_t>(row[i] - out[i]);
      changed |= out[i];
    }
  }
  if (changed == 0) return false;
  Squeeze(diff, static_cast<std::size_t>(tile.width) * static_cast<std::size_t>(tile.height), code);
  return true;
}

}  // namespace

struct RasterDelta::Grid {
  int width;
  int height;
  int across;
  int down;

  Grid(Size a, Size b)
      : width(std::max(a.width, b.width)),
        height(std::max(a.height, b.height)),
        across((width + kTile - 1) / kTile),
        down((height + kTile - 1) / kTile) {}

  std::uint32_t Number(int column, int row) const {
    return static_cast<std::uint32_t>(row) * static_cast<std::uint32_t>(across) +
           static_cast<std::uint32_t>(column);
  }
  PixelArea Tile(std::uint32_t number) const {
    const int column = static_cast<int>(number % static_cast<std::uint32_t>(across));
    const int row = static_cast<int>(number / static_cast<std::uint32_t>(across));
    return PixelArea{column * kTile, row * kTile, std::min(kTile, width - column * kTile),
                     std::min(kTile, height - row * kTile)};
  }
};

RasterDelta RasterDelta::Between(const Raster& before, const Raster& after) {
  RasterDelta delta;
  delta.before_ = {before.Width(), before.Height()};
  delta.after_ = {after.Width(), after.Height()};
  const Grid grid(delta.before_, delta.after_);
  const RowReader readBefore = [&before](int y, int left, int width, std::uint8_t* out) {
    ReadRasterRow(before, y, left, width, out);
  };
  const RowReader readAfter = [&after](int y, int left, int width, std::uint8_t* out) {
    ReadRasterRow(after, y, left, width, out);
  };
  // One row of tiles per task, joined in order afterwards.
  struct Row {
    std::vector<std::uint32_t> tiles;
    std::vector<std::size_t> ends;
    std::vector<std::uint8_t> code;
  };
  std::vector<Row> rows(static_cast<std::size_t>(grid.down));
  WorkerPool::Shared().Run(rows.size(), 0, [&](std::size_t r) {
    Row& row = rows[r];
    for (int column = 0; column < grid.across; ++column) {
      const std::uint32_t number = grid.Number(column, static_cast<int>(r));
      if (EncodeTile(grid.Tile(number), readBefore, readAfter, row.code)) {
        row.tiles.push_back(number);
        row.ends.push_back(row.code.size());
      }
    }
  });
  std::vector<std::uint32_t> tiles;
  std::vector<std::size_t> ends;
  std::vector<std::uint8_t> code;
  for (Row& row : rows) {
    const std::size_t offset = code.size();
    tiles.insert(tiles.end(), row.tiles.begin(), row.tiles.end());
    for (std::size_t end : row.ends) ends.push_back(offset + end);
    code.insert(code.end(), row.code.begin(), row.code.end());
    row = Row();
  }
  delta.Take(std::move(tiles), std::move(ends), std::move(code));
  return delta;
}

void RasterDelta::Take(std::vector<std::uint32_t> tiles, std::vector<std::size_t> ends,
                       std::vector<std::uint8_t> code) {
  tiles_ = std::move(tiles);
  ends_ = std::move(ends);
  code_ = std::move(code);
  tiles_.shrink_to_fit();
  ends_.shrink_to_fit();
  code_.shrink_to_fit();
  const Grid grid(before_, after_);
  int left = grid.width;
  int top = grid.height;
  int right = 0;
  int bottom = 0;
  for (std::uint32_t number : tiles_) {
    const PixelArea tile = grid.Tile(number);
    left = std::min(left, tile.left);
    top = std::min(top, tile.top);
    right = std::max(right, tile.left + tile.width);
    bottom = std::max(bottom, tile.top + tile.height);
  }
  changed_ = tiles_.empty() ? PixelArea{} : PixelArea{left, top, right - left, bottom - top};
}

std::size_t RasterDelta::Bytes() const {
  return sizeof(*this) + tiles_.capacity() * sizeof(std::uint32_t) +
         ends_.capacity() * sizeof(std::size_t) + code_.capacity();
}

void RasterDelta::Apply(Raster& raster, bool forward) const {
  const Size to = forward ? after_ : before_;
  const Grid grid(before_, after_);
  raster.SetSize(grid.width, grid.height);
  const auto applyTiles = [&](std::size_t task) {
    std::uint8_t diff[kTileBytes];
    const std::size_t first = task * kTilesPerTask;
    const std::size_t last = std::min(tiles_.size(), first + kTilesPerTask);
    for (std::size_t i = first; i < last; ++i) {
      const PixelArea tile = grid.Tile(tiles_[i]);
      const std::size_t rowBytes = static_cast<std::size_t>(tile.width) * Raster::kBytesPerPixel;
      const std::size_t begin = i == 0 ? 0 : ends_[i - 1];
      Expand(code_.data() + begin, code_.data() + ends_[i], diff,
             static_cast<std::size_t>(tile.width) * static_cast<std::size_t>(tile.height));
      for (int y = 0; y < tile.height; ++y) {
        std::uint8_t* pixels =
            raster.Row(tile.top + y) + static_cast<std::size_t>(tile.left) * Raster::kBytesPerPixel;
        const std::uint8_t* change = diff + y * rowBytes;
        if (forward) {
          for (std::size_t b = 0; b < rowBytes; ++b) pixels[b] += change[b];
        } else {
          for (std::size_t b = 0; b < rowBytes; ++b) pixels[b] -= change[b];
        }
      }
    }
  };
  const std::size_t tasks = (tiles_.size() + kTilesPerTask - 1) / kTilesPerTask;
  if (tasks > 1) {
    WorkerPool::Shared().Run(tasks, 0, applyTiles);
  } else if (tasks == 1) {
    applyTiles(0);
  }
  raster.SetSize(to.width, to.height);
}

TileRecorder::TileRecorder(const Raster& before) : before_{before.Width(), before.Height()} {}

void TileRecorder::Keep(const Raster& raster, const PixelArea& area) {
  const auto clip = [](std::int64_t value, int limit) {
    return static_cast<int>(std::clamp<std::int64_t>(value, 0, limit));
  };
  const int left = clip(area.left, raster.Width());
  const int top = clip(area.top, raster.Height());
  const int right = clip(std::int64_t{area.left} + area.width, raster.Width());
  const int bottom = clip(std::int64_t{area.top} + area.height, raster.Height());
  if (right <= left || bottom <= top) return;
  for (int row = top / kTile; row <= (bottom - 1) / kTile; ++row) {
    for (int column = left / kTile; column <= (right - 1) / kTile; ++column) {
      const std::uint64_t key =
          static_cast<std::uint64_t>(row) << 32 | static_cast<std::uint32_t>(column);
      if (kept_.contains(key)) continue;
      Kept& kept = kept_[key];
      kept.area =
          PixelArea{column * kTile, row * kTile, std::min(kTile, raster.Width() - column * kTile),
                    std::min(kTile, raster.Height() - row * kTile)};
      const std::size_t rowBytes =
          static_cast<std::size_t>(kept.area.width) * Raster::kBytesPerPixel;
      kept.pixels.resize(rowBytes * static_cast<std::size_t>(kept.area.height));
      for (int y = 0; y < kept.area.height; ++y) {
        std::memcpy(kept.pixels.data() + y * rowBytes,
                    raster.Row(kept.area.top + y) +
                        static_cast<std::size_t>(kept.area.left) * Raster::kBytesPerPixel,
                    rowBytes);
      }
    }
  }
}

RasterDelta TileRecorder::Finish(const Raster& after) const {
  RasterDelta delta;
  delta.before_ = before_;
  delta.after_ = {after.Width(), after.Height()};
  const RasterDelta::Grid grid(delta.before_, delta.after_);
  std::vector<std::pair<std::uint32_t, const Kept*>> kept;
  kept.reserve(kept_.size());
  for (const auto& [key, tile] : kept_) {
    const int row = static_cast<int>(key >> 32);
    const int column = static_cast<int>(key & 0xFFFFFFFFu);
    if (row < grid.down && column < grid.across) kept.emplace_back(grid.Number(column, row), &tile);
  }
  std::sort(kept.begin(), kept.end());
  const RowReader readAfter = [&after](int y, int left, int width, std::uint8_t* out) {
    ReadRasterRow(after, y, left, width, out);
  };
  std::vector<std::uint32_t> tiles;
  std::vector<std::size_t> ends;
  std::vector<std::uint8_t> code;
  for (const auto& entry : kept) {
    const auto number = entry.first;
    const auto* tile = entry.second;  // a plain name: older clang cannot capture a binding
    const std::size_t stride = static_cast<std::size_t>(tile->area.width) * Raster::kBytesPerPixel;
    const RowReader readBefore = [tile, stride](int y, int left, int width, std::uint8_t* out) {
      ReadRow(tile->area, tile->pixels.data(), stride, y, left, width, out);
    };
    if (EncodeTile(grid.Tile(number), readBefore, readAfter, code)) {
      tiles.push_back(number);
      ends.push_back(code.size());
    }
  }
  delta.Take(std::move(tiles), std::move(ends), std::move(code));
  return delta;
}

}  // namespace graphitine
