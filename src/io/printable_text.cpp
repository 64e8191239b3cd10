#include "io/printable_text.h"

#include <optional>

#include "io/cp932.h"
#include "io/utf8.h"

namespace vantoki {
namespace {

// C0, DEL and C1.
bool isControl(char32_t codePoint) {
  return codePoint < 0x20 || (codePoint >= 0x7F && codePoint <= 0x9F);
}

// The byte that a character read from code page 932 stands for, when it is one the decoder kept:
// only bytes past ASCII can fail to decode.
std::optional<unsigned char> keptByte(std::string_view character) {
  const std::optional<char> byte = keptByteAt(character);
  if (!byte || static_cast<unsigned char>(*byte) < 0x80) {
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
    const Utf8Sequence character = readUtf8(text);
    if (!character.codePoint) {
      return false;
    }
    text.remove_prefix(character.length);
  }
  return true;
}

std::string printable(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  while (!text.empty()) {
    const Utf8Sequence sequence = readUtf8(text);
    const std::string_view character = text.substr(0, sequence.length);
    // A sequence that is not well-formed is escaped byte for byte, as much as it spans.
    if (!sequence.codePoint || isControl(*sequence.codePoint)) {
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
