// The boards a stage reaches, found breadth-first by the game's own moves (core/turn_commit.h):
// the one search that the shortest solution and the stage analysis both walk, so the solver
// knows no rule of its own and a line of moves it returns plays back in the game exactly as it
// was searched.
//
// Boards are stored as keys of one width (board_codec.h) in the order they are first reached, so
// board 0 is the stage, the boards first reached in one turn are one run of indexes, and the way
// back from a board (the board it was first reached from and the direction that led there) is a
// shortest line of moves to it. The whole state of a play is its board, so a board reached again
// is never explored twice, and directions that give the same board from the same board are one
// successor. A stage counts as cleared as the game counts it: the board committed after a move
// holds no star, so even a stage without stars takes one move; a board that clears is never
// stored, since the play ends on it.
//
// A board that holds a star but no bomb can never be cleared, because only a bomb makes a star
// explode and nothing makes a bomb. (More stars than bombs is no such case: a bomb that lands on
// a star can be pushed off it by an arrow block in the same move, so the star explodes and the
// bomb survives.) A search until cleared drops such a board as it reaches it; a search of every
// board stores it, as reachable and dead, and never explores it.
//
// A board is kept as the key its stage's codec gives it (board_codec.h), which holds every board
// the rules reach from the stage, and is moved framed, as the rules work on it.
//
// The moves of a turn's boards may be worked out by several threads (SearchLimits::threads);
// their successors are taken into the set by one, in the order of the boards, so the search,
// its counts and its answers are the same with any number.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <vector>

#include "core/board.h"
#include "core/framed_board.h"
#include "solver/board_codec.h"
#include "solver/board_key_set.h"
#include "solver/helper_threads.h"
#include "solver/search_limits.h"

namespace vantoki {

enum class Exploration {
  UntilCleared,  // ends at the first move that clears the stage
  EveryBoard,    // goes on past clearing moves and records every move between stored boards
};

class ReachedBoards {
 public:
  enum class End {
    Cleared,      // a search until cleared met a move that clears the stage
    Exhausted,    // no board reached is left to explore
    TurnLimit,    // every line of maxTurns moves was tried
    BoardLimit,   // one board more than maxStates was stored
    MemoryLimit,  // one more board or move would have taken more than maxMemoryBytes, or
                  // the system refused the memory
    Stopped,      // the deadline passed or a stop was requested
  };

  // A move from one stored board to another, as a search of every board records it.
  struct Move {
    std::uint32_t from = 0;
    std::uint32_t to = 0;
  };

  // Searches from `stage`. The limits' memory counts all the search holds: the keys, the way
  // back to each board and, for a search of every board, whether each may clear and the moves
  // recorded. Memory the system refuses ends the search as MemoryLimit too.
  static ReachedBoards explore(const Board& stage, const SearchLimits& limits,
                               Exploration exploration);

  End end() const { return end_; }
  // At most maxStates: a search that stored one board more ends there.
  std::size_t boardsStored() const;
  std::size_t boardsExpanded() const { return boardsExpanded_; }
  // Every line of this many turns was tried.
  int turnsSearched() const { return turnsSearched_; }
  // The directions from the stage to the first clearing move met, that move included; empty
  // when none was met.
  std::vector<int> firstClearingLine() const;
  // Recorded by a search of every board only: each move between two stored boards, the same
  // board reached by two directions once, and each board with a clearing move, in index order.
  std::span<const Move> moves() const { return moves_; }
  std::span<const std::uint32_t> boardsWithAClearingMove() const {
    return boardsWithAClearingMove_;
  }
  // Held for the keys, the way back to each board and the moves recorded.
  std::size_t memoryBytes() const;
  // What one more board costs once the search is large: its key, the way back to it (and
  // whether it may clear) and its table share.
  std::size_t bytesPerStoredBoard() const;

 private:
  struct Clearing {
    std::uint32_t board = 0;
    int direction = 0;
  };

  ReachedBoards(const SearchLimits& limits, Exploration exploration, const Board& stage);

  // One board's moves, worked out apart from the set: up to one successor a direction, each a
  // clearing move or a board to store, keyed in its board's slot of the keys.
  struct Successor {
    int direction = 0;
    bool cleared = false;
    bool explorable = false;
    int key = 0;
    std::uint32_t hash = 0;
  };
  struct Successors {
    int count = 0;
    std::array<Successor, kDirectionCount> each;
  };
  // What one thread works with.
  struct Scratch {
    FramedCells board;
    PieceCells pieces;
  };

  End search(const Board& stage);
  End searchTurns(const Board& stage);
  bool expands(std::uint32_t index) const;
  std::optional<End> expandTurn(std::uint32_t begin, std::uint32_t end, bool storeSuccessors,
                                Scratch& scratch);
  std::uint32_t slotOf(std::uint32_t boardOfTurn) const;
  void prefetch(std::uint32_t slot) const;
  void workOut(std::span<const std::uint8_t> board, std::uint32_t slot, Scratch& scratch) const;
  std::optional<End> take(std::uint32_t index, std::uint32_t slot, bool storeSuccessors);
  std::optional<End> store(std::span<const std::uint8_t> key, std::uint32_t hash,
                           std::uint32_t parent, int direction, bool explorable);
  bool stopRequested() const;
  std::span<std::uint8_t> successorKey(std::uint32_t slot, int successor) const;
  bool sameAsEarlierSuccessor(std::uint32_t slot, int successor) const;
  static std::size_t nextCapacity(std::size_t capacity);
  std::size_t pathBytes() const;
  bool roomForOneMoreBoard() const;
  void growPathIfFull();
  void remember(std::uint32_t parent, int direction, bool explorable);
  std::vector<int> pathTo(std::uint32_t index) const;

  SearchLimits limits_;
  Exploration exploration_;
  BoardCodec codec_;
  BoardKeySet boards_;
  // The way back, by board index.
  std::vector<std::uint32_t> parents_;
  std::vector<std::uint8_t> directions_;
  // By board index, for a search of every board: whether the board may still clear.
  std::vector<std::uint8_t> explorable_;
  std::vector<Move> moves_;
  std::vector<std::uint32_t> boardsWithAClearingMove_;
  std::optional<Clearing> firstClearing_;
  std::size_t boardsExpanded_ = 0;
  int turnsSearched_ = 0;
  End end_ = End::Exhausted;
  // The boards worked out ahead of the set, each with its successors and a key per direction;
  // written by the threads that work a turn out, each in the slots of its own boards.
  std::uint32_t runsAhead_;
  mutable std::vector<Successors> successors_;
  mutable std::vector<std::uint8_t> successorKeys_;
  // Started at the first turn large enough to share, when the limits allow more threads.
  std::unique_ptr<HelperThreads> helpers_;
};

}  // namespace vantoki
