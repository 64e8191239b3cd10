#include "solver/committed_move.h"

#include "core/move_resolution.h"
#include "core/turn_commit.h"

namespace vantoki {

void commitMove(const Board& board, int direction, Board& next, MotionGrid& motion) {
  resolveMove(board, direction, next, motion);
  clearExplosions(next);
}

}  // namespace vantoki
