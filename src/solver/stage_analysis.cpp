#include "solver/stage_analysis.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <optional>
#include <utility>

#include "core/turn_commit.h"
#include "solver/board_key.h"
#include "solver/board_key_set.h"

namespace vantoki {
namespace {

constexpr std::uint32_t kNone = 0xFFFF'FFFFu;

class ReachableBoards {
 public:
  ReachableBoards(const Board& stage, std::size_t maxBoards, KeyWidth width)
      : width_(width),
        maxBoards_(std::min(maxBoards, BoardKeySet::kMaxSize - 1)),
        boards_(keyBytes(width_)),
        key_(keyBytes(width_)),
        stage_(stage) {}

  // Empty when a board reached does not fit the key width.
  std::optional<StageAnalysis> run() {
    StageAnalysis analysis;
    if (!store(stage_, kNone, 0)) {
      return keyTooNarrow_ ? std::nullopt : std::optional(analysis);
    }
    for (std::uint32_t index = 0; index < boards_.size(); ++index) {
      if (!expand(index)) {
        if (keyTooNarrow_) {
          return std::nullopt;
        }
        analysis.boardsExpanded = expanded_;
        return analysis;
      }
    }
    analysis.complete = true;
    analysis.boardsExpanded = expanded_;
    analysis.reachableBoards = boards_.size();
    analysis.deadBoards = boards_.size() - countBoardsThatClear();
    if (firstClearing_ != kNone) {
      analysis.solution = pathTo(firstClearing_);
      analysis.solution.push_back(firstClearingDirection_);
    }
    return analysis;
  }

 private:
  // False when the board does not fit the key width (keyTooNarrow_) or the cap is passed.
  bool store(const Board& board, std::uint32_t parent, int direction) {
    if (!encodeBoardKey(board, width_, key_)) {
      keyTooNarrow_ = true;
      return false;
    }
    const BoardKeySet::Insertion insertion = boards_.insert(key_, hashKeyBytes(key_));
    lastStored_ = insertion.index;
    if (!insertion.inserted) {
      return true;
    }
    parents_.push_back(parent);
    directions_.push_back(static_cast<std::uint8_t>(direction));
    successors_.insert(successors_.end(), kDirectionCount, kNone);
    clears_.push_back(0);
    // Not cleared, so a star is left: without a bomb it stays for ever.
    explorable_.push_back(countTiles(board, Tile::Bomb) > 0 ? 1 : 0);
    return boards_.size() <= maxBoards_;
  }

  bool expand(std::uint32_t index) {
    if (!explorable_[index]) {
      return true;
    }
    ++expanded_;
    const Board board = decodeBoardKey(boards_.key(index), width_);
    for (int direction = 0; direction < kDirectionCount; ++direction) {
      commitMove(board, direction, next_, motion_);
      if (isStageCleared(next_)) {
        clears_[index] = 1;
        if (firstClearing_ == kNone) {
          firstClearing_ = index;
          firstClearingDirection_ = direction;
        }
        continue;
      }
      if (!store(next_, index, direction)) {
        return false;
      }
      successors_[std::size_t{index} * kDirectionCount + direction] = lastStored_;
    }
    return true;
  }

  // Backwards over the stored moves from every board with a clearing move.
  std::size_t countBoardsThatClear() const {
    const std::size_t count = boards_.size();
    std::vector<std::uint32_t> firstPredecessor(count + 1, 0);
    for (const std::uint32_t successor : successors_) {
      if (successor != kNone) {
        ++firstPredecessor[successor + 1];
      }
    }
    for (std::size_t board = 0; board < count; ++board) {
      firstPredecessor[board + 1] += firstPredecessor[board];
    }
    std::vector<std::uint32_t> predecessors(firstPredecessor[count]);
    std::vector<std::uint32_t> filled(firstPredecessor.begin(), firstPredecessor.end() - 1);
    for (std::size_t edge = 0; edge < successors_.size(); ++edge) {
      if (successors_[edge] != kNone) {
        predecessors[filled[successors_[edge]]++] =
            static_cast<std::uint32_t>(edge / kDirectionCount);
      }
    }
    std::vector<std::uint8_t> clears(clears_);
    std::vector<std::uint32_t> pending;
    for (std::uint32_t board = 0; board < count; ++board) {
      if (clears[board]) {
        pending.push_back(board);
      }
    }
    for (std::size_t next = 0; next < pending.size(); ++next) {
      const std::uint32_t board = pending[next];
      for (std::uint32_t edge = firstPredecessor[board]; edge < firstPredecessor[board + 1];
           ++edge) {
        const std::uint32_t predecessor = predecessors[edge];
        if (!clears[predecessor]) {
          clears[predecessor] = 1;
          pending.push_back(predecessor);
        }
      }
    }
    return pending.size();
  }

  std::vector<int> pathTo(std::uint32_t index) const {
    std::vector<int> path;
    for (; parents_[index] != kNone; index = parents_[index]) {
      path.push_back(directions_[index]);
    }
    std::reverse(path.begin(), path.end());
    return path;
  }

  const KeyWidth width_;
  const std::size_t maxBoards_;
  BoardKeySet boards_;
  std::vector<std::uint8_t> key_;
  std::uint32_t lastStored_ = 0;
  bool keyTooNarrow_ = false;
  // Per stored board, by index: the way back to it, where each direction leads (kNone for a
  // clearing move), whether a move clears from it, whether it is explored at all.
  std::vector<std::uint32_t> parents_;
  std::vector<std::uint8_t> directions_;
  std::vector<std::uint32_t> successors_;
  std::vector<std::uint8_t> clears_;
  std::vector<std::uint8_t> explorable_;
  std::uint32_t firstClearing_ = kNone;
  int firstClearingDirection_ = 0;
  std::size_t expanded_ = 0;
  const Board stage_;
  Board next_;
  MotionGrid motion_;
};

}  // namespace

StageAnalysis analyseStage(const Board& stage, std::size_t maxBoards) {
  // As the solver does: only a rule that writes a code the stage's width cannot hold could make
  // the analysis start over wider; wide keys hold every board.
  for (KeyWidth width = keyWidthFor(stage);; width = widerThan(width)) {
    if (std::optional<StageAnalysis> analysis = ReachableBoards(stage, maxBoards, width).run()) {
      return std::move(*analysis);
    }
  }
}

}  // namespace vantoki
