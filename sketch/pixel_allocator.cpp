#include "sketch/pixel_allocator.h"

#include <mutex>
#include <new>

namespace graphitine::pixel_blocks {

namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr int kBlocksKept = 0;  // let the sanitizer see every use after free
#else
constexpr int kBlocksKept = 4;
#endif
constexpr std::size_t kBytesKept = std::size_t{512} << 20;

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
    for (int i = 0; i < count; ++i) ::operator delete(kept[i].block);
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
  return ::operator new(bytes);
}

void Give(void* block, std::size_t bytes) {
  if (block == nullptr) return;
  if (bytes < kSmallestKept || bytes > kBytesKept || kBlocksKept == 0) {
    ::operator delete(block);
    return;
  }
  Store& store = TheStore();
  void* released[kBlocksKept > 0 ? kBlocksKept : 1];
  int releasedCount = 0;
  {
    const std::lock_guard<std::mutex> hold(store.lock);
    while (store.count > 0 && (store.count == kBlocksKept || store.bytes + bytes > kBytesKept)) {
      released[releasedCount++] = store.kept[0].block;
      store.bytes -= store.kept[0].bytes;
      for (int j = 0; j + 1 < store.count; ++j) store.kept[j] = store.kept[j + 1];
      --store.count;
    }
    store.kept[store.count++] = {block, bytes};
    store.bytes += bytes;
  }
  for (int i = 0; i < releasedCount; ++i) ::operator delete(released[i]);
}

}  // namespace graphitine::pixel_blocks
