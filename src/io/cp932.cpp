#include "io/cp932.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <optional>
#include <vector>

#include "io/cp932_table.h"

namespace vantoki {
namespace {

// Null where the C library lacks code page 932; the table converts then.
IconvHandle openIconv(const char* toCode, const char* fromCode) {
  const iconv_t descriptor = iconv_open(toCode, fromCode);
  return IconvHandle(descriptor == reinterpret_cast<iconv_t>(-1) ? nullptr : descriptor);
}

// Converts `input` from its start as far as iconv goes, appending to `output`; returns the bytes
// taken.
std::size_t iconvPrefix(iconv_t descriptor, std::string_view input, std::string& output) {
  iconv(descriptor, nullptr, nullptr, nullptr, nullptr);
  std::array<char, 1024> chunk{};
  // iconv takes char** for its input but only reads through it.
  char* in = const_cast<char*>(input.data());
  std::size_t inLeft = input.size();
  while (inLeft > 0) {
    char* out = chunk.data();
    std::size_t outLeft = chunk.size();
    const std::size_t converted = iconv(descriptor, &in, &inLeft, &out, &outLeft);
    const int failure = errno;
    output.append(chunk.data(), static_cast<std::size_t>(out - chunk.data()));
    if (converted == static_cast<std::size_t>(-1) && failure != E2BIG) {
      break;
    }
  }
  return input.size() - inLeft;
}

bool isUtf8Continuation(unsigned char byte) {
  return (byte & 0xC0) == 0x80;
}

// How many bytes one "?" stands for where UTF-8 input could not be converted: the whole
// character when the lead byte announces one and its continuation bytes are there, otherwise
// the single offending byte.
std::size_t unconvertibleUtf8Length(std::string_view rest) {
  const auto lead = static_cast<unsigned char>(rest[0]);
  const std::size_t announced = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
  std::size_t length = 1;
  while (length < announced && length < rest.size() &&
         isUtf8Continuation(static_cast<unsigned char>(rest[length]))) {
    ++length;
  }
  return length;
}

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
// itself never produces. In UTF-8 that is EF, 9C + (b >> 6), 80 + (b & 3F).
constexpr unsigned char kKeptByteLead = 0xEF;
constexpr unsigned char kKeptByteSecondFirst = 0x9C;
constexpr std::size_t kKeptByteUtf8Length = 3;

std::string keptBytes(std::string_view undecodable) {
  std::string utf8;
  for (const char c : undecodable) {
    const auto byte = static_cast<unsigned char>(c);
    utf8 += static_cast<char>(kKeptByteLead);
    utf8 += static_cast<char>(kKeptByteSecondFirst + (byte >> 6));
    utf8 += static_cast<char>(0x80 | (byte & 0x3F));
  }
  return utf8;
}

std::string questionMark(std::string_view) {
  return "?";
}

using PrefixConverter = std::size_t (*)(std::string_view input, std::string& output);

// Converts all of the input; at every sequence the converter refuses, appends what
// `replacement` makes of the bytes skipped, so the conversion itself never fails.
std::string convertLossy(iconv_t descriptor, PrefixConverter byTable, std::string_view input,
                         std::string (*replacement)(std::string_view skipped),
                         std::size_t (*unconvertibleLength)(std::string_view)) {
  std::string output;
  std::size_t position = 0;
  while (position < input.size()) {
    const std::string_view rest = input.substr(position);
    position +=
        descriptor != nullptr ? iconvPrefix(descriptor, rest, output) : byTable(rest, output);
    if (position < input.size()) {
      const std::size_t skipped =
          std::min(input.size() - position, unconvertibleLength(input.substr(position)));
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

Result<Cp932Encoder> Cp932Encoder::open() {
  return Cp932Encoder(openIconv("CP932", "UTF-8"), std::move(Cp932Decoder::open()).value());
}

std::string Cp932Encoder::convert(std::string_view utf8) {
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
      const std::optional<char> byte = keptByteAt(utf8.substr(position));
      if (byte.has_value() != kept) {
        break;
      }
      if (kept) {
        cp932 += *byte;
        position += kKeptByteUtf8Length;
      } else {
        ++position;
      }
    }
    const std::string_view text = utf8.substr(start, position - start);
    pieces.push_back({text,
                      kept ? std::move(cp932)
                           : convertLossy(handle_.get(), encodeCp932Prefix, text, questionMark,
                                          unconvertibleUtf8Length),
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
    if (decoder_.convert(withNext) == std::string(piece.utf8) + decoder_.convert(next)) {
      output += piece.cp932;
    } else {
      output.append(piece.cp932.size(), '?');
    }
  }
  return output;
}

Result<Cp932Decoder> Cp932Decoder::open() {
  return Cp932Decoder(openIconv("UTF-8", "CP932"));
}

std::string Cp932Decoder::convert(std::string_view cp932) {
  return convertLossy(handle_.get(), decodeCp932Prefix, cp932, keptBytes, undecodableCp932Length);
}

bool writtenAlike(std::string_view a, std::string_view b) {
  if (a == b) {
    return true;
  }
  Result<Cp932Encoder> encoder = Cp932Encoder::open();
  return encoder.ok() && encoder.value().convert(a) == encoder.value().convert(b);
}

std::optional<char> keptByteAt(std::string_view text) {
  if (text.size() < kKeptByteUtf8Length || static_cast<unsigned char>(text[0]) != kKeptByteLead) {
    return std::nullopt;
  }
  const auto second = static_cast<unsigned char>(text[1]);
  const auto third = static_cast<unsigned char>(text[2]);
  if (second < kKeptByteSecondFirst || second > kKeptByteSecondFirst + 3 ||
      !isUtf8Continuation(third)) {
    return std::nullopt;
  }
  return static_cast<char>(((second - kKeptByteSecondFirst) << 6) | (third & 0x3F));
}

}  // namespace vantoki
