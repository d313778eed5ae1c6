#pragma once
// Storage for raster pixels. Large blocks freed by one raster are kept for the next raster of
// the same size: a fresh block of tens of megabytes costs a page fault per 4 KiB page when it
// is first written, which took longer than converting the photo. At most a few blocks, and a
// bounded number of bytes, are kept.
#include <cstddef>
#include <cstdint>

namespace graphitine {

namespace pixel_blocks {
// Blocks this large or larger are kept for reuse when freed.
constexpr std::size_t kSmallestKept = std::size_t{8} << 20;
void* Take(std::size_t bytes);
void Give(void* block, std::size_t bytes);
}  // namespace pixel_blocks

template <class T>
struct PixelAllocator {
  using value_type = T;
  PixelAllocator() = default;
  template <class U>
  PixelAllocator(const PixelAllocator<U>&) {}  // NOLINT: allocators convert implicitly
  T* allocate(std::size_t n) { return static_cast<T*>(pixel_blocks::Take(n * sizeof(T))); }
  void deallocate(T* p, std::size_t n) { pixel_blocks::Give(p, n * sizeof(T)); }
  template <class U>
  bool operator==(const PixelAllocator<U>&) const {
    return true;
  }
};

}  // namespace graphitine
