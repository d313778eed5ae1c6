#include "sketch/jpegscans.h"

#include <sys/types.h>

#include <array>
#include <cstdint>
#include <cstring>
#include <vector>

namespace graphitine {

namespace {

constexpr std::size_t kChunk = std::size_t{256} << 10;
constexpr int kMaxComponents = 10;  // libjpeg's limit
constexpr int kCoefficients = 64;

// The stream's bytes one at a time, read in large chunks.
class Bytes {
 public:
  explicit Bytes(std::FILE* stream) : stream_(stream), buffer_(kChunk) {}
  // False at the end of the stream.
  bool Next(std::uint8_t& byte) {
    if (at_ == got_) {
      got_ = std::fread(buffer_.data(), 1, buffer_.size(), stream_);
      at_ = 0;
      if (got_ == 0) return false;
    }
    byte = buffer_[at_++];
    return true;
  }
  // Passes the next 0xFF byte; false when there is none.
  bool PassFF() {
    for (;;) {
      const void* found = std::memchr(buffer_.data() + at_, 0xFF, got_ - at_);
      if (found != nullptr) {
        at_ =
            static_cast<std::size_t>(static_cast<const std::uint8_t*>(found) - buffer_.data()) + 1;
        return true;
      }
      at_ = got_;
      std::uint8_t byte = 0;
      if (!Next(byte)) return false;
      if (byte == 0xFF) return true;
    }
  }
  bool Skip(unsigned count) {
    std::uint8_t byte = 0;
    for (unsigned i = 0; i < count; ++i) {
      if (!Next(byte)) return false;
    }
    return true;
  }
  bool Word(unsigned& value) {
    std::uint8_t high = 0, low = 0;
    if (!Next(high) || !Next(low)) return false;
    value = static_cast<unsigned>(high) << 8 | low;
    return true;
  }

 private:
  std::FILE* stream_;
  std::vector<std::uint8_t> buffer_;
  std::size_t at_ = 0;
  std::size_t got_ = 0;
};

struct Component {
  int id = 0;
  std::array<int, kCoefficients> bits{};  // the last scan's Al for each coefficient; -1: none
};

class Survey {
 public:
  explicit Survey(std::FILE* stream) : in_(stream) {}

  std::optional<JpegScans> Run() {
    std::uint8_t b0 = 0, b1 = 0;
    if (!in_.Next(b0) || !in_.Next(b1) || b0 != 0xFF || b1 != 0xD8) return std::nullopt;
    std::uint8_t marker = 0;
    if (!NextMarker(marker)) return std::nullopt;
    for (;;) {
      if (marker == 0xD9) return Finish();
      if (marker == 0xD8 || (marker >= 0xD0 && marker <= 0xD7)) return std::nullopt;
      if (marker == 0x01) {  // TEM: no length
        if (!NextMarker(marker)) return std::nullopt;
        continue;
      }
      unsigned length = 0;
      if (!in_.Word(length) || length < 2) return std::nullopt;
      if (marker == 0xDA) {
        if (!Scan(length - 2) || !AfterScanData(marker)) return std::nullopt;
        continue;
      }
      const bool frame =
          marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
      if (frame ? !Frame(length - 2) : !in_.Skip(length - 2)) return std::nullopt;
      if (!NextMarker(marker)) return std::nullopt;
    }
  }

 private:
  // Fill bytes (0xFF) may come before a marker's code.
  bool NextMarker(std::uint8_t& marker) {
    std::uint8_t byte = 0;
    if (!in_.Next(byte) || byte != 0xFF) return false;
    do {
      if (!in_.Next(byte)) return false;
    } while (byte == 0xFF);
    marker = byte;
    return marker != 0x00;
  }

  bool Frame(unsigned length) {
    std::uint8_t precision = 0, count = 0;
    if (!components_.empty() || length < 6 || !in_.Next(precision) || !in_.Skip(4) ||
        !in_.Next(count) || count == 0 || count > kMaxComponents || length != 6u + 3u * count) {
      return false;
    }
    for (int i = 0; i < count; ++i) {
      std::uint8_t id = 0;
      if (!in_.Next(id) || !in_.Skip(2)) return false;
      Component component;
      component.id = id;
      component.bits.fill(-1);
      components_.push_back(component);
    }
    return true;
  }

  bool Scan(unsigned length) {
    std::uint8_t count = 0;
    if (components_.empty() || !in_.Next(count) || count == 0 || count > 4 ||
        length != 4u + 2u * count) {
      return false;
    }
    std::vector<Component*> inScan;
    for (int i = 0; i < count; ++i) {
      std::uint8_t id = 0;
      if (!in_.Next(id) || !in_.Skip(1)) return false;
      Component* found = nullptr;
      for (Component& component : components_) {
        if (component.id == id) found = &component;
      }
      if (found == nullptr) return false;
      inScan.push_back(found);
    }
    std::uint8_t start = 0, end = 0, approximation = 0;
    if (!in_.Next(start) || !in_.Next(end) || !in_.Next(approximation)) return false;
    if (start > end || end >= kCoefficients) return false;
    for (Component* component : inScan) {
      for (int k = start; k <= end; ++k) component->bits[k] = approximation & 0x0F;
    }
    ++scans_;
    return true;
  }

  // Passes over a scan's entropy-coded data to the marker that ends it: 0xFF is followed by 0
  // (a stuffed byte) or by a restart marker inside the data.
  bool AfterScanData(std::uint8_t& marker) {
    std::uint8_t byte = 0;
    for (;;) {
      if (!in_.PassFF()) return false;
      do {
        if (!in_.Next(byte)) return false;
      } while (byte == 0xFF);
      if (byte == 0x00 || (byte >= 0xD0 && byte <= 0xD7)) continue;
      marker = byte;
      return true;
    }
  }

  std::optional<JpegScans> Finish() const {
    if (components_.empty() || scans_ == 0) return std::nullopt;
    bool complete = true;
    for (const Component& component : components_) {
      for (int bits : component.bits) complete = complete && bits == 0;
    }
    return JpegScans{scans_, complete};
  }

  Bytes in_;
  std::vector<Component> components_;
  int scans_ = 0;
};

}  // namespace

std::optional<JpegScans> SurveyJpegScans(std::FILE* stream) {
  const off_t position = ::ftello(stream);
  if (position < 0 || ::fseeko(stream, 0, SEEK_SET) != 0) return std::nullopt;
  std::optional<JpegScans> scans = Survey(stream).Run();
  if (::fseeko(stream, position, SEEK_SET) != 0) return std::nullopt;
  return scans;
}

}  // namespace graphitine
