#include "view/animation_tick.h"

#include "core/move_entry.h"
#include "core/turn_commit.h"
#include "view/picture_cells.h"

namespace vantoki {
namespace {

// Drawn only while the moving piece travels; an arrow block made in this move shows its arrow
// from the commit on.
int travellingPicture(TileCode destination, TileCode start) {
  if (destination == code(Tile::PlayerOnLadder)) {
    return kPlayerPicture;
  }
  if (destination == code(Tile::Explosion) || destination >= kArrowBlockFirstCode) {
    return travellingBallPictureOf(start);
  }
  return destination;
}

class ReentryGuard {
 public:
  explicit ReentryGuard(bool& flag) : flag_(flag) { flag_ = true; }
  ~ReentryGuard() { flag_ = false; }
  ReentryGuard(const ReentryGuard&) = delete;
  ReentryGuard& operator=(const ReentryGuard&) = delete;

 private:
  bool& flag_;
};

}  // namespace

void AnimationTimer::tick(PlayState& state, int animStep, bool editMode, BoardPainter& painter,
                          TickHost& host) {
  if (ticking_) {
    return;
  }
  const ReentryGuard guard(ticking_);

  if (!host.leftButtonDown()) {
    state.heldButton = 0;
  }
  const int frame = state.animating;
  if (frame == 0) {
    if (!editMode && host.leftButtonDown() && state.heldButton != 0) {
      pressDirectionButton(state, state.heldButton - 1, kLeftMouseButton);
    }
    return;
  }
  if (editMode) {
    return;
  }
  drawFrame(state, animStep, frame, painter);
  state.animating = static_cast<std::int16_t>(frame + 1);
  if (state.animating == kCellPixels / animStep + 1) {
    commit(state, painter, host);
  } else {
    painter.presentBoard();
  }
}

void AnimationTimer::drawFrame(const PlayState& state, int animStep, int frame,
                               BoardPainter& painter) const {
  const Board& before = state.currentBoard();
  const Board& work = state.workBoard;
  const MotionGrid& motion = state.motionGrid;
  for (int y = 0; y < kBoardSize; ++y) {
    for (int x = 0; x < kBoardSize; ++x) {
      if (motion.at(x, y) != kStill) {
        const Step step = stepOfMotion(motion.at(x, y));
        painter.drawCellBackground(x, y, before.at(x, y));
        painter.drawCellBackground(x + step.dx, y + step.dy, work.at(x + step.dx, y + step.dy));
      }
    }
  }
  const bool oddFrame = frame % 2 == 1;
  for (int y = 0; y < kBoardSize; ++y) {
    for (int x = 0; x < kBoardSize; ++x) {
      if (motion.at(x, y) != kStill) {
        const Step step = stepOfMotion(motion.at(x, y));
        const int offset = animStep * frame;
        painter.drawMasked(x * kCellPixels + offset * step.dx, y * kCellPixels + offset * step.dy,
                           travellingPicture(work.at(x + step.dx, y + step.dy), work.at(x, y)));
      }
      const TileCode value = work.at(x, y);
      // Countdown 15 is a block in its first move: it keeps still until the commit draws it.
      if (value > kArrowBlockFirstCode && value % kArrowCountdownSpan != 5) {
        painter.drawArrowBlock(x, y, value, oddFrame ? 1 : -1);
      }
      if (value == code(Tile::Explosion)) {
        painter.drawExplosion(x, y, oddFrame ? 1 : 0);
      }
    }
  }
}

void AnimationTimer::commit(PlayState& state, BoardPainter& painter, TickHost& host) const {
  const Board resolved = state.workBoard;
  const CommitResult result = commitTurn(state);
  host.showTurnLabels(result.shownTurn, result.shownTurn);
  if (result.turnLimitReached) {
    host.showTurnLimitMessage();
  }
  const Board& committed = state.currentBoard();
  for (int y = 0; y < kBoardSize; ++y) {
    for (int x = 0; x < kBoardSize; ++x) {
      if (resolved.at(x, y) == code(Tile::Explosion)) {
        painter.copyPicture(x, y, kFloorPicture);
      }
      const TileCode value = committed.at(x, y);
      if (value == code(Tile::Player) || value == code(Tile::Bomb) || value == code(Tile::Star)) {
        painter.copyPicture(x, y, kFloorPicture);
        painter.drawMasked(x * kCellPixels, y * kCellPixels, value);
      } else if (value == code(Tile::PlayerOnLadder)) {
        painter.copyPicture(x, y, kLadderPicture);
        painter.drawMasked(x * kCellPixels, y * kCellPixels, kPlayerPicture);
      } else if (value > kArrowBlockFirstCode) {
        painter.drawArrowBlock(x, y, value, 0);
      }
    }
  }
  painter.presentBoard();
  if (result.stageCleared()) {
    host.showStageClear();
    state.heldButton = 0;
  }
}

}  // namespace vantoki
