// Runs work in a child process whose memory the system limits (setrlimit), so a test can watch a
// search meet the limit, or a refusal of memory, without putting the test program at risk. The
// limit is the child's size at the start plus a headroom, as a process started under `ulimit -v`
// or `ulimit -d` finds it. The child hands back one plain value through a pipe; a child that
// aborts, or hangs past its alarm, hands back nothing.
//
// AddressSanitizer reserves terabytes of address space and ends the program on any allocation
// the system refuses (it never throws std::bad_alloc), so tests of a refusal skip themselves in
// a build with it; a limit far above the sanitizer's own reservations still works there.
#pragma once

#include <sys/resource.h>
#include <unistd.h>

#include <cstddef>
#include <optional>
#include <string>
#include <type_traits>

#include "io_test_files.h"
#include "solver/memory_budget.h"

namespace vantoki::testing {

#if defined(__SANITIZE_ADDRESS__)
inline constexpr bool kAddressSanitizer = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
inline constexpr bool kAddressSanitizer = true;
#else
inline constexpr bool kAddressSanitizer = false;
#endif
#else
inline constexpr bool kAddressSanitizer = false;
#endif

inline constexpr const char* kRefusalNeedsNoSanitizer =
    "AddressSanitizer ends the program on a refused allocation; run in a build without it";

// The bytes `resource` counts for this process now: the address space for RLIMIT_AS, the data
// for RLIMIT_DATA.
inline std::size_t bytesCountedBy(int resource) {
  const ProcessSize size = currentProcessSize();
  return resource == RLIMIT_AS ? size.addressSpace : size.data;
}

// Sets the soft limit of `resource` to what this process holds of it now plus `headroom`.
inline bool limitToHeadroom(int resource, std::size_t headroom) {
  rlimit limit{};
  if (getrlimit(resource, &limit) != 0) {
    return false;
  }
  limit.rlim_cur = bytesCountedBy(resource) + headroom;
  return setrlimit(resource, &limit) == 0;
}

// What `work()` returned in a child whose `resource` has `headroom` bytes left; nothing when the
// child could not be limited, aborted, or ran past `seconds`.
template <class Report, class Work>
std::optional<Report> reportUnderLimit(int resource, std::size_t headroom, Work work,
                                       unsigned seconds = 120) {
  static_assert(std::is_trivially_copyable_v<Report>);
  int pipeEnds[2];
  if (pipe(pipeEnds) != 0) {
    return std::nullopt;
  }
  const int code = exitCodeInChild(
      [&] {
        close(pipeEnds[0]);
        if (!limitToHeadroom(resource, headroom)) {
          return 1;
        }
        const Report report = work();
        return write(pipeEnds[1], &report, sizeof report) == sizeof report ? 0 : 1;
      },
      seconds);
  close(pipeEnds[1]);
  Report report{};
  const bool read = ::read(pipeEnds[0], &report, sizeof report) == sizeof report;
  close(pipeEnds[0]);
  return code == 0 && read ? std::optional<Report>(report) : std::nullopt;
}

}  // namespace vantoki::testing
