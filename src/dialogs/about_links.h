// The About box's three links and what following one does: the help page in the game's data
// folder, opened as a file: address, the maker's web page, and a new mail to the maker's address.
// The desktop opens them through the platform seam; when it cannot, the player is told in a message
// box and the game goes on.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "platform/maker.h"
#include "platform/platform.h"

namespace vantoki {

inline constexpr std::string_view kHelpPageFileName = "help.html";

// help.html in `dataFolder`, as an absolute path with one separator before the name however the
// folder ends.
std::filesystem::path helpPagePath(const std::filesystem::path& dataFolder);

// "mailto:" and the maker's address, which the desktop hands to the mail program.
std::string makerMailLink();

// Hands `address` to the desktop; when no program takes it, says so once the desktop knows,
// naming what the player knows it as (`shown`: the help page's path, the mail address).
void openInBrowser(Platform& platform, const std::string& address, const std::string& shown);

// Opens the help page at `page` by its file: address, which the shell makes from the path. A
// missing page is reported before any browser is started, since a browser given a missing file
// may show nothing at all.
void openHelpPage(Platform& platform, const std::filesystem::path& page,
                  const std::string& pageAddress);
void openMakerWebPage(Platform& platform);
void writeMailToMaker(Platform& platform);

}  // namespace vantoki
