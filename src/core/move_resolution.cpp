#include "core/move_resolution.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>

namespace vantoki {
namespace {

// The rules look at most two cells away from a piece. The resolver works on copies of the board
// framed by two rings of Wall, so a neighbour off the board is a wall by construction and no
// rule needs a bounds test.
constexpr int kFrame = 2;
constexpr int kSpan = kBoardSize + 2 * kFrame;
constexpr int kFramedCount = kSpan * kSpan;

constexpr int framedIndex(int x, int y) {
  return (y + kFrame) * kSpan + x + kFrame;
}
constexpr int framedIndex(int boardIndex) {
  return framedIndex(boardIndex % kBoardSize, boardIndex / kBoardSize);
}
constexpr int boardIndex(int framed) {
  return (framed / kSpan - kFrame) * kBoardSize + framed % kSpan - kFrame;
}

// One byte per board cell, 1 where a pass has work to do. Most cells are floor and walls; the
// flags are set in one branch-free sweep and then visited in scan order, skipping the rest.
using CellFlags = std::array<std::uint8_t, kCellCount>;

template <typename Visit>
void forEachFlagged(const CellFlags& flags, Visit visit) {
  const std::uint8_t* const begin = flags.data();
  const std::uint8_t* const end = begin + flags.size();
  for (const std::uint8_t* next = begin;
       (next = static_cast<const std::uint8_t*>(std::memchr(next, 1, end - next))) != nullptr;
       ++next) {
    visit(framedIndex(static_cast<int>(next - begin)));
  }
}
constexpr int offsetOf(Step step) {
  return step.dx + step.dy * kSpan;
}

constexpr int kBelow = kSpan;

// The rules below are an if / else-if chain per piece: once a rule's outer test holds, the piece
// is done for this move even when the rule's inner test fails.
class MoveResolver {
 public:
  MoveResolver(const Board& before, int direction)
      : direction_(direction),
        ahead_(offsetOf(stepOf(direction))),
        side_(stepOf(direction).dx),
        pressedMotion_(motionCodeOf(direction)) {
    frame(before, held_);
    frame(before, work_);
    motion_.fill(kStill);
    for (int index = 0; index < kCellCount; ++index) {
      const TileCode value = before.cells()[index];
      piecesToResolve_[index] = isActivePiece(value);
      blocksToCount_[index] = countsDown(value);
    }
  }

  // Row by row, not a fill and then a copy of the whole framed board: a copy of a few hundred
  // bytes of known size compiles to string instructions whose start-up cost is a large part of
  // a move on a sparse board, and the solver resolves millions of moves.
  static void frame(const Board& before, std::array<TileCode, kFramedCount>& framed) {
    for (int framedRow = 0; framedRow < kSpan; ++framedRow) {
      const auto row = framed.begin() + framedRow * kSpan;
      const int y = framedRow - kFrame;
      if (y < 0 || y >= kBoardSize) {
        std::fill_n(row, kSpan, code(Tile::Wall));
        continue;
      }
      std::fill_n(row, kFrame, code(Tile::Wall));
      std::copy_n(before.cells().begin() + y * kBoardSize, kBoardSize, row + kFrame);
      std::fill_n(row + kFrame + kBoardSize, kFrame, code(Tile::Wall));
    }
  }

  void run() {
    objectPass();
    countdownPass();
  }

  void store(Board& work, MotionGrid& motion) const {
    for (int y = 0; y < kBoardSize; ++y) {
      std::copy_n(work_.begin() + framedIndex(0, y), kBoardSize,
                  work.cells().begin() + y * kBoardSize);
      std::copy_n(motion_.begin() + framedIndex(0, y), kBoardSize,
                  motion.cells().begin() + y * kBoardSize);
    }
  }

 private:
  bool holds(int cell, Tile tile) const { return held_[cell] == code(tile); }
  bool isFree(int cell) const {
    return held_[cell] == code(Tile::Empty) && work_[cell] == code(Tile::Empty);
  }
  bool isStill(int cell) const { return motion_[cell] == kStill; }
  // What a player pushes: a bomb or a star.
  bool isPushable(int cell) const { return holds(cell, Tile::Bomb) || holds(cell, Tile::Star); }
  void put(int cell, TileCode value) { work_[cell] = value; }
  void put(int cell, Tile tile) { work_[cell] = code(tile); }
  void move(int cell, MotionCode motion) { motion_[cell] = motion; }

  static bool isActivePiece(TileCode value) {
    return static_cast<int>(static_cast<std::uint16_t>(value - code(Tile::Player)) <= 2) |
           static_cast<int>(value == code(Tile::PlayerOnLadder));
  }

  void objectPass() {
    forEachFlagged(piecesToResolve_, [this](int cell) {
      switch (static_cast<Tile>(held_[cell])) {
        case Tile::Player:
          resolvePlayer(cell);
          break;
        case Tile::PlayerOnLadder:
          resolvePlayerOnLadder(cell);
          break;
        default:  // Bomb or Star, the only other pieces flagged
          resolveLoosePiece(cell);
          break;
      }
    });
  }

  void resolvePlayer(int cell) {
    const int ahead = cell + ahead_;
    // Side cells keep the player's row, so up and down never walk or push.
    const int side = cell + side_, sideBeyond = cell + 2 * side_;
    if (isFree(cell + kBelow)) {
      move(cell, kMotionDown);
      put(cell, Tile::Empty);
      put(cell + kBelow, Tile::Player);
    } else if (isFree(side)) {
      move(cell, pressedMotion_);
      put(cell, Tile::Empty);
      put(side, Tile::Player);
    } else if (holds(ahead, Tile::Ball)) {
      kick(ahead);
    } else if (isPushable(side) && isStill(side)) {
      push(side, sideBeyond);
    } else if (holds(ahead, Tile::Ladder) && direction_ != static_cast<int>(Direction::Up)) {
      move(cell, pressedMotion_);
      put(cell, Tile::Empty);
      put(ahead, Tile::PlayerOnLadder);
    }
  }

  void resolvePlayerOnLadder(int cell) {
    const int ahead = cell + ahead_, beyond = cell + 2 * ahead_;
    if (isFree(ahead)) {
      move(cell, pressedMotion_);
      put(cell, Tile::Ladder);
      put(ahead, Tile::Player);
    } else if (holds(ahead, Tile::Ball)) {
      kick(ahead);
    } else if (isPushable(ahead) && isStill(ahead)) {
      push(ahead, beyond);
    } else if (holds(ahead, Tile::Ladder)) {
      move(cell, pressedMotion_);
      put(cell, Tile::Ladder);
      put(ahead, Tile::PlayerOnLadder);
    }
  }

  // The kicked ball leaves its cell and lands one cell on as an arrow block that will fly back.
  void kick(int ball) {
    const int landing = ball + ahead_;
    if (!isFree(landing)) {
      return;
    }
    move(ball, pressedMotion_);
    put(ball, Tile::Empty);
    put(landing, newArrowBlock((direction_ + 2) % kDirectionCount));
    blocksToCount_[boardIndex(landing)] = 1;
  }

  // Pushes the bomb or star in `piece` one cell on, or makes it explode with its partner there.
  void push(int piece, int beyond) {
    if (isFree(beyond)) {
      move(piece, pressedMotion_);
      put(piece, Tile::Empty);
      put(beyond, held_[piece]);
    } else if (explodesWith(held_[piece], held_[beyond]) && isStill(beyond)) {
      put(piece, Tile::Explosion);
      put(beyond, Tile::Explosion);
      move(piece, kStill);
    }
  }

  // A bomb or star falls, or explodes with its partner lying still below it. One already pushed
  // in this move is not loose any more.
  void resolveLoosePiece(int cell) {
    if (!isStill(cell)) {
      return;
    }
    const int below = cell + kBelow;
    if (isFree(below)) {
      move(cell, kMotionDown);
      put(cell, Tile::Empty);
      put(below, held_[cell]);
    } else if (explodesWith(held_[cell], held_[below]) && isStill(below)) {
      put(cell, Tile::Explosion);
      put(below, Tile::Explosion);
    }
  }

  // Looks at the board being built, so a block kicked in this very move counts down too. No rule
  // moves a block before this pass, nor writes a block into a cell this pass has yet to visit,
  // so the blocks at the start of the move and the kicked ones are all there is to count.
  void countdownPass() {
    forEachFlagged(blocksToCount_,
                   [this](int cell) { countDown(cell, static_cast<TileCode>(work_[cell] - 1)); });
  }

  void countDown(int cell, TileCode lowered) {
    put(cell, lowered);
    if (arrowCountdown(lowered) != 0) {
      return;
    }
    const int heading = arrowDirection(lowered);
    const int step = offsetOf(stepOf(heading));
    const MotionCode motion = motionCodeOf(heading);
    const int ahead = cell + step, beyond = cell + 2 * step;
    const TileCode aheadCode = held_[ahead];
    const bool aheadIsPushable = aheadCode == code(Tile::Player) || aheadCode == code(Tile::Bomb) ||
                                 aheadCode == code(Tile::Star);
    if (isFree(ahead)) {
      move(cell, motion);
      put(cell, Tile::Empty);
      put(ahead, Tile::Ball);
    } else if (aheadIsPushable && isStill(ahead)) {
      const bool meetsPartner = isStill(beyond) && explodesWith(aheadCode, held_[beyond]);
      if (isFree(beyond)) {
        move(ahead, motion);
        move(cell, motion);
        put(cell, Tile::Empty);
        put(beyond, aheadCode);
        put(ahead, Tile::Ball);
      } else if (meetsPartner) {
        // The block takes the pushed piece's cell; only the partner's cell bursts.
        move(cell, motion);
        put(cell, Tile::Empty);
        put(beyond, Tile::Explosion);
        put(ahead, Tile::Ball);
      } else {
        put(cell, static_cast<TileCode>(lowered + 1));
      }
    } else {
      // Countdown 1 again: the block tries once more at the next move.
      put(cell, static_cast<TileCode>(lowered + 1));
    }
  }

  std::array<TileCode, kFramedCount> held_;
  std::array<TileCode, kFramedCount> work_;
  std::array<MotionCode, kFramedCount> motion_;
  CellFlags piecesToResolve_;
  CellFlags blocksToCount_;
  const int direction_;
  const int ahead_;
  const int side_;
  const MotionCode pressedMotion_;
};

}  // namespace

void resolveMove(const Board& before, int direction, Board& work, MotionGrid& motion) {
  MoveResolver resolver(before, direction);
  resolver.run();
  resolver.store(work, motion);
}

}  // namespace vantoki
