// A byte of a name that code page 932 could not read shows as that byte, and a backslash doubled,
// so no name shows blank and none passes for an escape. Control characters and bytes that are not
// UTF-8 are covered through vantoki-cli's output (tests/cli).
#include "io/printable_text.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "io/cp932.h"

namespace vantoki {
namespace {

TEST(PrintableTextTest, KeptBytesShowAsTheBytesTheyStandForAndABackslashDoubled) {
  // The bytes of a name as read, and how the name shows.
  const std::pair<std::string, std::string> names[] = {
      {"\x81", "\\x81"},
      {"\xff\xfe\x80", "\\xff\\xfe\\x80"},
      {"\x83\x65\x81", "テ\\x81"},  // テ, then a lead byte cut off
      {"C:\\x81", "C:\\\\x81"},     // typed, unlike an escape
  };
  for (const auto& [bytes, shown] : names) {
    EXPECT_EQ(printable(decodeCp932(bytes)), shown);
  }
  // U+F77F and U+F800, on either side of the characters that keep a byte past ASCII.
  EXPECT_EQ(printable("\xef\x9d\xbf\xef\xa0\x80"), "\xef\x9d\xbf\xef\xa0\x80");
}

}  // namespace
}  // namespace vantoki
