// The solver's keys against the game's own boards: a board keyed and read back is the board, on
// the border and with every kind of code, and a move worked out on framed boards and keyed is the
// move the play commits, on the boards of the shipped stages' plays.
#include "solver/board_codec.h"

#include <gtest/gtest.h>

#include <vector>

#include "core/turn_commit.h"
#include "io/stage_data_file.h"
#include "shipped_sets.h"

namespace vantoki {
namespace {

Board readBack(const BoardCodec& codec, std::span<const std::uint8_t> key) {
  FramedCells framed;
  PieceCells pieces;
  codec.decode(key, framed, pieces);
  Board board;
  unframeBoard(framed, board);
  return board;
}

// Every code the game names and some it does not, pieces and fixed cells, in the border's
// corners and along it: keyed by their pieces, or, past what piece keys hold, by board keys.
TEST(BoardCodecTest, AStageReadsBackAsItself) {
  const std::vector<TileCode> codes = {0,  1,  2,  3,  4,  5,   6,  7,   8,   9,
                                       10, 26, 49, 89, 90, 150, -3, 254, 255, 1000};
  struct Case {
    const char* name;
    int extraBalls;  // more pieces than piece keys hold
    bool wideCode;   // a piece whose code needs two bytes
  };
  for (const Case stageCase :
       {Case{"pieces", 0, false}, Case{"many pieces", 70, false}, Case{"a wide code", 0, true}}) {
    SCOPED_TRACE(stageCase.name);
    Board stage = walledEmptyBoard();
    int cell = 0;
    for (const TileCode value : codes) {
      if (value >= 255 && !stageCase.wideCode) {
        continue;
      }
      stage.cells()[cell] = value;
      cell += 11;  // along the border and across the rows
    }
    stage.cells()[kCellCount - 1] = code(Tile::Star);
    for (int ball = 0; ball < stageCase.extraBalls; ++ball) {
      stage.cells()[16 + 3 * ball % 190] = code(Tile::Ball);
    }
    const BoardCodec codec(stage);
    std::vector<std::uint8_t> key(codec.keyBytes());
    FramedCells framed;
    frameBoard(stage, framed);
    const BoardCodec::Facts facts = codec.encodeStage(framed, key);
    EXPECT_EQ(readBack(codec, key), stage);
    EXPECT_FALSE(facts.cleared);
    EXPECT_FALSE(facts.canNeverClear);
  }
}

// Each board along a fixed walk through every shipped stage, moved in each direction.
TEST(BoardCodecTest, AMoveKeyedIsTheMoveThePlayCommits) {
  for (const testing::ShippedSet& set : testing::kShippedSets) {
    const Result<StageSet> stages = readStageDataFile(testing::shippedStageFile(set));
    ASSERT_TRUE(stages.ok());
    for (int stageIndex = 0; stageIndex < kStageCount; ++stageIndex) {
      SCOPED_TRACE(::testing::Message() << set.name << " stage " << stageIndex + 1);
      const Board& stage = stages.value().stageCells[stageIndex];
      const BoardCodec codec(stage);
      std::vector<std::uint8_t> key(codec.keyBytes());
      FramedCells framed;
      frameBoard(stage, framed);
      codec.encodeStage(framed, key);
      Board board = stage;
      MotionGrid motion;
      for (int turn = 0; turn < 60; ++turn) {
        PieceCells pieceCells;
        const std::span<const PieceCell> pieces = codec.decode(key, framed, pieceCells);
        FramedMoves moves(framed, pieces);
        std::vector<std::uint8_t> moved(codec.keyBytes());
        for (int direction = 0; direction < kDirectionCount; ++direction) {
          Board committed;
          commitMove(board, direction, committed, motion);
          moves.resolve(direction);
          const BoardCodec::Facts facts = codec.encodeMove(moves, key, pieces, moved);
          ASSERT_EQ(readBack(codec, moved), committed) << "turn " << turn << ", " << direction;
          EXPECT_EQ(facts.cleared, isStageCleared(committed));
          EXPECT_EQ(facts.canNeverClear, countTiles(committed, Tile::Bomb) == 0 &&
                                             countTiles(committed, Tile::Star) > 0);
        }
        // A walk that wanders, the same for every run.
        const int direction = (turn * 7 + turn / 3) % kDirectionCount;
        Board next;
        commitMove(board, direction, next, motion);
        board = next;
        frameBoard(board, framed);
        codec.encodeStage(framed, key);
      }
    }
  }
}

}  // namespace
}  // namespace vantoki
