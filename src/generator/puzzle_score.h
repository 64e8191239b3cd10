// How good a puzzle a stage makes, as one whole number, so that comparing two stages never
// depends on a machine's floating point. Long shortest solutions count most, but a turn of plain
// walking (or of waiting) counts for less than a turn that pushes, kicks, climbs, drops a piece
// or sees an arrow block fly; many reachable boards, many traps (boards from which the stage cannot
// be cleared any more) and a solution that uses several kinds of pieces add to it.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "core/board.h"
#include "solver/stage_analysis.h"

namespace vantoki {

// What the moves of a solution do, counted by playing them with the game's rules.
struct SolutionTraits {
  int turns = 0;
  int plainWalks = 0;  // only the player moved or fell, outside ladders; or nothing moved
  int bombPushes = 0;
  int starPushes = 0;
  int kicks = 0;
  int ladderTurns = 0;   // turns the player starts or ends on a ladder
  int arrowFlights = 0;  // turns an arrow block flies
  int explosions = 0;    // turns a star explodes

  // How many of bomb pushes, star pushes, kicks, ladders and arrow flights the solution uses.
  int kindsUsed() const;
};

SolutionTraits solutionTraits(const Board& stage, const std::vector<int>& moves);

struct Evaluation {
  StageAnalysis analysis;
  SolutionTraits traits;
  std::int64_t score = 0;
  bool accepted = false;  // complete, cleared within a play's turn limit
};

// Analyses the stage within `limits` and scores it; a stage that is not accepted keeps score 0.
Evaluation evaluateStage(const Board& stage, const AnalysisLimits& limits);

std::int64_t puzzleScore(const StageAnalysis& analysis, const SolutionTraits& traits);

}  // namespace vantoki
