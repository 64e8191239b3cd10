#include "io/cp932.h"

#include <vector>

#include "io/cp932_table.h"
#include "io/utf8.h"

namespace vantoki {
namespace {

bool isCp932LeadByte(unsigned char byte) {
  return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

// How many bytes one failed decoding step skips. A lead byte takes its second byte along unless
// that byte is ASCII: ASCII is never part of a damaged pair, so a quote or a digit after a stray
// lead byte survives.
std::size_t undecodableCp932Length(std::string_view rest) {
  const bool pairs = isCp932LeadByte(static_cast<unsigned char>(rest[0])) && rest.size() > 1 &&
                     static_cast<unsigned char>(rest[1]) >= 0x80;
  return pairs ? 2 : 1;
}

// Each undecodable byte b reads as the private-use character U+F700 + b, which code page 932
// itself never produces.
constexpr char32_t kKeptByteBase = 0xF700;

std::string keptBytes(std::string_view undecodable) {
  std::string utf8;
  for (const char byte : undecodable) {
    appendUtf8(kKeptByteBase + static_cast<unsigned char>(byte), utf8);
  }
  return utf8;
}

std::optional<char> keptByte(const Utf8Sequence& character) {
  if (!character.codePoint || *character.codePoint < kKeptByteBase ||
      *character.codePoint > kKeptByteBase + 0xFF) {
    return std::nullopt;
  }
  return static_cast<char>(*character.codePoint - kKeptByteBase);
}

// A character code page 932 lacks is one "?", and so is a sequence that is not UTF-8 at all,
// however many bytes it spans.
std::size_t unconvertibleUtf8Length(std::string_view rest) {
  return readUtf8(rest).length;
}

std::string questionMark(std::string_view) {
  return "?";
}

using PrefixConverter = std::size_t (*)(std::string_view input, std::string& output);

// Converts all of the input; at every sequence the table refuses, appends what `replacement`
// makes of the bytes skipped, so the conversion itself never fails.
std::string convertLossy(PrefixConverter convertPrefix, std::string_view input,
                         std::string (*replacement)(std::string_view skipped),
                         std::size_t (*unconvertibleLength)(std::string_view)) {
  std::string output;
  std::size_t position = 0;
  while (position < input.size()) {
    position += convertPrefix(input.substr(position), output);
    if (position < input.size()) {
      const std::size_t skipped = unconvertibleLength(input.substr(position));
      output += replacement(input.substr(position, skipped));
      position += skipped;
    }
  }
  return output;
}

// The bytes of the first character of valid code page 932 text.
std::string_view firstCharacter(std::string_view cp932) {
  const bool pair = !cp932.empty() && isCp932LeadByte(static_cast<unsigned char>(cp932[0]));
  return cp932.substr(0, pair ? 2 : 1);
}

}  // namespace

std::string encodeCp932(std::string_view utf8) {
  // Split into runs of kept bytes and the text between them, so that each run can be checked
  // against the character that follows it.
  struct Piece {
    std::string_view utf8;
    std::string cp932;
    bool keptBytes;
  };
  std::vector<Piece> pieces;
  std::size_t position = 0;
  while (position < utf8.size()) {
    const std::size_t start = position;
    const bool kept = keptByteAt(utf8.substr(start)).has_value();
    std::string cp932;
    while (position < utf8.size()) {
      const Utf8Sequence character = readUtf8(utf8.substr(position));
      const std::optional<char> byte = keptByte(character);
      if (byte.has_value() != kept) {
        break;
      }
      if (byte) {
        cp932 += *byte;
      }
      position += character.length;
    }
    const std::string_view text = utf8.substr(start, position - start);
    pieces.push_back(
        {text,
         kept ? std::move(cp932)
              : convertLossy(encodeCp932Prefix, text, questionMark, unconvertibleUtf8Length),
         kept});
  }

  std::string output;
  for (std::size_t index = 0; index < pieces.size(); ++index) {
    const Piece& piece = pieces[index];
    if (!piece.keptBytes) {
      output += piece.cp932;
      continue;
    }
    // Written back as bytes only where the bytes read back as the same characters, which holds
    // for every run the decoder made; otherwise (a private-use character a person typed) they are
    // characters code page 932 lacks, one "?" each.
    const std::string_view next =
        index + 1 < pieces.size() ? firstCharacter(pieces[index + 1].cp932) : std::string_view();
    const std::string withNext = piece.cp932 + std::string(next);
    if (decodeCp932(withNext) == std::string(piece.utf8) + decodeCp932(next)) {
      output += piece.cp932;
    } else {
      output.append(piece.cp932.size(), '?');
    }
  }
  return output;
}

std::string decodeCp932(std::string_view cp932) {
  return convertLossy(decodeCp932Prefix, cp932, keptBytes, undecodableCp932Length);
}

bool writtenAlike(std::string_view a, std::string_view b) {
  return a == b || encodeCp932(a) == encodeCp932(b);
}

std::optional<char> keptByteAt(std::string_view text) {
  return text.empty() ? std::nullopt : keptByte(readUtf8(text));
}

}  // namespace vantoki
