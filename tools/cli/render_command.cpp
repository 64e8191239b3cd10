// vantoki-cli render: a picture of a stage as the game shows it when the stage is selected,
// drawn by the game's own painter from the game's own picture strips. The PNG is made in memory
// and saved through the one atomic writer, so a failed save leaves an older picture whole, and
// the output path keeps the bytes it was given.
#include <QByteArray>

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "arguments.h"
#include "commands.h"
#include "io/atomic_write.h"
#include "view/board_painter.h"
#include "view/qimage_bridge.h"
#include "view/strip_loader.h"

namespace vantoki::cli {

namespace {

struct RenderArguments {
  std::string stageFile;
  int stage = 0;
  std::string out;
};

int runRender(const RenderArguments& arguments) {
  const std::filesystem::path out(arguments.out);
  if (isTheStageFile(out, arguments.stageFile)) {
    return kExitFailure;
  }
  const std::optional<ChosenStage> chosen = chooseStage(arguments.stageFile, arguments.stage);
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

}  // namespace

Command addRender(CLI::App& program) {
  CLI::App* const commandLine = program.add_subcommand("render");
  const auto arguments = std::make_shared<RenderArguments>();
  commandLine->add_option("STAGEFILE", arguments->stageFile)->required();
  addStageArgument(*commandLine, arguments->stage);
  addOutputPathOption(*commandLine, "OUT.png", [&out = arguments->out](const std::string& path) {
    out = path;
  })->required();
  return {commandLine, [arguments] { return runRender(*arguments); }};
}

}  // namespace vantoki::cli
