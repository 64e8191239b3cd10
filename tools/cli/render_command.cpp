// vantoki-cli render: a picture of a stage as the game shows it when the stage is selected,
// drawn by the game's own painter from the game's own picture strips.
#include "arguments.h"
#include "commands.h"
#include "view/board_painter.h"
#include "view/qimage_bridge.h"
#include "view/strip_loader.h"

namespace vantoki::cli {

int runRender(std::span<const std::string_view> arguments) {
  if (arguments.size() != 3) {
    return kExitUsage;
  }
  const std::optional<ChosenStage> chosen = chooseStage(arguments[0], arguments[1]);
  if (!chosen) {
    return kExitFailure;
  }
  const PictureStrips strips = loadPictureStrips();
  Image24 image(kBoardPixels, kBoardPixels);
  BoardPainter(strips, image).drawStage(chosen->stageSet.stageCells[chosen->stage]);
  const std::string out(arguments[2]);
  if (!toQImage(image).save(QString::fromStdString(out), "PNG")) {
    return failWith(out + ": cannot write the picture");
  }
  return kExitOk;
}

}  // namespace vantoki::cli
