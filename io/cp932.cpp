#include "io/cp932.h"

#include <algorithm>
#include <array>
#include <cerrno>

namespace vantoki {
namespace {

Result<IconvHandle> openIconv(const char* toCode, const char* fromCode) {
  const iconv_t descriptor = iconv_open(toCode, fromCode);
  if (descriptor == reinterpret_cast<iconv_t>(-1)) {
    return FileError{"code page 932 conversion is not available on this system: " +
                     systemReason(errno)};
  }
  return IconvHandle(descriptor);
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

// How many bytes one U+FFFD stands for where code page 932 input could not be converted. A lead
// byte takes its second byte along unless that byte is ASCII: ASCII is never part of a damaged
// pair, so a quote or a digit after a stray lead byte survives.
std::size_t undecodableCp932Length(std::string_view rest) {
  const bool pairs = isCp932LeadByte(static_cast<unsigned char>(rest[0])) && rest.size() > 1 &&
                     static_cast<unsigned char>(rest[1]) >= 0x80;
  return pairs ? 2 : 1;
}

// Converts all of the input; at every sequence iconv refuses, appends the replacement and skips
// what it stands for, so the conversion itself never fails.
std::string convertLossy(iconv_t descriptor, std::string_view input, std::string_view replacement,
                         std::size_t (*unconvertibleLength)(std::string_view)) {
  iconv(descriptor, nullptr, nullptr, nullptr, nullptr);
  std::string output;
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
    if (converted != static_cast<std::size_t>(-1) || failure == E2BIG) {
      continue;
    }
    output += replacement;
    const std::size_t skipped = std::min(inLeft, unconvertibleLength({in, inLeft}));
    in += skipped;
    inLeft -= skipped;
  }
  return output;
}

}  // namespace

Result<Cp932Encoder> Cp932Encoder::open() {
  auto handle = openIconv("CP932", "UTF-8");
  if (!handle.ok()) {
    return handle.error();
  }
  return Cp932Encoder(std::move(handle).value());
}

std::string Cp932Encoder::convert(std::string_view utf8) {
  return convertLossy(handle_.get(), utf8, "?", unconvertibleUtf8Length);
}

Result<Cp932Decoder> Cp932Decoder::open() {
  auto handle = openIconv("UTF-8", "CP932");
  if (!handle.ok()) {
    return handle.error();
  }
  return Cp932Decoder(std::move(handle).value());
}

std::string Cp932Decoder::convert(std::string_view cp932) {
  return convertLossy(handle_.get(), cp932, "\xEF\xBF\xBD", undecodableCp932Length);
}

}  // namespace vantoki
