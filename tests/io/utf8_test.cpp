// Reading UTF-8: which sequences are characters and how many bytes each one spans, at the edges
// of every length and of the range; writing: each character back to the same bytes.
#include "io/utf8.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>

namespace vantoki {
namespace {

struct Utf8Case {
  std::string bytes;
  std::optional<char32_t> codePoint;  // none: not well-formed
  std::size_t length;
};

void PrintTo(const Utf8Case& utf8Case, std::ostream* out) {
  *out << testing::PrintToString(utf8Case.bytes);
}

class Utf8Test : public testing::TestWithParam<Utf8Case> {};

TEST_P(Utf8Test, ReadsTheSequenceAtTheStartAndWritesACharacterBackAsItsBytes) {
  const Utf8Sequence read = readUtf8(GetParam().bytes);
  EXPECT_EQ(read.codePoint, GetParam().codePoint);
  EXPECT_EQ(read.length, GetParam().length);
  if (GetParam().codePoint) {
    std::string written;
    appendUtf8(*GetParam().codePoint, written);
    EXPECT_EQ(written, GetParam().bytes.substr(0, GetParam().length));
  }
}

INSTANTIATE_TEST_SUITE_P(
    WellFormed, Utf8Test,
    testing::Values(Utf8Case{"A", U'A', 1}, Utf8Case{"\xC2\x80", 0x80, 2},
                    Utf8Case{"\xDF\xBF", 0x7FF, 2}, Utf8Case{"\xE0\xA0\x80", 0x800, 3},
                    Utf8Case{"\xED\x9F\xBF", 0xD7FF, 3}, Utf8Case{"\xEE\x80\x80", 0xE000, 3},
                    Utf8Case{"\xEF\xBF\xBF", 0xFFFF, 3}, Utf8Case{"\xF0\x90\x80\x80", 0x10000, 4},
                    Utf8Case{"\xF4\x8F\xBF\xBF", 0x10FFFF, 4},
                    Utf8Case{"\xE3\x81\x82\xE3\x81\x84", 0x3042, 3}));  // only the first

// A sequence that is not a character spans its lead byte and the continuation bytes after it, up
// to as many as the lead byte announces.
INSTANTIATE_TEST_SUITE_P(
    Refused, Utf8Test,
    testing::Values(
        // Overlong forms.
        Utf8Case{"\xC0\x80", std::nullopt, 2}, Utf8Case{"\xC1\xBF", std::nullopt, 2},
        Utf8Case{"\xE0\x9F\xBF", std::nullopt, 3}, Utf8Case{"\xF0\x8F\xBF\xBF", std::nullopt, 4},
        // Surrogates.
        Utf8Case{"\xED\xA0\x80", std::nullopt, 3}, Utf8Case{"\xED\xBF\xBF", std::nullopt, 3},
        // Past U+10FFFF; FC 80 80 80 would carry the bits of U+100000.
        Utf8Case{"\xF4\x90\x80\x80", std::nullopt, 4},
        Utf8Case{"\xF5\x80\x80\x80", std::nullopt, 4},
        Utf8Case{"\xF7\xBF\xBF\xBF", std::nullopt, 4},
        Utf8Case{"\xFC\x80\x80\x80", std::nullopt, 4},
        // Cut short, at the end or by a byte that continues nothing.
        Utf8Case{"\xF0\x9F\x98", std::nullopt, 3}, Utf8Case{"\xE3\x81 ", std::nullopt, 2},
        // Bytes that lead nothing.
        Utf8Case{"\x80\x80", std::nullopt, 1}, Utf8Case{"\xFF\xFE", std::nullopt, 1}));

}  // namespace
}  // namespace vantoki
