// Loading and saving the shipped stage file, and the code page 932 conversion inside them on its
// own: a save's time is mostly the flush to the disk, which would hide what the conversion costs.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <vector>

#include "io/cp932.h"
#include "io/stage_data_file.h"

namespace vantoki {
namespace {

StageSet shippedStageSet(benchmark::State& state) {
  Result<StageSet> stages = readStageDataFile(VANTOKI_STAGE_FILE);
  if (!stages.ok()) {
    state.SkipWithError("cannot read the shipped stage file");
    return {};
  }
  return std::move(stages).value();
}

// Every text a stage file holds, in the order of its records.
std::vector<std::string> recordTexts(const StageSet& stageSet) {
  std::vector<std::string> texts = {stageSet.dataSetName};
  for (int stage = 0; stage < kStageCount; ++stage) {
    texts.push_back(stageSet.stageNames[stage]);
    for (int y = 0; y < kBoardSize; ++y) {
      texts.push_back(rowRecordText(stageSet.stageCells[stage], y));
    }
  }
  return texts;
}

void BM_LoadStageFile(benchmark::State& state) {
  for (auto _ : state) {
    benchmark::DoNotOptimize(readStageDataFile(VANTOKI_STAGE_FILE));
  }
}
BENCHMARK(BM_LoadStageFile)->Unit(benchmark::kMicrosecond);

void BM_SaveStageFile(benchmark::State& state) {
  const StageSet stages = shippedStageSet(state);
  const std::filesystem::path path =
      std::filesystem::temp_directory_path() / "vantoki_stage_file_bench.vkst";
  for (auto _ : state) {
    if (writeStageDataFile(path, stages)) {
      state.SkipWithError("cannot save the stage file");
      break;
    }
  }
  std::filesystem::remove(path);
}
BENCHMARK(BM_SaveStageFile)->Unit(benchmark::kMicrosecond);

void BM_EncodeStageFileTexts(benchmark::State& state) {
  const std::vector<std::string> texts = recordTexts(shippedStageSet(state));
  for (auto _ : state) {
    for (const std::string& text : texts) {
      benchmark::DoNotOptimize(encodeCp932(text));
    }
  }
}
BENCHMARK(BM_EncodeStageFileTexts)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace vantoki
