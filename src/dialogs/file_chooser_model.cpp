#include "dialogs/file_chooser_model.h"

#include <algorithm>
#include <string>
#include <system_error>
#include <utility>

#include "dialogs/file_name_text.h"

namespace vantoki {
namespace {

std::filesystem::path normalFolder(const std::filesystem::path& folder) {
  std::error_code noCurrentFolder;
  std::filesystem::path normal =
      std::filesystem::absolute(folder, noCurrentFolder).lexically_normal();
  if (normal.has_relative_path() && !normal.has_filename()) {
    normal = normal.parent_path();
  }
  return normal;
}

}  // namespace

FileChooserModel::FileChooserModel(FileChooserPurpose purpose, FileFilter filter,
                                   const DialogFolders& folders)
    : purpose_(purpose), filter_(std::move(filter)), places_(folders.places) {
  for (FolderPlace& place : places_) {
    place.folder = normalFolder(place.folder);
  }
  show(folders.initial);
}

void FileChooserModel::show(const std::filesystem::path& folder) {
  folder_ = normalFolder(folder);
  shownFolder_ = shownPath(folder_);
  listing_ = listFolder(folder_, allFiles_ ? "*" : filter_.pattern);
}

void FileChooserModel::showAllFiles(bool all) {
  allFiles_ = all;
  show(folder_);
}

std::optional<std::size_t> FileChooserModel::placeShown() const {
  const auto shown = std::find_if(places_.begin(), places_.end(), [this](const FolderPlace& place) {
    return place.folder == folder_;
  });
  if (shown == places_.end()) {
    return std::nullopt;
  }
  return static_cast<std::size_t>(shown - places_.begin());
}

void FileChooserModel::goToPlace(std::size_t index) {
  show(places_[index].folder);
}

void FileChooserModel::goUp() {
  show(folder_.parent_path());
}

FileChoice FileChooserModel::chooseEntry(std::size_t index) {
  const FolderEntry& entry = listing_.entries[index];
  const std::filesystem::path path = folder_ / entry.name;
  if (entry.isFolder) {
    show(path);
    return {ChoiceOutcome::EnteredFolder, folder_};
  }
  return {ChoiceOutcome::Chosen, path};
}

FileChoice FileChooserModel::chooseTyped(std::string_view typed) {
  if (typed.empty()) {
    return {};
  }
  // An absolute name replaces the folder.
  const std::filesystem::path target = folder_ / std::filesystem::path(std::string(typed));
  std::error_code unknown;
  if (std::filesystem::is_directory(target, unknown)) {
    show(target);
    return {ChoiceOutcome::EnteredFolder, folder_};
  }
  if (!target.has_filename()) {
    return {ChoiceOutcome::NoSuchFile, target};
  }
  if (!std::filesystem::exists(target, unknown)) {
    const auto& entries = listing_.entries;
    const auto shownAsTyped =
        std::find_if(entries.begin(), entries.end(),
                     [typed](const FolderEntry& entry) { return entry.shown == typed; });
    if (shownAsTyped != entries.end()) {
      return chooseEntry(static_cast<std::size_t>(shownAsTyped - entries.begin()));
    }
    if (purpose_ == FileChooserPurpose::Open) {
      return {ChoiceOutcome::NoSuchFile, target};
    }
  }
  return {ChoiceOutcome::Chosen, target};
}

}  // namespace vantoki
