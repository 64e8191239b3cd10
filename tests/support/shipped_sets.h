// The stage sets the game ships, each with the folder of its shortest solutions, stage01.vkrp to
// stage10.vkrp, for the tests that hold every shipped stage to the same standard.
#pragma once

#include <filesystem>
#include <ostream>
#include <string>
#include <tuple>

namespace vantoki::testing {

struct ShippedSet {
  const char* name;
  const char* stageFile;     // in stagedata/
  const char* replayFolder;  // in replaydata/
};

inline void PrintTo(const ShippedSet& set, std::ostream* out) {
  *out << set.name;
}

constexpr ShippedSet kShippedSets[] = {
    {"basic", "vantoki.vkst", ""},
    {"advanced", "vantoki_advanced.vkst", "advanced"},
};

inline std::filesystem::path shippedStageFile(const ShippedSet& set) {
  return std::filesystem::path(VANTOKI_STAGE_DATA_DIR) / set.stageFile;
}

// `stage` counts from 0.
inline std::filesystem::path shippedReplay(const ShippedSet& set, int stage) {
  const std::string number = std::to_string(stage + 1);
  return std::filesystem::path(VANTOKI_REPLAY_DATA_DIR) / set.replayFolder /
         ("stage" + std::string(2 - number.size(), '0') + number + ".vkrp");
}

// Names a test of one shipped stage, whose parameter is (set, stage), "advanced_stage3".
inline constexpr auto kShippedStageTestName = [](const auto& info) {
  return std::string(std::get<0>(info.param).name) + "_stage" +
         std::to_string(std::get<1>(info.param) + 1);
};

}  // namespace vantoki::testing
