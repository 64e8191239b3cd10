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
  Result<Cp932Encoder> encoder = Cp932Encoder::open();
  ASSERT_TRUE(encoder.ok()) << encoder.error().message;
  EXPECT_EQ(encoder.value().convert(GetParam().input), GetParam().expected);
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

TEST_P(Cp932DecodeTest, ConvertsOrReplacesWithReplacementCharacter) {
  Result<Cp932Decoder> decoder = Cp932Decoder::open();
  ASSERT_TRUE(decoder.ok()) << decoder.error().message;
  EXPECT_EQ(decoder.value().convert(GetParam().input), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, Cp932DecodeTest,
    testing::Values(Conversion{"", ""},
                    Conversion{"\x8F\x89\x8A\xFA\x83\x66\x81\x5B\x83\x5E", "初期データ"},
                    Conversion{"\x87\x40", "①"}, Conversion{"\x80", "\uFFFD"},
                    Conversion{"\xA0", "\uFFFD"}, Conversion{"\xFD\xFE\xFF", "\uFFFD\uFFFD\uFFFD"},
                    Conversion{"ab\x81", "ab\uFFFD"},  // lead byte at the very end
                    // A stray lead byte must not swallow the ASCII byte after it.
                    Conversion{"\x81\"x", "\uFFFD\"x"},
                    Conversion{"\x81"
                               "1",
                               "\uFFFD"
                               "1"},
                    // An unassigned pair stands for one character.
                    Conversion{"\x85\x80z", "\uFFFDz"}));

TEST(Cp932Test, ConverterIsReusableAfterAnUnconvertibleCharacter) {
  Result<Cp932Encoder> encoder = Cp932Encoder::open();
  ASSERT_TRUE(encoder.ok());
  EXPECT_EQ(encoder.value().convert("😀"), "?");
  EXPECT_EQ(encoder.value().convert("データ"), "\x83\x66\x81\x5B\x83\x5E");
}

TEST(Cp932Test, LongTextSpanningManyOutputChunksRoundTrips) {
  std::string text;
  for (int i = 0; i < 5000; ++i) {
    text += "初期データ";
  }
  Result<Cp932Encoder> encoder = Cp932Encoder::open();
  Result<Cp932Decoder> decoder = Cp932Decoder::open();
  ASSERT_TRUE(encoder.ok());
  ASSERT_TRUE(decoder.ok());
  const std::string encoded = encoder.value().convert(text);
  EXPECT_EQ(encoded.size(), 5000u * 10u);
  EXPECT_EQ(decoder.value().convert(encoded), text);
}

}  // namespace
}  // namespace vantoki
