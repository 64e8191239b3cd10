// The length of a play and its move log: the direction chosen at each turn 0 to 500, the record a
// replay file carries and playback follows.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <span>

namespace vantoki {

constexpr int kTurnLimit = 500;
constexpr int kSnapshotCount = kTurnLimit + 1;

// The move log value that ends a replay.
constexpr std::int16_t kEndOfMoves = 9;

using MoveLog = std::array<std::int16_t, kSnapshotCount>;

// The log of a line of at most kTurnLimit moves (direction indexes), zero after its end.
inline MoveLog moveLogOf(std::span<const int> moves) {
  MoveLog moveLog{};
  std::copy_n(moves.begin(), std::min<std::size_t>(moves.size(), kTurnLimit), moveLog.begin());
  return moveLog;
}

}  // namespace vantoki
