#include "generator/stage_search.h"

#include <algorithm>
#include <tuple>
#include <vector>

#include "generator/batch_evaluation.h"
#include "generator/random_source.h"
#include "generator/room_templates.h"
#include "generator/stage_mutation.h"

namespace vantoki {
namespace {

constexpr int kBatchSize = 8;
constexpr int kFreshRounds = 3;
constexpr int kPatienceRounds = 20;

// Refused candidates rank below every accepted one.
std::tuple<bool, bool, std::int64_t> rankOf(const Evaluation& evaluation, int minTurns) {
  return {evaluation.accepted, evaluation.accepted && evaluation.traits.turns >= minTurns,
          evaluation.score};
}

bool isBetter(const FoundStage& candidate, const std::optional<FoundStage>& held, int minTurns) {
  return !held || rankOf(candidate.evaluation, minTurns) > rankOf(held->evaluation, minTurns);
}

}  // namespace

StageSearchOutcome searchStage(std::uint64_t seed, const StageSearchSettings& settings,
                               const std::function<bool(const StageSearchProgress&)>& keepGoing) {
  RandomSource random(seed);
  StageSearchOutcome outcome;
  std::optional<FoundStage> current;
  int round = 0;
  int roundsWithoutGain = 0;
  while (outcome.candidatesTried < settings.candidates) {
    const bool fresh = round < kFreshRounds || !current;
    const int count = std::min(kBatchSize, settings.candidates - outcome.candidatesTried);
    std::vector<Board> batch;
    for (int index = 0; index < count; ++index) {
      batch.push_back(fresh ? randomStage(random) : mutateStage(current->stage, random));
    }
    std::vector<Evaluation> evaluations =
        evaluateBatch(batch, settings.threads, settings.maxBoards, settings.maxMemoryBytes);
    outcome.candidatesTried += count;
    for (const Evaluation& evaluation : evaluations) {
      outcome.boardsExpanded += evaluation.analysis.boardsExpanded;
      outcome.candidatesOutOfMemory += evaluation.analysis.outOfMemory ? 1 : 0;
    }
    ++round;

    // The first of the best wins, so ties go the same way on every run.
    std::size_t winner = 0;
    for (std::size_t index = 1; index < evaluations.size(); ++index) {
      if (rankOf(evaluations[index], settings.minTurns) >
          rankOf(evaluations[winner], settings.minTurns)) {
        winner = index;
      }
    }
    if (evaluations[winner].accepted) {
      FoundStage found{batch[winner], std::move(evaluations[winner])};
      const bool gain = isBetter(found, current, settings.minTurns);
      const bool level = current && !isBetter(*current, found, settings.minTurns);
      if (gain || level) {
        current = std::move(found);
      }
      roundsWithoutGain = gain ? 0 : roundsWithoutGain + 1;
    } else {
      ++roundsWithoutGain;
    }
    if (current && isBetter(*current, outcome.best, settings.minTurns)) {
      outcome.best = current;
    }
    if (roundsWithoutGain >= kPatienceRounds) {
      current.reset();
      roundsWithoutGain = 0;
    }
    if (!keepGoing({outcome.candidatesTried, outcome.best})) {
      outcome.stopped = outcome.candidatesTried < settings.candidates;
      break;
    }
  }
  return outcome;
}

}  // namespace vantoki
