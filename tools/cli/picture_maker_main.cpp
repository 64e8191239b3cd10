// vantoki-picture-maker: one board drawn as the game shows it, by the game's own painter from the
// game's own picture strips, written to standard output as a PNG or a JPEG file. vantoki-cli's
// render starts it and saves what it writes. It is a program of its own because Qt's image
// libraries take longer to load than most stages take to solve, and every other command of
// vantoki-cli would pay for them.
//
// Arguments: PNG or JPEG, then the board's 225 tile codes row by row, separated by commas, as
// pictureMakerArguments (picture_maker.h) writes them. Exit status 0 with the file on standard
// output; 1 with one line on standard error and nothing on standard output.
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string_view>

#include "core/board.h"
#include "view/board_painter.h"
#include "view/qimage_bridge.h"
#include "view/strip_loader.h"

namespace vantoki {
namespace {

std::optional<Board> boardFrom(std::string_view codes) {
  Board board;
  const char* next = codes.data();
  const char* const end = codes.data() + codes.size();
  for (TileCode& cell : board.cells()) {
    if (next != codes.data() && (next == end || *next++ != ',')) {
      return std::nullopt;
    }
    const std::from_chars_result read = std::from_chars(next, end, cell);
    if (read.ec != std::errc()) {
      return std::nullopt;
    }
    next = read.ptr;
  }
  return next == end ? std::optional(board) : std::nullopt;
}

std::optional<PictureFormat> formatFrom(std::string_view name) {
  if (name == "PNG") {
    return PictureFormat::Png;
  }
  if (name == "JPEG") {
    return PictureFormat::Jpeg;
  }
  return std::nullopt;
}

int fail(const char* message) {
  std::fprintf(stderr, "vantoki-picture-maker: %s\n", message);
  return 1;
}

}  // namespace
}  // namespace vantoki

int main(int argc, char** argv) {
  using namespace vantoki;
  const std::optional<PictureFormat> format = argc == 3 ? formatFrom(argv[1]) : std::nullopt;
  const std::optional<Board> board = argc == 3 ? boardFrom(argv[2]) : std::nullopt;
  if (!format || !board) {
    return fail("usage: vantoki-picture-maker PNG|JPEG CODES (225 tile codes, comma-separated)");
  }
  Image24 image(kBoardPixels, kBoardPixels);
  const PictureStrips strips = loadPictureStrips();
  BoardPainter(strips, image).drawStage(*board);
  const std::optional<QByteArray> picture = encodePicture(image, *format);
  if (!picture) {
    return fail(format == PictureFormat::Png ? "cannot encode the picture as PNG"
                                             : "cannot encode the picture as JPEG");
  }
  const std::size_t size = static_cast<std::size_t>(picture->size());
  if (std::fwrite(picture->constData(), 1, size, stdout) != size || std::fflush(stdout) != 0) {
    return fail("cannot write the picture to standard output");
  }
  return 0;
}
