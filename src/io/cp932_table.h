// Code page 932 by table, converting exactly as glibc's iconv does ("CP932") on every C library,
// the page's WebAssembly build included, with nothing to open that could fail. The table is made
// from glibc's converter by tools/cp932_table/generate.py; io_tests checks it against the live
// converter for every byte, every pair of bytes and every character of the Basic Multilingual
// Plane.
//
// Each function converts `input` from its start for as long as it converts, as iconv does up to
// the sequence it refuses, appends the result to `output` and returns how many bytes it took: all
// of them, or the position of the first sequence it cannot convert.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace vantoki {

std::size_t decodeCp932Prefix(std::string_view cp932, std::string& utf8);
std::size_t encodeCp932Prefix(std::string_view utf8, std::string& cp932);

namespace cp932_table {

struct EncodingException {
  std::uint16_t codePoint;
  std::uint16_t bytes;  // one byte or a pair, big-endian; 0 for a character never written
};

extern const std::array<std::uint16_t, 256> kSingleBytes;
extern const std::array<std::uint8_t, 55> kLeadBytes;
extern const std::array<std::uint16_t, 55 * 256> kPairs;
extern const std::array<EncodingException, 382> kEncodingExceptions;

}  // namespace cp932_table
}  // namespace vantoki
