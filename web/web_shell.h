// The page's shell around the game model: it hands the page's events to the game by the object
// names of the controls (game/control_events.h) and applies every change the game publishes to
// the page's elements (page_changes.h). The page script only turns browser events into these
// calls and draws what it is told; no rule of the game, no file format and no control of the
// window is known to it.
#pragma once

#include <string>

#include "game/control_events.h"
#include "game/game.h"
#include "view/image24.h"
#include "view/picture_strips.h"
#include "web_platform.h"

namespace vantoki {

class WebShell {
 public:
  explicit WebShell(PictureStrips strips);
  WebShell(const WebShell&) = delete;
  WebShell& operator=(const WebShell&) = delete;

  // The window's start-up, and a stage data file to open on, from the program's files; an empty
  // path opens on the shipped stage set.
  void start(const std::string& stageFile);
  // One tick of the 50 ms timer, after the calls handed over since the last one.
  void tick();

  // The events of the main window's controls, by element id. A press names the browser's button
  // (0 the main one, 1 the middle, 2 the other), a drag the browser's buttons held; positions are
  // in the picture's own pixels.
  void click(const std::string& id);
  void pressPicture(const std::string& id, int browserButton, double x, double y);
  void dragOnPicture(const std::string& id, int browserButtons, double x, double y);
  void releasePicture(const std::string& id);
  // A finger slid (dx, dy) of the picture's own pixels since it came down on it.
  void swipeOnPicture(const std::string& id, double dx, double dy);
  void editText(const std::string& id, const std::string& text);
  void chooseItem(const std::string& id, int index);
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
  std::string_view controlOf(const std::string& id) const;

  PictureStrips strips_;
  Image24 miniStrip_;  // the stage operations previews' sprites
  WebPlatform platform_;
  Game game_;
  GameEvents events_{game_};
};

}  // namespace vantoki
