// The game's version, shown in the About box and printed by `vantoki --version`.
#pragma once

namespace vantoki {

inline constexpr const char* kVersion = "1.2";

}  // namespace vantoki
