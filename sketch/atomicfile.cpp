#include "sketch/atomicfile.h"

#include <atomic>
#include <cerrno>
#include <random>
#include <system_error>

#include "sketch/errors.h"
#include "sketch/temporaryfiles.h"

namespace graphitine {

namespace fs = std::filesystem;

namespace {

std::string Quoted(const fs::path& path) { return "\"" + path.string() + "\""; }

std::string ErrnoText(int error) {
  return std::error_code(error, std::generic_category()).message();
}

// A name beside the target that nothing else uses: hidden, and ending in ".tmp" so that the
// folder walks never take it for a picture.
fs::path TemporaryNameFor(const fs::path& target, unsigned attempt) {
  static const unsigned seed = std::random_device{}();
  static std::atomic<unsigned> counter{0};
  const unsigned tag = seed ^ (counter.fetch_add(1) * 2654435761u) ^ attempt;
  char suffix[16];
  std::snprintf(suffix, sizeof suffix, ".%08x.tmp", tag);
  return target.parent_path() / ("." + target.filename().string() + suffix);
}

}  // namespace

AtomicFile::AtomicFile(fs::path target) : target_(std::move(target)) {
  if (target_.filename().empty()) {
    throw FileError("Cannot create file " + Quoted(target_) + ": not a file name",
                    target_.string());
  }
  for (unsigned attempt = 0; attempt < 16; ++attempt) {
    temporary_ = TemporaryNameFor(target_, attempt);
    stream_ = CreateTemporaryFile(temporary_);
    if (stream_ != nullptr) return;
    if (errno != EEXIST) break;
  }
  const int error = errno;
  throw FileError("Cannot create file " + Quoted(target_) + ": " + ErrnoText(error),
                  target_.string());
}

AtomicFile::~AtomicFile() {
  if (stream_ != nullptr) std::fclose(stream_);
  if (!committed_) {
    FinishTemporaryFile(temporary_, [&] {
      std::error_code ec;
      fs::remove(temporary_, ec);
      return !ec;
    });
  }
}

void AtomicFile::Fail(const std::string& reason) {
  throw FileError("Cannot write file " + Quoted(target_) + ": " + reason, target_.string());
}

void AtomicFile::Write(const void* data, std::size_t size) {
  if (size != 0 && std::fwrite(data, 1, size, stream_) != size) Fail(ErrnoText(errno));
}

void AtomicFile::Commit(ExistingFile existing) {
  const bool failed = std::fflush(stream_) != 0 || std::ferror(stream_) != 0;
  const int error = errno;
  const bool closeFailed = std::fclose(stream_) != 0;
  stream_ = nullptr;
  if (failed || closeFailed) Fail(ErrnoText(error != 0 ? error : EIO));

  std::error_code ec;
  bool taken = false;  // a file of the target's name stands in the way
  FinishTemporaryFile(temporary_, [&] {
    if (existing == ExistingFile::Keep) {
      // A hard link is made only where no file of that name exists, in one step.
      fs::create_hard_link(temporary_, target_, ec);
      if (!ec) {
        committed_ = true;
        fs::remove(temporary_, ec);
        return true;
      }
      taken = ec == std::errc::file_exists || fs::exists(target_);
      if (taken) return false;
    }
    fs::rename(temporary_, target_, ec);
    committed_ = !ec;
    return committed_;
  });
  if (taken) Fail("the file exists already");
  if (!committed_) Fail(ec.message());
}

}  // namespace graphitine
