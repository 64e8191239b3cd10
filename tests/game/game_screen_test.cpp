// What the main window shows, as the game publishes it to every shell: the changes of its
// controls, in order, from start-up on, through a clear, the editor and a playback. The board's
// own pictures, one or more a frame, are left out of the lists.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "board_fixture.h"
#include "fake_platform.h"
#include "game/control_events.h"
#include "game/game.h"
#include "io_test_files.h"
#include "strip_fixture.h"

namespace vantoki {
namespace {

using testing::c;
using testing::walledBoardWith;

// A change as a line: the control, then what it shows now.
std::string described(const ControlChange& change) {
  using enum ControlChange::What;
  std::string line = change.control + " ";
  switch (change.what) {
    case Shown:
      return line + (change.on ? "shown" : "hidden");
    case Covered:
      return line + (change.on ? "covered" : "uncovered");
    case Locked:
      return line + (change.on ? "locked" : "unlocked");
    case Checked:
      return line + (change.on ? "checked" : "unchecked");
    case Caption: {
      std::string text = change.text;
      std::replace(text.begin(), text.end(), '\n', '|');
      return line + "caption " + text;
    }
    case Selected:
      return line + "selected " + std::to_string(change.index);
    case Picture:
      return line + "picture";
    case Focus:
      return line + "focus";
  }
  return line;
}

// The controls the replay panel lies over, in the order of the layout table.
std::vector<std::string> column(const char* what) {
  std::vector<std::string> lines;
  for (const char* control : {"Command2", "Label4", "Text2", "Frame1", "Frame4", "Frame5",
                              "Command3", "Command9", "Command7"}) {
    lines.push_back(std::string(control) + " " + what);
  }
  return lines;
}

std::vector<std::string> joined(std::vector<std::vector<std::string>> parts) {
  std::vector<std::string> all;
  for (const auto& part : parts) {
    all.insert(all.end(), part.begin(), part.end());
  }
  return all;
}

TEST(GameScreenTest, EveryChangeOfTheWindowIsPublishedOnceInOrder) {
  const TempDir dir;
  const Board clearedByARightMove =
      walledBoardWith({{2, 13, c(Tile::Player)}, {3, 13, c(Tile::Bomb)}, {4, 13, c(Tile::Star)}});
  const auto tickUntilIdle = [](Game& game) {
    for (int ticks = 0; ticks < 1000 && (game.replayRunning() || game.play().moveInProgress());
         ++ticks) {
      game.tick();
    }
  };
  struct Case {
    const char* name;
    std::function<void(Game&, testing::FakePlatform&)> before;  // not listened to
    std::function<void(Game&, testing::FakePlatform&)> action;
    std::vector<std::string> published;
    int boardPictures;  // at least
  };
  const std::vector<Case> cases = {
      {"start-up",
       [](Game&, auto&) {},
       [](Game& game, auto&) { game.startUp(); },
       {"Picture4(0) picture",
        "Picture4(1) picture",
        "Picture4(2) picture",
        "Picture4(3) picture",
        "Combo1 caption 超速い|速い|標準|スムーズ|超スムーズ|",
        "Combo1 selected 2",
        "Text1 locked",
        "Text2 locked",
        "Option1(0) checked",
        "Option1(1) unchecked",
        "Option1(2) unchecked",
        "Option1(3) unchecked",
        "Option1(4) unchecked",
        "Option1(5) unchecked",
        "Option1(6) unchecked",
        "Option1(7) unchecked",
        "Option1(8) unchecked",
        "Option1(9) unchecked",
        "Text1 caption STAGE 1",
        "Text2 caption 初期データ",
        "Picture1 picture",
        "Picture2 picture",
        "Picture3 picture",
        "Picture2 picture",
        "Picture3 picture"},
       1},
      {"a clear",
       [&](Game& game, auto&) {
         StageSet stages = initialStageSet();
         stages.stageCells[0] = clearedByARightMove;
         game.installStageSet(stages);
       },
       [&](Game& game, auto&) {
         GameEvents(game).press("Picture4(2)", 1, 20, 20);
         tickUntilIdle(game);
       },
       {"Label5 caption 001", "Label3 caption 001", "Frame7 shown", "Picture4(1) covered",
        "Picture4(0) covered", "Picture4(2) covered", "Picture4(3) covered"},
       4},
      {"the editor",
       [](Game&, auto&) {},
       [](Game& game, auto&) { GameEvents(game).click("Command3"); },
       {"Command3 caption ゲームプレイ", "Frame5 shown", "Frame4 hidden", "Text1 unlocked",
        "Text2 unlocked", "Command9 shown"},
       1},
      {"a playback of one move",
       [&](Game& game, testing::FakePlatform& platform) {
         StageSet stages = initialStageSet();
         stages.stageCells[0] =
             walledBoardWith({{2, 13, c(Tile::Player)}, {13, 13, c(Tile::Star)}});
         game.installStageSet(stages);
         game.pressDirection(2);
         game.releaseDirection();
         tickUntilIdle(game);
         platform.files = {dir / "one.vkrp", dir / "one.vkrp"};
         game.saveReplay();
       },
       [&](Game& game, auto&) {
         GameEvents(game).click("Command6");
         tickUntilIdle(game);
       },
       joined({{"Label5 caption 000", "Label3 caption 000", "Frame6 shown"},
               column("covered"),
               {"Command8 focus", "Label5 caption 001", "Label3 caption 001", "Frame6 hidden"},
               column("uncovered"),
               {"Command6 focus"}}),
       4},
  };
  for (const Case& test : cases) {
    SCOPED_TRACE(test.name);
    testing::FakePlatform platform;
    Game game{testing::gameStrips(), platform};
    if (std::string(test.name) != "start-up") {
      game.startUp();
    }
    test.before(game, platform);
    std::vector<std::string> published;
    int boardPictures = 0;
    game.setScreenListener([&](const ControlChange& change) {
      if (change.control == "MapPic") {
        EXPECT_EQ(change.what, ControlChange::What::Picture);
        EXPECT_EQ(change.picture, &game.boardImage());
        ++boardPictures;
      } else {
        published.push_back(described(change));
      }
    });
    test.action(game, platform);
    EXPECT_EQ(published, test.published);
    EXPECT_GE(boardPictures, test.boardPictures);
  }
}

}  // namespace
}  // namespace vantoki
