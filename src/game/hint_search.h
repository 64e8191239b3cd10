// The search behind a hint, off the user-interface thread so that the board keeps moving and the
// buttons keep answering while it runs: one search at a time in the shell's hint worker, its
// answer handed back on the user-interface thread. An answer dropped before it arrives is handed
// to no one. The worker goes with the search object, so no search outlives the game it serves.
// Memory refused on the way loses an answer, never the game: no exception leaves the hand-over.
#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "core/board.h"
#include "game/hint_worker.h"
#include "platform/platform.h"
#include "solver/hint.h"

namespace vantoki {

class HintSearch {
 public:
  using Answer = std::function<void(const Hint&)>;

  explicit HintSearch(Platform& platform);
  HintSearch(const HintSearch&) = delete;
  HintSearch& operator=(const HintSearch&) = delete;

  // Looks for a hint on the last board of `play` (the boards of turns 0 to the one shown) and
  // hands it to `answer` on the user-interface thread. Refused, returning false, while a search
  // is under way: its answer is for the same board.
  bool start(std::vector<Board> play, const HintBudget& budget, Answer answer);
  // The search under way, if any, stops, and its answer is never handed over.
  void drop();

 private:
  // Touched on the user-interface thread only; an answer that arrives after the search object
  // is gone finds it expired.
  struct Delivery {
    int ticket = 0;          // the search whose answer is awaited
    bool searching = false;  // from a start until its answer is handed over or dropped
  };

  std::shared_ptr<Delivery> delivery_ = std::make_shared<Delivery>();
  std::unique_ptr<HintWorker> worker_;  // last, so that it ends before anything it uses goes
};

}  // namespace vantoki
