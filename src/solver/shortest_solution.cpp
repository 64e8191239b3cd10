#include "solver/shortest_solution.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <optional>
#include <span>

#include "core/turn_commit.h"
#include "solver/board_key.h"
#include "solver/board_key_set.h"

namespace vantoki {
namespace {

// Boards are stored in the order they are reached, so the boards of one turn are one run of
// indexes, and each remembers the board it came from and the direction that led to it.
class BreadthFirstSearch {
 public:
  BreadthFirstSearch(const Board& stage, const SearchLimits& limits, KeyWidth width)
      : limits_(withStoredBoardsBounded(limits)),
        width_(width),
        boards_(keyBytes(width)),
        successorKeys_(kDirectionCount * keyBytes(width)),
        stage_(stage) {}

  // Empty when a board reached does not fit the key width.
  std::optional<SearchOutcome> run() {
    if (!encodeBoardKey(stage_, width_, successorKey(0))) {
      return std::nullopt;
    }
    if (!roomForOneMoreBoard()) {
      return finish(SearchResult::MemoryLimit, 0);
    }
    boards_.insert(successorKey(0), hashKeyBytes(successorKey(0)));
    remember(kNoParent, 0);
    std::uint32_t turnBegin = 0;
    std::uint32_t turnEnd = 1;
    for (int turn = 0; turn < limits_.maxTurns; ++turn) {
      if (turnBegin == turnEnd) {
        outcome_.exhausted = true;
        break;
      }
      // The boards after the last turn allowed are only tested, never stored.
      const bool storeSuccessors = turn + 1 < limits_.maxTurns;
      for (std::uint32_t index = turnBegin; index < turnEnd; ++index) {
        const Step step = expand(index, storeSuccessors);
        if (step == Step::KeyTooNarrow) {
          return std::nullopt;
        }
        if (step != Step::Continue) {
          return finish(resultOf(step), turn);
        }
      }
      turnBegin = turnEnd;
      turnEnd = static_cast<std::uint32_t>(boards_.size());
      outcome_.turnsSearched = turn + 1;
    }
    return finish(SearchResult::NoSolution, outcome_.turnsSearched);
  }

 private:
  static constexpr std::uint32_t kNoParent = 0xFFFF'FFFFu;
  static constexpr std::size_t kPathBytes = sizeof(std::uint32_t) + sizeof(std::uint8_t);
  static constexpr std::size_t kFirstPathCapacity = 4096;
  // A few milliseconds of search between looks at the clock and the stop request.
  static constexpr std::size_t kExpansionsBetweenStopChecks = 4096;

  enum class Step { Continue, Solved, StateLimit, MemoryLimit, Stopped, KeyTooNarrow };

  // A search stores one board past the limit before it gives up, and the set's indexes are
  // 32-bit.
  static SearchLimits withStoredBoardsBounded(SearchLimits limits) {
    limits.maxStates = std::min(limits.maxStates, BoardKeySet::kMaxSize - 1);
    return limits;
  }

  static SearchResult resultOf(Step step) {
    switch (step) {
      case Step::Solved:
        return SearchResult::Solved;
      case Step::StateLimit:
        return SearchResult::StateLimit;
      case Step::Stopped:
        return SearchResult::Stopped;
      default:
        return SearchResult::MemoryLimit;
    }
  }

  Step expand(std::uint32_t index, bool storeSuccessors) {
    if (outcome_.boardsExpanded % kExpansionsBetweenStopChecks == 0 && stopRequested()) {
      return Step::Stopped;
    }
    ++outcome_.boardsExpanded;
    const Board board = decodeBoardKey(boards_.key(index), width_);
    int successorCount = 0;
    for (int direction = 0; direction < kDirectionCount; ++direction) {
      commitMove(board, direction, next_, motion_);
      if (isStageCleared(next_)) {
        solution_ = pathTo(index);
        solution_.push_back(direction);
        return Step::Solved;
      }
      if (!storeSuccessors) {
        continue;
      }
      const std::span<std::uint8_t> key = successorKey(successorCount);
      if (!encodeBoardKey(next_, width_, key)) {
        return Step::KeyTooNarrow;
      }
      successorHashes_[successorCount] = hashKeyBytes(key);
      if (sameAsEarlierSuccessor(successorCount)) {
        continue;
      }
      const std::uint32_t hash = successorHashes_[successorCount++];
      // Not cleared, so a star is left: without a bomb it stays for ever.
      if (countTiles(next_, Tile::Bomb) == 0) {
        continue;
      }
      // When storing a new board would pass the memory limit, the board is looked up first:
      // one already stored costs nothing, and the search goes on.
      if (!roomForOneMoreBoard()) {
        if (!boards_.find(key, hash)) {
          return Step::MemoryLimit;
        }
        continue;
      }
      if (boards_.insert(key, hash).inserted) {
        remember(index, direction);
        if (boards_.size() > limits_.maxStates) {
          return Step::StateLimit;
        }
      }
    }
    return Step::Continue;
  }

  bool stopRequested() const {
    return limits_.stopToken.stop_requested() ||
           std::chrono::steady_clock::now() >= limits_.deadline;
  }

  std::span<std::uint8_t> successorKey(int successor) {
    const std::size_t bytes = boards_.keyBytes();
    return {successorKeys_.data() + successor * bytes, bytes};
  }

  // Directions that give the same board are one successor: only the first is looked up.
  bool sameAsEarlierSuccessor(int successor) {
    const std::span<const std::uint8_t> key = successorKey(successor);
    for (int earlier = 0; earlier < successor; ++earlier) {
      if (successorHashes_[earlier] == successorHashes_[successor] &&
          std::memcmp(successorKey(earlier).data(), key.data(), key.size()) == 0) {
        return true;
      }
    }
    return false;
  }

  // The way back grows by doubling, done here rather than by push_back so that its growth is
  // known before it happens.
  std::size_t nextPathCapacity() const {
    return std::max(2 * parents_.capacity(), kFirstPathCapacity);
  }

  std::size_t memoryBytes() const {
    return boards_.memoryBytes() + parents_.capacity() * sizeof(std::uint32_t) +
           directions_.capacity();
  }

  bool roomForOneMoreBoard() const {
    const std::size_t pathGrowth =
        parents_.size() == parents_.capacity() ? nextPathCapacity() * kPathBytes : 0;
    return memoryBytes() + boards_.growthBytes() + pathGrowth <= limits_.maxMemoryBytes;
  }

  void remember(std::uint32_t parent, int direction) {
    if (parents_.size() == parents_.capacity()) {
      const std::size_t capacity = nextPathCapacity();
      parents_.reserve(capacity);
      directions_.reserve(capacity);
    }
    parents_.push_back(parent);
    directions_.push_back(static_cast<std::uint8_t>(direction));
  }

  std::vector<int> pathTo(std::uint32_t index) const {
    std::vector<int> path;
    for (; parents_[index] != kNoParent; index = parents_[index]) {
      path.push_back(directions_[index]);
    }
    std::reverse(path.begin(), path.end());
    return path;
  }

  SearchOutcome finish(SearchResult result, int turnsSearched) {
    outcome_.result = result;
    outcome_.turnsSearched = turnsSearched;
    outcome_.moves = std::move(solution_);
    outcome_.boardsStored = std::min(boards_.size(), limits_.maxStates);
    outcome_.memoryBytes = memoryBytes();
    outcome_.bytesPerStoredBoard = boards_.bytesPerKey() + kPathBytes;
    return std::move(outcome_);
  }

  const SearchLimits limits_;
  const KeyWidth width_;
  BoardKeySet boards_;
  std::vector<std::uint32_t> parents_;
  std::vector<std::uint8_t> directions_;
  std::vector<std::uint8_t> successorKeys_;  // one key per direction of the board expanded
  std::array<std::uint32_t, kDirectionCount> successorHashes_{};
  std::vector<int> solution_;
  SearchOutcome outcome_;
  const Board stage_;
  Board next_;  // the board a move leads to, as the play commits it
  MotionGrid motion_;
};

}  // namespace

SearchOutcome findShortestSolution(const Board& stage, const SearchLimits& limits) {
  // Only a rule that writes a code the stage's width cannot hold could make a search start over
  // wider; wide keys hold every board.
  for (KeyWidth width = keyWidthFor(stage);; width = widerThan(width)) {
    if (std::optional<SearchOutcome> outcome = BreadthFirstSearch(stage, limits, width).run()) {
      return std::move(*outcome);
    }
  }
}

}  // namespace vantoki
