// Work shared among threads never takes the process down: an exception from one item, on
// whichever thread it comes, reaches the caller once every worker is done.
#include "generator/work_sharing.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace vantoki {
namespace {

TEST(WorkSharingTest, AnExceptionFromAnItemReachesTheCaller) {
  for (const int threads : {1, 3}) {
    SCOPED_TRACE(threads);
    EXPECT_THROW(shareWork(40, threads,
                           [](std::size_t item) {
                             if (item == 5) {
                               throw std::runtime_error("item 5");
                             }
                           }),
                 std::runtime_error);
  }
}

}  // namespace
}  // namespace vantoki
