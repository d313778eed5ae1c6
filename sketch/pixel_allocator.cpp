#include "sketch/pixel_allocator.h"

#include <sys/mman.h>

#include <cstdint>
#include <mutex>
#include <new>

namespace graphitine::pixel_blocks {

namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr int kBlocksKept = 0;      // let the sanitizer see every use after free
constexpr bool kHugePages = false;  // and every read past a block's end
#else
constexpr int kBlocksKept = 4;
constexpr bool kHugePages = true;
#endif
constexpr std::size_t kBytesKept = std::size_t{512} << 20;
constexpr std::size_t kHugePage = std::size_t{2} << 20;

std::size_t InHugePages(std::size_t bytes) { return (bytes + kHugePage - 1) & ~(kHugePage - 1); }

// A block mapped on its own, aligned to a huge page so that all of it can be backed by huge
// pages, and marked as asking for them: systems whose transparent huge pages are set to
// "madvise" give them only to memory that asks.
void* MapBlock(std::size_t bytes) {
  const std::size_t length = InHugePages(bytes);
  void* mapped = ::mmap(nullptr, length + kHugePage, PROT_READ | PROT_WRITE,
                        MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  if (mapped == MAP_FAILED) throw std::bad_alloc();
  const auto first = reinterpret_cast<std::uintptr_t>(mapped);
  const std::uintptr_t aligned = (first + kHugePage - 1) & ~(kHugePage - 1);
  if (aligned > first) ::munmap(mapped, aligned - first);
  const std::uintptr_t end = first + length + kHugePage;
  if (end > aligned + length) {
    ::munmap(reinterpret_cast<void*>(aligned + length), end - aligned - length);
  }
  void* block = reinterpret_cast<void*>(aligned);
  ::madvise(block, length, MADV_HUGEPAGE);  // a hint: without it the block still works
  return block;
}

void* NewBlock(std::size_t bytes) {
  if (kHugePages && bytes >= kSmallestKept) return MapBlock(bytes);
  return ::operator new(bytes);
}

void DeleteBlock(void* block, std::size_t bytes) {
  if (kHugePages && bytes >= kSmallestKept) {
    ::munmap(block, InHugePages(bytes));
  } else {
    ::operator delete(block);
  }
}

struct Kept {
  void* block = nullptr;
  std::size_t bytes = 0;
};

struct Store {
  std::mutex lock;
  Kept kept[kBlocksKept > 0 ? kBlocksKept : 1];  // the oldest first
  int count = 0;
  std::size_t bytes = 0;

  ~Store() {
    for (int i = 0; i < count; ++i) DeleteBlock(kept[i].block, kept[i].bytes);
  }
};

Store& TheStore() {
  static Store store;
  return store;
}

}  // namespace

void* Take(std::size_t bytes) {
  if (bytes >= kSmallestKept && kBlocksKept > 0) {
    Store& store = TheStore();
    const std::lock_guard<std::mutex> hold(store.lock);
    for (int i = store.count - 1; i >= 0; --i) {
      if (store.kept[i].bytes != bytes) continue;
      void* block = store.kept[i].block;
      for (int j = i; j + 1 < store.count; ++j) store.kept[j] = store.kept[j + 1];
      --store.count;
      store.bytes -= bytes;
      return block;
    }
  }
  return NewBlock(bytes);
}

void Give(void* block, std::size_t bytes) {
  if (block == nullptr) return;
  if (bytes < kSmallestKept || bytes > kBytesKept || kBlocksKept == 0) {
    DeleteBlock(block, bytes);
    return;
  }
  Store& store = TheStore();
  Kept released[kBlocksKept > 0 ? kBlocksKept : 1];
  int releasedCount = 0;
  {
    const std::lock_guard<std::mutex> hold(store.lock);
    while (store.count > 0 && (store.count == kBlocksKept || store.bytes + bytes > kBytesKept)) {
      released[releasedCount++] = store.kept[0];
      store.bytes -= store.kept[0].bytes;
      for (int j = 0; j + 1 < store.count; ++j) store.kept[j] = store.kept[j + 1];
      --store.count;
    }
    store.kept[store.count++] = {block, bytes};
    store.bytes += bytes;
  }
  for (int i = 0; i < releasedCount; ++i) DeleteBlock(released[i].block, released[i].bytes);
}

}  // namespace graphitine::pixel_blocks
