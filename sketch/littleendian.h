#pragma once
// Little-endian fields of the Windows file formats (bitmaps, metafiles).
#include <cstdint>
#include <vector>

namespace graphitine::le {

inline std::uint16_t U16(const std::uint8_t* p) {
  return static_cast<std::uint16_t>(p[0] | p[1] << 8);
}
inline std::uint32_t U32(const std::uint8_t* p) {
  return p[0] | p[1] << 8 | p[2] << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}
inline std::int32_t S32(const std::uint8_t* p) { return static_cast<std::int32_t>(U32(p)); }

// Appends fields to a record under construction.
class Writer {
 public:
  void U16(std::uint32_t v) {
    bytes_.push_back(static_cast<std::uint8_t>(v));
    bytes_.push_back(static_cast<std::uint8_t>(v >> 8));
  }
  void U32(std::uint32_t v) {
    U16(v & 0xFFFF);
    U16(v >> 16);
  }
  void S16(int v) { U16(static_cast<std::uint16_t>(v)); }
  void S32(std::int32_t v) { U32(static_cast<std::uint32_t>(v)); }
  void Append(const std::vector<std::uint8_t>& more) {
    bytes_.insert(bytes_.end(), more.begin(), more.end());
  }
  const std::vector<std::uint8_t>& Bytes() const { return bytes_; }
  std::size_t Size() const { return bytes_.size(); }

 private:
  std::vector<std::uint8_t> bytes_;
};

}  // namespace graphitine::le
