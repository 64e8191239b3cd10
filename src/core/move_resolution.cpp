#include "core/move_resolution.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <span>

namespace vantoki {
namespace {

constexpr int offsetOf(Step step) {
  return step.dx + step.dy * kFramedSpan;
}

constexpr int kBelow = kFramedSpan;

// The rules below are an if / else-if chain per piece: once a rule's outer test holds, the piece
// is done for this move even when the rule's inner test fails.
class MoveResolver {
 public:
  // Builds the move from `held`, whose pieces and blocks are among `candidates`, into `work` and
  // `motion`, which hold `held` and stillness everywhere but where `written` says; each cell the
  // move writes is added there.
  MoveResolver(const FramedCells& held, int direction, std::span<const PieceCell> candidates,
               FramedCells& work, FramedMotion& motion, FramedMoves::Written& written,
               std::size_t& writtenCount)
      : held_(held),
        work_(work),
        motion_(motion),
        written_(written),
        writtenCount_(writtenCount),
        candidates_(candidates),
        direction_(direction),
        ahead_(offsetOf(stepOf(direction))),
        side_(stepOf(direction).dx),
        pressedMotion_(motionCodeOf(direction)) {}

  void run() {
    objectPass();
    countdownPass();
  }

 private:
  bool holds(int cell, Tile tile) const { return held_[cell] == code(tile); }
  bool isFree(int cell) const {
    return held_[cell] == code(Tile::Empty) && work_[cell] == code(Tile::Empty);
  }
  bool isStill(int cell) const { return motion_[cell] == kStill; }
  // What a player pushes: a bomb or a star.
  bool isPushable(int cell) const { return holds(cell, Tile::Bomb) || holds(cell, Tile::Star); }
  void put(int cell, TileCode value) {
    work_[cell] = value;
    written_[writtenCount_++] = static_cast<PieceCell>(cell);
  }
  void put(int cell, Tile tile) { put(cell, code(tile)); }
  void move(int cell, MotionCode motion) {
    motion_[cell] = motion;
    written_[writtenCount_++] = static_cast<PieceCell>(cell);
  }

  void objectPass() {
    for (const PieceCell cell : candidates_) {
      switch (static_cast<Tile>(held_[cell])) {
        case Tile::Player:
          resolvePlayer(cell);
          break;
        case Tile::PlayerOnLadder:
          resolvePlayerOnLadder(cell);
          break;
        case Tile::Bomb:
        case Tile::Star:
          resolveLoosePiece(cell);
          break;
        default:
          break;
      }
    }
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
    // A kick lands beyond the kicker, and kickers are visited in scan order, so the kicked
    // blocks come in scan order too.
    kicked_[kickedCount_++] = static_cast<PieceCell>(landing);
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
    const PieceCell* kicked = kicked_.data();
    const PieceCell* const kickedEnd = kicked + kickedCount_;
    const auto count = [this](int cell) {
      countDown(cell, static_cast<TileCode>(work_[cell] - 1));
    };
    for (const PieceCell cell : candidates_) {
      if (!countsDown(held_[cell])) {
        continue;
      }
      for (; kicked != kickedEnd && *kicked < cell; ++kicked) {
        count(*kicked);
      }
      count(cell);
    }
    for (; kicked != kickedEnd; ++kicked) {
      count(*kicked);
    }
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

  const FramedCells& held_;
  FramedCells& work_;
  FramedMotion& motion_;
  FramedMoves::Written& written_;
  std::size_t& writtenCount_;
  std::span<const PieceCell> candidates_;
  // A cell holds one piece, so no move kicks more balls than there are cells.
  std::array<PieceCell, kCellCount> kicked_;
  int kickedCount_ = 0;
  const int direction_;
  const int ahead_;
  const int side_;
  const MotionCode pressedMotion_;
};

}  // namespace

FramedMoves::FramedMoves(const FramedCells& before, std::span<const PieceCell> pieces)
    : before_(before), pieces_(pieces), work_(before) {
  motion_.fill(kStill);
}

void FramedMoves::resolve(int direction) {
  // Only what the last move wrote differs from the board before it.
  for (const PieceCell cell : written()) {
    work_[cell] = before_[cell];
    motion_[cell] = kStill;
  }
  writtenCount_ = 0;
  MoveResolver(before_, direction, pieces_, work_, motion_, written_, writtenCount_).run();
}

void resolveMove(const Board& before, int direction, Board& work, MotionGrid& motion) {
  FramedCells framed;
  frameBoard(before, framed);
  PieceCells pieces;
  FramedMoves moves(framed, findPieces(before, pieces));
  moves.resolve(direction);
  unframeBoard(moves.work(), work);
  for (int y = 0; y < kBoardSize; ++y) {
    std::copy_n(moves.motion().begin() + framedIndex(0, y), kBoardSize,
                motion.cells().begin() + y * kBoardSize);
  }
}

}  // namespace vantoki
