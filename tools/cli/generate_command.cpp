// vantoki-cli generate: searches for stages with long, proven shortest solutions and writes them
// as a stage set, with the shortest solution of each as a replay file when asked. The search is
// bounded by candidates, so a seed and its options give the same file on every machine; a time
// limit only cuts it short, and says so.
//
// Only what is proven is written: the stages that reached the minimum length, first in the set
// by rising length, and their replays. When fewer stages than asked reached it, the command says
// so and exits 1, after writing those that did; when none did, it writes nothing. Where it writes
// is checked before the search, so a destination that cannot be written costs no search.
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <thread>

#include "arguments.h"
#include "commands.h"
#include "core/move_log.h"
#include "generate_outputs.h"
#include "generator/stage_set_generation.h"
#include "io/replay_file.h"
#include "io/stage_data_file.h"
#include "progress_line.h"
#include "solver/memory_budget.h"

namespace vantoki::cli {
namespace {

constexpr long long kMostCandidates = 10'000'000;
constexpr long long kMostSeconds = 7 * 24 * 60 * 60;
constexpr long long kMostThreads = 64;
constexpr long long kLeastBoards = 1'000;
constexpr long long kMostBoards = 100'000'000;
constexpr long long kMostSeed = 0x7FFF'FFFF'FFFF'FFFFll;

struct GenerateArguments {
  GenerateOutputs outputs;
  GenerationSettings settings;
  std::optional<long long> timeLimitSeconds;
};

int defaultThreads() {
  return static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
}

// Often enough that a log shows the run is alive, seldom enough that a run of hours stays readable.
constexpr std::chrono::seconds kLoggedProgressInterval{5};

std::string progressText(const GenerationProgress& progress) {
  std::string text = "generate: stage " + std::to_string(progress.stage + 1) + "/" +
                     std::to_string(progress.stages) + ", candidates " +
                     std::to_string(progress.candidatesTried) + "/" +
                     std::to_string(progress.candidatesTotal);
  if (progress.best) {
    text += ", best score " + std::to_string(progress.best->evaluation.score) + " (" +
            countOf(progress.best->evaluation.traits.turns, "turn") + ")";
  }
  return text;
}

int writeOutputs(const GenerateArguments& parsed, const GeneratedSet& generated) {
  const GenerateOutputs& outputs = parsed.outputs;
  if (const std::optional<FileError> problem =
          writeStageDataFile(outputs.stageSet, generated.stageSet)) {
    return failWith(problem->message);
  }
  if (!outputs.replaysFolder) {
    return kExitOk;
  }
  const std::filesystem::path& folder = *outputs.replaysFolder;
  if (const std::optional<std::string> problem = makeReplaysFolder(folder)) {
    return failWith(*problem);
  }
  for (std::size_t place = 0; place < generated.stages.size(); ++place) {
    const std::vector<int>& moves = generated.stages[place].found.evaluation.analysis.solution;
    if (const std::optional<FileError> problem = writeReplayFile(
            replayPath(folder, static_cast<int>(place)), generated.stageSet.dataSetName,
            generated.stages[place].name, moveLogOf(moves), static_cast<int>(moves.size()))) {
      return failWith(problem->message);
    }
  }
  return kExitOk;
}

void printStages(const GeneratedSet& generated) {
  std::cout << "searched " << countOf(generated.candidatesTried, "candidate") << ", "
            << countOf(static_cast<long long>(generated.boardsExpanded), "board") << " expanded\n";
  for (std::size_t place = 0; place < generated.stages.size(); ++place) {
    const GeneratedStage& stage = generated.stages[place];
    const Evaluation& evaluation = stage.found.evaluation;
    std::cout << "stage " << place + 1 << ": " << countOf(evaluation.traits.turns, "turn") << ", "
              << countOf(static_cast<long long>(evaluation.analysis.reachableBoards), "board")
              << " reachable, " << evaluation.analysis.deadBoards << " dead, score "
              << evaluation.score << ", " << stage.name << "\n";
  }
}

int runGenerate(const GenerateArguments& parsed) {
  if (const std::optional<std::string> problem =
          destinationProblem(parsed.outputs, parsed.settings.stages)) {
    return failWith(*problem);
  }
  const auto start = std::chrono::steady_clock::now();
  ProgressLine progressLine(std::cerr, isatty(STDERR_FILENO) == 1, kLoggedProgressInterval);
  const GeneratedSet generated =
      generateStageSet(parsed.settings, [&](const GenerationProgress& progress) {
        const auto now = std::chrono::steady_clock::now();
        progressLine.show(progressText(progress), now);
        return !parsed.timeLimitSeconds ||
               now - start < std::chrono::seconds(*parsed.timeLimitSeconds);
      });
  progressLine.end();
  const int asked = parsed.settings.stages;
  const int found = static_cast<int>(generated.stages.size());
  if (generated.stopped) {
    std::cerr << "vantoki-cli: stopped by --time-limit after "
              << countOf(generated.candidatesTried, "candidate") << " of "
              << asked * parsed.settings.search.candidates
              << "; what a stopped run finds depends on the machine's speed\n";
  }
  // Otherwise a tight memory limit would pass for stages too short.
  if (generated.candidatesOutOfMemory > 0) {
    std::cerr << "vantoki-cli: " << generated.candidatesOutOfMemory << " of "
              << countOf(generated.candidatesTried, "candidate")
              << " refused for want of memory; with more memory, longer stages may be found\n";
  }
  if (found == 0) {
    return failWith("no stage reached " + countOf(parsed.settings.search.minTurns, "turn") +
                    "; nothing written");
  }
  printStages(generated);
  if (const int status = writeOutputs(parsed, generated); status != kExitOk) {
    return status;
  }
  if (found < asked) {
    return failWith("only " + std::to_string(found) + " of " + countOf(asked, "stage") +
                    " reached " + countOf(parsed.settings.search.minTurns, "turn") +
                    "; wrote those");
  }
  return kExitOk;
}

}  // namespace

Command addGenerate(CLI::App& program) {
  CLI::App* const commandLine =
      program.add_subcommand("generate", "search for new stages with long shortest solutions");
  const auto arguments = std::make_shared<GenerateArguments>();
  GenerationSettings& settings = arguments->settings;
  settings.search.threads = defaultThreads();
  settings.search.maxMemoryBytes = memoryBudgetBytes();
  GenerateOutputs& outputs = arguments->outputs;
  addOutputPathOption(*commandLine, "OUT.vkst", [&outputs](const std::string& path) {
    outputs.stageSet = path;
  })->required();
  addCountOption(*commandLine, "--seed", 0, kMostSeed,
                 [&settings](long long seed) { settings.seed = static_cast<std::uint64_t>(seed); });
  addCountOption(*commandLine, "--stages", 1, kStageCount,
                 [&settings](long long stages) { settings.stages = static_cast<int>(stages); });
  addCountOption(*commandLine, "--min-turns", 1, kTurnLimit, [&settings](long long turns) {
    settings.search.minTurns = static_cast<int>(turns);
  });
  addCountOption(*commandLine, "--candidates", 1, kMostCandidates, [&settings](long long count) {
    settings.search.candidates = static_cast<int>(count);
  });
  addCountOption(
      *commandLine, "--time-limit", 1, kMostSeconds,
      [&timeLimit = arguments->timeLimitSeconds](long long seconds) { timeLimit = seconds; });
  addOutputPathOption(*commandLine, "--replays",
                      [&outputs](const std::string& path) { outputs.replaysFolder = path; });
  addCountOption(*commandLine, "--threads", 1, kMostThreads, [&settings](long long threads) {
    settings.search.threads = static_cast<int>(threads);
  });
  addCountOption(*commandLine, "--max-boards", kLeastBoards, kMostBoards,
                 [&settings](long long boards) {
                   settings.search.maxBoards = static_cast<std::size_t>(boards);
                 });
  return {commandLine, [arguments] { return runGenerate(*arguments); }};
}

}  // namespace vantoki::cli
