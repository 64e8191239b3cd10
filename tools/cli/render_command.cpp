// vantoki-cli render: a picture of a stage as the game shows it when the stage is selected,
// drawn by the game's own painter from the game's own picture strips. The picture is a PNG or a
// JPEG file as its name's extension asks, vantoki-picture-maker making either; a name asking for
// anything else is refused rather than given bytes of another format. The file is made in memory
// and saved through the one atomic writer, so a failed save leaves an older picture whole, and
// the output path keeps the bytes it was given.
#include <algorithm>
#include <array>
#include <cctype>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "arguments.h"
#include "commands.h"
#include "io/atomic_write.h"
#include "picture_maker.h"

namespace vantoki::cli {

namespace {

// The format's name as the picture maker takes it.
std::optional<std::string_view> pictureFormatOf(const std::filesystem::path& out) {
  std::string extension = out.extension().string();
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  constexpr std::array<std::pair<std::string_view, std::string_view>, 3> kExtensions = {
      {{".png", "PNG"}, {".jpg", "JPEG"}, {".jpeg", "JPEG"}}};
  for (const auto& [known, format] : kExtensions) {
    if (extension == known) {
      return format;
    }
  }
  return std::nullopt;
}

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
  const std::optional<std::string_view> format = pictureFormatOf(out);
  if (!format) {
    return failWith("PICTURE must be a .png, .jpg or .jpeg file, not \"" + arguments.out + "\"",
                    kExitUsage);
  }
  const std::optional<ChosenStage> chosen = chooseStage(arguments.stageFile, arguments.stage);
  if (!chosen) {
    return kExitFailure;
  }
  const MadePicture picture = makePicture(chosen->stageSet.stageCells[chosen->stage], *format);
  if (!picture.problem.empty()) {
    return failWith(out.string() + ": " + picture.problem);
  }
  if (const std::optional<FileError> problem = writeFileAtomically(out, picture.file)) {
    return failWith(problem->message);
  }
  return kExitOk;
}

}  // namespace

Command addRender(CLI::App& program) {
  CLI::App* const commandLine = program.add_subcommand(
      "render", "draw a stage as the game shows it, as a PNG or JPEG picture");
  const auto arguments = std::make_shared<RenderArguments>();
  commandLine->add_option("STAGEFILE", arguments->stageFile)->required();
  addStageArgument(*commandLine, arguments->stage);
  addOutputPathOption(*commandLine, "PICTURE", [&out = arguments->out](const std::string& path) {
    out = path;
  })->required();
  return {commandLine, [arguments] { return runRender(*arguments); }};
}

}  // namespace vantoki::cli
