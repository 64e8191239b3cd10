// Conversion between the program's UTF-8 text and code page 932 (Shift-JIS as Windows has it),
// the encoding of every stage data and replay file. Both directions always produce text: what
// code page 932 cannot hold is written as "?", and bytes that are not code page 932 read as
// U+FFFD, so a damaged name never makes a file unusable.
//
// Opening a converter fails only when the system lacks code page 932 support; each converter
// owns its iconv descriptor.
#pragma once

#include <iconv.h>

#include <memory>
#include <string>
#include <string_view>
#include <type_traits>

#include "io/file_error.h"

namespace vantoki {

struct IconvCloser {
  void operator()(iconv_t descriptor) const { iconv_close(descriptor); }
};
using IconvHandle = std::unique_ptr<std::remove_pointer_t<iconv_t>, IconvCloser>;

class Cp932Encoder {
 public:
  static Result<Cp932Encoder> open();

  // UTF-8 in, code page 932 out. Each character that code page 932 lacks, and each run of bytes
  // that is not UTF-8, becomes one "?".
  std::string convert(std::string_view utf8);

 private:
  explicit Cp932Encoder(IconvHandle handle) : handle_(std::move(handle)) {}

  IconvHandle handle_;
};

class Cp932Decoder {
 public:
  static Result<Cp932Decoder> open();

  // Code page 932 in, UTF-8 out. Each byte sequence that is not code page 932 becomes U+FFFD.
  std::string convert(std::string_view cp932);

 private:
  explicit Cp932Decoder(IconvHandle handle) : handle_(std::move(handle)) {}

  IconvHandle handle_;
};

}  // namespace vantoki
