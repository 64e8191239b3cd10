#include "generator/batch_evaluation.h"

#include <algorithm>
#include <atomic>
#include <thread>

namespace vantoki {

std::vector<Evaluation> evaluateBatch(const std::vector<Board>& candidates, int threads,
                                      std::size_t maxBoards) {
  std::vector<Evaluation> evaluations(candidates.size());
  std::atomic<std::size_t> nextCandidate{0};
  const auto work = [&] {
    for (std::size_t index = nextCandidate++; index < candidates.size(); index = nextCandidate++) {
      evaluations[index] = evaluateStage(candidates[index], maxBoards);
    }
  };
  const int workers = std::min<int>(threads, static_cast<int>(candidates.size()));
  if (workers <= 1) {
    work();
    return evaluations;
  }
  std::vector<std::jthread> pool;
  for (int worker = 0; worker < workers; ++worker) {
    pool.emplace_back(work);
  }
  pool.clear();  // joins every worker
  return evaluations;
}

}  // namespace vantoki
