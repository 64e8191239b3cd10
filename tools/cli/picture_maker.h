// The picture of a board, made by vantoki-picture-maker in a process of its own so that
// vantoki-cli itself never loads Qt's image libraries. The maker is looked for where an
// installation puts it, the path VANTOKI_PICTURE_MAKER_FROM_PROGRAM away from vantoki-cli's own
// folder, then beside vantoki-cli as in the build tree.
#pragma once

#include <string>
#include <string_view>

#include "core/board.h"

namespace vantoki::cli {

struct MadePicture {
  std::string file;     // the picture file's bytes, when made
  std::string problem;  // why no picture was made; empty when one was
};

// `format` is "PNG" or "JPEG". The maker's own message, when it fails, has already gone to
// standard error; `problem` then says that the maker failed.
MadePicture makePicture(const Board& board, std::string_view format);

}  // namespace vantoki::cli
