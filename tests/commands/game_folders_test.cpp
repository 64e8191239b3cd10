// Where the game finds its shipped data in the three layouts it runs from, in real folders: a
// package (programs in PREFIX/games, data in PREFIX/share/games/vantoki), an installation under
// another prefix, and the build tree (data beside the program); and the player's own folder from
// the environment's values.
#include "commands/game_folders.h"

#include <gtest/gtest.h>

#include <ostream>

#include "io_test_files.h"

namespace vantoki {
namespace {

// Folders below a temporary folder; "" is the temporary folder itself.
struct Layout {
  const char* what;
  const char* programFolder;
  const char* dataMade;  // where the layout puts stagedata/
  const char* dataFound;
};

void PrintTo(const Layout& layout, std::ostream* out) {
  *out << layout.what;
}

class DataFolderTest : public ::testing::TestWithParam<Layout> {};

TEST_P(DataFolderTest, IsWhereTheLayoutPutTheStageSets) {
  const Layout& layout = GetParam();
  const TempDir dir;
  std::filesystem::create_directories(dir / layout.programFolder);
  std::filesystem::create_directories(dir / layout.dataMade / "stagedata");
  EXPECT_EQ(dataFolderFrom(dir / layout.programFolder, "../share/games/vantoki"),
            dir / layout.dataFound);
}

INSTANTIATE_TEST_SUITE_P(
    Table, DataFolderTest,
    ::testing::Values(Layout{"package", "usr/games", "usr/share/games/vantoki",
                             "usr/share/games/vantoki"},
                      Layout{"another prefix", "my games/games", "my games/share/games/vantoki",
                             "my games/share/games/vantoki"},
                      Layout{"build tree", "build/src/app", "build/src/app", "build/src/app"}));

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
