// Every picture the help page shows, by the name the page calls it: single tiles, the rule scenes
// before and after their moves, the editor's palette and the direction buttons, all drawn by the
// game's own painter from the artwork the program carries. A scene without steps is one picture
// named as the scene; a scene with steps gives "name-0" (the start) up to "name-N".
#pragma once

#include <QByteArray>
#include <QString>

#include <map>
#include <optional>

namespace vantoki {

// PNG files by name; empty when a scene of the table is written wrongly.
std::optional<std::map<QString, QByteArray>> drawHelpPictures();

}  // namespace vantoki
