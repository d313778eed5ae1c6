#pragma once
// Storage for raster pixels. A fresh block of tens of megabytes costs a page fault for every
// 4 KiB page when it is first written, which took longer than converting the photo. So large
// blocks are asked for in huge pages where the system has them, and blocks freed by one raster
// are kept for the next raster of the same size (at most a few blocks, and a bounded number of
// bytes): the bands a conversion works in, or the pictures of a batch's items.
//
// Pixels are not initialised by the allocator: a raster writes every pixel it makes (white, or
// a decoder's rows) itself.
#include <cstddef>
#include <cstdint>
#include <new>

namespace graphitine {

namespace pixel_blocks {
// Blocks this large or larger come in huge pages and are kept for reuse when freed.
constexpr std::size_t kSmallestKept = std::size_t{2} << 20;
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
  // Default-initialises: a vector sized without a value leaves the bytes as they are.
  template <class U>
  void construct(U* p) {
    ::new (static_cast<void*>(p)) U;
  }
  template <class U, class... Args>
  void construct(U* p, Args&&... args) {
    ::new (static_cast<void*>(p)) U(static_cast<Args&&>(args)...);
  }
  template <class U>
  bool operator==(const PixelAllocator<U>&) const {
    return true;
  }
};

}  // namespace graphitine
