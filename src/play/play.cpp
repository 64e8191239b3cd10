#include "play/play.h"

#include "core/turn_commit.h"

namespace vantoki {
namespace {

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

void Play::addListener(PlayListener& listener) {
  listeners_.push_back(&listener);
}

template <typename Notify>
void Play::notify(Notify&& notification) const {
  for (PlayListener* listener : listeners_) {
    notification(*listener);
  }
}

void Play::selectStage(const Board& stage) {
  moveLog_[0] = 0;
  restart(stage);
}

void Play::restartForReplay(const Board& stage, const MoveLog& moveLog) {
  moveLog_ = moveLog;
  restart(stage);
}

void Play::restart(const Board& stage) {
  boardHistory_[0] = stage;
  currentTurn_ = 0;
  lastTurn_ = 0;
  animating_ = 0;
  notify([](PlayListener& listener) { listener.turnLabelsChanged(0, 0); });
  notify([](PlayListener& listener) { listener.stageClearChanged(false); });
}

bool Play::pressDirection(int direction) {
  holdDirection(direction);
  if (animating_ != 0) {
    return false;
  }
  replacedMove_ = moveLog_[currentTurn_];
  moveLog_[currentTurn_] = static_cast<std::int16_t>(direction);
  commitMove(boardHistory_[currentTurn_], direction, committedBoard_, motionGrid_, &workBoard_);
  animating_ = 1;
  return true;
}

void Play::holdDirection(int direction) {
  heldButton_ = static_cast<std::int16_t>(direction + 1);
}

void Play::releaseDirection() {
  heldButton_ = 0;
}

void Play::tick(int framesPerMove, bool frozen, const std::function<bool()>& leftButtonDown) {
  if (ticking_) {
    return;
  }
  const ReentryGuard guard(ticking_);

  if (!leftButtonDown()) {
    heldButton_ = 0;
  }
  const int frame = animating_;
  if (frame == 0) {
    if (!frozen && leftButtonDown() && heldButton_ != 0) {
      pressDirection(heldButton_ - 1);
    }
    return;
  }
  if (frozen) {
    return;
  }
  const bool arrives = frame == framesPerMove;
  const MoveFrame due{currentBoard(), workBoard_, motionGrid_, frame, arrives};
  notify([&due](PlayListener& listener) { listener.moveFrameDue(due); });
  animating_ = static_cast<std::int16_t>(frame + 1);
  if (arrives) {
    commitTurn();
  }
}

CommitOutcome Play::finishMove() {
  return commitTurn();
}

CommitOutcome Play::commitTurn() {
  CommitOutcome outcome;
  currentTurn_ = static_cast<std::int16_t>(currentTurn_ + 1);
  lastTurn_ = currentTurn_;
  animating_ = 0;
  outcome.shownTurn = currentTurn_;
  if (currentTurn_ > kTurnLimit) {
    outcome.turnLimitReached = true;
    currentTurn_ = kTurnLimit;
    lastTurn_ = kTurnLimit;
  }
  boardHistory_[currentTurn_] = committedBoard_;
  outcome.stageCleared = isStageCleared(committedBoard_);

  notify([&outcome](PlayListener& listener) {
    listener.turnLabelsChanged(outcome.shownTurn, outcome.shownTurn);
  });
  if (outcome.turnLimitReached) {
    notify([](PlayListener& listener) { listener.turnLimitReached(); });
  }
  notify([this](PlayListener& listener) { listener.moveCommitted(workBoard_, currentBoard()); });
  if (outcome.stageCleared) {
    notify([](PlayListener& listener) { listener.stageClearChanged(true); });
    // A cleared stage stops a held button from walking on.
    heldButton_ = 0;
  }
  notify([](PlayListener& listener) { listener.turnCommitted(); });
  return outcome;
}

bool Play::stepThroughHistory(HistoryStep step) {
  if (animating_ != 0) {
    return false;
  }
  currentTurn_ = static_cast<std::int16_t>(turnAfterStep(step, currentTurn_, lastTurn_));
  notify([this](PlayListener& listener) { listener.shownTurnChanged(currentBoard()); });
  notify([this](PlayListener& listener) { listener.turnLabelsChanged(currentTurn_, lastTurn_); });
  const bool cleared = showsStageClear();
  notify([cleared](PlayListener& listener) { listener.stageClearChanged(cleared); });
  return true;
}

MoveLog Play::recordedMoves() const {
  MoveLog recorded = moveLog_;
  if (animating_ != 0 && currentTurn_ < lastTurn_) {
    recorded[currentTurn_] = replacedMove_;
  }
  return recorded;
}

bool Play::showsStageClear() const {
  return currentTurn_ != 0 && currentTurn_ == lastTurn_ && isStageCleared(currentBoard());
}

}  // namespace vantoki
