// The page's hint worker: each search goes to a web worker that runs the same search in a
// WebAssembly module of its own (hint_worker_main.cpp), so the page never waits for it. A
// stopped search's worker is ended outright; the next search starts a fresh one. The answer
// comes back through the page, which hands it over between events.
//
// The budget is the desktop's: in the page's module the memory budget (memory_budget.h) finds no
// process limits and takes the heap the module may grow to (2 GiB) for the machine's memory, so
// the hint's own 512 MiB stands, and the worker's module may grow to 1 GiB, room for that.
#include <emscripten.h>
#include <emscripten/bind.h>

#include <cstdint>
#include <map>
#include <utility>
#include <vector>

#include "game/hint_worker.h"

namespace vantoki {
namespace {

// clang-format off: the bodies are JavaScript.
EM_JS(void, pageStartHintSearch,
      (int search, const std::int16_t* cells, int boardCount, double maxBoards, double maxTime,
       double maxMemory),
      {
        Module.page.startHintSearch(search,
                                    HEAP16.slice(cells >> 1, (cells >> 1) + boardCount * 225),
                                    {maxBoards, maxTime, maxMemory});
      });

EM_JS(void, pageStopHintSearch, (), { Module.page.stopHintSearch(); });
// clang-format on

// The searches whose hint is awaited, by number; the page answers by that number.
std::map<int, HintWorker::Found>& awaitedSearches() {
  static std::map<int, HintWorker::Found> awaited;
  return awaited;
}

class PageHintWorker : public HintWorker {
 public:
  ~PageHintWorker() override { stop(); }

  void search(std::vector<Board> play, const HintBudget& budget, Found found) override {
    stop();
    static int lastSearch = 0;
    search_ = ++lastSearch;
    awaitedSearches()[search_] = std::move(found);
    std::vector<std::int16_t> cells;
    for (const Board& board : play) {
      cells.insert(cells.end(), board.cells().begin(), board.cells().end());
    }
    pageStartHintSearch(
        search_, cells.data(), static_cast<int>(play.size()), static_cast<double>(budget.maxBoards),
        static_cast<double>(budget.maxTime.count()), static_cast<double>(budget.maxMemoryBytes));
  }

  void stop() override {
    if (awaitedSearches().erase(search_) > 0) {
      pageStopHintSearch();
    }
  }

 private:
  int search_ = 0;
};

// The page hands over the hint of search `search` as the worker found it.
void hintFound(int search, int kind, int direction, int turnsToClear, int stepsBack) {
  const auto awaited = awaitedSearches().find(search);
  if (awaited == awaitedSearches().end()) {
    return;
  }
  const HintWorker::Found found = std::move(awaited->second);
  awaitedSearches().erase(awaited);
  Hint hint{static_cast<HintKind>(kind), direction, turnsToClear, std::nullopt};
  if (stepsBack >= 0) {
    hint.stepsBack = stepsBack;
  }
  found(hint);
}

}  // namespace

std::unique_ptr<HintWorker> makeHintWorker(Platform&) {
  return std::make_unique<PageHintWorker>();
}

}  // namespace vantoki

EMSCRIPTEN_BINDINGS(vantoki_hint) {
  emscripten::function("hintFound", &vantoki::hintFound);
}
