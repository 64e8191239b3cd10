#include "web_shell.h"

#include <utility>

#include "commands/stage_data_commands.h"
#include "dialogs/stage_preview.h"
#include "layout/layout_table.h"
#include "page_changes.h"
#include "page_controls.h"
#include "platform/mouse_buttons.h"
#include "view/strip_shrink.h"

namespace vantoki {
namespace {

std::string_view mainWindow() {
  return mainWindowLayout().front().name;
}

// The game's bit of the browser's button number; none for a button the game has no use for.
int gameButtonOf(int browserButton) {
  constexpr int kBrowserButtons[] = {kLeftMouseButton, kMiddleMouseButton, kRightMouseButton};
  return browserButton >= 0 && browserButton < 3 ? kBrowserButtons[browserButton] : 0;
}

}  // namespace

WebShell::WebShell(PictureStrips strips)
    : strips_(std::move(strips)),
      miniStrip_(shrinkStripCells(strips_.sprites, kMiniCellPixels)),
      platform_(miniStrip_),
      game_(strips_, platform_) {
  game_.setScreenListener(
      [](const ControlChange& change) { applyPageChange(mainWindow(), change); });
  // As the window does when a dialog takes the keyboard from it.
  platform_.onKeyboardTaken([this] { game_.releaseDirectionKey(); });
}

void WebShell::start(const std::string& stageFile) {
  game_.startUp();
  game_.loadStageDataFrom(platform_.dataFolder() /
                          (stageFile.empty() ? std::string(kShippedStageFile) : stageFile));
}

void WebShell::tick() {
  platform_.runHandedOverCalls();
  game_.tick();
}

std::string_view WebShell::controlOf(const std::string& id) const {
  return controlOfElement(mainWindow(), id);
}

void WebShell::click(const std::string& id) {
  events_.click(controlOf(id));
}

void WebShell::pressPicture(const std::string& id, int browserButton, double x, double y) {
  events_.press(controlOf(id), gameButtonOf(browserButton), x, y);
}

void WebShell::dragOnPicture(const std::string& id, int browserButtons, double x, double y) {
  // The browser counts the buttons held as the game does: 1 the main one, 2 the other, 4 the
  // middle.
  events_.drag(controlOf(id), browserButtons, x, y);
}

void WebShell::releasePicture(const std::string& id) {
  events_.release(controlOf(id));
}

void WebShell::swipeOnPicture(const std::string& id, double dx, double dy) {
  events_.swipe(controlOf(id), dx, dy);
}

void WebShell::editText(const std::string& id, const std::string& text) {
  events_.editText(controlOf(id), text);
}

void WebShell::chooseItem(const std::string& id, int index) {
  events_.chooseItem(controlOf(id), index);
}

bool WebShell::keyDown(const std::string& key, bool autoRepeat, bool inNameBox) {
  return events_.key(commandForKeyText(key), true, autoRepeat, inNameBox);
}

bool WebShell::keyUp(const std::string& key, bool autoRepeat, bool inNameBox) {
  return events_.key(commandForKeyText(key), false, autoRepeat, inNameBox);
}

}  // namespace vantoki
