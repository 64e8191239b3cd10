// Helpers for building boards in tests: a walled empty room with pieces placed by hand, and a
// readable print of a grid when an expectation fails.
#pragma once

#include <array>
#include <cstdio>
#include <map>
#include <ostream>
#include <string_view>
#include <vector>

#include "core/board.h"

namespace vantoki {

template <typename Value, typename Tag>
void PrintTo(const CellGrid<Value, Tag>& grid, std::ostream* out) {
  *out << "\n";
  for (int y = 0; y < kBoardSize; ++y) {
    for (int x = 0; x < kBoardSize; ++x) {
      char cell[8];
      std::snprintf(cell, sizeof cell, "%3d", static_cast<int>(grid.at(x, y)));
      *out << cell;
    }
    *out << "\n";
  }
}

namespace testing {

struct Placed {
  int x;
  int y;
  int value;
};

constexpr int c(Tile tile) {
  return code(tile);
}

inline Board walledBoardWith(const std::vector<Placed>& pieces) {
  Board board = walledEmptyBoard();
  for (const Placed& p : pieces) {
    board.set(p.x, p.y, static_cast<TileCode>(p.value));
  }
  return board;
}

// A board drawn as text, rows from the top, cells from the left: # wall, . empty, H ladder,
// P player, Q player on a ladder, B bomb, * star, o ball; any other character stands for the
// raw code `codes` gives it (Empty when it gives none).
inline Board boardFromRows(const std::array<std::string_view, kBoardSize>& rows,
                           const std::map<char, int>& codes = {}) {
  static const std::map<char, Tile> kTiles = {
      {'#', Tile::Wall},           {'.', Tile::Empty}, {'H', Tile::Ladder}, {'P', Tile::Player},
      {'Q', Tile::PlayerOnLadder}, {'B', Tile::Bomb},  {'*', Tile::Star},   {'o', Tile::Ball}};
  Board board;
  for (int y = 0; y < kBoardSize; ++y) {
    for (int x = 0; x < kBoardSize; ++x) {
      const char cell = rows[y][x];
      int value = code(Tile::Empty);
      if (const auto tile = kTiles.find(cell); tile != kTiles.end()) {
        value = code(tile->second);
      } else if (const auto raw = codes.find(cell); raw != codes.end()) {
        value = raw->second;
      }
      board.set(x, y, static_cast<TileCode>(value));
    }
  }
  return board;
}

inline MotionGrid motionWith(const std::vector<Placed>& motions) {
  MotionGrid grid;
  for (const Placed& m : motions) {
    grid.set(m.x, m.y, static_cast<MotionCode>(m.value));
  }
  return grid;
}

}  // namespace testing
}  // namespace vantoki
