#pragma once
// Writing a file so that it is either complete or not there: the bytes go to a temporary file
// in the target's folder, which replaces the target only once everything was written. A failed
// write never destroys the file that was there before.
#include <cstdio>
#include <filesystem>
#include <string>

namespace graphitine {

enum class ExistingFile {
  Replace,  // the finished file takes the place of any file of that name
  Keep,     // a file of that name stands in the way: the write fails and that file stays
};

class AtomicFile {
 public:
  // Creates the temporary file; raises FileError "Cannot create file ..." when the folder does
  // not exist or cannot be written.
  explicit AtomicFile(std::filesystem::path target);
  AtomicFile(const AtomicFile&) = delete;
  AtomicFile& operator=(const AtomicFile&) = delete;
  // Removes the temporary file unless Commit succeeded.
  ~AtomicFile();

  // The open temporary file, for writers that take a stdio stream (libjpeg).
  std::FILE* Stream() { return stream_; }
  void Write(const void* data, std::size_t size);

  // Flushes and closes the temporary file and moves it to the target's name. Any write error
  // seen on the way (a full disk, for instance) raises FileError and leaves the target alone.
  void Commit(ExistingFile existing = ExistingFile::Replace);

  const std::filesystem::path& Target() const { return target_; }

 private:
  [[noreturn]] void Fail(const std::string& reason);

  std::filesystem::path target_;
  std::filesystem::path temporary_;
  std::FILE* stream_ = nullptr;
  bool committed_ = false;
};

}  // namespace graphitine
