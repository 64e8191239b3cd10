// Sole owner of a POSIX file descriptor: closes it when it goes out of scope, so every path out
// of a file operation leaves no descriptor open. -1 means "owns nothing".
#pragma once

#include <unistd.h>

#include <utility>

namespace vantoki {

class UniqueFd {
 public:
  explicit UniqueFd(int fd) : fd_(fd) {}
  UniqueFd(UniqueFd&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
  UniqueFd(const UniqueFd&) = delete;
  UniqueFd& operator=(const UniqueFd&) = delete;
  UniqueFd& operator=(UniqueFd&&) = delete;
  ~UniqueFd() {
    if (fd_ >= 0) {
      ::close(fd_);
    }
  }

  int get() const { return fd_; }
  bool valid() const { return fd_ >= 0; }

  // Closes now and reports whether the close succeeded: for a file just written, a failing close
  // can be the first sign that the data did not reach the disk.
  bool close() { return ::close(std::exchange(fd_, -1)) == 0; }

 private:
  int fd_ = -1;
};

}  // namespace vantoki
