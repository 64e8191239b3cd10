// Random boards and random presses. Under the sanitizers and bounds-checked arrays, any read or
// write outside the board fails the run; on boards the editor could have made, what the rules
// promise must hold after every commit: pieces are neither made nor lost except by explosions,
// and no snapshot holds an explosion or an arrow block at countdown 0.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <memory>
#include <random>

#include "board_fixture.h"
#include "play/play.h"

namespace vantoki {
namespace {

using testing::c;

struct PieceCounts {
  int walls = 0, players = 0, ladderCells = 0, bombs = 0, stars = 0, ballsAndArrows = 0;
};

PieceCounts countPieces(const Board& board) {
  PieceCounts counts;
  for (TileCode value : board.cells()) {
    counts.walls += value == c(Tile::Wall);
    counts.players += value == c(Tile::Player) || value == c(Tile::PlayerOnLadder);
    counts.ladderCells += value == c(Tile::Ladder) || value == c(Tile::PlayerOnLadder);
    counts.bombs += value == c(Tile::Bomb);
    counts.stars += value == c(Tile::Star);
    counts.ballsAndArrows += value == c(Tile::Ball) || isArrowBlock(value);
  }
  return counts;
}

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

bool holdsExplosionOrSpentArrow(const Board& board) {
  return std::any_of(board.cells().begin(), board.cells().end(), [](TileCode value) {
    return value == c(Tile::Explosion) || (isArrowBlock(value) && arrowCountdown(value) == 0);
  });
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
      const PieceCounts before = countPieces(state->currentBoard());
      ASSERT_TRUE(state->pressDirection(direction(random)));
      state->finishMove();
      const Board& after = state->currentBoard();
      const PieceCounts counts = countPieces(after);
      ASSERT_FALSE(holdsExplosionOrSpentArrow(after)) << "round " << round << " move " << move;
      ASSERT_EQ(counts.walls, before.walls);
      ASSERT_EQ(counts.players, before.players);
      ASSERT_EQ(counts.ladderCells, before.ladderCells);
      // Two blocks can land on the same pushed piece in one move; the second one's ball then
      // takes the first one's cell, so balls may be lost but never made.
      ASSERT_LE(counts.ballsAndArrows, before.ballsAndArrows);
      ASSERT_LE(counts.bombs, before.bombs);
      ASSERT_LE(counts.stars, before.stars);
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
      // Walls never move, whatever else the board holds.
      for (int cell = 0; cell < kCellCount; ++cell) {
        if (before.cells()[cell] == c(Tile::Wall)) {
          ASSERT_EQ(state->currentBoard().cells()[cell], c(Tile::Wall));
        }
      }
    }
  }
}

}  // namespace
}  // namespace vantoki
