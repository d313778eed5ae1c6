#include "sketch/inputfile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>

#include "sketch/errors.h"

namespace graphitine {

namespace {

constexpr std::size_t kBufferBytes = std::size_t{64} << 10;

std::string ErrnoText(int error) {
  return std::error_code(error, std::generic_category()).message();
}

}  // namespace

InputFile::InputFile(const std::filesystem::path& file) : name_(file.string()) {
  // Opened without waiting, then looked at: a named pipe would otherwise block until someone
  // writes to it, and only a regular file holds a picture. (Reading a regular file never
  // waits, so the flag can stay.)
  const int descriptor = ::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  std::string problem;
  struct stat status {};
  if (descriptor < 0) {
    problem = ErrnoText(errno);
  } else if (::fstat(descriptor, &status) != 0) {
    problem = ErrnoText(errno);
  } else if (S_ISDIR(status.st_mode)) {
    problem = "it is a folder";
  } else if (!S_ISREG(status.st_mode)) {
    problem = "not a regular file";
  } else if ((stream_ = ::fdopen(descriptor, "rb")) == nullptr) {
    problem = ErrnoText(errno);
  }
  if (!problem.empty()) {
    if (descriptor >= 0) ::close(descriptor);
    throw FileError("Cannot open file \"" + name_ + "\": " + problem, name_);
  }
  size_ = static_cast<std::uint64_t>(status.st_size);
  // libjpeg asks for 4 KiB at a time, which would each be a system call of their own.
  buffer_ = std::make_unique<char[]>(kBufferBytes);
  std::setvbuf(stream_, buffer_.get(), _IOFBF, kBufferBytes);
}

InputFile::~InputFile() { std::fclose(stream_); }

std::size_t InputFile::ReadSome(void* data, std::size_t size) {
  return std::fread(data, 1, size, stream_);
}

bool InputFile::Seek(std::uint64_t offset) {
  return offset <= size_ && std::fseek(stream_, static_cast<long>(offset), SEEK_SET) == 0;
}

}  // namespace graphitine
