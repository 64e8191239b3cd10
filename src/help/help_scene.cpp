#include "help/help_scene.h"

#include "core/turn_commit.h"

namespace vantoki {

std::vector<Board> playScene(const Board& start, const std::vector<std::string_view>& steps) {
  std::vector<Board> shown{start};
  Board committed = start;
  for (const std::string_view step : steps) {
    Board resolved = committed;
    for (const char direction : step) {
      Board next;
      MotionGrid motion;
      commitMove(committed, direction - '0', next, motion, &resolved);
      committed = next;
    }
    shown.push_back(resolved);
  }
  return shown;
}

}  // namespace vantoki
