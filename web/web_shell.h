// The page's shell around the game model: what the page's events do to the game (one call each,
// as the window's handlers make them), and what the game's changes show in the page's elements.
// The page script only turns browser events into these calls and draws what it is told; no rule
// of the game and no file format is known to it.
#pragma once

#include <string>

#include "game/game.h"
#include "layout/command_table.h"
#include "view/image24.h"
#include "view/picture_strips.h"
#include "web_platform.h"

namespace vantoki {

class WebShell : private GameView {
 public:
  explicit WebShell(PictureStrips strips);
  WebShell(const WebShell&) = delete;
  WebShell& operator=(const WebShell&) = delete;

  // The window's start-up, and a stage data file to open on, from the program's files; an empty
  // path opens on the initial stage set.
  void start(const std::string& stageFile);
  // One tick of the 50 ms timer, after the calls handed over since the last one.
  void tick();

  // A click on a command button or a stage option, by element id.
  void click(const std::string& id);
  void selectSpeed(int speedIndex);
  // A press, a move with `buttons` held and a release on a picture (the board, the palette, a
  // direction button), in the picture's pixels. Buttons count as the game counts them.
  void pressPicture(const std::string& id, int button, double x, double y);
  void dragOnPicture(const std::string& id, int buttons, double x, double y);
  void releasePicture(const std::string& id);
  // The whole text of a name box after an edit.
  void editName(const std::string& id, const std::string& text);
  // A key in the portable text of the command table ("Left", "Ctrl+Z"). Returns whether the key
  // is the game's; one that is not goes on to the element with the focus.
  bool keyDown(const std::string& key, bool autoRepeat, bool inNameBox);
  bool keyUp(const std::string& key, bool autoRepeat, bool inNameBox);
  // The page lost the keyboard: a key released now never reaches it.
  void keyboardLost() { game_.releaseDirectionKey(); }

  // Whether leaving the page would lose edits to the stage set.
  bool hasUnsavedEdits() const { return game_.hasUnsavedEdits(); }

  const Game& game() const { return game_; }

 private:
  void boardPictureChanged() override;
  void turnLabelsChanged() override;
  void stageClearChanged() override;
  void stageChanged() override;
  void editorTilesChanged() override;
  void editModeChanged() override;
  void replayRunningChanged() override;

  PictureStrips strips_;
  Image24 miniStrip_;  // the stage operations previews' sprites
  WebPlatform platform_;
  Game game_;
};

}  // namespace vantoki
