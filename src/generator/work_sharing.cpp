#include "generator/work_sharing.h"

#include <algorithm>
#include <atomic>
#include <thread>
#include <vector>

namespace vantoki {

void shareWork(std::size_t count, int threads, const std::function<void(std::size_t)>& work) {
  std::atomic<std::size_t> nextItem{0};
  const auto takeItems = [&] {
    for (std::size_t item = nextItem++; item < count; item = nextItem++) {
      work(item);
    }
  };
  const std::size_t workers = std::min(static_cast<std::size_t>(std::max(threads, 1)), count);
  if (workers <= 1) {
    takeItems();
    return;
  }
  std::vector<std::jthread> pool;
  pool.reserve(workers);
  for (std::size_t worker = 0; worker < workers; ++worker) {
    pool.emplace_back(takeItems);
  }
}

}  // namespace vantoki
