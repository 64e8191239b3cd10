#include "dialogs/file_name_text.h"

#include "io/printable_text.h"

#include <cstddef>

namespace vantoki {
namespace {

unsigned char byteAt(std::string_view text, std::size_t index) {
  return static_cast<unsigned char>(text[index]);
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
    return printable(name);
  }
  const std::string decoded = cp932_->convert(name);
  return keepsUndecodedBytes(decoded) ? printable(name) : printable(decoded);
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
