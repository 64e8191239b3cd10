#include "generate_outputs.h"

#include <unistd.h>

#include <cerrno>
#include <system_error>

#include "arguments.h"
#include "io/atomic_write.h"

namespace vantoki::cli {
namespace {

std::string cannotMakeFolder(const std::filesystem::path& folder, const std::error_code& error) {
  return folder.string() + ": cannot make the folder: " + error.message();
}

// Why the replays would not be written: the folder is one to write them in, or the nearest folder
// on the way to it that exists is one the user may make folders in. The stage set is written
// first, so it must not take the place of a folder still to be made.
std::optional<std::string> replaysFolderProblem(const std::filesystem::path& folder,
                                                const std::filesystem::path& stageSet, int stages) {
  // The nearest folder on the way that exists, the replays folder itself when it does.
  std::filesystem::path along = folder;
  std::error_code error;
  std::filesystem::file_status found = std::filesystem::status(along, error);
  while (found.type() == std::filesystem::file_type::not_found) {
    // Making the folders would stop at the link with "File exists", after the search.
    std::error_code unreadable;
    if (std::filesystem::is_symlink(std::filesystem::symlink_status(along, unreadable))) {
      return folder.string() + ": cannot make the folder: " + along.string() +
             " is a symbolic link that leads nowhere";
    }
    if (isSameFile(stageSet, along)) {
      return stageSet.string() + ": is where --replays makes its folder; write the stage set to " +
             "another file";
    }
    const std::filesystem::path up = along.has_parent_path() ? along.parent_path() : ".";
    if (up == along) {
      break;
    }
    along = up;
    found = std::filesystem::status(along, error);
  }
  if (!std::filesystem::is_directory(found)) {
    return cannotMakeFolder(folder,
                            error ? error : std::make_error_code(std::errc::not_a_directory));
  }
  if (along != folder) {
    if (access(along.c_str(), W_OK | X_OK) != 0) {
      return cannotMakeFolder(folder, std::error_code(errno, std::generic_category()));
    }
    return std::nullopt;
  }
  for (int place = 0; place < stages; ++place) {
    if (const std::optional<FileError> problem = checkWritable(replayPath(folder, place))) {
      return problem->message;
    }
  }
  return std::nullopt;
}

}  // namespace

std::filesystem::path replayPath(const std::filesystem::path& folder, int place) {
  const std::string number = std::to_string(place + 1);
  return folder / ("stage" + std::string(number.size() < 2 ? "0" : "") + number + ".vkrp");
}

std::optional<std::string> destinationProblem(const GenerateOutputs& outputs, int stages) {
  if (const std::optional<FileError> problem = checkWritable(outputs.stageSet)) {
    return problem->message;
  }
  if (!outputs.replaysFolder) {
    return std::nullopt;
  }
  const std::filesystem::path& folder = *outputs.replaysFolder;
  for (int place = 0; place < stages; ++place) {
    if (isSameFile(outputs.stageSet, replayPath(folder, place))) {
      return outputs.stageSet.string() + ": is where the replay of stage " +
             std::to_string(place + 1) + " is written; write the stage set to another file";
    }
    // Through links two replays could land in one file, the later destroying the earlier.
    for (int earlier = 0; earlier < place; ++earlier) {
      if (isSameFile(replayPath(folder, earlier), replayPath(folder, place))) {
        return replayPath(folder, earlier).string() + ": is where the replay of stage " +
               std::to_string(place + 1) + " is written too";
      }
    }
  }
  return replaysFolderProblem(folder, outputs.stageSet, stages);
}

std::optional<std::string> makeReplaysFolder(const std::filesystem::path& folder) {
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  if (error) {
    return cannotMakeFolder(folder, error);
  }
  return std::nullopt;
}

}  // namespace vantoki::cli
