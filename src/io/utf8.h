// Strict UTF-8, read one character at a time and written one code point at a time: the one place
// that knows the encoding, for the code page 932 converter, its table and the shown text of names.
//
// A character is well-formed only in its shortest form, and never as a surrogate (U+D800 to
// U+DFFF) or past U+10FFFF, as glibc reads it. A sequence that is not well-formed still spans
// bytes of its own: its lead byte and the continuation bytes (80 to BF) right after it, as many
// as the lead byte announces by its high bits (two for C0 to DF, three for E0 to EF, four for F0
// to FF), or the one byte alone when it leads nothing. Stepping through a text by spans meets
// every well-formed character at its start.
#pragma once

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
Utf8Sequence readUtf8(std::string_view text);

// Appends `codePoint`, which must be a Unicode scalar value (no surrogate, not past U+10FFFF).
void appendUtf8(char32_t codePoint, std::string& utf8);

}  // namespace vantoki
