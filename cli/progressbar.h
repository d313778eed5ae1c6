#pragma once
// The batch progress line on a terminal: done/total, a bar, the rate and the time left,
// redrawn in place on standard error.
#include <chrono>
#include <cstddef>
#include <cstdio>
#include <string>

namespace graphitine::cli {

class ProgressBar {
 public:
  explicit ProgressBar(std::FILE* terminal);
  void Show(std::size_t done, std::size_t total);
  // Ends the line so that later output starts on a fresh one.
  void Finish();

  // The text of one state, without the leading carriage return.
  static std::string Line(std::size_t done, std::size_t total, double seconds);

 private:
  std::FILE* terminal_;
  std::chrono::steady_clock::time_point start_;
  bool shown_ = false;
};

// "0:07", "1:02:03".
std::string FormatDuration(double seconds);

}  // namespace graphitine::cli
