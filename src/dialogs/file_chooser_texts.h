// What the game's file dialogs say beyond the captions of their layout table
// (layout/layout_table.h, "FileChooser"), which are those of opening a file: saving names the
// dialog and its button otherwise, the list of file types ends in every file, and a name to open
// that names nothing is refused in its own words. The page's file dialogs say the same, and have
// buttons of their own that take a file from the computer and delete a file the page keeps.
#pragma once

#include <string_view>

#include "dialogs/file_chooser_model.h"

namespace vantoki {

inline constexpr std::string_view kAllFilesType = "すべてのファイル (*)";
inline constexpr std::string_view kNoSuchFileMessage =
    "ファイルが見つかりません。ファイル名を確かめてください。";
inline constexpr std::string_view kPickFromComputerCaption = "パソコンのファイル…";
inline constexpr std::string_view kDeleteKeptFileCaption = "削除";

std::string_view chooserTitle(FileChooserPurpose purpose);
// The caption of the button that chooses the file.
std::string_view chooseCaption(FileChooserPurpose purpose);
std::string_view cancelCaption();

}  // namespace vantoki
