// The window icon: the robot standing on a rounded tile of floor, 32 × 32 with alpha. Unlike the
// strips it is never masked, so it keeps its antialiased edges.
#pragma once

#include <QImage>

namespace vantoki {

constexpr int kIconSize = 32;

QImage paintIcon();

}  // namespace vantoki
