#include "dialogs/folder_listing.h"

#include <algorithm>
#include <system_error>
#include <tuple>

#include "dialogs/file_name_text.h"

namespace vantoki {
namespace {

char asciiLower(char byte) {
  return byte >= 'A' && byte <= 'Z' ? static_cast<char>(byte - 'A' + 'a') : byte;
}

bool matchesPattern(std::string_view name, std::string_view pattern) {
  constexpr std::size_t kNoStar = std::string_view::npos;
  std::size_t inName = 0;
  std::size_t inPattern = 0;
  // After the last "*" met, the pattern goes on at `afterStar` and the star has taken the name's
  // bytes up to `starEnd`; on a mismatch the star takes one byte more.
  std::size_t afterStar = kNoStar;
  std::size_t starEnd = 0;
  while (inName < name.size()) {
    if (inPattern < pattern.size() && pattern[inPattern] == '*') {
      afterStar = ++inPattern;
      starEnd = inName;
    } else if (inPattern < pattern.size() &&
               (pattern[inPattern] == '?' ||
                asciiLower(pattern[inPattern]) == asciiLower(name[inName]))) {
      ++inPattern;
      ++inName;
    } else if (afterStar != kNoStar) {
      inPattern = afterStar;
      inName = ++starEnd;
    } else {
      return false;
    }
  }
  return pattern.find_first_not_of('*', inPattern) == std::string_view::npos;
}

std::string problemText(const std::error_code& error) {
  if (error == std::errc::permission_denied || error == std::errc::operation_not_permitted) {
    return "このフォルダーを読む権限がありません。";
  }
  if (error == std::errc::no_such_file_or_directory) {
    return "このフォルダーはありません。";
  }
  if (error == std::errc::not_a_directory) {
    return "これはフォルダーではありません。";
  }
  return "このフォルダーを読めませんでした（" + error.message() + "）。";
}

std::string asciiFolded(std::string_view text) {
  std::string folded(text);
  std::transform(folded.begin(), folded.end(), folded.begin(), asciiLower);
  return folded;
}

// Folders first; names as they show, ASCII letters without regard to case, then the bytes where
// two names show alike.
bool listedBefore(const FolderEntry& left, const FolderEntry& right) {
  return std::tuple(!left.isFolder, asciiFolded(left.shown), left.shown, left.name) <
         std::tuple(!right.isFolder, asciiFolded(right.shown), right.shown, right.name);
}

}  // namespace

FolderListing listFolder(const std::filesystem::path& folder, std::string_view pattern,
                         HiddenNames hidden) {
  FolderListing listing;
  std::error_code error;
  for (std::filesystem::directory_iterator entry(folder, error);
       !error && entry != std::filesystem::directory_iterator(); entry.increment(error)) {
    const std::string name = entry->path().filename().native();
    if (hidden == HiddenNames::Left && name.starts_with('.')) {
      continue;
    }
    // The kind comes from the folder itself or from stat, which never opens the entry.
    std::error_code kindUnknown;
    const bool isFolder = entry->is_directory(kindUnknown);
    if (isFolder || matchesPattern(name, pattern)) {
      listing.entries.push_back({name, shownFileName(name), isFolder});
    }
  }
  if (error) {
    listing.problem = problemText(error);
  }
  std::sort(listing.entries.begin(), listing.entries.end(), listedBefore);
  return listing;
}

}  // namespace vantoki
