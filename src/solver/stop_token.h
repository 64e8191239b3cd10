// How a search is asked to end early: the standard library's stop token. A library without one
// (the page's WebAssembly build, whose searches run in a worker that is ended outright instead)
// gets a token that is never stopped.
#pragma once

#if __has_include(<stop_token>)
#include <stop_token>
#endif

namespace vantoki {

#if __has_include(<stop_token>)
using StopToken = std::stop_token;
#else
class StopToken {
 public:
  bool stop_requested() const noexcept { return false; }
};
#endif

}  // namespace vantoki
