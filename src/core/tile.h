// Tile codes: what one board cell holds. Codes are 16-bit because stage files may carry any
// value in that range; only the names below mean something to the rules, and arrow blocks pack
// a direction and a countdown into codes of 10 and more.
#pragma once

#include <cstdint>

namespace vantoki {

using TileCode = std::int16_t;

enum class Tile : TileCode {
  Empty = 0,
  Wall = 1,
  Ladder = 2,
  Player = 3,
  Bomb = 4,
  Star = 5,
  Ball = 6,
  Explosion = 7,
  PlayerOnLadder = 8,
  Obstacle = 9,
};

constexpr TileCode code(Tile tile) {
  return static_cast<TileCode>(tile);
}

constexpr TileCode kArrowBlockFirstCode = 10;
constexpr TileCode kArrowBlockEndCode = 90;  // one past the last code the game gives a meaning
constexpr int kArrowCountdownSpan = 20;
constexpr int kNewArrowCountdown = 16;

// Any code of 10 or more counts down like an arrow block; those from 90 on carry a direction
// index of 4 or more, which steps nowhere.
constexpr bool countsDown(TileCode value) {
  return value >= kArrowBlockFirstCode;
}

constexpr bool isArrowBlock(TileCode value) {
  return value >= kArrowBlockFirstCode && value < kArrowBlockEndCode;
}

// The direction and countdown an arrow block code packs; meaningful for codes that count down.
constexpr int arrowDirection(TileCode value) {
  return (value - kArrowBlockFirstCode) / kArrowCountdownSpan;
}
constexpr int arrowCountdown(TileCode value) {
  return (value - kArrowBlockFirstCode) % kArrowCountdownSpan;
}

// A block in its first move, kicked in it or placed in the stage: its countdown has just gone
// from 16 to 15.
constexpr bool isInFirstMove(TileCode value) {
  return countsDown(value) && arrowCountdown(value) == kNewArrowCountdown - 1;
}

// A bomb and a star that meet explode together, whichever of the two comes first.
constexpr bool explodesWith(TileCode piece, TileCode other) {
  return (piece == code(Tile::Bomb) && other == code(Tile::Star)) ||
         (piece == code(Tile::Star) && other == code(Tile::Bomb));
}

// A fresh arrow block (countdown 16) that will fly in the given direction: 26, 46, 66 or 86.
constexpr TileCode newArrowBlock(int direction) {
  return static_cast<TileCode>(kArrowBlockFirstCode + kNewArrowCountdown +
                               kArrowCountdownSpan * direction);
}

}  // namespace vantoki
