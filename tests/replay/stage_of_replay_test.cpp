// Finding the stage a replay was recorded on among the stage data files of a few folders.
#include "replay/stage_of_replay.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "io/stage_data_file.h"
#include "io_test_files.h"

namespace vantoki {
namespace {

StageSet setNamed(const std::string& dataSetName, int stage, const std::string& stageName) {
  StageSet set = initialStageSet();
  set.dataSetName = dataSetName;
  set.stageNames[stage] = stageName;
  return set;
}

void writeSet(const std::filesystem::path& path, const StageSet& set) {
  std::filesystem::create_directories(path.parent_path());
  ASSERT_FALSE(writeStageDataFile(path, set).has_value()) << path;
}

// Three folders, searched in this order: the first holds a broken file, a file of the right set
// name without the stage and a file of another extension; the second, two files of the set with
// the stage in different places; the third, the set once more.
class StageOfReplayTest : public ::testing::Test {
 protected:
  void SetUp() override {
    writeSet(temp / "beside" / "b_no_stage.vkst", setNamed("自作セット", 0, "別のステージ"));
    writeBytes(temp / "beside" / "a_broken.vkst", "\"not stage data\"\r\n");
    writeSet(temp / "beside" / "c_other.txt", setNamed("自作セット", 2, "最後の部屋"));
    writeSet(temp / "player" / "mine_b.vkst", setNamed("自作セット", 6, "最後の部屋"));
    writeSet(temp / "player" / "mine_a.vkst", setNamed("自作セット", 4, "最後の部屋"));
    writeSet(temp / "game" / "shipped.vkst", setNamed("自作セット", 8, "最後の部屋"));
  }

  std::optional<StageOfReplay> find(const std::string& dataSetName, const std::string& stageName) {
    return findStageOfReplay({dataSetName, stageName, ""}, folders);
  }

  TempDir temp;
  std::vector<std::filesystem::path> folders{temp / "missing", temp / "beside", temp / "player",
                                             temp / "game"};
};

TEST_F(StageOfReplayTest, TheFirstSetHoldingTheStageInFolderAndNameOrder) {
  const std::optional<StageOfReplay> found = find("自作セット", "最後の部屋");
  ASSERT_TRUE(found.has_value());
  EXPECT_EQ(found->stageFile, temp / "player" / "mine_a.vkst");
  EXPECT_EQ(found->stage, 4);
  EXPECT_EQ(found->stageSet, setNamed("自作セット", 4, "最後の部屋"));
}

TEST_F(StageOfReplayTest, NoneWhenNoSetOfThatNameHoldsTheStage) {
  EXPECT_FALSE(find("自作セット", "ない部屋").has_value());
  EXPECT_FALSE(find("別のセット", "最後の部屋").has_value());
}

}  // namespace
}  // namespace vantoki
