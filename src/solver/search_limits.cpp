#include "solver/search_limits.h"

#include <thread>

namespace vantoki {

int searchThreads() {
#ifdef __EMSCRIPTEN__
  return 1;
#else
  // More would only wait on the one thread that stores what they work out.
  constexpr unsigned kMostThreads = 8;
  return static_cast<int>(std::clamp(std::thread::hardware_concurrency(), 1u, kMostThreads));
#endif
}

}  // namespace vantoki
