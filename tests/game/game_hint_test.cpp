// The hint as the game gives it: searched off the user-interface thread, shown in a message only
// while its board is still the one shown, out of reach where the direction buttons are or a move
// is under way, and never outliving the game.
#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "board_fixture.h"
#include "fake_platform.h"
#include "game/game.h"
#include "io/replay_file.h"
#include "io_test_files.h"
#include "memory_filling_stage.h"
#include "memory_limited_child.h"
#include "rooms.h"
#include "strip_fixture.h"

namespace vantoki {
namespace {

constexpr int kLeft = 0, kRight = 2;
constexpr std::chrono::milliseconds kNoCallExpected(300);

class GameHintTest : public ::testing::Test {
 protected:
  void SetUp() override { game->startUp(); }

  void installStage(const std::array<std::string_view, kBoardSize>& rows) {
    StageSet set = initialStageSet();
    set.stageCells[0] = testing::boardFromRows(rows);
    game->installStageSet(set);
  }

  void move(int direction) {
    game->pressDirection(direction);
    game->releaseDirection();
    for (int ticks = 0; ticks < 50 && game->play().moveInProgress(); ++ticks) {
      game->tick();
    }
  }

  std::vector<std::string> messageTexts() const {
    std::vector<std::string> texts;
    for (const testing::ShownMessage& message : platform.messages) {
      texts.push_back(message.text);
    }
    return texts;
  }

  testing::FakePlatform platform;
  std::unique_ptr<Game> game = std::make_unique<Game>(testing::gameStrips(), platform);
};

struct ShownHintCase {
  std::string name;
  const std::array<std::string_view, kBoardSize>* stage;
  std::vector<int> moves;
  std::string message;
};

TEST_F(GameHintTest, ShowsTheAnswerForTheBoardShown) {
  const std::vector<ShownHintCase> cases = {
      {"stage start", &kPit, {}, "次の一手：→（あと4手でクリア）"},
      {"one move from a clear", &kPit, {kRight, kRight, kRight}, "次の一手：→（あと1手でクリア）"},
      {"in the hole",
       &kPit,
       {kLeft, kLeft, kLeft},
       "この盤面からはもうクリアできません。2手戻ればまだクリアできます。"},
      {"never clearable", &kWalledOff, {kRight}, "このステージは最初からクリアできません。"},
      // Ends on the game's time limit.
      {"too large to search", &kShelves, {}, "探索の上限までに答えが見つかりませんでした。"},
  };
  for (const ShownHintCase& hintCase : cases) {
    SCOPED_TRACE(hintCase.name);
    platform.messages.clear();
    installStage(*hintCase.stage);
    for (const int direction : hintCase.moves) {
      move(direction);
    }
    ASSERT_TRUE(game->hintReachable());
    game->requestHint();
    EXPECT_EQ(platform.runCallsHandedOver(), 1);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, hintCase.message);
    EXPECT_EQ(platform.messages[0].title, "メッセージ");
    EXPECT_EQ(platform.messages[0].buttons, MessageButtons::Ok);
  }
}

TEST_F(GameHintTest, AnswerForABoardNoLongerShownIsDropped) {
  const TempDir dir;
  const std::vector<std::pair<std::string, std::function<void()>>> changes = {
      {"move", [this] { move(kRight); }},
      {"move pressed, no frame shown yet", [this] { game->pressDirection(kRight); }},
      {"step back", [this] { game->stepThroughHistory(HistoryStep::Previous); }},
      {"another stage", [this] { game->selectStage(1); }},
      {"editor", [this] { game->toggleEditor(); }},
      {"stage set loaded", [this] { game->installStageSet(initialStageSet()); }},
      // A replay without moves is over at once, back on the stage as it starts.
      {"playback",
       [&] {
         MoveLog noMoves;
         noMoves.fill(kEndOfMoves);
         const StageSet& stages = game->stageSet();
         ASSERT_FALSE(writeReplayFile(dir / "none.vkrp", stages.dataSetName, stages.stageNames[0],
                                      noMoves, 0));
         platform.files = {dir / "none.vkrp"};
         game->startReplay();
         ASSERT_FALSE(game->replayRunning());
       }},
  };
  for (const auto& [name, change] : changes) {
    SCOPED_TRACE(name);
    installStage(kPit);
    move(kRight);
    game->requestHint();
    change();
    const std::size_t messages = platform.messages.size();
    EXPECT_EQ(platform.runCallsHandedOver(), 1);
    EXPECT_EQ(platform.messages.size(), messages);
    if (game->editMode()) {
      game->toggleEditor();
    }
    // The next request is served again.
    platform.messages.clear();
    installStage(kPit);
    game->requestHint();
    EXPECT_EQ(platform.runCallsHandedOver(), 1);
    EXPECT_EQ(messageTexts(), std::vector<std::string>{"次の一手：→（あと4手でクリア）"});
  }
}

// An answer that comes while a dialog is open waits for it to close, and is dropped if the board
// changed meanwhile.
TEST_F(GameHintTest, AnswerWaitsForAnOpenDialogToClose) {
  for (const bool moveMeanwhile : {false, true}) {
    SCOPED_TRACE(moveMeanwhile ? "moved meanwhile" : "board unchanged");
    platform.messages.clear();
    installStage(kPit);
    game->requestHint();
    platform.dialogOpen = true;
    EXPECT_EQ(platform.runCallsHandedOver(), 1);
    game->tick();
    EXPECT_TRUE(platform.messages.empty());
    if (moveMeanwhile) {
      move(kRight);
    }
    platform.dialogOpen = false;
    game->tick();
    EXPECT_EQ(messageTexts(), moveMeanwhile
                                  ? std::vector<std::string>{}
                                  : std::vector<std::string>{"次の一手：→（あと4手でクリア）"});
  }
}

TEST_F(GameHintTest, SecondRequestWhileSearchingIsIgnored) {
  installStage(kPit);
  game->requestHint();
  game->requestHint();
  EXPECT_EQ(platform.runCallsHandedOver(), 1);
  EXPECT_EQ(platform.runCallsHandedOver(kNoCallExpected), 0);
  EXPECT_EQ(platform.messages.size(), 1u);
}

TEST_F(GameHintTest, OutOfReachInTheEditorUnderTheClearPanelAndDuringAMove) {
  installStage(kPit);
  game->toggleEditor();
  EXPECT_FALSE(game->hintReachable());
  game->requestHint();
  game->toggleEditor();

  game->pressDirection(kRight);
  EXPECT_FALSE(game->hintReachable());
  game->requestHint();
  move(kRight);

  installStage(kPit);
  for (int turn = 0; turn < 4; ++turn) {
    move(kRight);
  }
  ASSERT_TRUE(game->stageClearShown());
  EXPECT_FALSE(game->hintReachable());
  game->requestHint();

  EXPECT_EQ(platform.runCallsHandedOver(kNoCallExpected), 0);
  EXPECT_TRUE(platform.messages.empty());
}

// A game started under a tight memory limit: the hint's search ends at what the process can
// spare, long before the system would refuse it memory, and says it found nothing; so it does
// when there is no room even for the search's thread.
TEST_F(GameHintTest, UnderAMemoryLimitTheHintEndsWithinTheBudget) {
  if (testing::kAddressSanitizer) {
    GTEST_SKIP() << testing::kRefusalNeedsNoSanitizer;
  }
  // It reaches the limit of the address space well within the hint's time.
  StageSet set = initialStageSet();
  set.stageCells[0] = testing::memoryFillingStage();
  game->installStageSet(set);
  struct Report {
    bool outOfBudget;
  };
  // A thread's stack takes 8 MiB, unless one of an earlier thread is still kept for reuse.
  for (const std::size_t headroom : {std::size_t{24} << 20, std::size_t{4} << 20}) {
    SCOPED_TRACE(headroom);
    const std::optional<Report> report =
        testing::reportUnderLimit<Report>(RLIMIT_AS, headroom, [this] {
          game->requestHint();
          platform.runCallsHandedOver();
          return Report{messageTexts() ==
                        std::vector<std::string>{"探索の上限までに答えが見つかりませんでした。"}};
        });
    ASSERT_TRUE(report) << "the game did not answer in the child";
    EXPECT_TRUE(report->outOfBudget);
  }
}

TEST_F(GameHintTest, GameGoneBeforeTheAnswerLeavesNoThreadAndDropsIt) {
  installStage(kShelves);
  game->requestHint();
  game.reset();
  // The search was stopped and joined; what it handed over finds no one to answer.
  EXPECT_EQ(platform.runCallsHandedOver(std::chrono::milliseconds(0)), 1);
  EXPECT_TRUE(platform.messages.empty());
}

}  // namespace
}  // namespace vantoki
