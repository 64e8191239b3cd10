#include "solver/memory_budget.h"

#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <charconv>
#include <fstream>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "solver/search_limits.h"

namespace vantoki {
namespace {

constexpr std::size_t kMebibyte = std::size_t{1} << 20;
constexpr std::size_t kLeastMargin = 16 * kMebibyte;
constexpr std::size_t kLeastBudget = kMebibyte;

std::optional<std::size_t> numberIn(std::string_view text) {
  std::size_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  return error == std::errc() && end != text.data() ? std::optional(value) : std::nullopt;
}

// What `limit` leaves a search once the `held` bytes the process already has and the margin for
// the rest of the program are taken off.
std::size_t roomUnder(std::size_t limit, std::size_t held) {
  const std::size_t left = limit > held ? limit - held : 0;
  const std::size_t margin = std::max(kLeastMargin, left / 4);
  return left > margin ? left - margin : 0;
}

std::optional<std::size_t> softLimit(int resource) {
  rlimit limit{};
  if (getrlimit(resource, &limit) != 0 || limit.rlim_cur == RLIM_INFINITY) {
    return std::nullopt;
  }
  return static_cast<std::size_t>(limit.rlim_cur);
}

std::optional<std::size_t> machineMemory() {
  const long pages = sysconf(_SC_PHYS_PAGES);
  const long pageBytes = sysconf(_SC_PAGESIZE);
  if (pages <= 0 || pageBytes <= 0) {
    return std::nullopt;
  }
  return static_cast<std::size_t>(pages) * static_cast<std::size_t>(pageBytes);
}

// A limit file holds a number of bytes, or "max" for none.
std::optional<std::size_t> limitIn(const std::filesystem::path& file) {
  std::ifstream in(file);
  std::string text;
  return in >> text ? numberIn(text) : std::nullopt;
}

std::vector<std::string_view> splitAt(std::string_view text, char separator) {
  std::vector<std::string_view> parts;
  for (std::size_t start = 0;;) {
    const std::size_t end = text.find(separator, start);
    parts.push_back(text.substr(start, end - start));
    if (end == std::string_view::npos) {
      return parts;
    }
    start = end + 1;
  }
}

// The group of one hierarchy, as /proc/self/cgroup names it: "0::/path" for v2,
// "4:memory:/path" for v1's memory controller.
struct Group {
  bool unified = false;
  std::string path;
};

std::vector<Group> groupsOfThisProcess(const std::filesystem::path& root) {
  std::vector<Group> groups;
  std::ifstream in(root / "proc/self/cgroup");
  for (std::string line; std::getline(in, line);) {
    const std::vector<std::string_view> fields = splitAt(line, ':');
    if (fields.size() != 3) {
      continue;
    }
    const std::vector<std::string_view> controllers = splitAt(fields[1], ',');
    if (fields[0] == "0" && fields[1].empty()) {
      groups.push_back({true, std::string(fields[2])});
    } else if (std::find(controllers.begin(), controllers.end(), "memory") != controllers.end()) {
      groups.push_back({false, std::string(fields[2])});
    }
  }
  return groups;
}

// The lowest limit of `group` and the groups above it, up to the group mounted at `mountPoint`
// whose path is `mountRoot`.
std::optional<std::size_t> lowestLimitUp(const Group& group, std::string_view mountRoot,
                                         const std::filesystem::path& mountPoint) {
  std::string_view below = group.path;
  if (mountRoot != "/") {
    if (!below.starts_with(mountRoot)) {
      return std::nullopt;
    }
    below.remove_prefix(mountRoot.size());
    if (!below.empty() && !below.starts_with('/')) {
      return std::nullopt;  // a group beside the mounted one, whose name merely begins the same
    }
  }
  const std::filesystem::path top = mountPoint.lexically_normal();
  std::filesystem::path directory =
      (mountPoint / std::filesystem::path(below).relative_path()).lexically_normal();
  std::optional<std::size_t> lowest;
  const char* const file = group.unified ? "memory.max" : "memory.limit_in_bytes";
  for (;; directory = directory.parent_path()) {
    if (const std::optional<std::size_t> limit = limitIn(directory / file)) {
      lowest = std::min(lowest.value_or(*limit), *limit);
    }
    if (directory == top || directory == directory.parent_path()) {
      return lowest;
    }
  }
}

}  // namespace

std::optional<std::size_t> controlGroupMemoryLimit(const std::filesystem::path& root) {
  const std::vector<Group> groups = groupsOfThisProcess(root);
  if (groups.empty()) {
    return std::nullopt;
  }
  std::optional<std::size_t> lowest;
  // "36 25 0:32 /root /mount/point rw,relatime - cgroup cgroup rw,memory": the fields after the
  // lone dash are the file system type, its source and its options.
  std::ifstream mounts(root / "proc/self/mountinfo");
  for (std::string line; std::getline(mounts, line);) {
    const std::vector<std::string_view> fields = splitAt(line, ' ');
    const auto dash = std::find(fields.begin(), fields.end(), "-");
    if (fields.size() < 5 || fields.end() - dash < 4) {
      continue;
    }
    const std::string_view type = dash[1];
    const std::vector<std::string_view> options = splitAt(dash[3], ',');
    const bool memoryV1 =
        type == "cgroup" && std::find(options.begin(), options.end(), "memory") != options.end();
    for (const Group& group : groups) {
      if (group.unified ? type != "cgroup2" : !memoryV1) {
        continue;
      }
      const std::filesystem::path mountPoint =
          root / std::filesystem::path(fields[4]).relative_path();
      if (const std::optional<std::size_t> limit = lowestLimitUp(group, fields[3], mountPoint)) {
        lowest = std::min(lowest.value_or(*limit), *limit);
      }
    }
  }
  return lowest;
}

ProcessSize currentProcessSize() {
  ProcessSize size;
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);) {
    std::istringstream fields(line);
    std::string name;
    std::size_t kibibytes = 0;
    if (!(fields >> name >> kibibytes)) {
      continue;
    }
    const std::size_t bytes = kibibytes * 1024;
    if (name == "VmSize:") {
      size.addressSpace = bytes;
    } else if (name == "VmData:") {
      size.data = bytes;
    } else if (name == "VmRSS:") {
      size.resident = bytes;
    }
  }
  return size;
}

std::size_t memoryBudgetBytes() {
  const ProcessSize size = currentProcessSize();
  std::size_t budget = SearchLimits{}.maxMemoryBytes;
  const auto boundBy = [&budget](std::optional<std::size_t> limit, std::size_t held) {
    if (limit) {
      budget = std::min(budget, roomUnder(*limit, held));
    }
  };
  boundBy(machineMemory(), size.resident);
  boundBy(softLimit(RLIMIT_AS), size.addressSpace);
  boundBy(softLimit(RLIMIT_DATA), size.data);
  boundBy(controlGroupMemoryLimit(), size.resident);
  return std::max(budget, kLeastBudget);
}

}  // namespace vantoki
