#include "generator/batch_evaluation.h"

#include <algorithm>

#include "generator/work_sharing.h"

namespace vantoki {

std::vector<Evaluation> evaluateBatch(const std::vector<Board>& candidates, int threads,
                                      std::size_t maxBoards, std::size_t maxMemoryBytes) {
  const AnalysisLimits limits{maxBoards,
                              maxMemoryBytes / static_cast<std::size_t>(std::max(threads, 1))};
  std::vector<Evaluation> evaluations(candidates.size());
  shareWork(candidates.size(), threads, [&](std::size_t index) {
    evaluations[index] = evaluateStage(candidates[index], limits);
  });
  return evaluations;
}

}  // namespace vantoki
