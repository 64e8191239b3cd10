// How far a long command has come, told on standard error. A person watching a terminal sees one
// line rewritten in place at every report; a log or a pipe, which cannot take a rewrite, gets a
// plain line at the first report and then at most one each interval, so a run of hours shows it
// is alive without burying the log.
#pragma once

#include <chrono>
#include <ostream>
#include <string>

namespace vantoki::cli {

class ProgressLine {
 public:
  using Clock = std::chrono::steady_clock;

  // `terminal`: whether `out` is a terminal that redraws the line.
  ProgressLine(std::ostream& out, bool terminal, Clock::duration interval);

  void show(const std::string& text, Clock::time_point now);
  // Ends the rewritten line, so what follows starts on a line of its own.
  void end();

 private:
  std::ostream& out_;
  const bool terminal_;
  const Clock::duration interval_;
  bool written_ = false;
  Clock::time_point lastWritten_;
};

}  // namespace vantoki::cli
