// Running one piece of work for each item of a list on a few worker threads. The workers take the
// items one at a time, the next free one as each finishes, so a slow item holds up only its own
// worker. Which thread runs an item is left to chance; what an item's work writes must therefore
// depend on the item alone, so that the results are the same whatever the number of threads.
#pragma once

#include <cstddef>
#include <functional>

namespace vantoki {

// Calls `work(item)` once for every item from 0 to `count` - 1 and returns when all are done:
// on the calling thread when `threads` or `count` is at most 1, otherwise on as many workers as
// there are threads or items, whichever is fewer, the calling thread one of them (fewer when the
// system starts no more threads). An exception from `work` leaves the items not yet begun undone
// and is thrown again on the calling thread once every worker has finished.
void shareWork(std::size_t count, int threads, const std::function<void(std::size_t)>& work);

}  // namespace vantoki
