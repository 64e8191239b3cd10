// The program's own picture strips, loaded once for all drawing tests.
#pragma once

#include "view/picture_strips.h"
#include "view/strip_loader.h"

namespace vantoki::testing {

inline const PictureStrips& gameStrips() {
  static const PictureStrips strips = loadPictureStrips();
  return strips;
}

}  // namespace vantoki::testing
