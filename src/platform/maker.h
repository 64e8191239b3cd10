// Who makes the game and where to reach them, as the About box shows and opens it.
#pragma once

#include <string_view>

namespace vantoki {

inline constexpr std::string_view kMakerName = "Vantoki チーム";
inline constexpr std::string_view kMakerWebPage = "https://vantoki.example.org/";
inline constexpr std::string_view kMakerMailAddress = "vantoki@example.org";

}  // namespace vantoki
