#include "io/cp932.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace vantoki {
namespace {

struct Conversion {
  std::string input;
  std::string expected;
};

void PrintTo(const Conversion& conversion, std::ostream* out) {
  *out << testing::PrintToString(conversion.input);
}

class Cp932EncodeTest : public testing::TestWithParam<Conversion> {};

TEST_P(Cp932EncodeTest, ConvertsOrReplacesWithQuestionMark) {
  EXPECT_EQ(encodeCp932(GetParam().input), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, Cp932EncodeTest,
    testing::Values(Conversion{"", ""}, Conversion{"STAGE 1", "STAGE 1"},
                    Conversion{"初期データ", "\x8F\x89\x8A\xFA\x83\x66\x81\x5B\x83\x5E"},
                    Conversion{"ｱ", "\xB1"},      // half-width katakana: one byte
                    Conversion{"①", "\x87\x40"},  // an extension Windows added
                    Conversion{"a😀b", "a?b"},     // four UTF-8 bytes, one "?"
                    Conversion{"é", "?"},         // two UTF-8 bytes, one "?"
                    Conversion{"😀😀", "??"}, Conversion{"x\xC3", "x?"},  // UTF-8 cut off at the end
                    Conversion{"\xC3"
                               "A",
                               "?A"},                 // lead byte without continuation
                    Conversion{"\xFF\xFE", "??"},     // never UTF-8
                    Conversion{"\xED\xA0\x80", "?"},  // an encoded surrogate
                    Conversion{"\"a,b\"", "\"a,b\""}));

class Cp932DecodeTest : public testing::TestWithParam<Conversion> {};

TEST_P(Cp932DecodeTest, ConvertsOrKeepsUndecodableBytesAsPrivateUseCharacters) {
  EXPECT_EQ(decodeCp932(GetParam().input), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, Cp932DecodeTest,
    testing::Values(Conversion{"", ""},
                    Conversion{"\x8F\x89\x8A\xFA\x83\x66\x81\x5B\x83\x5E", "初期データ"},
                    Conversion{"\x87\x40", "①"}, Conversion{"\x80", "\uF780"},
                    Conversion{"\xA0", "\uF7A0"}, Conversion{"\xFD\xFE\xFF", "\uF7FD\uF7FE\uF7FF"},
                    Conversion{"ab\x81", "ab\uF781"},  // lead byte at the very end
                    // A stray lead byte must not swallow the ASCII byte after it.
                    Conversion{"\x81\"x", "\uF781\"x"},
                    Conversion{"\x81"
                               "1",
                               "\uF781"
                               "1"},
                    // An unassigned pair keeps both its bytes.
                    Conversion{"\x85\x80z", "\uF785\uF780z"}));

// Every name byte comes back from a read and a write: each single byte, and each pair after a
// lead byte that does not read as code page 932, whatever follows it.
TEST(Cp932Test, UndecodableBytesRoundTripByteForByte) {
  int undecodablePairs = 0;
  for (int first = 0; first < 256; ++first) {
    const std::string single(1, static_cast<char>(first));
    EXPECT_EQ(encodeCp932(decodeCp932(single)), single) << first;
    if (!(first >= 0x81 && first <= 0x9F) && !(first >= 0xE0 && first <= 0xFC)) {
      continue;
    }
    for (int second = 0; second < 256; ++second) {
      for (const std::string_view after : {"", "@", "\xB1", "\x82\xA0"}) {
        const std::string bytes = single + static_cast<char>(second) + std::string(after);
        const std::string decoded = decodeCp932(bytes);
        if (decoded.find("\xEF\x9E") == std::string::npos &&
            decoded.find("\xEF\x9F") == std::string::npos) {
          continue;  // a character code page 932 has; some have two encodings
        }
        ++undecodablePairs;
        EXPECT_EQ(encodeCp932(decoded), bytes) << testing::PrintToString(bytes);
      }
    }
  }
  EXPECT_GT(undecodablePairs, 1000);
}

class PrivateUseEncodeTest : public testing::TestWithParam<Conversion> {};

// A private-use character a person typed is only written as a byte that reads back as the same
// character; anywhere else it is "?", like every other character code page 932 lacks.
TEST_P(PrivateUseEncodeTest, NeverBecomesBytesThatReadAsSomethingElse) {
  const std::string written = encodeCp932(GetParam().input);
  EXPECT_EQ(written, GetParam().expected);
  if (written.find('?') == std::string::npos) {
    EXPECT_EQ(decodeCp932(written), GetParam().input);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Table, PrivateUseEncodeTest,
    testing::Values(Conversion{"\uF780", "\x80"}, Conversion{"a\uF781", "a\x81"},
                    Conversion{"\uF781\uF7FF", "\x81\xFF"},
                    // 81 40 reads as an ideographic space, 81 A0 as a white square.
                    Conversion{"\uF781@", "?@"}, Conversion{"\uF781\uF7A0x", "??x"},
                    // B1 is a half-width katakana, 41 an "A".
                    Conversion{"\uF7B1", "?"}, Conversion{"\uF741", "?"},
                    // A lead byte before the first byte of a two-byte character.
                    Conversion{"\uF781あ", "?\x82\xA0"},
                    // Outside U+F700-U+F7FF private-use characters keep their own rules.
                    Conversion{"\uE000\uF6FF\uF800", "\xF0\x40??"}));

}  // namespace
}  // namespace vantoki
