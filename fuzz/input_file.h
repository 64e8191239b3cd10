// A fuzz input as a file the readers open by path: a memory-backed regular file, rewritten for
// each input. It touches no disk and leaves nothing behind, and the readers take it as they take
// a saved file, since it is not a pipe or a device.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>

#include "io/unique_fd.h"

namespace vantoki {

class InputFile {
 public:
  InputFile();

  // The file holds exactly these bytes afterwards.
  void hold(const std::uint8_t* data, std::size_t size);

  // Each open of it starts reading at the first byte.
  const std::filesystem::path& path() const { return path_; }

 private:
  UniqueFd fd_;
  std::filesystem::path path_;
};

}  // namespace vantoki
