#pragma once
// The core's exceptions. Texts are the user-facing messages, with file names or libjpeg's own
// message already filled in, so a caller can show what() as it stands.
#include <stdexcept>
#include <string>

namespace graphitine {

// Base of every error the core raises.
class Error : public std::runtime_error {
 public:
  explicit Error(const std::string& message) : std::runtime_error(message) {}
};

// A drawing or raster operation that cannot be carried out ("Scan line index out of range").
class GraphicError : public Error {
 public:
  using Error::Error;
};

// A raster that is asked for but holds no picture ("Cannot assign a TPicture to a TBitmap").
class ConversionError : public Error {
 public:
  using Error::Error;
};

// A file that cannot be read, decoded or written; the message names the file.
class FileError : public Error {
 public:
  FileError(const std::string& message, std::string file)
      : Error(message), file_(std::move(file)) {}
  const std::string& file() const { return file_; }

 private:
  std::string file_;
};

// Work that was asked to stop (through its std::stop_token) and did so before it was done. Not a
// failure: nothing is reported for it, and it is not an Error.
class Stopped : public std::runtime_error {
 public:
  Stopped() : std::runtime_error("Stopped before the work was done") {}
};

}  // namespace graphitine
