// The length of a play and its move log: the direction chosen at each turn 0 to 500, the record a
// replay file carries and playback follows.
#pragma once

#include <array>
#include <cstdint>

namespace vantoki {

constexpr int kTurnLimit = 500;
constexpr int kSnapshotCount = kTurnLimit + 1;

// The move log value that ends a replay.
constexpr std::int16_t kEndOfMoves = 9;

using MoveLog = std::array<std::int16_t, kSnapshotCount>;

}  // namespace vantoki
