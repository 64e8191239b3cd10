#include "game/hint_search.h"

#include <utility>

namespace vantoki {

HintSearch::HintSearch(Platform& platform) : platform_(platform) {}

bool HintSearch::start(std::vector<Board> play, const HintBudget& budget, Answer answer) {
  if (delivery_->searching) {
    return false;
  }
  delivery_->searching = true;
  const int ticket = ++delivery_->ticket;
  // Taking the place of a dropped search joins it; it was told to stop and ends within
  // milliseconds.
  worker_ = std::jthread([&platform = platform_, delivery = std::weak_ptr<Delivery>(delivery_),
                          ticket, play = std::move(play), budget,
                          answer = std::move(answer)](std::stop_token stop) {
    const Hint hint = findHint(play, budget, std::move(stop));
    platform.runOnUiThread([delivery, ticket, hint, answer] {
      const std::shared_ptr<Delivery> awaited = delivery.lock();
      if (!awaited || awaited->ticket != ticket) {
        return;
      }
      awaited->searching = false;
      answer(hint);
    });
  });
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

}  // namespace vantoki
