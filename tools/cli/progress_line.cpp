#include "progress_line.h"

namespace vantoki::cli {

ProgressLine::ProgressLine(std::ostream& out, bool terminal, Clock::duration interval)
    : out_(out), terminal_(terminal), interval_(interval) {}

void ProgressLine::show(const std::string& text, Clock::time_point now) {
  if (terminal_) {
    out_ << "\r" << text << "\x1b[K" << std::flush;
  } else if (!written_ || now - lastWritten_ >= interval_) {
    out_ << text << "\n" << std::flush;
    lastWritten_ = now;
  }
  written_ = true;
}

void ProgressLine::end() {
  if (terminal_ && written_) {
    out_ << "\n";
  }
}

}  // namespace vantoki::cli
