// What the game's file dialog knows and does, free of any widget: the folder shown and its
// listing, the filter in force (the game's pattern, or every file), the places it offers (the
// player's own folder, the game's), going to a place, into a folder and up, and what choosing an
// entry or a typed name comes to.
//
// The folder and the places' folders are always absolute and without "." or ".." in them. A chosen
// entry comes to the folder's bytes and the entry's own bytes. A typed name is UTF-8 text: relative
// to the folder shown unless it is absolute; a folder there is entered; a name that names nothing
// but shows exactly as a listed entry comes to that entry, so a name that is not UTF-8 can be typed
// as it shows. To open, a name must have something behind it; to save, any name will do, since the
// game asks before overwriting and adds the filter's extension itself.
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string_view>
#include <vector>

#include "dialogs/folder_listing.h"
#include "platform/platform.h"

namespace vantoki {

enum class FileChooserPurpose { Open, Save };

enum class ChoiceOutcome {
  Chosen,         // the dialog's answer is `path`
  EnteredFolder,  // the dialog goes on in the folder now shown
  NoSuchFile,     // to open: nothing at `path`
  Nothing,        // nothing was typed
};

struct FileChoice {
  ChoiceOutcome outcome = ChoiceOutcome::Nothing;
  std::filesystem::path path;
};

class FileChooserModel {
 public:
  // Shows `folders.initial`.
  FileChooserModel(FileChooserPurpose purpose, FileFilter filter, const DialogFolders& folders);

  FileChooserPurpose purpose() const { return purpose_; }
  const FileFilter& filter() const { return filter_; }
  const std::filesystem::path& folder() const { return folder_; }
  const std::string& shownFolder() const { return shownFolder_; }
  const FolderListing& listing() const { return listing_; }
  const std::vector<FolderPlace>& places() const { return places_; }
  // The place whose folder is shown, if any.
  std::optional<std::size_t> placeShown() const;

  // Lists every file rather than those matching the filter's pattern.
  void showAllFiles(bool all);
  // `index` is a place in places().
  void goToPlace(std::size_t index);
  void goUp();
  // `index` is a place in listing().entries.
  FileChoice chooseEntry(std::size_t index);
  FileChoice chooseTyped(std::string_view typed);

 private:
  void show(const std::filesystem::path& folder);

  FileChooserPurpose purpose_;
  FileFilter filter_;
  bool allFiles_ = false;
  std::vector<FolderPlace> places_;
  std::filesystem::path folder_;
  std::string shownFolder_;
  FolderListing listing_;
};

}  // namespace vantoki
