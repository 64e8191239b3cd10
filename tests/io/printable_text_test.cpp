// Names read from files as they show when printed: a byte that code page 932 could not read shows
// as that byte, and a backslash doubled, so no name shows blank and no name can pass for an
// escape. Control characters and bytes that are not UTF-8 are covered through vantoki-cli's own
// output (tests/cli).
#include "io/printable_text.h"

#include <gtest/gtest.h>

#include <string>

#include "io/cp932.h"

namespace vantoki {
namespace {

TEST(PrintableTextTest, NamesReadFromCodePage932ShowTheBytesItCouldNotRead) {
  Result<Cp932Decoder> decoder = Cp932Decoder::open();
  ASSERT_TRUE(decoder.ok()) << decoder.error().message;
  const struct {
    std::string bytes;
    std::string shown;
  } cases[] = {
      {"\x81", "\\x81"},
      {"\xff\xfe\xfd", "\\xff\\xfe\\xfd"},
      {"\x80", "\\x80"},
      {"\x83\x65\x81", "テ\\x81"},  // テ, then a lead byte cut off
      {"C:\\stages", "C:\\\\stages"},
  };
  for (const auto& name : cases) {
    EXPECT_EQ(printable(decoder.value().convert(name.bytes)), name.shown);
  }
}

TEST(PrintableTextTest, OnlyTheCharactersThatKeepABytePastAsciiShowAsIt) {
  const struct {
    std::string text;
    std::string shown;
  } cases[] = {
      {"\xef\x9e\x80", "\\x80"},           // U+F780, the first kept byte
      {"\xef\x9f\xbf", "\\xff"},           // U+F7FF, the last
      {"\xef\x9d\xbf", "\xef\x9d\xbf"},    // U+F77F: no byte below 80 is ever kept
      {"\xef\xa0\x80", "\xef\xa0\x80"},    // U+F800
      {"\\x81 \\\\", "\\\\x81 \\\\\\\\"},  // typed, so unlike an escape
  };
  for (const auto& text : cases) {
    EXPECT_EQ(printable(text.text), text.shown);
  }
}

}  // namespace
}  // namespace vantoki
