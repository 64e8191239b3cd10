// Finding the stage a replay was recorded on among the stage data files of a few folders.
#include "replay/stage_of_replay.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

#include "board_fixture.h"
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
// the stage in different places; the third, the set once more. Every file is as new as the others.
class StageOfReplayTest : public ::testing::Test {
 protected:
  void SetUp() override {
    writeSet(temp / "beside" / "b_no_stage.vkst", setNamed("自作セット", 0, "別のステージ"));
    writeBytes(temp / "beside" / "a_broken.vkst", "\"not stage data\"\r\n");
    writeSet(temp / "beside" / "c_other.txt", setNamed("自作セット", 2, "最後の部屋"));
    writeSet(temp / "player" / "mine_b.vkst", setNamed("自作セット", 6, "最後の部屋"));
    writeSet(temp / "player" / "mine_a.vkst", setNamed("自作セット", 4, "最後の部屋"));
    writeSet(temp / "game" / "shipped.vkst", setNamed("自作セット", 8, "最後の部屋"));
    const auto written = std::filesystem::last_write_time(temp.path());
    for (const auto& file : std::filesystem::recursive_directory_iterator(temp.path())) {
      std::filesystem::last_write_time(file.path(), written);
    }
  }

  std::optional<StageOfReplay> find(const std::string& dataSetName, const std::string& stageName) {
    return findStageOfReplay({dataSetName, stageName, ""}, folders);
  }

  TempDir temp;
  std::vector<std::filesystem::path> folders{temp / "missing", temp / "beside", temp / "player",
                                             temp / "game"};
};

TEST_F(StageOfReplayTest, OfFilesAsNewTheFirstInFolderAndNameOrder) {
  const std::optional<StageOfReplay> found = find("自作セット", "最後の部屋");
  ASSERT_TRUE(found.has_value());
  EXPECT_EQ(found->stageFile, temp / "player" / "mine_a.vkst");
  EXPECT_EQ(found->stage, 4);
  EXPECT_EQ(found->stageSet, setNamed("自作セット", 4, "最後の部屋"));
  EXPECT_TRUE(found->chosenAmongSeveral);
}

TEST_F(StageOfReplayTest, NoneWhenNoSetOfThatNameHoldsTheStage) {
  EXPECT_FALSE(find("自作セット", "ない部屋").has_value());
  EXPECT_FALSE(find("別のセット", "最後の部屋").has_value());
}

// Copies of a set keep its names as they are edited: the replay's own moves tell its set, and of
// the files on which they clear the stage (or of all, where they clear it on none) the newest is
// taken. Three copies, oldest first by name; the moves push the bomb onto the star where it lies
// two cells on (a push moves the bomb only, the next move the player).
TEST(StageOfReplayChoiceTest, TheSetOnWhichTheMovesClearThenTheNewest) {
  struct Case {
    const char* name;
    std::vector<bool> clears;  // on a, b and c
    const char* taken;
    bool amongSeveral;
  };
  const Case cases[] = {
      {"only b", {false, true, false}, "b.vkst", false},
      {"a and b", {true, true, false}, "b.vkst", true},
      {"none", {false, false, false}, "c.vkst", true},
  };
  const auto now = std::filesystem::file_time_type::clock::now();
  for (const Case& test : cases) {
    SCOPED_TRACE(test.name);
    const TempDir temp;
    for (int copy = 0; copy < 3; ++copy) {
      StageSet set = setNamed("自作セット", 3, "最後の部屋");
      const int star = test.clears[copy] ? 4 : 12;
      set.stageCells[3] = testing::walledBoardWith({{1, 13, testing::c(Tile::Player)},
                                                    {2, 13, testing::c(Tile::Bomb)},
                                                    {star, 13, testing::c(Tile::Star)}});
      const std::filesystem::path file = temp / std::string(1, static_cast<char>('a' + copy));
      writeSet(file.string() + ".vkst", set);
      std::filesystem::last_write_time(file.string() + ".vkst", now + std::chrono::hours(copy));
    }
    const std::vector<std::filesystem::path> folders{temp.path()};
    const std::optional<StageOfReplay> found =
        findStageOfReplay({"自作セット", "最後の部屋", "222" + std::string(498, '9')}, folders);
    ASSERT_TRUE(found.has_value());
    EXPECT_EQ(found->stageFile, temp / test.taken);
    EXPECT_EQ(found->chosenAmongSeveral, test.amongSeveral);
  }
}

}  // namespace
}  // namespace vantoki
