#include "sketch/temporaryfiles.h"

#include <mutex>
#include <set>
#include <system_error>

namespace graphitine {

namespace {

struct Listed {
  std::mutex lock;
  std::set<std::filesystem::path> files;
};

// Never destroyed: a signal may end the process while other threads still write.
Listed& TheList() {
  static Listed* list = new Listed;
  return *list;
}

}  // namespace

std::FILE* CreateTemporaryFile(const std::filesystem::path& file) {
  Listed& list = TheList();
  const std::lock_guard<std::mutex> hold(list.lock);
  // "x": created here and now, never an existing file opened a second time.
  std::FILE* stream = std::fopen(file.c_str(), "wbx");
  if (stream != nullptr) list.files.insert(file);
  return stream;
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
