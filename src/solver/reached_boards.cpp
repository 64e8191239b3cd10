#include "solver/reached_boards.h"

#include <algorithm>
#include <atomic>
#include <cstring>
#include <memory>
#include <new>
#include <thread>

#include "core/move_resolution.h"

namespace vantoki {
namespace {

constexpr std::uint32_t kNoParent = 0xFFFF'FFFFu;
constexpr std::size_t kPathBytes = sizeof(std::uint32_t) + sizeof(std::uint8_t);
constexpr std::size_t kFirstCapacity = 4096;
// A few milliseconds of search between looks at the clock and the stop request.
constexpr std::size_t kExpansionsBetweenStopChecks = 4096;
// The boards a thread works out at a time, and how many such runs the threads of a search may
// work out ahead of the boards taken into the set: a few hundred kilobytes of keys in waiting.
constexpr std::uint32_t kRunBoards = 64;
constexpr std::uint32_t kRunsAhead = 64;
// Waking the helpers and handing runs out costs tens of microseconds: a turn of fewer boards is
// worked out alone.
constexpr std::uint32_t kLeastBoardsShared = 8 * kRunBoards;
// How many boards ahead of the one taken into the set its successors' places in the table are
// fetched: about as long as a look-up waits for memory.
constexpr std::uint32_t kPrefetchAhead = 4;

// One turn's runs of boards as the threads share them: a thread takes the next run to work out
// while it lies within kRunsAhead of the first run not yet taken into the set.
struct SharedTurn {
  explicit SharedTurn(std::uint32_t runs) : runs(runs), workedOut(new std::atomic<bool>[runs]) {
    for (std::uint32_t run = 0; run < runs; ++run) {
      workedOut[run].store(false, std::memory_order_relaxed);
    }
  }

  const std::uint32_t runs;
  std::atomic<std::uint32_t> nextRun{0};
  std::atomic<std::uint32_t> runsTaken{0};
  std::atomic<bool> halt{false};
  std::unique_ptr<std::atomic<bool>[]> workedOut;
};

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
      runsAhead_(limits_.threads > 1 ? kRunsAhead : 1),
      successors_(kRunBoards * runsAhead_),
      successorKeys_(successors_.size() * kDirectionCount * codec_.keyBytes()) {}

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
         directions_.capacity() + explorable_.capacity() + moves_.capacity() * sizeof(Move) +
         successors_.size() * sizeof(Successors) + successorKeys_.size();
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
  Scratch scratch;
  const std::span<std::uint8_t> stageKey = successorKey(0, 0);
  frameBoard(stage, scratch.board);
  const BoardCodec::Facts facts = codec_.encodeStage(scratch.board, stageKey);
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
    if (const std::optional<End> end = expandTurn(turnBegin, turnEnd, storeSuccessors, scratch)) {
      return *end;
    }
    turnBegin = turnEnd;
    turnsSearched_ = turn + 1;
  }
  return End::TurnLimit;
}

bool ReachedBoards::expands(std::uint32_t index) const {
  // A search until cleared stores no board that can never clear but the stage, which it
  // explores whatever it holds: its successors, all dropped, end the search.
  return exploration_ == Exploration::UntilCleared || explorable_[index] != 0;
}

// The boards of a turn are worked out in runs by as many threads as the limits allow, this one
// among them, and taken into the set here, in the order of the boards, so that the search goes
// exactly as one thread would take it. The set is only read by the other threads, through the
// keys stored when the turn began.
std::optional<ReachedBoards::End> ReachedBoards::expandTurn(std::uint32_t begin, std::uint32_t end,
                                                            bool storeSuccessors,
                                                            Scratch& scratch) {
  const BoardKeySet::StoredKeys keys = boards_.storedKeys();
  SharedTurn turn((end - begin + kRunBoards - 1) / kRunBoards);
  const auto workOutRun = [&](std::uint32_t run, Scratch& own) {
    const std::uint32_t first = begin + run * kRunBoards;
    for (std::uint32_t index = first; index < std::min(end, first + kRunBoards); ++index) {
      workOut(keys.key(index), slotOf(index - begin), own);
    }
    turn.workedOut[run].store(true, std::memory_order_release);
  };
  const HelperThreads::Work help = [&] {
    thread_local Scratch own;
    for (std::uint32_t run; !turn.halt.load() && (run = turn.nextRun.fetch_add(1)) < turn.runs;) {
      while (run >= turn.runsTaken.load(std::memory_order_acquire) + runsAhead_) {
        if (turn.halt.load()) {
          return;
        }
        std::this_thread::yield();
      }
      workOutRun(run, own);
    }
  };
  const bool shared = limits_.threads > 1 && end - begin >= kLeastBoardsShared;
  if (shared) {
    if (!helpers_) {
      helpers_ = std::make_unique<HelperThreads>(limits_.threads - 1);
    }
    helpers_->beginRound(help);
  }
  // However the turn ends, the other threads are out of it before it returns.
  struct Halt {
    SharedTurn& turn;
    HelperThreads* helpers;
    ~Halt() {
      turn.halt.store(true);
      if (helpers != nullptr) {
        helpers->endRound();
      }
    }
  } halt{turn, shared ? helpers_.get() : nullptr};
  for (std::uint32_t run = 0; run < turn.runs; ++run) {
    // Waiting for a run, this thread works out the next one it may.
    while (!turn.workedOut[run].load(std::memory_order_acquire)) {
      std::uint32_t next = turn.nextRun.load();
      if (next < turn.runs && next < run + runsAhead_ &&
          turn.nextRun.compare_exchange_weak(next, next + 1)) {
        workOutRun(next, scratch);
      } else {
        std::this_thread::yield();
      }
    }
    const std::uint32_t first = begin + run * kRunBoards;
    const std::uint32_t runEnd = std::min(end, first + kRunBoards);
    for (std::uint32_t index = first; index < runEnd; ++index) {
      // The table is far larger than the caches: the look-ups of a board a few ahead are
      // fetched while this one's are made.
      if (index + kPrefetchAhead < runEnd) {
        prefetch(slotOf(index + kPrefetchAhead - begin));
      }
      if (const std::optional<End> ended = take(index, slotOf(index - begin), storeSuccessors)) {
        return ended;
      }
    }
    turn.runsTaken.store(run + 1, std::memory_order_release);
  }
  return std::nullopt;
}

void ReachedBoards::prefetch(std::uint32_t slot) const {
  const Successors& successors = successors_[slot];
  for (int each = 0; each < successors.count; ++each) {
    boards_.prefetch(successors.each[each].hash);
  }
}

std::uint32_t ReachedBoards::slotOf(std::uint32_t boardOfTurn) const {
  return boardOfTurn % (kRunBoards * runsAhead_);
}

// The moves of one board, worked out apart from the set: whether each clears, and the key, hash
// and fate of each board it leads to, directions that give the same board being one successor.
void ReachedBoards::workOut(std::span<const std::uint8_t> board, std::uint32_t slot,
                            Scratch& scratch) const {
  Successors& successors = successors_[slot];
  successors.count = 0;
  const std::span<const PieceCell> pieces = codec_.decode(board, scratch.board, scratch.pieces);
  FramedMoves moves(scratch.board, pieces);
  int keyed = 0;
  for (int direction = 0; direction < kDirectionCount; ++direction) {
    moves.resolve(direction);
    const std::span<std::uint8_t> key = successorKey(slot, keyed);
    const BoardCodec::Facts facts = codec_.encodeMove(moves, board, pieces, key);
    Successor& successor = successors.each[successors.count];
    successor.direction = direction;
    successor.cleared = facts.cleared;
    if (!facts.cleared) {
      if (sameAsEarlierSuccessor(slot, keyed)) {
        continue;
      }
      successor.key = keyed++;
      successor.hash = hashKeyBytes(key);
      successor.explorable = !facts.canNeverClear;
    }
    ++successors.count;
  }
}

// A board's successors as worked out, taken into the set in the order of the boards.
std::optional<ReachedBoards::End> ReachedBoards::take(std::uint32_t index, std::uint32_t slot,
                                                      bool storeSuccessors) {
  if (!expands(index)) {
    return std::nullopt;
  }
  if (boardsExpanded_ % kExpansionsBetweenStopChecks == 0 && stopRequested()) {
    return End::Stopped;
  }
  ++boardsExpanded_;
  const Successors& successors = successors_[slot];
  for (int each = 0; each < successors.count; ++each) {
    const Successor& successor = successors.each[each];
    if (successor.cleared) {
      if (!firstClearing_) {
        firstClearing_ = Clearing{index, successor.direction};
      }
      if (exploration_ == Exploration::UntilCleared) {
        return End::Cleared;
      }
      if (boardsWithAClearingMove_.empty() || boardsWithAClearingMove_.back() != index) {
        boardsWithAClearingMove_.push_back(index);
      }
      continue;
    }
    if (!storeSuccessors || (!successor.explorable && exploration_ == Exploration::UntilCleared)) {
      continue;
    }
    if (const std::optional<End> end = store(successorKey(slot, successor.key), successor.hash,
                                             index, successor.direction, successor.explorable)) {
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

std::span<std::uint8_t> ReachedBoards::successorKey(std::uint32_t slot, int successor) const {
  const std::size_t bytes = boards_.keyBytes();
  return {successorKeys_.data() + (slot * kDirectionCount + successor) * bytes, bytes};
}

// Directions that give the same board are one successor: only the first is looked up. Decided
// on the keys' bytes alone: comparing hashes first would spare comparing at most three keys, and
// two different boards may share a hash.
bool ReachedBoards::sameAsEarlierSuccessor(std::uint32_t slot, int successor) const {
  const std::span<const std::uint8_t> key = successorKey(slot, successor);
  for (int earlier = 0; earlier < successor; ++earlier) {
    if (std::memcmp(successorKey(slot, earlier).data(), key.data(), key.size()) == 0) {
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
