// The module of the page's hint worker: the solver's hint search and nothing else. The worker
// script hands it the boards of a play (225 cells each, turn 0 first) and the budget, and posts
// back what it returns.
#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <chrono>
#include <cstdint>
#include <vector>

#include "solver/hint.h"

namespace vantoki {
namespace {

emscripten::val findHintFor(const emscripten::val& cells, double maxBoards, double maxTime,
                            double maxMemory) {
  const std::vector<std::int16_t> all =
      emscripten::convertJSArrayToNumberVector<std::int16_t>(cells);
  std::vector<Board> play(all.size() / kCellCount);
  for (std::size_t board = 0; board < play.size(); ++board) {
    std::copy_n(all.begin() + static_cast<std::ptrdiff_t>(board * kCellCount), kCellCount,
                play[board].cells().begin());
  }
  // The worker is one thread, whatever the browser could give it.
  const HintBudget budget{static_cast<std::size_t>(maxBoards),
                          std::chrono::milliseconds(static_cast<long long>(maxTime)),
                          static_cast<std::size_t>(maxMemory), 1};
  const Hint hint = findHint(play, budget);
  emscripten::val answer = emscripten::val::object();
  answer.set("kind", static_cast<int>(hint.kind));
  answer.set("direction", hint.direction);
  answer.set("turnsToClear", hint.turnsToClear);
  answer.set("stepsBack", hint.stepsBack.value_or(-1));
  return answer;
}

}  // namespace
}  // namespace vantoki

EMSCRIPTEN_BINDINGS(vantoki_hint_worker) {
  emscripten::function("findHint", &vantoki::findHintFor);
}
