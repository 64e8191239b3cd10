#include "page_elements.h"

#include <emscripten.h>

#include <cstdint>
#include <vector>

namespace vantoki {
namespace {

// clang-format off: the bodies are JavaScript.
EM_JS(void, pageSetText, (const char* id, const char* text),
      { Module.page.setText(UTF8ToString(id), UTF8ToString(text)); });
EM_JS(void, pageSetChecked, (const char* id, int checked),
      { Module.page.setChecked(UTF8ToString(id), checked != 0); });
EM_JS(void, pageSetVisible, (const char* id, int visible),
      { Module.page.setVisible(UTF8ToString(id), visible != 0); });
EM_JS(void, pageSetLocked, (const char* id, int locked),
      { Module.page.setLocked(UTF8ToString(id), locked != 0); });
EM_JS(void, pageSetValue, (const char* id, int value),
      { Module.page.setValue(UTF8ToString(id), value); });
// The canvas copies the pixels at once, so the buffer may change right after.
EM_JS(void, pageShowPicture, (const char* id, const std::uint8_t* rgba, int width, int height), {
  Module.page.showPicture(UTF8ToString(id), HEAPU8.subarray(rgba, rgba + width * height * 4), width,
                          height);
});
// clang-format on

}  // namespace

void setElementText(const std::string& id, const std::string& text) {
  pageSetText(id.c_str(), text.c_str());
}

void setElementChecked(const std::string& id, bool checked) {
  pageSetChecked(id.c_str(), checked ? 1 : 0);
}

void setElementVisible(const std::string& id, bool visible) {
  pageSetVisible(id.c_str(), visible ? 1 : 0);
}

void setElementLocked(const std::string& id, bool locked) {
  pageSetLocked(id.c_str(), locked ? 1 : 0);
}

void setElementValue(const std::string& id, int value) {
  pageSetValue(id.c_str(), value);
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

}  // namespace vantoki
