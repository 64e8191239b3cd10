// The progress line of long commands, with a clock the test sets: rewritten in place on a
// terminal, plain lines no more often than the interval elsewhere.
#include <gtest/gtest.h>

#include <chrono>
#include <sstream>

#include "progress_line.h"

namespace vantoki::cli {
namespace {

using std::chrono::milliseconds;
using std::chrono::seconds;

const ProgressLine::Clock::time_point kStart{};

TEST(ProgressLineTest, ALogGetsTheFirstReportThenOneLineAnIntervalAfterTheLast) {
  std::ostringstream log;
  ProgressLine line(log, false, seconds(5));
  line.show("at 0", kStart);
  line.show("at 1", kStart + seconds(1));
  line.show("at 4.999", kStart + milliseconds(4999));
  line.show("at 5", kStart + seconds(5));
  line.show("at 9", kStart + seconds(9));
  line.show("at 11", kStart + seconds(11));
  line.end();
  EXPECT_EQ(log.str(), "at 0\nat 5\nat 11\n");
}

TEST(ProgressLineTest, ATerminalSeesEveryReportInPlaceAndALineEndAfterThem) {
  std::ostringstream terminal;
  ProgressLine line(terminal, true, seconds(5));
  line.show("first", kStart);
  line.show("second", kStart + milliseconds(1));
  line.end();
  EXPECT_EQ(terminal.str(), "\rfirst\x1b[K\rsecond\x1b[K\n");
}

}  // namespace
}  // namespace vantoki::cli
