#include "cli/progressbar.h"

#include <algorithm>
#include <cmath>

namespace graphitine::cli {

std::string FormatDuration(double seconds) {
  const long total = std::lround(std::max(seconds, 0.0));
  const long hours = total / 3600, minutes = total / 60 % 60, secs = total % 60;
  char text[32];
  if (hours > 0) {
    std::snprintf(text, sizeof text, "%ld:%02ld:%02ld", hours, minutes, secs);
  } else {
    std::snprintf(text, sizeof text, "%ld:%02ld", minutes, secs);
  }
  return text;
}

ProgressBar::ProgressBar(std::FILE* terminal)
    : terminal_(terminal), start_(std::chrono::steady_clock::now()) {}

std::string ProgressBar::Line(std::size_t done, std::size_t total, double seconds) {
  constexpr std::size_t kWidth = 30;
  const std::size_t filled = total == 0 ? kWidth : done * kWidth / total;
  std::string line = std::to_string(done) + "/" + std::to_string(total) + " [" +
                     std::string(filled, '#') + std::string(kWidth - filled, '.') + "]";
  if (done > 0 && seconds > 0) {
    const double rate = done / seconds;
    char text[64];
    std::snprintf(text, sizeof text, " %.2f pictures/s, %s left", rate,
                  FormatDuration((total - done) / rate).c_str());
    line += text;
  }
  return line;
}

void ProgressBar::Show(std::size_t done, std::size_t total) {
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count();
  // \033[K clears what a longer earlier line left behind.
  std::fprintf(terminal_, "\r%s\033[K", Line(done, total, seconds).c_str());
  std::fflush(terminal_);
  shown_ = true;
}

void ProgressBar::Finish() {
  if (shown_) std::fputc('\n', terminal_);
  shown_ = false;
}

}  // namespace graphitine::cli
