#include "dialogs/file_name_text.h"

#include <cstddef>

#include "io/cp932.h"
#include "io/printable_text.h"

namespace vantoki {
namespace {

// Whether the decoder kept a byte it could not read (io/cp932.h).
bool keepsUndecodedBytes(std::string_view decoded) {
  for (std::size_t index = 0; index < decoded.size(); ++index) {
    if (keptByteAt(decoded.substr(index))) {
      return true;
    }
  }
  return false;
}

}  // namespace

std::string shownFileName(std::string_view name) {
  if (isUtf8(name)) {
    return printable(name);
  }
  const std::string decoded = decodeCp932(name);
  return keepsUndecodedBytes(decoded) ? printable(name) : printable(decoded);
}

std::string shownPath(const std::filesystem::path& path) {
  std::string text = path.has_root_directory() ? "/" : "";
  for (const std::filesystem::path& part : path.relative_path()) {
    if (part.empty()) {
      continue;
    }
    if (!text.empty() && text.back() != '/') {
      text += '/';
    }
    text += shownFileName(part.native());
  }
  return text;
}

}  // namespace vantoki
