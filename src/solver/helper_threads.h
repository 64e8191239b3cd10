// Threads that help one thread with its rounds of work: they wait, asleep, until it hands out a
// round, each runs the round's work once alongside it, and they are all out of the round before
// the round ends. Started once and reused, since starting a thread costs as much as a small round
// of work.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <thread>
#include <vector>

namespace vantoki {

class HelperThreads {
 public:
  // What a helper does in a round; it must return once the round's work is done or given up.
  using Work = std::function<void()>;

  explicit HelperThreads(int count);
  ~HelperThreads();
  HelperThreads(const HelperThreads&) = delete;
  HelperThreads& operator=(const HelperThreads&) = delete;

  int count() const { return static_cast<int>(threads_.size()); }

  // Hands `work` to every helper; it must stay alive until endRound() has returned.
  void beginRound(const Work& work);
  // Returns once no helper is in the round any longer: the work must by now tell them to stop.
  void endRound();

 private:
  void serve();

  std::atomic<std::uint32_t> round_{0};
  std::atomic<const Work*> work_{nullptr};
  std::atomic<int> inRound_{0};
  std::atomic<bool> quit_{false};
  std::vector<std::thread> threads_;
};

}  // namespace vantoki
