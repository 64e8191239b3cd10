#include "input_file.h"

#include <sys/mman.h>
#include <unistd.h>

#include <cerrno>
#include <string>

#include "fuzz_target.h"
#include "io/file_error.h"

namespace vantoki {

InputFile::InputFile()
    : fd_(memfd_create("vantoki-fuzz-input", MFD_CLOEXEC)),
      path_("/proc/self/fd/" + std::to_string(fd_.get())) {
  if (!fd_.valid()) {
    failFuzzCheck("cannot create the input file: " + systemReason(errno));
  }
}

void InputFile::hold(const std::uint8_t* data, std::size_t size) {
  if (ftruncate(fd_.get(), 0) != 0) {
    failFuzzCheck("cannot empty the input file: " + systemReason(errno));
  }
  std::size_t written = 0;
  while (written < size) {
    const ssize_t put =
        pwrite(fd_.get(), data + written, size - written, static_cast<off_t>(written));
    if (put < 0 && errno == EINTR) {
      continue;
    }
    if (put <= 0) {
      failFuzzCheck("cannot write the input file: " + systemReason(errno));
    }
    written += static_cast<std::size_t>(put);
  }
}

}  // namespace vantoki
