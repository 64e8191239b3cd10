#include "page_changes.h"

#include <emscripten.h>

#include <cstdint>
#include <string>
#include <vector>

#include "page_controls.h"

namespace vantoki {
namespace {

// clang-format off: the bodies are JavaScript.
// `what` is the change's kind by name (whatName); `on`, `text` and `index` as the change has them.
EM_JS(void, pageApply, (const char* id, const char* what, int on, const char* text, int index),
      { Module.page.apply(UTF8ToString(id), UTF8ToString(what), on != 0, UTF8ToString(text), index); });
// The canvas copies the pixels at once, so the buffer may change right after.
EM_JS(void, pageShowPicture, (const char* id, const std::uint8_t* rgba, int width, int height), {
  Module.page.showPicture(UTF8ToString(id), HEAPU8.subarray(rgba, rgba + width * height * 4), width,
                          height);
});
// clang-format on

const char* whatName(ControlChange::What what) {
  using enum ControlChange::What;
  switch (what) {
    case Shown:
      return "shown";
    case Covered:
      return "covered";
    case Locked:
      return "locked";
    case Checked:
      return "checked";
    case Caption:
      return "caption";
    case Selected:
      return "selected";
    case Picture:
      return "picture";
    case Focus:
      return "focus";
  }
  return "";
}

void showPicture(const std::string& id, const Image24& picture) {
  // A picture not yet drawn (0 × 0) leaves the canvas as it is.
  if (picture.width() == 0 || picture.height() == 0) {
    return;
  }
  // A canvas takes four bytes a pixel.
  std::vector<std::uint8_t> rgba(static_cast<std::size_t>(picture.width()) * picture.height() * 4);
  std::uint8_t* out = rgba.data();
  for (int y = 0; y < picture.height(); ++y) {
    const std::uint8_t* in = picture.row(y);
    for (int x = 0; x < picture.width(); ++x, in += 3, out += 4) {
      out[0] = in[0];
      out[1] = in[1];
      out[2] = in[2];
      out[3] = 0xFF;
    }
  }
  pageShowPicture(id.c_str(), rgba.data(), picture.width(), picture.height());
}

}  // namespace

void applyPageChange(std::string_view window, const ControlChange& change) {
  const std::string id = elementId(window, change.control);
  if (change.what == ControlChange::What::Picture) {
    showPicture(id, *change.picture);
    return;
  }
  pageApply(id.c_str(), whatName(change.what), change.on ? 1 : 0, change.text.c_str(),
            change.index);
}

}  // namespace vantoki
