// Random boards and random presses. Under the sanitizers and bounds-checked arrays, any read or
// write outside the board fails the run; on boards the editor could have made, what the rules
// promise must hold after every commit: pieces are neither made nor lost except by explosions,
// and no snapshot holds an explosion or an arrow block at countdown 0.
#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <optional>
#include <random>

#include "board_fixture.h"
#include "move_promises.h"
#include "play/play.h"

namespace vantoki {
namespace {

using testing::c;

Board randomBoard(std::mt19937& random, bool walled, bool editorCodesOnly) {
  static constexpr std::array<TileCode, 11> kEditorCodes = {0, 1, 2, 3, 4, 5, 6, 26, 46, 66, 86};
  // Editor boards are mostly empty, so pieces have room to move and meet.
  std::discrete_distribution<int> editorPick({40, 12, 6, 6, 6, 6, 6, 2, 2, 2, 2});
  std::uniform_int_distribution<int> anyCode(-5, 120);
  Board board;
  for (int y = 0; y < kBoardSize; ++y) {
    for (int x = 0; x < kBoardSize; ++x) {
      if (walled && isBorderCell(x, y)) {
        board.set(x, y, c(Tile::Wall));
      } else if (editorCodesOnly) {
        board.set(x, y, kEditorCodes[editorPick(random)]);
      } else {
        board.set(x, y, static_cast<TileCode>(anyCode(random)));
      }
    }
  }
  return board;
}

constexpr int kBoards = 400;
constexpr int kMovesPerBoard = 40;

TEST(MoveInvariants, EditorBoardsKeepTheirPromises) {
  std::mt19937 random(20261207);
  std::uniform_int_distribution<int> direction(0, 3);
  auto state = std::make_unique<Play>();
  for (int round = 0; round < kBoards; ++round) {
    const bool walled = round % 4 != 0;
    state->selectStage(randomBoard(random, walled, true));
    for (int move = 0; move < kMovesPerBoard; ++move) {
      const Board before = state->currentBoard();
      ASSERT_TRUE(state->pressDirection(direction(random)));
      state->finishMove();
      const Board& after = state->currentBoard();
      ASSERT_EQ(brokenPromiseOfAnyMove(before, after), std::nullopt)
          << "round " << round << " move " << move;
      ASSERT_EQ(brokenPromiseOfEditorMove(before, after), std::nullopt)
          << "round " << round << " move " << move;
    }
  }
}

TEST(MoveInvariants, AnyBoardAndAnyDirectionStayOnTheBoard) {
  std::mt19937 random(7);
  std::uniform_int_distribution<int> direction(-3, 10);
  auto state = std::make_unique<Play>();
  for (int round = 0; round < kBoards; ++round) {
    state->selectStage(randomBoard(random, round % 2 == 0, false));
    for (int move = 0; move < kMovesPerBoard; ++move) {
      const Board before = state->currentBoard();
      ASSERT_TRUE(state->pressDirection(direction(random)));
      state->finishMove();
      ASSERT_EQ(brokenPromiseOfAnyMove(before, state->currentBoard()), std::nullopt)
          << "round " << round << " move " << move;
    }
  }
}

}  // namespace
}  // namespace vantoki
