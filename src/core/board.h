// A 15 × 15 grid addressed (x, y): x the column from the left, y the row from the top.
// Board holds tile codes, MotionGrid holds motion codes; both are plain values. Cells are
// stored row by row, so walking the storage in order is the scan order every rule relies on.
#pragma once

#include <array>
#include <cstdint>

#include "core/direction.h"
#include "core/tile.h"

namespace vantoki {

constexpr int kBoardSize = 15;
constexpr int kCellCount = kBoardSize * kBoardSize;

constexpr bool isOnBoard(int x, int y) {
  return x >= 0 && x < kBoardSize && y >= 0 && y < kBoardSize;
}

constexpr bool isBorderCell(int x, int y) {
  return x == 0 || y == 0 || x == kBoardSize - 1 || y == kBoardSize - 1;
}

template <typename Value, typename Tag>
class CellGrid {
 public:
  constexpr CellGrid() : cells_{} {}

  constexpr Value at(int x, int y) const { return cells_[index(x, y)]; }
  constexpr void set(int x, int y, Value value) { cells_[index(x, y)] = value; }
  constexpr void fill(Value value) { cells_.fill(value); }

  constexpr const std::array<Value, kCellCount>& cells() const { return cells_; }
  constexpr std::array<Value, kCellCount>& cells() { return cells_; }

  friend constexpr bool operator==(const CellGrid&, const CellGrid&) = default;

 private:
  static constexpr int index(int x, int y) { return y * kBoardSize + x; }

  std::array<Value, kCellCount> cells_;
};

struct BoardTag;
struct MotionTag;
using Board = CellGrid<TileCode, BoardTag>;
using MotionGrid = CellGrid<MotionCode, MotionTag>;

// Wall on the border ring, Empty inside: the room every new stage starts as.
Board walledEmptyBoard();

int countTiles(const Board& board, Tile tile);

}  // namespace vantoki
