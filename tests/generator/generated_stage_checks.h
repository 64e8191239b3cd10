// What every stage the generator makes must be, checked cell by cell rather than by the
// generator's own helpers: only codes the editor paints, Wall all round, the pieces a generated
// stage may hold (one player, one to three stars, one to four bombs, at most three balls), and no
// player, bomb or star over an Empty cell.
#pragma once

#include <gtest/gtest.h>

#include <set>

#include "core/board.h"

namespace vantoki {

inline bool isEditorCode(TileCode value) {
  static const std::set<TileCode> kEditorCodes = {0, 1, 2, 3, 4, 5, 6, 26, 46, 66, 86};
  return kEditorCodes.contains(value);
}

inline bool fallsOnEmpty(TileCode value) {
  return value == code(Tile::Player) || value == code(Tile::Bomb) || value == code(Tile::Star);
}

inline void expectGeneratedStage(const Board& stage) {
  for (int y = 0; y < kBoardSize; ++y) {
    for (int x = 0; x < kBoardSize; ++x) {
      EXPECT_TRUE(isEditorCode(stage.at(x, y))) << x << "," << y;
      if (isBorderCell(x, y)) {
        EXPECT_EQ(stage.at(x, y), code(Tile::Wall)) << x << "," << y;
      } else if (fallsOnEmpty(stage.at(x, y))) {
        EXPECT_NE(stage.at(x, y + 1), code(Tile::Empty)) << "hangs in the air at " << x << "," << y;
      }
    }
  }
  EXPECT_EQ(countTiles(stage, Tile::Player), 1);
  EXPECT_GE(countTiles(stage, Tile::Star), 1);
  EXPECT_LE(countTiles(stage, Tile::Star), 3);
  EXPECT_GE(countTiles(stage, Tile::Bomb), 1);
  EXPECT_LE(countTiles(stage, Tile::Bomb), 4);
  EXPECT_LE(countTiles(stage, Tile::Ball), 3);
}

}  // namespace vantoki
