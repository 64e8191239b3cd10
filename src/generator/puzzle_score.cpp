#include "generator/puzzle_score.h"

#include <algorithm>
#include <bit>

#include "core/move_log.h"
#include "core/turn_commit.h"

namespace vantoki {
namespace {

// Points per turn of the solution, taken back in part for a turn of plain walking.
constexpr std::int64_t kPerTurn = 100;
constexpr std::int64_t kPerPlainWalk = 60;
// Points per eighth of a doubling of the reachable and the dead boards.
constexpr std::int64_t kPerReachableEighth = 6;
constexpr std::int64_t kPerDeadEighth = 6;
constexpr std::int64_t kPerKindUsed = 150;
constexpr std::int64_t kPerExplosion = 40;
constexpr int kExplosionsCounted = 3;

// Eight times log2(count), rounded down to an eighth, in whole numbers: 0 for 0 and 1.
std::int64_t eighthsOfLog2(std::size_t count) {
  if (count < 2) {
    return 0;
  }
  const int whole = std::bit_width(count) - 1;
  // The three bits after the leading one stand for the fraction, near enough.
  const std::size_t fraction = whole >= 3 ? (count >> (whole - 3)) & 7 : (count << (3 - whole)) & 7;
  return 8 * whole + static_cast<std::int64_t>(fraction);
}

bool isLoosePiece(TileCode value) {
  return value == code(Tile::Bomb) || value == code(Tile::Star);
}

}  // namespace

int SolutionTraits::kindsUsed() const {
  return (bombPushes > 0) + (starPushes > 0) + (kicks > 0) + (ladderTurns > 0) + (arrowFlights > 0);
}

SolutionTraits solutionTraits(const Board& stage, const std::vector<int>& moves) {
  SolutionTraits traits;
  traits.turns = static_cast<int>(moves.size());
  Board board = stage;
  Board next;
  MotionGrid motion;
  for (const int direction : moves) {
    commitMove(board, direction, next, motion);
    const MotionCode pressed = motionCodeOf(direction);
    bool bombPushed = false, starPushed = false, kicked = false, arrowFlew = false;
    bool onLadder = false, otherMotion = false;
    for (int cell = 0; cell < kCellCount; ++cell) {
      const TileCode before = board.cells()[cell];
      const MotionCode moved = motion.cells()[cell];
      onLadder |=
          before == code(Tile::PlayerOnLadder) || next.cells()[cell] == code(Tile::PlayerOnLadder);
      if (moved == kStill) {
        continue;
      }
      // A push down is a fall as far as the motion shows, and counts as one.
      const bool pushed = moved == pressed && pressed != kMotionDown;
      bombPushed |= before == code(Tile::Bomb) && pushed;
      starPushed |= before == code(Tile::Star) && pushed;
      kicked |= before == code(Tile::Ball);
      arrowFlew |= countsDown(before);
      otherMotion |= isLoosePiece(before);
    }
    const bool exploded = countTiles(next, Tile::Star) < countTiles(board, Tile::Star);
    traits.bombPushes += bombPushed;
    traits.starPushes += starPushed;
    traits.kicks += kicked;
    traits.arrowFlights += arrowFlew;
    traits.ladderTurns += onLadder;
    traits.explosions += exploded;
    traits.plainWalks +=
        !(bombPushed || starPushed || kicked || arrowFlew || onLadder || otherMotion || exploded);
    board = next;
  }
  return traits;
}

std::int64_t puzzleScore(const StageAnalysis& analysis, const SolutionTraits& traits) {
  return kPerTurn * traits.turns - kPerPlainWalk * traits.plainWalks +
         kPerReachableEighth * eighthsOfLog2(analysis.reachableBoards) +
         kPerDeadEighth * eighthsOfLog2(analysis.deadBoards) + kPerKindUsed * traits.kindsUsed() +
         kPerExplosion * std::min(traits.explosions, kExplosionsCounted);
}

Evaluation evaluateStage(const Board& stage, const AnalysisLimits& limits) {
  Evaluation evaluation;
  evaluation.analysis = analyseStage(stage, limits);
  const std::vector<int>& solution = evaluation.analysis.solution;
  if (!evaluation.analysis.complete || solution.empty() ||
      solution.size() > static_cast<std::size_t>(kTurnLimit)) {
    return evaluation;
  }
  evaluation.traits = solutionTraits(stage, solution);
  evaluation.score = puzzleScore(evaluation.analysis, evaluation.traits);
  evaluation.accepted = true;
  return evaluation;
}

}  // namespace vantoki
