#include "core/move_resolution.h"

namespace vantoki {
namespace {

// The rules below are an if / else-if chain per piece: once a rule's outer test holds, the piece
// is done for this move even when the rule's inner test fails.
class MoveResolver {
 public:
  MoveResolver(const Board& before, int direction, Board& work, MotionGrid& motion)
      : before_(before),
        work_(work),
        motion_(motion),
        direction_(direction),
        step_(stepOf(direction)) {}

  void run() {
    work_ = before_;
    motion_.fill(kStill);
    objectPass();
    countdownPass();
  }

 private:
  TileCode held(int x, int y) const {
    return isOnBoard(x, y) ? before_.at(x, y) : code(Tile::Wall);
  }
  bool holds(int x, int y, Tile tile) const { return held(x, y) == code(tile); }
  bool isFree(int x, int y) const {
    return isOnBoard(x, y) && before_.at(x, y) == code(Tile::Empty) &&
           work_.at(x, y) == code(Tile::Empty);
  }
  bool isStill(int x, int y) const { return !isOnBoard(x, y) || motion_.at(x, y) == kStill; }

  void put(int x, int y, TileCode value) { work_.set(x, y, value); }
  void put(int x, int y, Tile tile) { work_.set(x, y, code(tile)); }
  void move(int x, int y, MotionCode motion) { motion_.set(x, y, motion); }

  MotionCode pressedMotion() const { return motionCodeOf(direction_); }

  void objectPass() {
    for (int y = 0; y < kBoardSize; ++y) {
      for (int x = 0; x < kBoardSize; ++x) {
        switch (static_cast<Tile>(before_.at(x, y))) {
          case Tile::Player:
            resolvePlayer(x, y);
            break;
          case Tile::PlayerOnLadder:
            resolvePlayerOnLadder(x, y);
            break;
          case Tile::Bomb:
            resolveLoosePiece(x, y, Tile::Bomb, Tile::Star);
            break;
          case Tile::Star:
            resolveLoosePiece(x, y, Tile::Star, Tile::Bomb);
            break;
          default:
            break;
        }
      }
    }
  }

  void resolvePlayer(int x, int y) {
    const int aheadX = x + step_.dx, aheadY = y + step_.dy;
    // Side cells keep the player's row, so up and down never walk or push.
    const int sideX = x + step_.dx, sideBeyondX = x + 2 * step_.dx;
    if (isFree(x, y + 1)) {
      move(x, y, kMotionDown);
      put(x, y, Tile::Empty);
      put(x, y + 1, Tile::Player);
    } else if (isFree(sideX, y)) {
      move(x, y, pressedMotion());
      put(x, y, Tile::Empty);
      put(sideX, y, Tile::Player);
    } else if (holds(aheadX, aheadY, Tile::Ball)) {
      kick(aheadX, aheadY);
    } else if (holds(sideX, y, Tile::Bomb) && isStill(sideX, y)) {
      push(sideX, y, sideBeyondX, y, Tile::Bomb, Tile::Star);
    } else if (holds(sideX, y, Tile::Star) && isStill(sideX, y)) {
      push(sideX, y, sideBeyondX, y, Tile::Star, Tile::Bomb);
    } else if (holds(aheadX, aheadY, Tile::Ladder) &&
               direction_ != static_cast<int>(Direction::Up)) {
      move(x, y, pressedMotion());
      put(x, y, Tile::Empty);
      put(aheadX, aheadY, Tile::PlayerOnLadder);
    }
  }

  void resolvePlayerOnLadder(int x, int y) {
    const int aheadX = x + step_.dx, aheadY = y + step_.dy;
    const int beyondX = x + 2 * step_.dx, beyondY = y + 2 * step_.dy;
    if (isFree(aheadX, aheadY)) {
      move(x, y, pressedMotion());
      put(x, y, Tile::Ladder);
      put(aheadX, aheadY, Tile::Player);
    } else if (holds(aheadX, aheadY, Tile::Ball)) {
      kick(aheadX, aheadY);
    } else if (holds(aheadX, aheadY, Tile::Bomb) && isStill(aheadX, aheadY)) {
      push(aheadX, aheadY, beyondX, beyondY, Tile::Bomb, Tile::Star);
    } else if (holds(aheadX, aheadY, Tile::Star) && isStill(aheadX, aheadY)) {
      push(aheadX, aheadY, beyondX, beyondY, Tile::Star, Tile::Bomb);
    } else if (holds(aheadX, aheadY, Tile::Ladder)) {
      move(x, y, pressedMotion());
      put(x, y, Tile::Ladder);
      put(aheadX, aheadY, Tile::PlayerOnLadder);
    }
  }

  // The kicked ball leaves its cell and lands one cell on as an arrow block that will fly back.
  void kick(int ballX, int ballY) {
    const int landX = ballX + step_.dx, landY = ballY + step_.dy;
    if (!isFree(landX, landY)) {
      return;
    }
    move(ballX, ballY, pressedMotion());
    put(ballX, ballY, Tile::Empty);
    put(landX, landY, newArrowBlock((direction_ + 2) % kDirectionCount));
  }

  void push(int pieceX, int pieceY, int beyondX, int beyondY, Tile piece, Tile partner) {
    if (isFree(beyondX, beyondY)) {
      move(pieceX, pieceY, pressedMotion());
      put(pieceX, pieceY, Tile::Empty);
      put(beyondX, beyondY, piece);
    } else if (holds(beyondX, beyondY, partner) && isStill(beyondX, beyondY)) {
      put(pieceX, pieceY, Tile::Explosion);
      put(beyondX, beyondY, Tile::Explosion);
      move(pieceX, pieceY, kStill);
    }
  }

  // A bomb or star falls, or explodes with its partner lying still below it. One already pushed
  // in this move is not loose any more.
  void resolveLoosePiece(int x, int y, Tile piece, Tile partner) {
    if (!isStill(x, y)) {
      return;
    }
    if (isFree(x, y + 1)) {
      move(x, y, kMotionDown);
      put(x, y, Tile::Empty);
      put(x, y + 1, piece);
    } else if (holds(x, y + 1, partner) && isStill(x, y + 1)) {
      put(x, y, Tile::Explosion);
      put(x, y + 1, Tile::Explosion);
    }
  }

  // Looks at the board being built, so a block kicked in this very move counts down too.
  void countdownPass() {
    for (int y = 0; y < kBoardSize; ++y) {
      for (int x = 0; x < kBoardSize; ++x) {
        const TileCode value = work_.at(x, y);
        if (countsDown(value)) {
          countDown(x, y, static_cast<TileCode>(value - 1));
        }
      }
    }
  }

  void countDown(int x, int y, TileCode lowered) {
    put(x, y, lowered);
    if ((lowered - kArrowBlockFirstCode) % kArrowCountdownSpan != 0) {
      return;
    }
    const int heading = lowered / kArrowCountdownSpan;
    const Step step = stepOf(heading);
    const MotionCode motion = motionCodeOf(heading);
    const int aheadX = x + step.dx, aheadY = y + step.dy;
    const int beyondX = x + 2 * step.dx, beyondY = y + 2 * step.dy;
    const TileCode aheadCode = held(aheadX, aheadY);
    const bool aheadIsPushable = aheadCode == code(Tile::Player) || aheadCode == code(Tile::Bomb) ||
                                 aheadCode == code(Tile::Star);
    if (isFree(aheadX, aheadY)) {
      move(x, y, motion);
      put(x, y, Tile::Empty);
      put(aheadX, aheadY, Tile::Ball);
    } else if (aheadIsPushable && isStill(aheadX, aheadY)) {
      const bool meetsPartner =
          isStill(beyondX, beyondY) &&
          ((aheadCode == code(Tile::Bomb) && holds(beyondX, beyondY, Tile::Star)) ||
           (aheadCode == code(Tile::Star) && holds(beyondX, beyondY, Tile::Bomb)));
      if (isFree(beyondX, beyondY)) {
        move(aheadX, aheadY, motion);
        move(x, y, motion);
        put(x, y, Tile::Empty);
        put(beyondX, beyondY, aheadCode);
        put(aheadX, aheadY, Tile::Ball);
      } else if (meetsPartner) {
        // The block takes the pushed piece's cell; only the partner's cell bursts.
        move(x, y, motion);
        put(x, y, Tile::Empty);
        put(beyondX, beyondY, Tile::Explosion);
        put(aheadX, aheadY, Tile::Ball);
      } else {
        put(x, y, static_cast<TileCode>(lowered + 1));
      }
    } else {
      // Countdown 1 again: the block tries once more at the next move.
      put(x, y, static_cast<TileCode>(lowered + 1));
    }
  }

  const Board& before_;
  Board& work_;
  MotionGrid& motion_;
  const int direction_;
  const Step step_;
};

}  // namespace

void resolveMove(const Board& before, int direction, Board& work, MotionGrid& motion) {
  MoveResolver(before, direction, work, motion).run();
}

}  // namespace vantoki
