#include "generator/batch_evaluation.h"

#include "generator/work_sharing.h"

namespace vantoki {

std::vector<Evaluation> evaluateBatch(const std::vector<Board>& candidates, int threads,
                                      std::size_t maxBoards) {
  std::vector<Evaluation> evaluations(candidates.size());
  shareWork(candidates.size(), threads, [&](std::size_t index) {
    evaluations[index] = evaluateStage(candidates[index], maxBoards);
  });
  return evaluations;
}

}  // namespace vantoki
