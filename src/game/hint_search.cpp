#include "game/hint_search.h"

#include <new>
#include <utility>

namespace vantoki {

HintSearch::HintSearch(Platform& platform) : worker_(makeHintWorker(platform)) {}

bool HintSearch::start(std::vector<Board> play, const HintBudget& budget, Answer answer) {
  if (delivery_->searching) {
    return false;
  }
  delivery_->searching = true;
  const int ticket = ++delivery_->ticket;
  worker_->search(std::move(play), budget,
                  [delivery = std::weak_ptr<Delivery>(delivery_), ticket,
                   answer = std::move(answer)](const Hint& hint) {
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
  return true;
}

void HintSearch::drop() {
  if (!delivery_->searching) {
    return;
  }
  ++delivery_->ticket;
  delivery_->searching = false;
  worker_->stop();
}

}  // namespace vantoki
