#include "io/tile_code_text.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>

namespace vantoki {
namespace {

struct Formatted {
  TileCode code;
  std::string text;
};

class FormatTileCodeTest : public testing::TestWithParam<Formatted> {};

TEST_P(FormatTileCodeTest, HasAtLeastTwoDigits) {
  EXPECT_EQ(formatTileCode(GetParam().code), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Table, FormatTileCodeTest,
                         testing::Values(Formatted{0, "00"}, Formatted{7, "07"},
                                         Formatted{12, "12"}, Formatted{100, "100"},
                                         Formatted{123, "123"}, Formatted{-5, "-05"},
                                         Formatted{-12, "-12"}, Formatted{-123, "-123"},
                                         Formatted{32767, "32767"}, Formatted{-32768, "-32768"}));

struct Parsed {
  std::string text;
  std::optional<TileCode> code;
};

void PrintTo(const Parsed& parsed, std::ostream* out) {
  *out << '"' << parsed.text << '"';
}

class ParseTileCodeTest : public testing::TestWithParam<Parsed> {};

TEST_P(ParseTileCodeTest, ReadsLikeAPersonWouldTypeIt) {
  EXPECT_EQ(parseTileCode(GetParam().text), GetParam().code);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ParseTileCodeTest,
    testing::Values(
        // What the program writes.
        Parsed{"00", 0}, Parsed{"07", 7}, Parsed{"123", 123}, Parsed{"-05", -5},
        // Blanks anywhere are ignored.
        Parsed{" 1", 1}, Parsed{"\t3\t", 3}, Parsed{"1 2", 12}, Parsed{"- 5", -5},
        Parsed{"1 . 5", 2},
        // Not a number at the start reads as 0.
        Parsed{"", 0}, Parsed{"   ", 0}, Parsed{"abc", 0}, Parsed{"-", 0}, Parsed{"+", 0},
        Parsed{".", 0}, Parsed{"x12", 0},
        // Reading stops where the number cannot go on.
        Parsed{"12abc", 12}, Parsed{"1e3", 1}, Parsed{"1.2.3", 1}, Parsed{"4-5", 4},
        Parsed{"+7", 7}, Parsed{".7", 1}, Parsed{"7.", 7},
        // Halves go to the even neighbour, decided on the exact digits.
        Parsed{"2.5", 2}, Parsed{"3.5", 4}, Parsed{"0.5", 0}, Parsed{"1.5", 2}, Parsed{"-0.5", 0},
        Parsed{"-.5", 0}, Parsed{"-2.5", -2}, Parsed{"-3.5", -4}, Parsed{"2.50000", 2},
        Parsed{"2.5000000000000000001", 3}, Parsed{"2.4999999999999999999", 2}, Parsed{"2.51", 3},
        Parsed{"2.6", 3},
        // The 16-bit range, after rounding.
        Parsed{"32767", 32767}, Parsed{"-32768", -32768}, Parsed{"32767.4999", 32767},
        Parsed{"-32768.5", -32768}, Parsed{"00032767", 32767}, Parsed{"32767.5", std::nullopt},
        Parsed{"32768", std::nullopt}, Parsed{"-32769", std::nullopt},
        Parsed{"-32768.5000001", std::nullopt}, Parsed{"40000", std::nullopt},
        Parsed{"99999", std::nullopt}, Parsed{"100000", std::nullopt},
        Parsed{"99999999999999999999999", std::nullopt}));

TEST(TileCodeTextTest, EndlessDigitsNeitherOverflowNorLoseLeadingZeros) {
  EXPECT_EQ(parseTileCode(std::string(100000, '9')), std::nullopt);
  EXPECT_EQ(parseTileCode("-" + std::string(100000, '9')), std::nullopt);
  EXPECT_EQ(parseTileCode(std::string(100000, '0') + "42"), TileCode{42});
  EXPECT_EQ(parseTileCode("2.5" + std::string(100000, '0')), TileCode{2});
  EXPECT_EQ(parseTileCode("2.5" + std::string(100000, '0') + "1"), TileCode{3});
}

TEST(TileCodeTextTest, EveryCodeReadsBackAsWritten) {
  for (int value = -32768; value <= 32767; ++value) {
    const auto code = static_cast<TileCode>(value);
    ASSERT_EQ(parseTileCode(formatTileCode(code)), code) << value;
  }
}

}  // namespace
}  // namespace vantoki
