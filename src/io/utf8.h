// Strict UTF-8, read one character at a time and written one code point at a time: the one place
// that knows the encoding, for the code page 932 converter, its table and the shown text of names.
//
// A character is well-formed only in its shortest form, and never as a surrogate (U+D800 to
// U+DFFF) or past U+10FFFF, as glibc reads it. A sequence that is not well-formed still spans
// bytes of its own: its lead byte and the continuation bytes (80 to BF) right after it, as many
// as the lead byte announces by its high bits (two for C0 to DF, three for E0 to EF, four for F0
// to FF), or the one byte alone when it leads nothing. Stepping through a text by spans meets
// every well-formed character at its start.
//
// Both are inline: a save reads every character it writes through here, and out of line the
// result went through memory at every call, which made writing code page 932 three times slower.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace vantoki {

struct Utf8Sequence {
  std::optional<char32_t> codePoint;  // none: not well-formed
  std::size_t length;                 // the bytes it spans, at least one
};

// The sequence at the start of `text`, which must not be empty.
inline Utf8Sequence readUtf8(std::string_view text) {
  const auto lead = static_cast<unsigned char>(text[0]);
  if (lead < 0x80) {
    return {lead, 1};
  }
  const std::size_t announced = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
  char32_t codePoint = lead & (0x7F >> announced);
  std::size_t length = 1;
  while (length < announced && length < text.size() &&
         (static_cast<unsigned char>(text[length]) & 0xC0) == 0x80) {
    codePoint = (codePoint << 6) | (static_cast<unsigned char>(text[length]) & 0x3F);
    ++length;
  }
  constexpr std::array<char32_t, 5> kSmallest = {0, 0, 0x80, 0x800, 0x10000};
  // No lead byte past F4 begins a character: F5 to F7 would lead past U+10FFFF, and the bits
  // of F8 and up do not fit a four-byte form, so what they read as means nothing.
  const bool wellFormed = announced > 1 && length == announced && lead <= 0xF4 &&
                          codePoint >= kSmallest[length] && codePoint <= 0x10FFFF &&
                          !(codePoint >= 0xD800 && codePoint <= 0xDFFF);
  return {wellFormed ? std::optional<char32_t>(codePoint) : std::nullopt, length};
}

// Appends `codePoint`, which must be a Unicode scalar value (no surrogate, not past U+10FFFF).
inline void appendUtf8(char32_t codePoint, std::string& utf8) {
  if (codePoint < 0x80) {
    utf8 += static_cast<char>(codePoint);
    return;
  }
  const std::size_t length = codePoint < 0x800 ? 2 : codePoint < 0x10000 ? 3 : 4;
  constexpr std::array<unsigned char, 5> kLeadMarks = {0, 0, 0xC0, 0xE0, 0xF0};
  utf8 += static_cast<char>(kLeadMarks[length] | (codePoint >> (6 * (length - 1))));
  for (std::size_t shift = 6 * (length - 1); shift > 0; shift -= 6) {
    utf8 += static_cast<char>(0x80 | ((codePoint >> (shift - 6)) & 0x3F));
  }
}

}  // namespace vantoki
