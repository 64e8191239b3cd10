#include "solver/reached_boards.h"

#include <algorithm>
#include <cstring>
#include <new>

#include "core/move_resolution.h"

namespace vantoki {
namespace {

constexpr std::uint32_t kNoParent = 0xFFFF'FFFFu;
constexpr std::size_t kPathBytes = sizeof(std::uint32_t) + sizeof(std::uint8_t);
constexpr std::size_t kFirstCapacity = 4096;
// A few milliseconds of search between looks at the clock and the stop request.
constexpr std::size_t kExpansionsBetweenStopChecks = 4096;

// A search stores one board past the limit before it gives up, and the set's indexes are 32-bit.
SearchLimits withStoredBoardsBounded(SearchLimits limits) {
  limits.maxStates = std::min(limits.maxStates, BoardKeySet::kMaxSize - 1);
  return limits;
}

}  // namespace

ReachedBoards ReachedBoards::explore(const Board& stage, const SearchLimits& limits,
                                     Exploration exploration) {
  ReachedBoards boards(limits, exploration, stage);
  boards.end_ = boards.search(stage);
  return boards;
}

ReachedBoards::ReachedBoards(const SearchLimits& limits, Exploration exploration,
                             const Board& stage)
    : limits_(withStoredBoardsBounded(limits)),
      exploration_(exploration),
      codec_(stage),
      boards_(codec_.keyBytes()),
      successorKeys_(kDirectionCount * codec_.keyBytes()) {}

std::size_t ReachedBoards::boardsStored() const {
  return std::min(boards_.size(), limits_.maxStates);
}

std::vector<int> ReachedBoards::firstClearingLine() const {
  if (!firstClearing_) {
    return {};
  }
  std::vector<int> line = pathTo(firstClearing_->board);
  line.push_back(firstClearing_->direction);
  return line;
}

std::size_t ReachedBoards::memoryBytes() const {
  return boards_.memoryBytes() + parents_.capacity() * sizeof(std::uint32_t) +
         directions_.capacity() + explorable_.capacity() + moves_.capacity() * sizeof(Move);
}

std::size_t ReachedBoards::bytesPerStoredBoard() const {
  return boards_.bytesPerKey() + pathBytes();
}

// Each allocation of the search leaves what it grows as it was when it fails, so a refusal of
// memory, which the check against the limit forestalls unless something else took the memory,
// ends the search as that check does, with its statistics.
ReachedBoards::End ReachedBoards::search(const Board& stage) {
  try {
    return searchTurns(stage);
  } catch (const std::bad_alloc&) {
    return End::MemoryLimit;
  }
}

ReachedBoards::End ReachedBoards::searchTurns(const Board& stage) {
  const std::span<std::uint8_t> stageKey = successorKey(0);
  frameBoard(stage, held_);
  const BoardCodec::Facts facts = codec_.encode(held_, false, stageKey);
  if (const std::optional<End> end =
          store(stageKey, hashKeyBytes(stageKey), kNoParent, 0, !facts.canNeverClear)) {
    return *end;
  }
  std::uint32_t turnBegin = 0;
  for (int turn = 0; turn < limits_.maxTurns; ++turn) {
    const auto turnEnd = static_cast<std::uint32_t>(boards_.size());
    if (turnBegin == turnEnd) {
      return End::Exhausted;
    }
    // The boards after the last turn allowed are only tested, never stored.
    const bool storeSuccessors = turn + 1 < limits_.maxTurns;
    for (std::uint32_t index = turnBegin; index < turnEnd; ++index) {
      if (const std::optional<End> end = expand(index, storeSuccessors)) {
        return *end;
      }
    }
    turnBegin = turnEnd;
    turnsSearched_ = turn + 1;
  }
  return End::TurnLimit;
}

std::optional<ReachedBoards::End> ReachedBoards::expand(std::uint32_t index, bool storeSuccessors) {
  // A search until cleared stores no board that can never clear but the stage, which it
  // explores whatever it holds: its successors, all dropped, end the search.
  if (exploration_ == Exploration::EveryBoard && !explorable_[index]) {
    return std::nullopt;
  }
  if (boardsExpanded_ % kExpansionsBetweenStopChecks == 0 && stopRequested()) {
    return End::Stopped;
  }
  ++boardsExpanded_;
  const std::span<const PieceCell> pieces = codec_.decode(boards_.key(index), held_, pieces_);
  int successorCount = 0;
  for (int direction = 0; direction < kDirectionCount; ++direction) {
    resolveFramedMove(held_, direction, work_, pieces);
    const std::span<std::uint8_t> key = successorKey(successorCount);
    const BoardCodec::Facts facts = codec_.encode(work_, true, key);
    if (facts.cleared) {
      if (!firstClearing_) {
        firstClearing_ = Clearing{index, direction};
      }
      if (exploration_ == Exploration::UntilCleared) {
        return End::Cleared;
      }
      if (boardsWithAClearingMove_.empty() || boardsWithAClearingMove_.back() != index) {
        boardsWithAClearingMove_.push_back(index);
      }
      continue;
    }
    if (!storeSuccessors || sameAsEarlierSuccessor(successorCount)) {
      continue;
    }
    ++successorCount;
    const bool explorable = !facts.canNeverClear;
    if (!explorable && exploration_ == Exploration::UntilCleared) {
      continue;
    }
    if (const std::optional<End> end =
            store(key, hashKeyBytes(key), index, direction, explorable)) {
      return end;
    }
  }
  return std::nullopt;
}

std::optional<ReachedBoards::End> ReachedBoards::store(std::span<const std::uint8_t> key,
                                                       std::uint32_t hash, std::uint32_t parent,
                                                       int direction, bool explorable) {
  std::uint32_t index = 0;
  if (roomForOneMoreBoard()) {
    // The way back grows before the set, so a board is never stored without it.
    growPathIfFull();
    const BoardKeySet::Insertion insertion = boards_.insert(key, hash);
    index = insertion.index;
    if (insertion.inserted) {
      remember(parent, direction, explorable);
      if (boards_.size() > limits_.maxStates) {
        return End::BoardLimit;
      }
    }
  } else {
    // When storing a new board would pass the memory limit, the board is looked up first: one
    // already stored costs nothing, and the search goes on.
    const std::optional<std::uint32_t> known = boards_.find(key, hash);
    if (!known) {
      return End::MemoryLimit;
    }
    index = *known;
  }
  if (exploration_ == Exploration::EveryBoard && parent != kNoParent) {
    if (moves_.size() == moves_.capacity()) {
      const std::size_t capacity = nextCapacity(moves_.capacity());
      if (memoryBytes() + capacity * sizeof(Move) > limits_.maxMemoryBytes) {
        return End::MemoryLimit;
      }
      moves_.reserve(capacity);
    }
    moves_.push_back({parent, index});
  }
  return std::nullopt;
}

bool ReachedBoards::stopRequested() const {
  return limits_.stopToken.stop_requested() || std::chrono::steady_clock::now() >= limits_.deadline;
}

std::span<std::uint8_t> ReachedBoards::successorKey(int successor) {
  const std::size_t bytes = boards_.keyBytes();
  return {successorKeys_.data() + successor * bytes, bytes};
}

// Directions that give the same board are one successor: only the first is looked up. Decided
// on the keys' bytes alone: comparing hashes first would spare comparing at most three keys, and
// two different boards may share a hash.
bool ReachedBoards::sameAsEarlierSuccessor(int successor) {
  const std::span<const std::uint8_t> key = successorKey(successor);
  for (int earlier = 0; earlier < successor; ++earlier) {
    if (std::memcmp(successorKey(earlier).data(), key.data(), key.size()) == 0) {
      return true;
    }
  }
  return false;
}

// What the search keeps by board and by move grows by doubling, done here rather than by
// push_back so that its growth is known before it happens.
std::size_t ReachedBoards::nextCapacity(std::size_t capacity) {
  return std::max(2 * capacity, kFirstCapacity);
}

std::size_t ReachedBoards::pathBytes() const {
  return kPathBytes + (exploration_ == Exploration::EveryBoard ? 1 : 0);
}

bool ReachedBoards::roomForOneMoreBoard() const {
  const std::size_t pathGrowth =
      parents_.size() == parents_.capacity() ? nextCapacity(parents_.capacity()) * pathBytes() : 0;
  return memoryBytes() + boards_.growthBytes() + pathGrowth <= limits_.maxMemoryBytes;
}

void ReachedBoards::growPathIfFull() {
  if (parents_.size() < parents_.capacity()) {
    return;
  }
  const std::size_t capacity = nextCapacity(parents_.capacity());
  parents_.reserve(capacity);
  directions_.reserve(capacity);
  if (exploration_ == Exploration::EveryBoard) {
    explorable_.reserve(capacity);
  }
}

void ReachedBoards::remember(std::uint32_t parent, int direction, bool explorable) {
  parents_.push_back(parent);
  directions_.push_back(static_cast<std::uint8_t>(direction));
  if (exploration_ == Exploration::EveryBoard) {
    explorable_.push_back(explorable ? 1 : 0);
  }
}

std::vector<int> ReachedBoards::pathTo(std::uint32_t index) const {
  std::vector<int> path;
  for (; parents_[index] != kNoParent; index = parents_[index]) {
    path.push_back(directions_[index]);
  }
  std::reverse(path.begin(), path.end());
  return path;
}

}  // namespace vantoki
