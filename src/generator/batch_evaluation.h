// Evaluating a batch of candidate stages on several worker threads. Each candidate's evaluation
// is a pure function of its cells, so the results are the same, in the same order, whatever the
// number of threads.
#pragma once

#include <cstddef>
#include <vector>

#include "core/board.h"
#include "generator/puzzle_score.h"

namespace vantoki {

// `threads` of 1 evaluates on the calling thread; more start that many workers, which take the
// candidates one at a time as they finish, so a slow candidate holds up only its own worker.
// The analyses running at once share `maxMemoryBytes` equally, a share for each of the
// `threads`, so what a candidate may hold depends on the settings alone.
std::vector<Evaluation> evaluateBatch(const std::vector<Board>& candidates, int threads,
                                      std::size_t maxBoards, std::size_t maxMemoryBytes);

}  // namespace vantoki
