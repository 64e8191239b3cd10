#include "dialogs/file_chooser_controller.h"

#include "dialogs/file_chooser_texts.h"
#include "layout/layout_table.h"

namespace vantoki {
namespace {

constexpr std::string_view kWindow = "FileChooser";
constexpr std::string_view kFolderLine = "folderLine";
constexpr std::string_view kUpButton = "upButton";
constexpr std::string_view kPlaceList = "placeList";
constexpr std::string_view kEntryList = "entryList";
constexpr std::string_view kProblemLine = "problemLine";
constexpr std::string_view kNameBox = "nameBox";
constexpr std::string_view kChooseButton = "chooseButton";
constexpr std::string_view kTypeBox = "typeBox";
constexpr std::string_view kCancelButton = "cancelButton";

constexpr int kAllFilesTypeIndex = 1;

}  // namespace

FileChooserController::FileChooserController(FileChooserPurpose purpose, const FileFilter& filter,
                                             const DialogFolders& folders, Platform& platform)
    : DialogController(fileChooserLayout()),
      model_(purpose, filter, folders),
      platform_(platform) {}

void FileChooserController::opened() {
  screen_.caption(kWindow, std::string(chooserTitle(model_.purpose())));
  screen_.caption(kChooseButton, std::string(chooseCaption(model_.purpose())));
  screen_.lock(kFolderLine, true);
  std::string places;
  for (const FolderPlace& place : model_.places()) {
    places += place.name + "/\n";
  }
  screen_.caption(kPlaceList, places);
  screen_.caption(kTypeBox, model_.filter().description + "\n" + std::string(kAllFilesType));
  screen_.select(kTypeBox, 0);
  showFolder();
  screen_.focus(kNameBox);
}

void FileChooserController::showFolder() {
  screen_.caption(kFolderLine, model_.shownFolder());
  const std::optional<std::size_t> place = model_.placeShown();
  screen_.select(kPlaceList, place ? static_cast<int>(*place) : -1);
  screen_.caption(kProblemLine, model_.listing().problem);
  std::string entries;
  for (const FolderEntry& entry : model_.listing().entries) {
    entries += entry.shown + (entry.isFolder ? "/\n" : "\n");
  }
  screen_.caption(kEntryList, entries);
  screen_.select(kEntryList, -1);
  selectedEntry_.reset();
}

void FileChooserController::showName(const std::string& name) {
  name_ = name;
  screen_.caption(kNameBox, name);
}

void FileChooserController::click(std::string_view control) {
  if (control == kUpButton) {
    model_.goUp();
    showFolder();
  } else if (control == kChooseButton) {
    chooseFromNameOrList();
  } else if (control == kCancelButton) {
    close();
  }
}

void FileChooserController::editText(std::string_view control, const std::string& text) {
  if (control == kNameBox) {
    name_ = text;
    screen_.heard(captioned(std::string(control), text));
  }
}

void FileChooserController::chooseItem(std::string_view control, int index) {
  screen_.heard(selected(std::string(control), index));
  if (control == kPlaceList && index >= 0 &&
      static_cast<std::size_t>(index) < model_.places().size()) {
    model_.goToPlace(static_cast<std::size_t>(index));
    showFolder();
  } else if (control == kTypeBox) {
    model_.showAllFiles(index == kAllFilesTypeIndex);
    showFolder();
  } else if (control == kEntryList) {
    const auto& entries = model_.listing().entries;
    selectedEntry_.reset();
    if (index >= 0 && static_cast<std::size_t>(index) < entries.size()) {
      selectedEntry_ = static_cast<std::size_t>(index);
      if (!entries[*selectedEntry_].isFolder) {
        showName(entries[*selectedEntry_].shown);
      }
    }
  }
}

void FileChooserController::openItem(std::string_view control, int index) {
  if (control == kEntryList && index >= 0 &&
      static_cast<std::size_t>(index) < model_.listing().entries.size()) {
    follow(model_.chooseEntry(static_cast<std::size_t>(index)));
  }
}

void FileChooserController::chooseFromNameOrList() {
  if (selectedEntry_ &&
      (focused_ == kEntryList || name_ == model_.listing().entries[*selectedEntry_].shown)) {
    follow(model_.chooseEntry(*selectedEntry_));
    return;
  }
  const FileChoice choice = model_.chooseTyped(name_);
  if (choice.outcome == ChoiceOutcome::EnteredFolder) {
    showName("");
  }
  follow(choice);
}

void FileChooserController::follow(const FileChoice& choice) {
  switch (choice.outcome) {
    case ChoiceOutcome::Chosen:
      chosen_ = choice.path;
      close();
      break;
    case ChoiceOutcome::EnteredFolder:
      showFolder();
      break;
    case ChoiceOutcome::NoSuchFile:
      platform_.showMessage(std::string(kNoSuchFileMessage),
                            std::string(chooserTitle(model_.purpose())), MessageButtons::Ok);
      screen_.focus(kNameBox);
      break;
    case ChoiceOutcome::Nothing:
      break;
  }
}

}  // namespace vantoki
