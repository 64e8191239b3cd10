// The controls' events as every shell hands them to the game, by object name: what a click runs,
// what each mouse button does on a picture, what a name box renames, which keys the game uses up
// and which go on to the focused control. What edit mode shows is the window test's, through the
// real widgets.
#include "game/control_events.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "board_fixture.h"
#include "fake_platform.h"
#include "io_test_files.h"
#include "platform/mouse_buttons.h"
#include "strip_fixture.h"

namespace vantoki {
namespace {

using testing::c;
using testing::walledBoardWith;

class ControlEventsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    game.startUp();
    StageSet set = initialStageSet();
    set.stageCells[0] = walledBoardWith({{7, 13, c(Tile::Player)}, {12, 13, c(Tile::Star)}});
    game.installStageSet(set);
  }

  void finishTheMove() {
    while (game.play().moveInProgress()) {
      game.tick();
    }
  }

  testing::FakePlatform platform;
  Game game{testing::gameStrips(), platform};
  GameEvents events{game};
};

TEST_F(ControlEventsTest, ClickRunsTheCommandOfItsControl) {
  struct Case {
    std::string control;
    std::function<bool(const Game&, const testing::FakePlatform&)> ran;
  };
  const std::vector<Case> cases = {
      {"Option1(6)", [](const Game& game, auto&) { return game.currentStage() == 6; }},
      {"Command3", [](const Game& game, auto&) { return game.editMode(); }},
      {"Command7",
       [](auto&, const testing::FakePlatform& shown) { return shown.aboutBoxesShown == 1; }}};
  for (const Case& click : cases) {
    SCOPED_TRACE(click.control);
    testing::FakePlatform clickPlatform;
    Game clicked{testing::gameStrips(), clickPlatform};
    clicked.startUp();
    GameEvents(clicked).click(click.control);
    EXPECT_TRUE(click.ran(clicked, clickPlatform));
  }

  // A direction button moves when pressed, not when clicked; a label runs nothing.
  for (const std::string_view idle : {"Picture4(2)", "Label7", "Frame4", ""}) {
    events.click(idle);
  }
  EXPECT_FALSE(game.play().moveInProgress());
  EXPECT_EQ(game.currentStage(), 0);
  EXPECT_FALSE(game.editMode());
}

TEST_F(ControlEventsTest, DirectionMovesWithTheLeftButtonAndAnyOtherOnlyHolds) {
  for (const int button : {kRightMouseButton, kMiddleMouseButton}) {
    events.press("Picture4(2)", button, 20, 20);
    EXPECT_FALSE(game.play().moveInProgress());
    EXPECT_EQ(game.play().heldButton(), 3);
    events.release("Picture4(2)");
    EXPECT_EQ(game.play().heldButton(), 0);
  }
  events.press("Picture4(2)", kLeftMouseButton, 20, 20);
  EXPECT_TRUE(game.play().moveInProgress());
  events.release("MapPic");
  EXPECT_EQ(game.play().heldButton(), 3) << "a release elsewhere lets go of nothing";
  events.release("Picture4(2)");
  EXPECT_EQ(game.play().heldButton(), 0);
}

// The longer way of a swipe is its direction, across when both are as long; held until the
// finger lifts from the board, and only from the board.
TEST_F(ControlEventsTest, ASwipeOnTheBoardPressesTheDirectionOfItsWayUntilTheFingerLifts) {
  struct Case {
    double dx;
    double dy;
    int heldButton;  // the direction + 1; 0 for none
  };
  for (const Case swipe : {Case{-90, 30, 1}, {20, -21, 2}, {40, 40, 3}, {-3, 80, 4}, {0, 0, 0}}) {
    SCOPED_TRACE(::testing::Message() << swipe.dx << ", " << swipe.dy);
    events.swipe("MapPic", swipe.dx, swipe.dy);
    EXPECT_EQ(game.play().moveInProgress(), swipe.heldButton != 0);
    EXPECT_EQ(game.play().heldButton(), swipe.heldButton);
    events.release("Picture4(0)");
    events.release("MapPic");
    EXPECT_EQ(game.play().heldButton(), 0);
    finishTheMove();
  }
  events.swipe("Picture1", 60, 0);
  events.swipe("Picture4(2)", 60, 0);
  EXPECT_FALSE(game.play().moveInProgress()) << "a swipe elsewhere moves nothing";
}

TEST_F(ControlEventsTest, InTheEditorThePalettePicksTheBoardPaintsAndTheNameBoxesRename) {
  events.click("Command3");
  events.press("Picture1", kLeftMouseButton, 121, 41);
  events.press("MapPic", kLeftMouseButton, 3 * 40 + 1, 4 * 40 + 39);
  events.drag("MapPic", kLeftMouseButton, 5 * 40 + 1, 4 * 40 + 1);
  events.drag("Picture1", kLeftMouseButton, 6 * 40 + 1, 4 * 40 + 1);
  const Board& stage = game.stageSet().stageCells[0];
  EXPECT_EQ(stage.at(3, 4), c(Tile::Bomb));
  EXPECT_EQ(stage.at(5, 4), c(Tile::Bomb));
  EXPECT_EQ(stage.at(6, 4), c(Tile::Empty));

  events.editText("Text1", "部屋");
  events.editText("Text2", "集");
  events.editText("Label1", "x");
  EXPECT_EQ(game.stageSet().stageNames[0], "部屋");
  EXPECT_EQ(game.stageSet().dataSetName, "集");
}

// Saves a replay of one move to the right as `replay`, and plays it back from the start of the
// stage at the slowest speed; the playback's messages are let go.
void playBackAMove(Game& game, testing::FakePlatform& platform,
                   const std::filesystem::path& replay) {
  game.pressDirection(2);
  game.releaseDirection();
  while (game.play().moveInProgress()) {
    game.tick();
  }
  platform.files = {replay, replay};
  game.saveReplay();
  game.selectSpeed(4);
  game.selectStage(0);
  game.startReplay();
  ASSERT_TRUE(game.replayRunning());
  platform.messages.clear();
}

// Whatever a player does to a control that is hidden or under a panel does nothing, whichever
// shell let it through: a stage option pressed by the keyboard during a playback, the editor's
// buttons in play, the play panel's in the editor, the direction buttons under the clear panel.
TEST(ControlEventsReachTest, EventsOutOfReachDoNothing) {
  const TempDir dir;
  struct Case {
    const char* name;
    std::function<void(Game&, testing::FakePlatform&)> enter;
    std::function<void(GameEvents&)> event;
    bool reached;
  };
  const auto playing = [&](Game& game, testing::FakePlatform& platform) {
    playBackAMove(game, platform, dir / "one.vkrp");
  };
  const auto editing = [](Game& game, auto&) { game.toggleEditor(); };
  const auto inPlay = [](Game&, auto&) {};
  const auto cleared = [](Game& game, auto&) {
    StageSet set = initialStageSet();
    set.stageCells[0] = walledBoardWith({{7, 13, c(Tile::Player)}});
    game.installStageSet(set);
    game.pressDirection(2);
    game.releaseDirection();
    while (game.play().moveInProgress()) {
      game.tick();
    }
  };
  const std::vector<Case> cases = {
      {"stage option during a playback", playing, [](auto& events) { events.click("Option1(3)"); },
       false},
      {"load during a playback", playing, [](auto& events) { events.click("Command2"); }, false},
      {"About box during a playback", playing, [](auto& events) { events.click("Command7"); },
       false},
      {"speed during a playback", playing, [](auto& events) { events.chooseItem("Combo1", 0); },
       false},
      {"save stage data in play", inPlay, [](auto& events) { events.click("Command1"); }, false},
      {"stage operations in play", inPlay, [](auto& events) { events.click("Command9"); }, false},
      {"palette in play", inPlay, [](auto& events) { events.press("Picture1", 2, 181, 61); },
       false},
      {"stage name in play", inPlay, [](auto& events) { events.editText("Text1", "x"); }, false},
      {"stage name in the editor", editing, [](auto& events) { events.editText("Text1", "x"); },
       true},
      {"replay save in the editor", editing, [](auto& events) { events.click("Command4"); }, false},
      {"speed in the editor", editing, [](auto& events) { events.chooseItem("Combo1", 0); }, false},
      {"speed in play", inPlay, [](auto& events) { events.chooseItem("Combo1", 0); }, true},
      {"direction under the clear panel", cleared,
       [](auto& events) { events.press("Picture4(0)", 1, 20, 20); }, false},
      {"history under the clear panel", cleared, [](auto& events) { events.click("Command5(0)"); },
       true},
      {"swipe in play", inPlay, [](auto& events) { events.swipe("MapPic", 60, 0); }, true},
      {"swipe in the editor", editing, [](auto& events) { events.swipe("MapPic", 60, 0); }, false},
      {"swipe under the clear panel", cleared, [](auto& events) { events.swipe("MapPic", 0, 60); },
       false},
      {"swipe during a playback", playing, [](auto& events) { events.swipe("MapPic", 60, 0); },
       false},
  };
  for (const Case& test : cases) {
    SCOPED_TRACE(test.name);
    testing::FakePlatform platform;
    Game game{testing::gameStrips(), platform};
    game.startUp();
    test.enter(game, platform);
    const StageSet stageSet = game.stageSet();
    const int animStep = game.animStep();
    const int stage = game.currentStage();
    const int turn = game.play().currentTurn();
    const int lastTurn = game.play().lastTurn();
    const std::size_t messages = platform.messages.size();
    const std::size_t dialogs = platform.dialogFilters.size();
    const bool running = game.replayRunning();
    const int rightTile = game.rightTile();
    const bool moving = game.play().moveInProgress();
    GameEvents events(game);
    test.event(events);
    const bool reached = game.stageSet() != stageSet || game.animStep() != animStep ||
                         game.currentStage() != stage || game.play().currentTurn() != turn ||
                         game.play().lastTurn() != lastTurn ||
                         platform.messages.size() != messages ||
                         platform.dialogFilters.size() != dialogs || platform.aboutBoxesShown > 0 ||
                         platform.stageSetsOperatedOn.size() > 0 || game.rightTile() != rightTile ||
                         game.play().moveInProgress() != moving || game.play().heldButton() != 0 ||
                         (running && !game.replayRunning());
    EXPECT_EQ(reached, test.reached);
  }
}

// A command's key in reach is the game's wherever the focus is; out of reach it is used up and
// does nothing, except in a name box, which keeps it to edit with; any other key goes on.
TEST(ControlEventsKeyTest, KeysAreUsedUpOrGoOnToTheFocusedControl) {
  const TempDir dir;
  struct Case {
    const char* state;
    std::function<void(Game&, testing::FakePlatform&)> enter;
    const char* key;
    bool autoRepeat;
    bool inNameBox;
    bool usedUp;
    bool moves;
    bool holds;  // the key is held, and repeats the move until it is released
  };
  const auto none = [](Game&, auto&) {};
  const auto moving = [](Game& game, auto&) { game.pressDirection(0); };
  const auto editing = [](Game& game, auto&) { game.toggleEditor(); };
  // Its own move under way, which a key would otherwise make its own.
  const auto playingBack = [&](Game& game, testing::FakePlatform& platform) {
    playBackAMove(game, platform, dir / "one.vkrp");
  };
  const std::vector<Case> cases = {
      {"arrow in reach", none, "Right", false, false, true, true, true},
      {"arrow in reach, locked name box", none, "Right", false, true, true, true, true},
      {"keyboard's own repeat", none, "Right", true, false, true, false, false},
      {"history during a move", moving, "Home", false, false, true, true, false},
      {"history during a move, name box", moving, "Home", false, true, false, true, false},
      {"arrow in the editor", editing, "Left", false, false, true, false, false},
      {"arrow in the editor, name box", editing, "Left", false, true, false, false, false},
      {"hint in the editor, name box", editing, "H", false, true, false, false, false},
      {"arrow during a playback", playingBack, "Left", false, false, true, true, false},
      {"history during a playback", playingBack, "Home", false, false, true, true, false},
      {"no command's key", none, "Q", false, false, false, false, false},
  };
  for (const Case& key : cases) {
    SCOPED_TRACE(key.state);
    testing::FakePlatform platform;
    Game game{testing::gameStrips(), platform};
    game.startUp();
    StageSet set = initialStageSet();
    set.stageCells[0] = walledBoardWith({{7, 13, c(Tile::Player)}, {12, 13, c(Tile::Star)}});
    game.installStageSet(set);
    key.enter(game, platform);
    EXPECT_EQ(GameEvents(game).key(commandForKeyText(key.key), true, key.autoRepeat, key.inNameBox),
              key.usedUp);
    EXPECT_EQ(game.play().moveInProgress(), key.moves);
    EXPECT_EQ(game.directionKeyHeld(), key.holds);
    EXPECT_EQ(game.play().currentTurn(), 0);
    EXPECT_TRUE(platform.messages.empty());
  }
}

}  // namespace
}  // namespace vantoki
