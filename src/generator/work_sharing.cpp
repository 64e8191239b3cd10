#include "generator/work_sharing.h"

#include <algorithm>
#include <atomic>
#include <exception>
#include <mutex>
#include <thread>
#include <vector>

namespace vantoki {

void shareWork(std::size_t count, int threads, const std::function<void(std::size_t)>& work) {
  std::atomic<std::size_t> nextItem{0};
  std::mutex failing;
  std::exception_ptr failure;
  // An exception that left a thread's function would end the process, so the first one is kept
  // for the calling thread, and no item is started after it.
  const auto takeItems = [&]() noexcept {
    try {
      for (std::size_t item = nextItem++; item < count; item = nextItem++) {
        work(item);
      }
    } catch (...) {
      nextItem = count;
      const std::lock_guard lock(failing);
      if (!failure) {
        failure = std::current_exception();
      }
    }
  };
  const std::size_t workers = std::min(static_cast<std::size_t>(std::max(threads, 1)), count);
  {
    // The calling thread is one of the workers, so the work is done, on fewer threads, even when
    // the system starts no thread more.
    std::vector<std::jthread> helpers;
    try {
      helpers.reserve(workers > 1 ? workers - 1 : 0);
      while (helpers.size() + 1 < workers) {
        helpers.emplace_back(takeItems);
      }
    } catch (const std::exception&) {  // std::system_error or std::bad_alloc: no more threads
    }
    takeItems();
  }
  if (failure) {
    std::rethrow_exception(failure);
  }
}

}  // namespace vantoki
