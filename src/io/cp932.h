// Conversion between the program's UTF-8 text and code page 932 (Shift-JIS as Windows has it),
// the encoding of every stage data and replay file. Both directions always produce text, so a
// damaged name never makes a file unusable, and a name read from a file is written back as the
// same bytes, so loading and saving never changes a file and a replay names its stage exactly.
//
// Bytes that are not code page 932 are kept: each such byte b reads as the private-use character
// U+F700 + b (code page 932 maps nothing there), and writing turns a run of those characters back
// into its bytes wherever those bytes read back as the same characters, which always holds for
// text that reading produced. Anywhere else such a character is what a person typed, and like
// every other character code page 932 lacks it is written as "?", so a typed character never
// turns into bytes that would read as something else.
//
// Both directions convert by the table of io/cp932_table.h, exactly as glibc does, on every build.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vantoki {

// Code page 932 in, UTF-8 out. Each byte of a sequence that is not code page 932 is kept as
// U+F700 + the byte.
std::string decodeCp932(std::string_view cp932);

// UTF-8 in, code page 932 out. Kept bytes go back as they came; each other character that code
// page 932 lacks, and each sequence that is not well-formed UTF-8 (as far as io/utf8.h says one
// reaches), becomes one "?".
std::string encodeCp932(std::string_view utf8);

// The byte that the UTF-8 character at the start of `text` keeps, when it is one of the
// private-use characters U+F700 to U+F7FF that reading makes of a byte it cannot decode.
std::optional<char> keptByteAt(std::string_view text);

// Whether two texts are written to a file as the same bytes: a typed name and the name a file
// read back to, which differ as text wherever code page 932 has one code for two characters (a
// typed "〜" reads back as "～") or none (both are written as "?").
bool writtenAlike(std::string_view a, std::string_view b);

}  // namespace vantoki
