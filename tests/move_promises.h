// What the rules promise of every committed move, as checks that the randomized move tests and the
// rules fuzz target share: each check names the first promise a move broke, so a failure says
// which rule gave way.
#pragma once

#include <algorithm>
#include <optional>
#include <string>

#include "core/board.h"

namespace vantoki {

// Promises on any board, whatever codes it holds: walls never move, and explosions are over by
// the commit.
inline std::optional<std::string> brokenPromiseOfAnyMove(const Board& before, const Board& after) {
  for (int cell = 0; cell < kCellCount; ++cell) {
    if (before.cells()[cell] == code(Tile::Wall) && after.cells()[cell] != code(Tile::Wall)) {
      return "the wall in cell " + std::to_string(cell) + " moved";
    }
  }
  if (countTiles(after, Tile::Explosion) != 0) {
    return "the committed board holds an explosion";
  }
  return std::nullopt;
}

struct PieceCounts {
  int walls = 0, players = 0, ladderCells = 0, bombs = 0, stars = 0, ballsAndArrows = 0;
};

inline PieceCounts countPieces(const Board& board) {
  PieceCounts counts;
  for (TileCode value : board.cells()) {
    counts.walls += value == code(Tile::Wall);
    counts.players += value == code(Tile::Player) || value == code(Tile::PlayerOnLadder);
    counts.ladderCells += value == code(Tile::Ladder) || value == code(Tile::PlayerOnLadder);
    counts.bombs += value == code(Tile::Bomb);
    counts.stars += value == code(Tile::Star);
    counts.ballsAndArrows += value == code(Tile::Ball) || isArrowBlock(value);
  }
  return counts;
}

// Promises on a board grown from codes the editor places: pieces are neither made nor lost except
// by explosions, and an arrow block at countdown 0 has turned into a ball by the commit.
inline std::optional<std::string> brokenPromiseOfEditorMove(const Board& before,
                                                            const Board& after) {
  const PieceCounts was = countPieces(before);
  const PieceCounts is = countPieces(after);
  if (is.walls != was.walls) {
    return "the walls went from " + std::to_string(was.walls) + " to " + std::to_string(is.walls);
  }
  if (is.players != was.players) {
    return "the players went from " + std::to_string(was.players) + " to " +
           std::to_string(is.players);
  }
  if (is.ladderCells != was.ladderCells) {
    return "the ladder cells went from " + std::to_string(was.ladderCells) + " to " +
           std::to_string(is.ladderCells);
  }
  // Two blocks can land on the same pushed piece in one move; the second one's ball then takes
  // the first one's cell, so balls may be lost but never made.
  if (is.ballsAndArrows > was.ballsAndArrows) {
    return "the balls and arrow blocks grew from " + std::to_string(was.ballsAndArrows) + " to " +
           std::to_string(is.ballsAndArrows);
  }
  if (is.bombs > was.bombs) {
    return "the bombs grew from " + std::to_string(was.bombs) + " to " + std::to_string(is.bombs);
  }
  if (is.stars > was.stars) {
    return "the stars grew from " + std::to_string(was.stars) + " to " + std::to_string(is.stars);
  }
  if (std::any_of(after.cells().begin(), after.cells().end(), [](TileCode value) {
        return isArrowBlock(value) && arrowCountdown(value) == 0;
      })) {
    return "the committed board holds an arrow block at countdown 0";
  }
  return std::nullopt;
}

}  // namespace vantoki
