#include "io/tile_code_text.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <iterator>
#include <limits>

namespace vantoki {
namespace {

bool isBlank(char c) {
  return c == ' ' || c == '\t';
}
bool isDigit(char c) {
  return c >= '0' && c <= '9';
}

enum class Fraction { BelowHalf, Half, AboveHalf };

// Decided on the digits themselves: a double would take 2.5000000000000000001 for a half.
Fraction classifyFraction(std::string_view fractionDigits) {
  if (fractionDigits.empty() || fractionDigits[0] < '5') {
    return Fraction::BelowHalf;
  }
  const bool beyondHalf =
      fractionDigits[0] > '5' || std::any_of(fractionDigits.begin() + 1, fractionDigits.end(),
                                             [](char c) { return c != '0'; });
  return beyondHalf ? Fraction::AboveHalf : Fraction::Half;
}

}  // namespace

std::string formatTileCode(TileCode code) {
  const int value = code;
  std::string digits = std::to_string(std::abs(value));
  if (digits.size() < 2) {
    digits.insert(0, 1, '0');
  }
  return value < 0 ? "-" + digits : digits;
}

std::optional<TileCode> parseTileCode(std::string_view cellText) {
  std::string text;
  std::copy_if(cellText.begin(), cellText.end(), std::back_inserter(text),
               [](char c) { return !isBlank(c); });

  std::size_t position = 0;
  bool negative = false;
  if (position < text.size() && (text[position] == '+' || text[position] == '-')) {
    negative = text[position] == '-';
    ++position;
  }
  const std::size_t integerStart = position;
  while (position < text.size() && isDigit(text[position])) {
    ++position;
  }
  const std::string_view integerDigits(text.data() + integerStart, position - integerStart);
  std::string_view fractionDigits;
  if (position < text.size() && text[position] == '.') {
    const std::size_t fractionStart = ++position;
    while (position < text.size() && isDigit(text[position])) {
      ++position;
    }
    fractionDigits = std::string_view(text.data() + fractionStart, position - fractionStart);
  }
  if (integerDigits.empty() && fractionDigits.empty()) {
    return TileCode{0};
  }

  const std::string_view significant =
      integerDigits.substr(std::min(integerDigits.find_first_not_of('0'), integerDigits.size()));
  // Six significant digits already exceed every tile code, and stopping here keeps any length of
  // digits from overflowing the sum below.
  if (significant.size() > 5) {
    return std::nullopt;
  }
  std::int32_t magnitude = 0;
  for (const char digit : significant) {
    magnitude = magnitude * 10 + (digit - '0');
  }
  const Fraction fraction = classifyFraction(fractionDigits);
  if (fraction == Fraction::AboveHalf || (fraction == Fraction::Half && magnitude % 2 == 1)) {
    ++magnitude;
  }
  const std::int32_t value = negative ? -magnitude : magnitude;
  if (value < std::numeric_limits<TileCode>::min() ||
      value > std::numeric_limits<TileCode>::max()) {
    return std::nullopt;
  }
  return static_cast<TileCode>(value);
}

}  // namespace vantoki
