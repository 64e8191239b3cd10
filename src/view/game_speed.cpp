#include "view/game_speed.h"

namespace vantoki {

int animStepForSpeed(int speedIndex) {
  switch (speedIndex) {
    case 0:
      return 40;
    case 1:
      return 20;
    case 2:
      return 10;
    case 3:
      return 5;
    default:
      return 2;
  }
}

}  // namespace vantoki
