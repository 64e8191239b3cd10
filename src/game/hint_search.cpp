#include "game/hint_search.h"

#include <exception>
#include <new>
#include <utility>

namespace vantoki {

HintSearch::HintSearch(Platform& platform) : platform_(platform) {}

bool HintSearch::start(std::vector<Board> play, const HintBudget& budget, Answer answer) {
  if (delivery_->searching) {
    return false;
  }
  delivery_->searching = true;
  const int ticket = ++delivery_->ticket;
  const std::weak_ptr<Delivery> delivery = delivery_;
  // Taking the place of a dropped search joins it; it was told to stop and ends within
  // milliseconds. A thread the system will not start answers at once that nothing was found.
  try {
    worker_ = std::jthread([&platform = platform_, delivery, ticket, play = std::move(play), budget,
                            answer](std::stop_token stop) {
      handOver(platform, delivery, ticket, findHint(play, budget, std::move(stop)), answer);
    });
  } catch (const std::exception&) {  // std::system_error or std::bad_alloc
    handOver(platform_, delivery, ticket, Hint{}, answer);
  }
  return true;
}

void HintSearch::drop() {
  if (!delivery_->searching) {
    return;
  }
  ++delivery_->ticket;
  delivery_->searching = false;
  worker_.request_stop();
}

void HintSearch::handOver(Platform& platform, const std::weak_ptr<Delivery>& delivery, int ticket,
                          const Hint& hint, const Answer& answer) noexcept {
  try {
    platform.runOnUiThread([delivery, ticket, hint, answer] {
      const std::shared_ptr<Delivery> awaited = delivery.lock();
      if (!awaited || awaited->ticket != ticket) {
        return;
      }
      awaited->searching = false;
      try {
        answer(hint);
      } catch (const std::bad_alloc&) {
        // The message could not be made: the player asks again.
      }
    });
  } catch (const std::bad_alloc&) {
    // The answer is lost; the search counts as under way until the board shown changes.
  }
}

}  // namespace vantoki
