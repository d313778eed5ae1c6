#include "sketch/inputfile.h"

#include <cerrno>
#include <system_error>

#include "sketch/errors.h"

namespace graphitine {

InputFile::InputFile(const std::filesystem::path& file) : name_(file.string()) {
  std::error_code ec;
  if (std::filesystem::is_directory(file, ec)) {
    throw FileError("Cannot open file \"" + name_ + "\": it is a folder", name_);
  }
  stream_ = std::fopen(file.c_str(), "rb");
  if (stream_ == nullptr) {
    const int error = errno;
    throw FileError("Cannot open file \"" + name_ + "\": " +
                        std::error_code(error, std::generic_category()).message(),
                    name_);
  }
  if (std::fseek(stream_, 0, SEEK_END) == 0) {
    const long end = std::ftell(stream_);
    size_ = end > 0 ? static_cast<std::uint64_t>(end) : 0;
  }
  std::rewind(stream_);
}

InputFile::~InputFile() { std::fclose(stream_); }

std::size_t InputFile::ReadSome(void* data, std::size_t size) {
  return std::fread(data, 1, size, stream_);
}

bool InputFile::Seek(std::uint64_t offset) {
  return offset <= size_ && std::fseek(stream_, static_cast<long>(offset), SEEK_SET) == 0;
}

}  // namespace graphitine
