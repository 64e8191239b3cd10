// Where the game finds its shipped data in the three layouts it runs from, in real folders, and
// the player's own folder from the environment's values.
#include "commands/game_folders.h"

#include <gtest/gtest.h>

#include "io_test_files.h"

namespace vantoki {
namespace {

TEST(DataFolderTest, IsWhereTheLayoutPutTheStageSets) {
  struct Layout {
    const char* programs;
    const char* data;
  };
  // A package, an installation under another prefix, and the build tree.
  for (const Layout& layout : {Layout{"usr/games", "usr/share/games/vantoki"},
                               Layout{"my games/games", "my games/share/games/vantoki"},
                               Layout{"build/src/app", "build/src/app"}}) {
    const TempDir dir;
    std::filesystem::create_directories(dir / layout.programs);
    std::filesystem::create_directories(dir / layout.data / "stagedata");
    EXPECT_EQ(dataFolderFrom(dir / layout.programs, "../share/games/vantoki"), dir / layout.data)
        << layout.programs;
  }
}

TEST(PlayerFolderTest, IsInTheDataHomeOrElseBelowHome) {
  struct Case {
    const char* xdgDataHome;
    const char* home;
    const char* folder;
  };
  for (const Case& environment : {
           Case{"/data home", "/home/p", "/data home/vantoki"},
           Case{nullptr, "/home/p", "/home/p/.local/share/vantoki"},
           Case{"", "/home/p", "/home/p/.local/share/vantoki"},
           Case{"data", "/home/p", "/home/p/.local/share/vantoki"},
           Case{nullptr, "home/p", ""},
           Case{nullptr, nullptr, ""},
       }) {
    EXPECT_EQ(playerFolderFrom(environment.xdgDataHome, environment.home),
              std::filesystem::path(environment.folder))
        << (environment.xdgDataHome ? environment.xdgDataHome : "(unset)") << ", "
        << (environment.home ? environment.home : "(unset)");
  }
}

}  // namespace
}  // namespace vantoki
