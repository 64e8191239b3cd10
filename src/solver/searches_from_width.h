// The shortest solution and the stage analysis started with keys of a chosen width, where
// findShortestSolution and analyseStage start with the width the stage itself needs
// (keyWidthFor). No board the rules reach outgrows the stage's own width, so only a search
// started narrower meets a board it must start over for with wider keys: this is how that
// restart is reached from outside the search. The game calls findShortestSolution and
// analyseStage.
#pragma once

#include <cstddef>

#include "core/board.h"
#include "solver/board_key.h"
#include "solver/shortest_solution.h"
#include "solver/stage_analysis.h"

namespace vantoki {

SearchOutcome findShortestSolutionFrom(const Board& stage, const SearchLimits& limits,
                                       KeyWidth firstWidth);

StageAnalysis analyseStageFrom(const Board& stage, const AnalysisLimits& limits,
                               KeyWidth firstWidth);

}  // namespace vantoki
