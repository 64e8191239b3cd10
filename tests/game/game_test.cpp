// The game model as the window drives it: start-up, stage selection, moves through the timer,
// the history buttons and the speed list, with a scripted platform.
#include "game/game.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "board_fixture.h"
#include "editor/palette.h"
#include "fake_platform.h"
#include "io/stage_data_file.h"
#include "io_test_files.h"
#include "platform/mouse_buttons.h"
#include "strip_fixture.h"
#include "view/game_speed.h"

namespace vantoki {
namespace {

using testing::c;
using testing::walledBoardWith;

constexpr int kLeft = 0, kUp = 1, kRight = 2;

class GameTest : public ::testing::Test {
 protected:
  void SetUp() override { game.startUp(); }

  void installStage(const Board& stage) {
    StageSet set = initialStageSet();
    set.stageCells[0] = stage;
    game.installStageSet(set);
  }

  void move(int direction) {
    game.pressDirection(direction);
    game.releaseDirection();
    for (int ticks = 0; ticks < 50 && game.play().animating() != 0; ++ticks) {
      game.tick();
    }
  }

  testing::FakePlatform platform;
  Game game{testing::gameStrips(), platform};
};

TEST_F(GameTest, StartsOnTheFirstEmptyStage) {
  EXPECT_EQ(game.currentStage(), 0);
  EXPECT_EQ(game.stageSet(), initialStageSet());
  EXPECT_EQ(game.currentTurnLabel(), "000");
  EXPECT_EQ(game.lastTurnLabel(), "000");
  EXPECT_FALSE(game.stageClearShown());
  EXPECT_FALSE(game.editMode());
  EXPECT_EQ(game.animStep(), 10);
  EXPECT_EQ(game.leftTile(), 1);
  EXPECT_EQ(game.rightTile(), 0);
  EXPECT_EQ(game.leftTilePicture(), drawPaletteTile(testing::gameStrips(), 1));
  EXPECT_EQ(game.rightTilePicture(), drawPaletteTile(testing::gameStrips(), 0));
  EXPECT_EQ(game.palettePicture(), drawPalette(testing::gameStrips()));
  EXPECT_EQ(game.play().currentBoard(), walledEmptyBoard());
  EXPECT_TRUE(platform.messages.empty());
}

TEST_F(GameTest, MoveChangesTheBoardPicture) {
  installStage(walledBoardWith({{7, 13, c(Tile::Player)}, {12, 13, c(Tile::Star)}}));
  const Image24 before = game.boardImage();
  const int presents = game.boardPresentCount();
  move(kRight);
  EXPECT_NE(game.boardImage(), before);
  EXPECT_GT(game.boardPresentCount(), presents);
  EXPECT_EQ(game.play().currentBoard().at(8, 13), c(Tile::Player));
  EXPECT_FALSE(game.stageClearShown());
}

TEST_F(GameTest, SelectingAStageDropsTheMoveInProgress) {
  installStage(walledBoardWith({{7, 13, c(Tile::Player)}, {12, 13, c(Tile::Star)}}));
  game.pressDirection(kRight);
  game.tick();
  game.selectStage(3);
  for (int ticks = 0; ticks < 10; ++ticks) {
    game.tick();
  }
  EXPECT_EQ(game.play().lastTurn(), 0);
  EXPECT_EQ(game.play().currentBoard(), walledEmptyBoard());
  EXPECT_EQ(game.currentTurnLabel(), "000");
}

TEST_F(GameTest, HistoryRedrawsTheTurnShown) {
  installStage(
      walledBoardWith({{2, 13, c(Tile::Player)}, {3, 13, c(Tile::Bomb)}, {4, 13, c(Tile::Star)}}));
  const Image24 start = game.boardImage();
  move(kRight);
  EXPECT_TRUE(game.stageClearShown());
  const Image24 cleared = game.boardImage();
  game.stepThroughHistory(HistoryStep::First);
  EXPECT_EQ(game.boardImage(), start);
  EXPECT_FALSE(game.stageClearShown());
  game.stepThroughHistory(HistoryStep::Last);
  EXPECT_EQ(game.boardImage(), cleared);
  EXPECT_TRUE(game.stageClearShown());
}

TEST_F(GameTest, TurnLimitMessageOncePerMovePast500) {
  installStage(walledBoardWith({{7, 13, c(Tile::Player)}, {12, 13, c(Tile::Star)}}));
  game.selectSpeed(0);
  for (int turn = 0; turn < 500; ++turn) {
    move(turn % 2 == 0 ? kRight : kLeft);
  }
  EXPECT_TRUE(platform.messages.empty());
  move(kRight);
  move(kLeft);
  ASSERT_EQ(platform.messages.size(), 2u);
  EXPECT_EQ(platform.messages[0].text, "500ターンを超えましたので、これ以上は記録されません！");
  EXPECT_EQ(platform.messages[0].title, "メッセージ");
  EXPECT_EQ(platform.messages[0].buttons, MessageButtons::Ok);
  EXPECT_EQ(game.currentTurnLabel(), "501");
  EXPECT_EQ(game.lastTurnLabel(), "501");
  EXPECT_EQ(game.play().currentTurn(), 500);
}

// A speed chosen during a move waits for the move to end, which keeps its own step; then it holds
// for every move after.
TEST_F(GameTest, SpeedChosenDuringAMoveTakesEffectWhenTheMoveEnds) {
  installStage(walledBoardWith({{2, 13, c(Tile::Player)}, {12, 13, c(Tile::Star)}}));
  const auto ticksOfAMove = [this] {
    game.pressDirection(kRight);
    game.releaseDirection();
    int ticks = 0;
    for (; ticks < 100 && game.play().moveInProgress(); ++ticks) {
      game.tick();
      if (ticks == 0) {
        game.selectSpeed(0);
      }
    }
    return ticks;
  };
  game.selectSpeed(4);
  EXPECT_EQ(ticksOfAMove(), 20) << "40 pixels at the smoothest speed's 2 a tick";
  EXPECT_EQ(game.animStep(), 40);
  EXPECT_EQ(ticksOfAMove(), 1);
  EXPECT_EQ(game.play().lastTurn(), 2);

  // A move dropped by a stage selection ends too.
  game.selectSpeed(4);
  game.pressDirection(kRight);
  game.selectSpeed(1);
  EXPECT_EQ(game.animStep(), 2);
  game.selectStage(0);
  game.tick();
  EXPECT_EQ(game.animStep(), 20);
  game.selectSpeed(-1);
  EXPECT_EQ(game.animStep(), 2);
}

// The direction buttons lie under the stage-clear panel and in the play panel, which the editor
// hides; the history buttons refuse while a move is animated; a hint wants a board to move from.
// Out of reach, the mouse and the keys alike do nothing.
TEST(GameReachTest, ControlsOutOfReachDoNothing) {
  struct Case {
    const char* state;
    Board stage;
    std::function<void(Game&)> enter;
    bool directions;
    bool history;
  };
  const Board room = walledBoardWith({{7, 13, c(Tile::Player)}, {12, 13, c(Tile::Star)}});
  const std::vector<Case> cases = {
      {"stage cleared", walledEmptyBoard(),
       [](Game& game) {
         game.pressDirection(kUp);
         game.releaseDirection();
         while (game.play().moveInProgress()) {
           game.tick();
         }
       },
       false, true},
      {"editor", room, [](Game& game) { game.toggleEditor(); }, false, false},
      {"move under way", room, [](Game& game) { game.pressDirection(kRight); }, true, false},
  };
  for (const Case& reach : cases) {
    SCOPED_TRACE(reach.state);
    testing::FakePlatform platform;
    Game game{testing::gameStrips(), platform};
    game.startUp();
    StageSet set = initialStageSet();
    set.stageCells[0] = reach.stage;
    game.installStageSet(set);
    reach.enter(game);
    const int turn = game.play().currentTurn();
    const int lastTurn = game.play().lastTurn();
    const bool moving = game.play().moveInProgress();
    EXPECT_FALSE(game.requestHint());
    EXPECT_EQ(game.pressDirection(kLeft), reach.directions);
    EXPECT_EQ(game.holdDirection(kLeft), reach.directions);
    EXPECT_EQ(game.pressDirectionKey(kLeft), reach.directions);
    EXPECT_EQ(game.directionKeyHeld(), reach.directions);
    EXPECT_EQ(game.play().heldButton(), reach.directions ? kLeft + 1 : 0);
    EXPECT_EQ(game.play().moveInProgress(), moving);
    EXPECT_EQ(game.play().lastTurn(), lastTurn);
    EXPECT_EQ(game.stepThroughHistory(HistoryStep::First), reach.history);
    EXPECT_EQ(game.play().currentTurn(), reach.history ? 0 : turn);
    EXPECT_TRUE(platform.messages.empty());
  }
}

TEST_F(GameTest, StageOperationChosenInTheDialogIsAppliedAndTheFirstStageShown) {
  StageSet set = initialStageSet();
  set.stageCells[1] = walledBoardWith({{7, 13, c(Tile::Player)}});
  game.installStageSet(set);
  game.toggleEditor();
  game.selectStage(4);
  platform.stageOperations = {std::nullopt, StageOperationChoice{StageOperation::Swap, 0, 1}};

  game.operateOnStages();
  EXPECT_EQ(game.stageSet(), set) << "a dialog closed without an operation changes nothing";
  EXPECT_EQ(game.currentStage(), 4);

  game.operateOnStages();
  ASSERT_EQ(platform.stageSetsOperatedOn.size(), 2u);
  EXPECT_EQ(platform.stageSetsOperatedOn[1], set);
  EXPECT_EQ(game.stageSet().stageNames[0], "STAGE 2");
  EXPECT_EQ(game.stageSet().stageCells[0], set.stageCells[1]);
  EXPECT_EQ(game.currentStage(), 0);
  EXPECT_EQ(game.play().currentBoard(), set.stageCells[1]);
}

// What the game counts as unsaved: every change to the stage set since it was last loaded or
// saved, and nothing else.
TEST(GameUnsavedEditsTest, EditsNamesAndOperationsAreUnsavedUntilSavedOrLoaded) {
  struct Edit {
    const char* name;
    std::function<void(Game&)> make;
  };
  const std::vector<Edit> edits = {
      {"painted cell", [](Game& game) { game.paintStageCell(kLeftMouseButton, 100, 100); }},
      {"stage name", [](Game& game) { game.renameStage("部屋"); }},
      {"data set name", [](Game& game) { game.renameDataSet("集"); }},
      {"stage operation", [](Game& game) { game.operateOnStages(); }},
  };
  for (const Edit& edit : edits) {
    SCOPED_TRACE(edit.name);
    const TempDir dir;
    testing::FakePlatform platform;
    platform.stageOperations = {StageOperationChoice{StageOperation::Swap, 0, 1}};
    platform.answers = {MessageAnswer::Yes};
    Game game{testing::gameStrips(), platform};
    game.startUp();
    game.toggleEditor();
    game.selectStage(2);
    EXPECT_FALSE(game.hasUnsavedEdits()) << "moving about changes nothing";
    edit.make(game);
    EXPECT_TRUE(game.hasUnsavedEdits());

    platform.files = {dir / "saved.vkst"};
    ASSERT_TRUE(game.saveStageData());
    EXPECT_FALSE(game.hasUnsavedEdits());
    game.renameDataSet("もう一度");
    EXPECT_TRUE(game.hasUnsavedEdits());
    StageSet other = initialStageSet();
    other.dataSetName = "ほかの集";
    ASSERT_FALSE(writeStageDataFile(dir / "other.vkst", other));
    platform.files = {dir / "other.vkst"};
    platform.answers = {MessageAnswer::No};
    game.loadStageData();
    EXPECT_FALSE(game.hasUnsavedEdits());
  }
}

// Before a load replaces edits, the player is asked: はい saves them first and loads only once
// they are saved, いいえ discards them, キャンセル changes nothing. No question without edits.
TEST(GameUnsavedEditsTest, LoadAsksFirstAndGoesOnOnlyOnceTheEditsAreSettled) {
  struct Case {
    const char* name;
    std::vector<MessageAnswer> answers;
    std::vector<std::optional<std::string>> files;  // dialog answers by file name
    bool loaded;
    bool savedFirst;
  };
  const std::vector<Case> cases = {
      {"yes, saved", {MessageAnswer::Yes}, {"edited.vkst", "other.vkst"}, true, true},
      {"yes, save cancelled", {MessageAnswer::Yes}, {std::nullopt}, false, false},
      {"no", {MessageAnswer::No}, {"other.vkst"}, true, false},
      {"cancel", {MessageAnswer::Cancel}, {}, false, false},
  };
  for (const Case& answer : cases) {
    SCOPED_TRACE(answer.name);
    const TempDir dir;
    StageSet other = initialStageSet();
    other.dataSetName = "ほかの集";
    ASSERT_FALSE(writeStageDataFile(dir / "other.vkst", other));
    testing::FakePlatform platform;
    Game game{testing::gameStrips(), platform};
    game.startUp();
    platform.files = {dir / "other.vkst"};
    game.loadStageData();
    ASSERT_EQ(platform.messages.size(), 1u) << "nothing changed: no question";
    platform.messages.clear();

    game.renameDataSet("編集中");
    platform.answers.assign(answer.answers.begin(), answer.answers.end());
    platform.files.clear();
    for (const std::optional<std::string>& file : answer.files) {
      platform.files.push_back(file ? std::optional(dir / *file) : std::nullopt);
    }
    game.loadStageData();
    ASSERT_FALSE(platform.messages.empty());
    EXPECT_EQ(platform.messages[0].text, "ステージデータが変更されています。保存しますか？");
    EXPECT_EQ(platform.messages[0].title, "確認");
    EXPECT_EQ(platform.messages[0].buttons, MessageButtons::YesNoCancel);
    EXPECT_EQ(game.stageSet().dataSetName, answer.loaded ? "ほかの集" : "編集中");
    EXPECT_EQ(game.hasUnsavedEdits(), !answer.loaded);
    EXPECT_EQ(std::filesystem::exists(dir / "edited.vkst"), answer.savedFirst);
    EXPECT_TRUE(platform.files.empty()) << "every dialog asked for was opened";
  }
}

// A replay named on the command line plays on the stage it was recorded on, from a stage data
// file beside it (also when it is named without its folder) or in the game's stage data folder,
// without a question; found nowhere, it is reported and the stage set stays as it was. Where a
// copy of the file could be the replay's as well, the start message names the one taken.
TEST(GamePlayReplayFromTest, PlaysOnTheStageFoundBesideItOrInTheGameFolder) {
  struct Case {
    const char* stageFolder;
    bool bareName;  // the replay named in the working folder
    bool found;
    const char* newerCopyFolder = nullptr;
  };
  const Case cases[] = {{"replays", false, true},
                        {"replays", true, true},
                        {"game/stagedata", false, true},
                        {"elsewhere", false, false},
                        {"replays", false, true, "game/stagedata"}};
  const std::filesystem::path workingFolder = std::filesystem::current_path();
  for (const Case& test : cases) {
    SCOPED_TRACE(std::string(test.stageFolder) + (test.bareName ? ", bare name" : "") +
                 (test.newerCopyFolder ? ", a copy" : ""));
    const TempDir dir;
    std::filesystem::create_directories(dir / "replays");
    std::filesystem::create_directories(dir / test.stageFolder);
    const std::filesystem::path data(VANTOKI_TEST_DATA_DIR);
    std::filesystem::copy_file(data / "first_steps.vkrp", dir / "replays" / "steps.vkrp");
    std::filesystem::copy_file(data / "first_steps.vkst", dir / test.stageFolder / "steps.vkst");
    std::string started =
        "リプレイデータを読み込みました。ＯＫで再生します。\r\n"
        "停止する場合は画面右のデッカイボタンを押してください。";
    if (test.newerCopyFolder) {
      const std::filesystem::path copy = dir / test.newerCopyFolder / "steps.vkst";
      std::filesystem::create_directories(copy.parent_path());
      std::filesystem::copy_file(data / "first_steps.vkst", copy);
      std::filesystem::last_write_time(
          copy, std::filesystem::last_write_time(dir / test.stageFolder / "steps.vkst") +
                    std::chrono::seconds(1));
      started += "\r\n同じステージが入ったステージデータが複数あるため、いちばん新しい " +
                 copy.string() + " を使います。";
    }
    testing::FakePlatform platform;
    platform.data = dir / "game";
    Game game{testing::gameStrips(), platform};
    game.startUp();

    if (test.bareName) {
      std::filesystem::current_path(dir / "replays");
      game.playReplayFrom("steps.vkrp");
      std::filesystem::current_path(workingFolder);
    } else {
      game.playReplayFrom(dir / "replays" / "steps.vkrp");
    }
    ASSERT_EQ(platform.messages.size(), 1u);
    if (!test.found) {
      EXPECT_EQ(platform.messages[0].text,
                "リプレイデータのステージ「はじめの一歩」（テストデータ）が入ったステージデータが"
                "見つかりませんでした。\r\n"
                "リプレイデータと同じフォルダーにステージデータを置いてください。");
      EXPECT_EQ(game.stageSet(), initialStageSet());
      EXPECT_FALSE(game.replayRunning());
      continue;
    }
    EXPECT_EQ(platform.messages[0].text, started);
    EXPECT_EQ(game.stageSet().dataSetName, "テストデータ");
    EXPECT_EQ(game.currentStage(), 1);
    EXPECT_TRUE(game.replayRunning());
  }
}

}  // namespace
}  // namespace vantoki
