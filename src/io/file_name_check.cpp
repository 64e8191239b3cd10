#include "io/file_name_check.h"

#include <cerrno>
#include <string>

namespace vantoki {
namespace {

constexpr std::size_t kLongestFileName = 255;

}  // namespace

std::optional<FileError> checkFileName(std::string_view name) {
  const std::filesystem::path path{std::string(name)};
  if (name.empty()) {
    return fileError(path, "the name is empty", "ファイル名がありません");
  }
  if (name == "." || name == "..") {
    return fileError(path, "names a folder, not a file", "「.」と「..」はファイル名に使えません");
  }
  if (name.find('/') != std::string_view::npos) {
    return fileError(path, "a file's name cannot hold \"/\"", "ファイル名に「/」は使えません");
  }
  if (name.size() > kLongestFileName) {
    return fileError(path, systemReason(ENAMETOOLONG),
                     systemCause(ENAMETOOLONG, FileUse::Writing, ""));
  }
  return std::nullopt;
}

}  // namespace vantoki
