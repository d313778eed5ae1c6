#pragma once
// Helpers the core tests share: a temporary folder, whole-file reading and writing, small
// rasters, a bitmap that claims any size, and running a program with its output captured.
#include <sys/wait.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "sketch/littleendian.h"
#include "sketch/raster.h"

namespace graphitine::testing {

namespace fs = std::filesystem;

using Bytes = std::vector<std::uint8_t>;
using Bgr = std::array<std::uint8_t, 3>;

// A fresh folder, removed with everything in it (read-only parts too) at the end of the test.
class TempDir {
 public:
  TempDir() {
    static std::mt19937_64 random{std::random_device{}()};
    path_ = fs::temp_directory_path() / ("graphitine-test-" + std::to_string(random()));
    fs::create_directories(path_);
  }
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  ~TempDir() {
    std::error_code ec;
    for (auto it = fs::recursive_directory_iterator(path_, ec);
         !ec && it != fs::recursive_directory_iterator(); it.increment(ec)) {
      if (it->is_directory(ec) && !it->is_symlink(ec)) {
        fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ec);
      }
    }
    fs::remove_all(path_, ec);
  }
  const fs::path& path() const { return path_; }
  fs::path operator/(const std::string& name) const { return path_ / name; }
  std::string str() const { return path_.string(); }

  // The names of the folder's entries, sorted.
  std::vector<std::string> Names(const fs::path& folder) const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
      names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
  }

 private:
  fs::path path_;
};

inline void WriteFile(const fs::path& file, const Bytes& bytes) {
  fs::create_directories(file.parent_path());
  std::ofstream out(file, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
}

// The file's path, after creating the folders it needs.
inline fs::path InNewFolder(const fs::path& file) {
  fs::create_directories(file.parent_path());
  return file;
}

inline void WriteText(const fs::path& file, const std::string& text) {
  WriteFile(file, Bytes(text.begin(), text.end()));
}

inline Bytes ReadFile(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline std::string ReadText(const fs::path& file) {
  const Bytes bytes = ReadFile(file);
  return std::string(bytes.begin(), bytes.end());
}

inline Bgr PixelAt(const Raster& r, int x, int y) {
  const std::uint8_t* p = r.Row(y) + 3 * x;
  return {p[0], p[1], p[2]};
}

inline void SetPixel(Raster& r, int x, int y, Bgr c) {
  std::uint8_t* p = r.Row(y) + 3 * x;
  p[0] = c[0], p[1] = c[1], p[2] = c[2];
}

// A raster whose pixels come from colour(x, y).
inline Raster MakeRaster(int width, int height, const std::function<Bgr(int, int)>& colour) {
  Raster r(width, height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) SetPixel(r, x, y, colour(x, y));
  }
  return r;
}

// A raster of rows of pixels given top row first.
inline Raster RasterOf(const std::vector<std::vector<Bgr>>& rows) {
  return MakeRaster(static_cast<int>(rows[0].size()), static_cast<int>(rows.size()),
                    [&](int x, int y) { return rows[y][x]; });
}

// A photo-like picture with edges and gradients, the same for the same seed.
inline Raster SamplePhoto(int width, int height, unsigned seed = 1) {
  std::mt19937 random(seed);
  const int cx = width / 2, cy = height / 2, r2 = (width * width + height * height) / 16;
  return MakeRaster(width, height, [&](int x, int y) {
    const bool inside = (x - cx) * (x - cx) + (y - cy) * (y - cy) < r2;
    const int noise = static_cast<int>(random() % 9);
    const auto v = [&](int base) {
      return static_cast<std::uint8_t>(std::clamp(base + noise, 0, 255));
    };
    return inside ? Bgr{v(40), v(60 + y % 50), v(90)} : Bgr{v(200 - x % 60), v(210), v(190)};
  });
}

// A 4-bit run-length bitmap of any claimed size whose data is only the end-of-bitmap mark, or
// cut short before it: a few dozen bytes either way.
inline Bytes RunLengthBitmap(int width, int height, bool complete) {
  le::Writer file;
  file.U16('B' | 'M' << 8);
  file.U32(0);  // file size: not read
  file.U32(0);
  file.U32(14 + 40 + 8);
  file.U32(40);
  file.S32(width);
  file.S32(height);
  file.U16(1);
  file.U16(4);
  file.U32(2);  // RLE4
  for (int i = 0; i < 3; ++i) file.U32(0);
  file.U32(2);  // colours used
  file.U32(0);
  file.Append({10, 20, 30, 0, 40, 50, 60, 0});  // two colours
  file.Append(complete ? Bytes{0, 1} : Bytes{4});
  return file.Bytes();
}

inline std::string ShellQuote(const std::string& text) {
  std::string quoted = "'";
  for (char c : text) {
    if (c == '\'') {
      quoted += "'\\''";
    } else {
      quoted += c;
    }
  }
  return quoted + "'";
}

struct ProcessResult {
  int exitCode = -1;
  std::string out;
  std::string err;
};

// Runs a program with arguments, its standard output and error captured into files of dir.
inline ProcessResult RunProgram(const fs::path& program, const std::vector<std::string>& arguments,
                                const fs::path& dir) {
  std::string command = ShellQuote(program.string());
  for (const std::string& argument : arguments) command += " " + ShellQuote(argument);
  const fs::path out = dir / "stdout.txt", err = dir / "stderr.txt";
  command += " >" + ShellQuote(out.string()) + " 2>" + ShellQuote(err.string()) + " </dev/null";
  const int status = std::system(command.c_str());
  ProcessResult result;
  result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  result.out = ReadText(out);
  result.err = ReadText(err);
  fs::remove(out);
  fs::remove(err);
  return result;
}

}  // namespace graphitine::testing
