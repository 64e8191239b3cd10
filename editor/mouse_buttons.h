// Mouse buttons as the editor counts them, and as the window reports them: a bit each, so a press
// with both buttons held is 3 and paints nothing.
#pragma once

namespace vantoki {

constexpr int kLeftMouseButton = 1;
constexpr int kRightMouseButton = 2;
constexpr int kMiddleMouseButton = 4;

}  // namespace vantoki
