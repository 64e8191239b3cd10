// The desktop's hint worker: each search on a thread of its own, its hint handed back through the
// platform. The thread is stopped and joined when the worker goes, so none outlives the game.
#include <stop_token>
#include <thread>
#include <utility>

#include "game/hint_worker.h"

namespace vantoki {
namespace {

class ThreadHintWorker : public HintWorker {
 public:
  explicit ThreadHintWorker(Platform& platform) : platform_(platform) {}

  void search(std::vector<Board> play, const HintBudget& budget, Found found) override {
    // Taking the place of a stopped search joins it; it was told to stop and ends within
    // milliseconds.
    thread_ = std::jthread([&platform = platform_, play = std::move(play), budget,
                            found = std::move(found)](std::stop_token stop) {
      const Hint hint = findHint(play, budget, std::move(stop));
      platform.runOnUiThread([hint, found] { found(hint); });
    });
  }

  void stop() override { thread_.request_stop(); }

 private:
  Platform& platform_;
  std::jthread thread_;
};

}  // namespace

std::unique_ptr<HintWorker> makeHintWorker(Platform& platform) {
  return std::make_unique<ThreadHintWorker>(platform);
}

}  // namespace vantoki
