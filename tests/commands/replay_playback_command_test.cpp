// Replays as the window saves and plays them, driven through the game model with a scripted
// desktop and real ticks of the timer.
#include <gtest/gtest.h>

#include "board_fixture.h"
#include "fake_platform.h"
#include "game/game.h"
#include "io/record_syntax.h"
#include "io/replay_file.h"
#include "io_test_files.h"
#include "strip_fixture.h"

namespace vantoki {
namespace {

using testing::c;
using testing::walledBoardWith;

constexpr int kLeft = 0, kUp = 1, kRight = 2, kDown = 3;

const char* const kStartMessage =
    "リプレイデータを読み込みました。ＯＫで再生します。\r\n"
    "停止する場合は画面右のデッカイボタンを押してください。";
const char* const kMismatchQuestion =
    "リプレイデータと現在のステージが一致しませんが、強制的に再生しますか？";

std::string nines(int count) {
  return std::string(count, '9');
}

class ReplayInWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    game.startUp();
    StageSet set = initialStageSet();
    // The star in the far corner keeps the stage from being cleared by the first move.
    set.stageCells[0] = walledBoardWith(
        {{4, 13, c(Tile::Player)}, {7, 13, c(Tile::Ball)}, {13, 13, c(Tile::Star)}});
    set.stageCells[1] = walledBoardWith({{9, 13, c(Tile::Player)}, {2, 13, c(Tile::Star)}});
    game.installStageSet(set);
  }

  void tickUntilIdle() {
    for (int ticks = 0; ticks < 100 && game.play().moveInProgress(); ++ticks) {
      game.tick();
    }
  }

  void move(int direction) {
    game.pressDirection(direction);
    game.releaseDirection();
    tickUntilIdle();
  }

  // Playback runs on ticks; tick until it has ended and its last move is committed.
  void tickThroughPlayback() {
    for (int ticks = 0; ticks < 5000 && (game.replayRunning() || game.play().moveInProgress());
         ++ticks) {
      game.tick();
    }
  }

  std::string savedMoveRecord() {
    const std::filesystem::path path = dir / "play.vkrp";
    platform.files = {path};
    platform.answers = {MessageAnswer::Yes};
    game.saveReplay();
    return readReplayFile(path).value().moveRecord;
  }

  // A replay file as the game writes it, names in code page 932.
  void writeReplay(const std::filesystem::path& path, const std::string& stageName,
                   const std::string& moveRecord) {
    const std::vector<std::string> records = {"初期データ", stageName, moveRecord};
    ASSERT_FALSE(writeRecords(path, records));
  }

  TempDir dir;
  std::filesystem::path replay = dir / "saved.vkrp";
  testing::FakePlatform platform;
  Game game{testing::gameStrips(), platform};
};

TEST_F(ReplayInWindowTest, SavedRecordHoldsTheRecordedLine) {
  EXPECT_EQ(savedMoveRecord(), nines(501));
  for (const int direction : {kLeft, kUp, kRight, kDown}) {
    move(direction);
  }
  game.stepThroughHistory(HistoryStep::Previous);
  game.stepThroughHistory(HistoryStep::Previous);
  EXPECT_EQ(savedMoveRecord(), "0123" + nines(497));

  // A different move from turn 2, saved while it still animates, is not part of the line yet.
  game.pressDirection(kLeft);
  EXPECT_EQ(savedMoveRecord(), "0123" + nines(497));
  tickUntilIdle();
  EXPECT_EQ(savedMoveRecord(), "010" + nines(498));
}

TEST_F(ReplayInWindowTest, BothDialogsOpenOnTheReplayFolderWithTheirFilter) {
  platform.data = dir.path();
  game.saveReplay();
  game.startReplay();
  ASSERT_EQ(platform.dialogFolders.size(), 2u);
  for (int dialog = 0; dialog < 2; ++dialog) {
    EXPECT_EQ(platform.dialogFilters[dialog].pattern, "*.vkrp");
    EXPECT_EQ(platform.dialogFolders[dialog].initial, dir / "replaydata");
  }
}

TEST_F(ReplayInWindowTest, PlaybackReplaysTheSamePlayAndSavesTheSameBytes) {
  for (const int direction : {kRight, kRight, kLeft, kUp, kRight, kRight}) {
    move(direction);
  }
  const Board played = game.play().currentBoard();
  platform.files = {replay};
  game.saveReplay();
  EXPECT_EQ(platform.messages.back().text, "データセーブが完了しました");
  const std::string saved = readBytes(replay);

  game.selectStage(1);
  game.selectStage(0);
  platform.messages.clear();
  platform.files = {replay};
  game.startReplay();
  EXPECT_TRUE(game.replayRunning());
  tickThroughPlayback();

  ASSERT_EQ(platform.messages.size(), 1u) << "matching names ask nothing";
  EXPECT_EQ(platform.messages[0].text, kStartMessage);
  EXPECT_EQ(platform.messages[0].title, "メッセージ");
  EXPECT_FALSE(game.replayRunning());
  EXPECT_EQ(game.play().lastTurn(), 6);
  EXPECT_EQ(game.play().currentBoard(), played);
  EXPECT_EQ(game.currentTurnLabel(), "006");
  EXPECT_EQ(game.play().heldButton(), 0);

  const std::filesystem::path again = dir / "again.vkrp";
  platform.files = {again};
  game.saveReplay();
  EXPECT_EQ(readBytes(again), saved);

  move(kLeft);
  EXPECT_EQ(game.play().lastTurn(), 7) << "after playback the play goes on";
}

TEST_F(ReplayInWindowTest, NameMismatchAsksAndNoChangesNothing) {
  writeReplay(replay, "STAGE 1", "22" + nines(499) + "");
  game.selectStage(1);
  move(kLeft);
  const Board before = game.play().currentBoard();
  platform.files = {replay, replay};
  platform.answers = {MessageAnswer::No, MessageAnswer::Yes};
  game.startReplay();
  EXPECT_EQ(platform.messages.back().text, kMismatchQuestion);
  EXPECT_EQ(platform.messages.back().title, "確認");
  EXPECT_FALSE(game.replayRunning());
  EXPECT_EQ(game.play().currentBoard(), before);
  EXPECT_EQ(game.play().lastTurn(), 1);

  game.startReplay();
  tickThroughPlayback();
  EXPECT_EQ(game.play().lastTurn(), 2) << "Yes plays the same directions on this stage";
  EXPECT_EQ(game.play().currentBoard().at(11, 13), c(Tile::Player));
}

// A replay saved a moment ago matches its stage, whatever characters its names were typed with:
// "〜" (U+301C, what an input method types) is written as the code of "～", and a character code
// page 932 lacks as "?".
TEST_F(ReplayInWindowTest, ReplayJustSavedMatchesNamesTypedWithAnyCharacters) {
  game.toggleEditor();
  game.renameStage("星〜テスト");
  game.renameDataSet("セット🎮");
  game.toggleEditor();
  move(kRight);
  savedMoveRecord();
  platform.messages.clear();
  platform.files = {dir / "play.vkrp"};
  game.startReplay();
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].text, kStartMessage);
}

// Playback starts from the stage as selecting it shows it: labels at 000 / 000 and no clear
// panel, whatever the last play showed; its commits then move them.
TEST_F(ReplayInWindowTest, PlaybackStartsWithTheLabelsAndPanelOfAFreshPlay) {
  StageSet set = game.stageSet();
  set.stageCells[0] =
      walledBoardWith({{2, 13, c(Tile::Player)}, {3, 13, c(Tile::Bomb)}, {4, 13, c(Tile::Star)}});
  game.installStageSet(set);
  struct Case {
    std::string moveRecord;
    const char* labelsAfter;
  };
  for (const Case& playback : {Case{nines(501), "000"}, Case{"00" + nines(499), "002"}}) {
    move(kRight);
    ASSERT_TRUE(game.stageClearShown());
    writeReplay(replay, "STAGE 1", playback.moveRecord);
    platform.files = {replay};
    game.startReplay();
    EXPECT_FALSE(game.stageClearShown());
    EXPECT_EQ(game.currentTurnLabel() + "/" + game.lastTurnLabel(), "000/000");
    tickThroughPlayback();
    EXPECT_FALSE(game.stageClearShown());
    EXPECT_EQ(game.currentTurnLabel(), playback.labelsAfter);
    EXPECT_TRUE(game.directionsReachable());
    game.selectStage(0);
  }
}

TEST_F(ReplayInWindowTest, UnreadableRecordIsReportedAndChangesNothing) {
  writeReplay(replay, "STAGE 1", "" + std::string(300, '2') + "");
  const std::filesystem::path cut = dir / "cut.vkrp";
  ASSERT_FALSE(writeRecords(cut, std::vector<std::string>{"初期データ"}));
  move(kRight);
  const MoveLog log = game.play().moveLog();
  platform.files = {replay, cut};
  game.startReplay();
  game.startReplay();
  ASSERT_EQ(platform.messages.size(), 2u);
  EXPECT_EQ(platform.messages[0].text,
            "原因不明のエラーで、" + replay.string() +
                "をデータロードできませんでした\r\n3 行目: "
                "手順の記録が300文字しかありません（501文字のはずです）");
  EXPECT_EQ(platform.messages[1].text,
            "原因不明のエラーで、" + cut.string() +
                "をデータロードできませんでした\r\n"
                "ファイルが途中で終わっています（1行しかありません。3行のはずです）");
  EXPECT_EQ(game.play().lastTurn(), 1);
  EXPECT_EQ(game.play().moveLog(), log);
  EXPECT_FALSE(game.replayRunning());
}

// The fourth move is issued as the third is committed, and playback ends right there: the stop
// panel goes while that last move still animates, and the move is committed all the same.
TEST_F(ReplayInWindowTest, StopDuringTheThirdMoveEndsAsTheFourthIsIssued) {
  writeReplay(replay, "STAGE 1", "2020202" + nines(494) + "");
  platform.files = {replay};
  game.startReplay();
  const auto tickUntilTurn = [&](int turn) {
    for (int ticks = 0; ticks < 100 && game.play().lastTurn() < turn; ++ticks) {
      game.tick();
    }
  };
  tickUntilTurn(2);
  game.tick();  // the third move is on its way
  game.stopReplay();
  EXPECT_TRUE(game.replayRunning()) << "the stop waits for the next move to be issued";
  tickUntilTurn(3);
  EXPECT_FALSE(game.replayRunning());
  EXPECT_TRUE(game.play().moveInProgress());
  tickThroughPlayback();
  EXPECT_EQ(game.play().lastTurn(), 4);
}

TEST_F(ReplayInWindowTest, MoveInProgressWhenPlaybackStartsNeverLands) {
  writeReplay(replay, "STAGE 1", "" + nines(501) + "");
  game.pressDirection(kLeft);
  game.tick();
  platform.files = {replay};
  game.startReplay();
  for (int ticks = 0; ticks < 20; ++ticks) {
    game.tick();
  }
  EXPECT_EQ(game.play().lastTurn(), 0);
  EXPECT_EQ(game.play().currentBoard(), game.stageSet().stageCells[0]);
}

}  // namespace
}  // namespace vantoki
