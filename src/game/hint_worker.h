// Where the search behind a hint runs: anywhere but the user-interface thread, so that the board
// keeps moving and the buttons keep answering while it does. The desktop runs it on a thread of
// its own; the page hands it to a web worker. Each shell links exactly one makeHintWorker.
//
// A worker runs one search at a time. Starting another stops the one before; a stopped search
// may still hand its hint back, and the caller tells the answers apart. A search the worker
// cannot start (no thread, no memory) answers that nothing was found; memory refused on the way
// loses the answer, never the game: no exception leaves a worker.
#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "core/board.h"
#include "platform/platform.h"
#include "solver/hint.h"

namespace vantoki {

class HintWorker {
 public:
  using Found = std::function<void(const Hint&)>;

  virtual ~HintWorker() = default;

  // Looks for a hint on the last board of `play` and calls `found` with it on the user-interface
  // thread.
  virtual void search(std::vector<Board> play, const HintBudget& budget, Found found) = 0;
  // Asks the search under way to end soon.
  virtual void stop() = 0;
};

std::unique_ptr<HintWorker> makeHintWorker(Platform& platform);

}  // namespace vantoki
