#include "io/printable_text.h"

#include <cstddef>
#include <optional>

#include "io/cp932.h"

namespace vantoki {
namespace {

unsigned char byteAt(std::string_view text, std::size_t index) {
  return static_cast<unsigned char>(text[index]);
}

// The length of the UTF-8 character that `text` starts with, or 0 when its first bytes are not
// one: overlong forms, surrogates and code points past U+10FFFF included, since a terminal may
// read them as something else.
std::size_t utf8Length(std::string_view text) {
  const unsigned char lead = byteAt(text, 0);
  if (lead < 0x80) {
    return 1;
  }
  std::size_t length = 0;
  unsigned char secondLeast = 0x80;
  unsigned char secondMost = 0xBF;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    secondLeast = lead == 0xE0 ? 0xA0 : secondLeast;
    secondMost = lead == 0xED ? 0x9F : secondMost;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    secondLeast = lead == 0xF0 ? 0x90 : secondLeast;
    secondMost = lead == 0xF4 ? 0x8F : secondMost;
  } else {
    return 0;
  }
  if (text.size() < length || byteAt(text, 1) < secondLeast || byteAt(text, 1) > secondMost) {
    return 0;
  }
  for (std::size_t index = 2; index < length; ++index) {
    if ((byteAt(text, index) & 0xC0) != 0x80) {
      return 0;
    }
  }
  return length;
}

// C0 and DEL are one byte; the C1 controls U+0080 to U+009F are C2 80 to C2 9F.
bool isControl(std::string_view character) {
  const unsigned char lead = byteAt(character, 0);
  if (character.size() == 1) {
    return lead < 0x20 || lead == 0x7F;
  }
  return lead == 0xC2 && byteAt(character, 1) < 0xA0;
}

// The byte that a character read from code page 932 stands for, when it is one the decoder kept:
// only bytes past ASCII can fail to decode.
std::optional<unsigned char> keptByte(std::string_view character) {
  const std::optional<char> byte = keptByteAt(character);
  if (!byte || character.size() != 3 || static_cast<unsigned char>(*byte) < 0x80) {
    return std::nullopt;
  }
  return static_cast<unsigned char>(*byte);
}

void appendEscapedByte(std::string& out, unsigned char byte) {
  constexpr std::string_view kHexDigits = "0123456789abcdef";
  out += "\\x";
  out += kHexDigits[byte >> 4];
  out += kHexDigits[byte & 0x0F];
}

void appendEscaped(std::string& out, std::string_view bytes) {
  for (const char byte : bytes) {
    appendEscapedByte(out, static_cast<unsigned char>(byte));
  }
}

}  // namespace

bool isUtf8(std::string_view text) {
  while (!text.empty()) {
    const std::size_t length = utf8Length(text);
    if (length == 0) {
      return false;
    }
    text.remove_prefix(length);
  }
  return true;
}

std::string printable(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  while (!text.empty()) {
    const std::size_t length = utf8Length(text);
    const std::string_view character = text.substr(0, length == 0 ? 1 : length);
    if (length == 0 || isControl(character)) {
      appendEscaped(out, character);
    } else if (const std::optional<unsigned char> byte = keptByte(character)) {
      appendEscapedByte(out, *byte);
    } else if (character == "\\") {
      out += "\\\\";
    } else {
      out += character;
    }
    text.remove_prefix(character.size());
  }
  return out;
}

}  // namespace vantoki
