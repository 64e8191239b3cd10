#include "help/help_pictures.h"

#include <algorithm>
#include <cstdio>

#include "core/direction.h"
#include "core/text_board.h"
#include "editor/palette.h"
#include "help/help_scene.h"
#include "view/board_painter.h"
#include "view/qimage_bridge.h"
#include "view/strip_loader.h"

namespace vantoki {
namespace {

constexpr int kLargeBurst = 1;

// A step of ups stands for moves in which the robot waits: a standing robot pressing up only
// kicks a ball right above it, which only the kick-up scene has.
const std::vector<HelpScene> kScenes = {
    {"floor", {"."}, {}},
    {"wall", {"#"}, {}},
    {"ladder", {"H"}, {}},
    {"player", {"P"}, {}},
    {"player-on-ladder", {"Q"}, {}},
    {"bomb", {"B"}, {}},
    {"star", {"*"}, {}},
    {"ball", {"o"}, {}},
    {"explosion", {"X"}, {}},
    // As the editor places them, then after one move, when their countdowns show.
    {"arrow-blocks", {"<^>v"}, {"1"}},
    {"walk", {"#####", "#P..#", "#####"}, {"2"}},
    {"fall", {"######", "#P...#", "##...#", "##...#", "######"}, {"2", "11"}},
    {"ladder-climb", {"#####", "#.H.#", "#PH##", "#####"}, {"2", "1", "2"}},
    {"push", {"######", "#PB..#", "######"}, {"2", "2"}},
    {"push-into-star", {"######", "#PB*.#", "######"}, {"2"}},
    {"drop-onto-star", {"#####", "#.B.#", "#...#", "#.*.#", "#####"}, {"1", "1"}},
    {"push-from-ladder", {"#####", "#...#", "#.B.#", "#.Q.#", "#.H.#", "#####"}, {"1"}},
    {"kick", {"#######", "#Po...#", "#######"}, {"2", "11111111111111", "1"}},
    {"kick-up", {"#####", "#...#", "#...#", "#.o.#", "#.P.#", "#####"}, {"1"}},
    {"arrow-push", {"######", "#.P<.#", "######"}, {"111111111111111", "1"}},
};

Image24 drawSceneBoard(const PictureStrips& strips, const Board& board, int columns, int rows) {
  Image24 boardImage(kBoardPixels, kBoardPixels);
  BoardPainter painter(strips, boardImage);
  painter.redrawBoard(board);
  // A burst is drawn by the animation, not by the cell rule; the pictures show its large frame.
  for (int y = 0; y < rows; ++y) {
    for (int x = 0; x < columns; ++x) {
      if (board.at(x, y) == code(Tile::Explosion)) {
        painter.drawExplosion(x, y, kLargeBurst);
      }
    }
  }
  Image24 picture(columns * kCellPixels, rows * kCellPixels);
  transferBlock(picture, 0, 0, boardImage, {0, 0, picture.width(), picture.height()},
                RasterOp::Copy);
  return picture;
}

// The four direction buttons show the arrow cells of the sprite strip, left, up, right, down.
Image24 drawDirectionButtons(const PictureStrips& strips) {
  Image24 picture(kDirectionCount * kCellPixels, kCellPixels);
  for (int direction = 0; direction < kDirectionCount; ++direction) {
    transferBlock(picture, direction * kCellPixels, 0, strips.sprites,
                  {(kFirstArrowPicture + direction) * kCellPixels, 0, kCellPixels, kCellPixels},
                  RasterOp::Copy);
  }
  return picture;
}

}  // namespace

std::optional<std::map<QString, QByteArray>> drawHelpPictures() {
  const PictureStrips strips = loadPictureStrips();
  std::map<QString, QByteArray> pictures;
  bool encoded = true;
  const auto keep = [&pictures, &encoded](const QString& name, const Image24& picture) {
    if (const std::optional<QByteArray> png = encodePicture(picture, PictureFormat::Png)) {
      pictures[name] = *png;
    } else {
      std::fprintf(stderr, "help picture %s cannot be encoded as PNG\n", qPrintable(name));
      encoded = false;
    }
  };
  for (const HelpScene& scene : kScenes) {
    const std::optional<Board> start = boardFromText(scene.rows);
    const QString name = QString::fromUtf8(scene.name.data(), scene.name.size());
    if (!start) {
      std::fprintf(stderr, "help scene %s is not a board\n", qPrintable(name));
      return std::nullopt;
    }
    const auto widest = std::max_element(
        scene.rows.begin(), scene.rows.end(),
        [](std::string_view a, std::string_view b) { return a.size() < b.size(); });
    const int columns = static_cast<int>(widest->size());
    const int rows = static_cast<int>(scene.rows.size());
    const std::vector<Board> shown = playScene(*start, scene.steps);
    for (std::size_t index = 0; index < shown.size(); ++index) {
      const QString pictureName = scene.steps.empty() ? name : name + "-" + QString::number(index);
      keep(pictureName, drawSceneBoard(strips, shown[index], columns, rows));
    }
  }
  keep("palette", drawPalette(strips));
  keep("direction-buttons", drawDirectionButtons(strips));
  return encoded ? std::optional(std::move(pictures)) : std::nullopt;
}

}  // namespace vantoki
