#include "dialogs/file_name_text.h"

#include <cstddef>

namespace vantoki {
namespace {

// The well-formed UTF-8 sequences by their lead byte: the length and the range the second byte
// must fall in, which shuts out overlong forms, surrogates and code points past U+10FFFF.
struct Utf8Form {
  unsigned char leadFirst;
  unsigned char leadLast;
  std::size_t length;
  unsigned char secondFirst;
  unsigned char secondLast;
};

constexpr Utf8Form kUtf8Forms[] = {
    {0xC2, 0xDF, 2, 0x80, 0xBF}, {0xE0, 0xE0, 3, 0xA0, 0xBF}, {0xE1, 0xEC, 3, 0x80, 0xBF},
    {0xED, 0xED, 3, 0x80, 0x9F}, {0xEE, 0xEF, 3, 0x80, 0xBF}, {0xF0, 0xF0, 4, 0x90, 0xBF},
    {0xF1, 0xF3, 4, 0x80, 0xBF}, {0xF4, 0xF4, 4, 0x80, 0x8F},
};

unsigned char byteAt(std::string_view text, std::size_t index) {
  return static_cast<unsigned char>(text[index]);
}

// The length of the UTF-8 character `text` starts with, or 0 when it does not start with one.
std::size_t utf8CharacterLength(std::string_view text) {
  const unsigned char lead = byteAt(text, 0);
  if (lead < 0x80) {
    return 1;
  }
  for (const Utf8Form& form : kUtf8Forms) {
    if (lead < form.leadFirst || lead > form.leadLast) {
      continue;
    }
    if (text.size() < form.length || byteAt(text, 1) < form.secondFirst ||
        byteAt(text, 1) > form.secondLast) {
      return 0;
    }
    for (std::size_t index = 2; index < form.length; ++index) {
      if ((byteAt(text, index) & 0xC0) != 0x80) {
        return 0;
      }
    }
    return form.length;
  }
  return 0;
}

bool isUtf8(std::string_view text) {
  while (!text.empty()) {
    const std::size_t length = utf8CharacterLength(text);
    if (length == 0) {
      return false;
    }
    text.remove_prefix(length);
  }
  return true;
}

// C0 controls and DEL, and the C1 controls U+0080 to U+009F (C2 80 to C2 9F).
bool isControl(std::string_view character) {
  const unsigned char lead = byteAt(character, 0);
  return character.size() == 1 ? lead < 0x20 || lead == 0x7F
                               : lead == 0xC2 && byteAt(character, 1) < 0xA0;
}

// The text with each byte that is not part of a UTF-8 character, and each control character,
// written as \xNN.
std::string escaped(std::string_view text) {
  constexpr std::string_view kHexDigits = "0123456789abcdef";
  std::string shown;
  while (!text.empty()) {
    const std::size_t length = utf8CharacterLength(text);
    const std::string_view character = text.substr(0, length == 0 ? 1 : length);
    if (length != 0 && !isControl(character)) {
      shown += character;
    } else {
      for (const char byte : character) {
        shown += "\\x";
        shown += kHexDigits[static_cast<unsigned char>(byte) >> 4];
        shown += kHexDigits[static_cast<unsigned char>(byte) & 0x0F];
      }
    }
    text.remove_prefix(character.size());
  }
  return shown;
}

// Whether the decoder kept a byte it could not read: it reads each as U+F700 + the byte
// (io/cp932.h), which is EF 9C to EF 9F and one more byte in UTF-8.
bool keepsUndecodedBytes(std::string_view decoded) {
  for (std::size_t index = 0; index + 1 < decoded.size(); ++index) {
    if (byteAt(decoded, index) == 0xEF && byteAt(decoded, index + 1) >= 0x9C &&
        byteAt(decoded, index + 1) <= 0x9F) {
      return true;
    }
  }
  return false;
}

}  // namespace

FileNameText::FileNameText() {
  Result<Cp932Decoder> decoder = Cp932Decoder::open();
  if (decoder.ok()) {
    cp932_.emplace(std::move(decoder).value());
  }
}

std::string FileNameText::shown(std::string_view name) {
  if (isUtf8(name) || !cp932_) {
    return escaped(name);
  }
  const std::string decoded = cp932_->convert(name);
  return keepsUndecodedBytes(decoded) ? escaped(name) : escaped(decoded);
}

std::string FileNameText::shownPath(const std::filesystem::path& path) {
  std::string text = path.has_root_directory() ? "/" : "";
  for (const std::filesystem::path& part : path.relative_path()) {
    if (part.empty()) {
      continue;
    }
    if (!text.empty() && text.back() != '/') {
      text += '/';
    }
    text += shown(part.native());
  }
  return text;
}

}  // namespace vantoki
