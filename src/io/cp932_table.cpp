#include "io/cp932_table.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "io/utf8.h"

namespace vantoki {
namespace {

using namespace cp932_table;

constexpr std::uint16_t kNone = 0xFFFF;

std::optional<std::size_t> leadIndex(unsigned char byte) {
  const auto* found = std::find(kLeadBytes.begin(), kLeadBytes.end(), byte);
  if (found == kLeadBytes.end()) {
    return std::nullopt;
  }
  return static_cast<std::size_t>(found - kLeadBytes.begin());
}

// The bytes each character of the Basic Multilingual Plane, where all of code page 932 lies, is
// written as (kNone: never): the first bytes that read as it, unless glibc writes it otherwise.
// Indexed by the character, since a save looks up every character it writes; on the heap, since
// the page's stack is small.
const std::vector<std::uint16_t>& encodingTable() {
  static const std::vector<std::uint16_t> table = [] {
    std::vector<std::uint16_t> bytesOf(0x10000, kNone);
    for (std::size_t byte = 0; byte < kSingleBytes.size(); ++byte) {
      if (kSingleBytes[byte] != kNone && bytesOf[kSingleBytes[byte]] == kNone) {
        bytesOf[kSingleBytes[byte]] = static_cast<std::uint16_t>(byte);
      }
    }
    for (std::size_t lead = 0; lead < kLeadBytes.size(); ++lead) {
      for (std::size_t trail = 0; trail < 256; ++trail) {
        if (const std::uint16_t codePoint = kPairs[lead * 256 + trail];
            codePoint != kNone && bytesOf[codePoint] == kNone) {
          bytesOf[codePoint] = static_cast<std::uint16_t>(kLeadBytes[lead] << 8 | trail);
        }
      }
    }
    for (const EncodingException& exception : kEncodingExceptions) {
      bytesOf[exception.codePoint] = exception.bytes == 0 ? kNone : exception.bytes;
    }
    return bytesOf;
  }();
  return table;
}

}  // namespace

std::size_t decodeCp932Prefix(std::string_view cp932, std::string& utf8) {
  std::size_t position = 0;
  while (position < cp932.size()) {
    const auto byte = static_cast<unsigned char>(cp932[position]);
    if (kSingleBytes[byte] != kNone) {
      appendUtf8(kSingleBytes[byte], utf8);
      ++position;
      continue;
    }
    const std::optional<std::size_t> lead = leadIndex(byte);
    if (!lead || position + 1 >= cp932.size()) {
      break;
    }
    const auto trail = static_cast<unsigned char>(cp932[position + 1]);
    const std::uint16_t codePoint = kPairs[*lead * 256 + trail];
    if (codePoint == kNone) {
      break;
    }
    appendUtf8(codePoint, utf8);
    position += 2;
  }
  return position;
}

std::size_t encodeCp932Prefix(std::string_view utf8, std::string& cp932) {
  const auto& table = encodingTable();
  std::size_t position = 0;
  while (position < utf8.size()) {
    const Utf8Sequence character = readUtf8(utf8.substr(position));
    if (!character.codePoint) {
      break;
    }
    const std::uint16_t bytes =
        *character.codePoint < table.size() ? table[*character.codePoint] : kNone;
    if (bytes == kNone) {
      break;
    }
    if (bytes > 0xFF) {
      cp932 += static_cast<char>(bytes >> 8);
    }
    cp932 += static_cast<char>(bytes & 0xFF);
    position += character.length;
  }
  return position;
}

}  // namespace vantoki
