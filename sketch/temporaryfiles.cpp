#include "sketch/temporaryfiles.h"

#include <algorithm>
#include <cerrno>
#include <mutex>
#include <optional>
#include <set>
#include <system_error>

namespace graphitine {

namespace {

struct Listed {
  std::mutex lock;
  std::set<std::filesystem::path> files;
  std::optional<std::size_t> space;  // room left on the simulated full disk
};

// Never destroyed: a signal may end the process while other threads still write.
Listed& TheList() {
  static Listed* list = new Listed;
  return *list;
}

// A stream over the real file that takes no more than the room left, then fails with ENOSPC.
struct LimitedFile {
  std::FILE* file;
  std::size_t room;
};

std::FILE* WithLimitedRoom(std::FILE* file, std::size_t room) {
  static const cookie_io_functions_t functions{
      nullptr,
      [](void* cookie, const char* data, std::size_t size) -> ssize_t {
        auto* limited = static_cast<LimitedFile*>(cookie);
        const std::size_t taken = std::min(size, limited->room);
        limited->room -= taken;
        if (taken != 0 && std::fwrite(data, 1, taken, limited->file) != taken) return -1;
        if (taken == size) return static_cast<ssize_t>(size);
        errno = ENOSPC;
        return -1;
      },
      nullptr,
      [](void* cookie) {
        auto* limited = static_cast<LimitedFile*>(cookie);
        const int result = std::fclose(limited->file);
        delete limited;
        return result;
      }};
  auto* limited = new LimitedFile{file, room};
  std::FILE* stream = fopencookie(limited, "wb", functions);
  if (stream == nullptr) {
    std::fclose(file);
    delete limited;
  }
  return stream;
}

}  // namespace

std::FILE* CreateTemporaryFile(const std::filesystem::path& file) {
  Listed& list = TheList();
  const std::lock_guard<std::mutex> hold(list.lock);
  // "x": created here and now, never an existing file opened a second time.
  std::FILE* stream = std::fopen(file.c_str(), "wbx");
  if (stream != nullptr && list.space) {
    stream = WithLimitedRoom(stream, *list.space);
    if (stream == nullptr) {
      std::error_code ignored;
      std::filesystem::remove(file, ignored);
    }
  }
  if (stream != nullptr) list.files.insert(file);
  return stream;
}

void LimitTemporaryFileSpace(std::optional<std::size_t> bytes) {
  Listed& list = TheList();
  const std::lock_guard<std::mutex> hold(list.lock);
  list.space = bytes;
}

void FinishTemporaryFile(const std::filesystem::path& file, const std::function<bool()>& finish) {
  Listed& list = TheList();
  const std::lock_guard<std::mutex> hold(list.lock);
  if (finish()) list.files.erase(file);
}

void RemoveTemporaryFilesBeforeExit() {
  Listed& list = TheList();
  list.lock.lock();  // and kept
  for (const std::filesystem::path& file : list.files) {
    std::error_code ignored;
    std::filesystem::remove(file, ignored);
  }
}

}  // namespace graphitine
