// The hint a stuck player asks for: from the boards of the play up to the one shown, either the
// next move of a shortest clear of the board shown, or that it can no longer be cleared and how
// many turns back the play last could still be, all within one budget of boards and time.
//
// A clear must fit in the turns a replay can still record: from the board of turn t, at most
// kTurnLimit - t moves. "Can no longer be cleared" is only said when a search proved it, by
// trying every line of moves that fits; a search that ran out of budget proves nothing.
#pragma once

#include <chrono>
#include <cstddef>
#include <optional>
#include <span>

#include "core/board.h"
#include "solver/stop_token.h"

namespace vantoki {

struct HintBudget {
  std::size_t maxBoards = 0;             // stored by all the searches of one hint together
  std::chrono::milliseconds maxTime{0};  // for the whole hint, from its start
  std::size_t maxMemoryBytes = 0;        // held by any one search
  int threads = 1;                       // that work out a search's moves (search_limits.h)
};

enum class HintKind {
  NextMove,           // direction, turnsToClear
  NoLongerClearable,  // stepsBack, when the budget sufficed to find it
  NeverClearable,     // not even the board the play started from can be cleared
  OutOfBudget,        // the budget ran out before the board shown was decided
};

struct Hint {
  HintKind kind = HintKind::OutOfBudget;
  int direction = 0;     // direction index
  int turnsToClear = 0;  // the clear's turns from the board shown, the next move included
  // How many turns before the one shown lies the last board from which a clear still fits.
  std::optional<int> stepsBack;

  friend bool operator==(const Hint&, const Hint&) = default;
};

// `play` holds the boards of turns 0 to the one shown, which is the last. An empty play has no
// board to decide: OutOfBudget. A stop request ends the hint as the budget's end does.
Hint findHint(std::span<const Board> play, const HintBudget& budget, StopToken stop = {});

}  // namespace vantoki
