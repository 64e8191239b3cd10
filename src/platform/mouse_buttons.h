// Mouse buttons as the game counts them, a bit each, as the window reports them to the editor:
// a press with both buttons held is 3, and paints nothing.
#pragma once

namespace vantoki {

constexpr int kLeftMouseButton = 1;
constexpr int kRightMouseButton = 2;
constexpr int kMiddleMouseButton = 4;

}  // namespace vantoki
