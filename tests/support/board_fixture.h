// Helpers for building boards in tests: a walled empty room with pieces placed by hand, and a
// readable print of a grid when an expectation fails.
#pragma once

#include <array>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <optional>
#include <ostream>
#include <string_view>
#include <vector>

#include "core/board.h"
#include "core/text_board.h"

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

// A whole board drawn as text (core/text_board.h), with raw codes for further characters. A
// drawing the reader refuses is a mistake in the test itself, which stops there.
inline Board boardFromRows(const std::array<std::string_view, kBoardSize>& rows,
                           const std::map<char, int>& codes = {}) {
  std::vector<TextCode> moreCodes;
  for (const auto& [character, value] : codes) {
    moreCodes.push_back({character, static_cast<TileCode>(value)});
  }
  const std::optional<Board> board = boardFromText(rows, moreCodes);
  if (!board) {
    std::fputs("a board drawing holds a character without a code\n", stderr);
    std::abort();
  }
  return *board;
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
