#include "solver/helper_threads.h"

namespace vantoki {

HelperThreads::HelperThreads(int count) {
  for (int helper = 0; helper < count; ++helper) {
    threads_.emplace_back([this] { serve(); });
  }
}

HelperThreads::~HelperThreads() {
  quit_.store(true);
  round_.fetch_add(1);
  round_.notify_all();
  for (std::thread& thread : threads_) {
    thread.join();
  }
}

void HelperThreads::beginRound(const Work& work) {
  work_.store(&work);
  round_.fetch_add(1);
  round_.notify_all();
}

void HelperThreads::endRound() {
  // A helper counts itself in before it looks for the work, so once the work is gone and no
  // helper is counted in, none can still reach it.
  work_.store(nullptr);
  while (inRound_.load() != 0) {
    std::this_thread::yield();
  }
}

void HelperThreads::serve() {
  std::uint32_t seen = 0;
  for (;;) {
    round_.wait(seen);
    seen = round_.load();
    if (quit_.load()) {
      return;
    }
    inRound_.fetch_add(1);
    if (const Work* work = work_.load()) {
      (*work)();
    }
    inRound_.fetch_sub(1);
  }
}

}  // namespace vantoki
