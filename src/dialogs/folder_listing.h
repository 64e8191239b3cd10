// What the game's file dialog lists of a folder: every entry but the hidden ones (a name starting
// with "."), unless asked for them, the folders first, then the files that match the filter's
// pattern, each group in the order of the names as they show. An entry keeps its name's exact bytes
// beside the text it shows as, so the very file is opened whatever bytes its name holds.
//
// Listing reads only the folder itself and the kind of each entry; it opens no entry, so a FIFO
// or a device in the folder never blocks it. A folder that cannot be read lists what was read
// before the failure (nothing when it cannot be opened) and says why.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace vantoki {

struct FolderEntry {
  std::string name;   // the name's bytes, as the folder holds them
  std::string shown;  // as the player sees it (dialogs/file_name_text.h)
  bool isFolder = false;

  friend bool operator==(const FolderEntry&, const FolderEntry&) = default;
};

struct FolderListing {
  std::vector<FolderEntry> entries;
  std::string problem;  // empty when the whole folder was read; else why not, in Japanese
};

// Hidden names are listed where every file a player saved must be found again: a name the
// player typed may begin with a dot.
enum class HiddenNames { Left, Listed };

// `pattern` is a shell pattern such as "*.vkst" or "*" ("*" any run of bytes, "?" one byte),
// matched against a file's name without regard to the case of ASCII letters, since names copied
// from Windows often come in capitals.
FolderListing listFolder(const std::filesystem::path& folder, std::string_view pattern,
                         HiddenNames hidden = HiddenNames::Left);

}  // namespace vantoki
