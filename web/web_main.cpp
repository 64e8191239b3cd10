// The page's bindings: what the page script may call. It hands over the pictures it decoded, then
// forwards its events to the shell, and lists folders for its open dialog as the window's file
// dialog does; it learns the facts of the game it needs (the main window's name, the tick, which
// folders to keep in the browser's storage and to put picked files in). Everything else comes back
// to it through the page's elements and the platform.
#include <emscripten/bind.h>
#include <emscripten/emscripten.h>
#include <emscripten/val.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "dialogs/folder_listing.h"
#include "game/game.h"
#include "layout/layout_table.h"
#include "page_arrangement.h"
#include "page_controls.h"
#include "view/image24.h"
#include "view/picture_strips.h"
#include "web_platform.h"
#include "web_shell.h"

namespace vantoki {
namespace {

// A picture the page decoded: four bytes a pixel, the alpha ignored.
Image24 imageFromRgba(const emscripten::val& rgba, int width, int height) {
  const std::vector<std::uint8_t> bytes =
      emscripten::convertJSArrayToNumberVector<std::uint8_t>(rgba);
  Image24 image(width, height);
  if (bytes.size() < static_cast<std::size_t>(width) * height * 4) {
    return image;
  }
  const std::uint8_t* in = bytes.data();
  for (int y = 0; y < height; ++y) {
    std::uint8_t* out = image.row(y);
    for (int x = 0; x < width; ++x, in += 4, out += 3) {
      out[0] = in[0];
      out[1] = in[1];
      out[2] = in[2];
    }
  }
  return image;
}

Image24 pictureOf(const emscripten::val& picture) {
  return imageFromRgba(picture["data"], picture["width"].as<int>(), picture["height"].as<int>());
}

// The pictures as {data, width, height}: sprites, spriteMask, bursts, burstMask.
std::unique_ptr<WebShell> makeShell(const emscripten::val& pictures) {
  return std::make_unique<WebShell>(
      PictureStrips{pictureOf(pictures["sprites"]), pictureOf(pictures["spriteMask"]),
                    pictureOf(pictures["bursts"]), pictureOf(pictures["burstMask"])});
}

// What the game's file dialog lists of `folder`; a folder that cannot be read lists what could be.
// The player's folder lists every file, so that whatever name a save kept is found again.
std::vector<FolderEntry> folderEntriesOf(const std::string& folder, const std::string& pattern) {
  const bool kept = folder == kPlayerFolder || folder.starts_with(std::string(kPlayerFolder) + "/");
  return kept ? listFolder(folder, "*", HiddenNames::Listed).entries
              : listFolder(folder, pattern).entries;
}

std::vector<PageControl> pageControlsOf(const std::string& window) {
  return pageControls(window);
}

std::string playerFolderOfPage() {
  return kPlayerFolder;
}

std::string pickedFolderOfPage() {
  return kPickedFolder;
}

std::string mainWindowName() {
  return std::string(mainWindowLayout().front().name);
}

int tickMilliseconds() {
  return kTickMilliseconds;
}

}  // namespace
}  // namespace vantoki

// The tick as a plain export, for the shell at `shell`: the page ticks also while the game's stack
// waits for a dialog, where a call through the bindings would take that wait for its own.
extern "C" EMSCRIPTEN_KEEPALIVE void tickShell(vantoki::WebShell* shell) {
  shell->tick();
}

// Asked as the page is left, which may be while a dialog holds the game's stack: through the
// bindings the answer would then be a promise, which the page would take for edits.
extern "C" EMSCRIPTEN_KEEPALIVE int shellHasUnsavedEdits(const vantoki::WebShell* shell) {
  return shell->hasUnsavedEdits() ? 1 : 0;
}

EMSCRIPTEN_BINDINGS(vantoki_page) {
  using namespace emscripten;
  using vantoki::FolderEntry;
  using vantoki::PageControl;
  using vantoki::WebShell;

  value_object<PageControl>("PageControl")
      .field("id", &PageControl::id)
      .field("parentId", &PageControl::parentId)
      .field("left", &PageControl::left)
      .field("top", &PageControl::top)
      .field("width", &PageControl::width)
      .field("height", &PageControl::height)
      .field("kind", &PageControl::kind)
      .field("caption", &PageControl::caption)
      .field("tooltip", &PageControl::tooltip)
      .field("hidden", &PageControl::hidden)
      .field("repeatsWhileHeld", &PageControl::repeatsWhileHeld)
      .field("textColor", &PageControl::textColor)
      .field("groundColor", &PageControl::groundColor)
      .field("align", &PageControl::align)
      .field("pointSize", &PageControl::pointSize)
      .field("bold", &PageControl::bold)
      .field("wraps", &PageControl::wraps)
      .field("labelledBy", &PageControl::labelledBy);
  register_vector<PageControl>("PageControls");
  function("pageControls", &vantoki::pageControlsOf);
  function("compactArrangement", &vantoki::compactArrangementForPage);

  value_object<FolderEntry>("FolderEntry")
      .field("name", &FolderEntry::name)
      .field("shown", &FolderEntry::shown)
      .field("isFolder", &FolderEntry::isFolder);
  register_vector<FolderEntry>("FolderEntries");
  function("listFolder", &vantoki::folderEntriesOf);
  function("playerFolder", &vantoki::playerFolderOfPage);
  function("pickedFolder", &vantoki::pickedFolderOfPage);
  function("mainWindow", &vantoki::mainWindowName);
  function("tickMilliseconds", &vantoki::tickMilliseconds);

  class_<WebShell>("WebShell")
      .constructor(&vantoki::makeShell)
      .function("start", &WebShell::start)
      .function("address", optional_override([](WebShell& shell) {
                  return reinterpret_cast<std::uintptr_t>(&shell);
                }))
      .function("click", &WebShell::click)
      .function("pressPicture", &WebShell::pressPicture)
      .function("dragOnPicture", &WebShell::dragOnPicture)
      .function("releasePicture", &WebShell::releasePicture)
      .function("swipeOnPicture", &WebShell::swipeOnPicture)
      .function("editText", &WebShell::editText)
      .function("chooseItem", &WebShell::chooseItem)
      .function("keyDown", &WebShell::keyDown)
      .function("keyUp", &WebShell::keyUp)
      .function("keyboardLost", &WebShell::keyboardLost);
}
