#pragma once
// A picture file opened for reading, closed when it goes out of scope.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

namespace graphitine {

class InputFile {
 public:
  // Raises FileError "Cannot open file "name": reason" when the file cannot be opened or is not
  // a regular file (a folder, a named pipe, a device).
  explicit InputFile(const std::filesystem::path& file);
  InputFile(const InputFile&) = delete;
  InputFile& operator=(const InputFile&) = delete;
  ~InputFile();

  std::FILE* Stream() { return stream_; }
  const std::string& Name() const { return name_; }
  std::uint64_t Size() const { return size_; }

  // Reads up to size bytes at the current position; returns how many were there.
  std::size_t ReadSome(void* data, std::size_t size);
  // True when exactly size bytes were read.
  bool Read(void* data, std::size_t size) { return ReadSome(data, size) == size; }
  bool Seek(std::uint64_t offset);

 private:
  std::string name_;
  std::unique_ptr<char[]> buffer_;  // the stream's; freed after it is closed
  std::FILE* stream_ = nullptr;
  std::uint64_t size_ = 0;
};

}  // namespace graphitine
