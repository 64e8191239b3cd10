// Direction indexes (the four ways a player is moved, the move log, an arrow block's heading) and
// motion codes (what the motion grid records for a moving piece: direction index + 1).
#pragma once

#include <cstdint>

namespace vantoki {

enum class Direction : int { Left = 0, Up = 1, Right = 2, Down = 3 };

constexpr int kDirectionCount = 4;

struct Step {
  int dx = 0;
  int dy = 0;
};

// Any index outside 0..3 (a replay digit 4 to 8, an arrow code of 90 and more) steps nowhere.
constexpr Step stepOf(int directionIndex) {
  switch (directionIndex) {
    case 0:
      return {-1, 0};
    case 1:
      return {0, -1};
    case 2:
      return {1, 0};
    case 3:
      return {0, 1};
    default:
      return {0, 0};
  }
}

using MotionCode = std::int16_t;

constexpr MotionCode kStill = 0;
constexpr MotionCode kMotionDown = 4;

constexpr MotionCode motionCodeOf(int directionIndex) {
  return static_cast<MotionCode>(directionIndex + 1);
}

// The step of a motion code; 0 and unknown codes stay put.
constexpr Step stepOfMotion(MotionCode motion) {
  return stepOf(motion - 1);
}

}  // namespace vantoki
