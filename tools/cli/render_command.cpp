// vantoki-cli render: a picture of a stage as the game shows it when the stage is selected,
// drawn by the game's own painter from the game's own picture strips. The PNG is made in memory
// and saved through the one atomic writer, so a failed save leaves an older picture whole, and
// the output path keeps the bytes it was given.
#include <QByteArray>

#include <filesystem>
#include <optional>
#include <string_view>

#include "arguments.h"
#include "commands.h"
#include "io/atomic_write.h"
#include "view/board_painter.h"
#include "view/qimage_bridge.h"
#include "view/strip_loader.h"

namespace vantoki::cli {

int runRender(std::span<const std::string_view> arguments) {
  if (arguments.size() != 3) {
    return kExitUsage;
  }
  const std::filesystem::path out(arguments[2]);
  if (isTheStageFile(out, arguments[0])) {
    return kExitFailure;
  }
  const std::optional<ChosenStage> chosen = chooseStage(arguments[0], arguments[1]);
  if (!chosen) {
    return kExitFailure;
  }
  const PictureStrips strips = loadPictureStrips();
  Image24 image(kBoardPixels, kBoardPixels);
  BoardPainter(strips, image).drawStage(chosen->stageSet.stageCells[chosen->stage]);
  const std::optional<QByteArray> png = encodePng(image);
  if (!png) {
    return failWith(out.string() + ": cannot encode the picture as PNG");
  }
  if (const std::optional<FileError> problem =
          writeFileAtomically(out, std::string_view(png->constData(), png->size()))) {
    return failWith(problem->message);
  }
  return kExitOk;
}

}  // namespace vantoki::cli
