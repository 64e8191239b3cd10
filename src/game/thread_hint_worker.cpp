// The desktop's hint worker: each search on a thread of its own, its hint handed back through the
// platform. The thread is stopped and joined when the worker goes, so none outlives the game.
#include <exception>
#include <new>
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
    // milliseconds. A thread the system will not start answers at once that nothing was found.
    try {
      thread_ = std::jthread(
          [&platform = platform_, play = std::move(play), budget, found](std::stop_token stop) {
            handOver(platform, findHint(play, budget, std::move(stop)), found);
          });
    } catch (const std::exception&) {  // std::system_error or std::bad_alloc
      handOver(platform_, Hint{}, found);
    }
  }

  void stop() override { thread_.request_stop(); }

 private:
  static void handOver(Platform& platform, const Hint& hint, const Found& found) noexcept {
    try {
      platform.runOnUiThread([hint, found] { found(hint); });
    } catch (const std::bad_alloc&) {
      // The answer is lost; the search counts as under way until the board shown changes.
    }
  }

  Platform& platform_;
  std::jthread thread_;
};

}  // namespace

std::unique_ptr<HintWorker> makeHintWorker(Platform& platform) {
  return std::make_unique<ThreadHintWorker>(platform);
}

}  // namespace vantoki
