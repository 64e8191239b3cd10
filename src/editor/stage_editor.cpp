#include "editor/stage_editor.h"

#include <cmath>

#include "editor/palette.h"
#include "platform/mouse_buttons.h"

namespace vantoki {
namespace {

// The inner cell under a board position; the border ring and anything beyond the board are no
// cell to paint. Tested on the position itself, so no position, however odd, is converted out of
// range.
std::optional<int> innerCellAt(double position) {
  if (!(position >= kCellPixels && position < (kBoardSize - 1) * kCellPixels)) {
    return std::nullopt;
  }
  return static_cast<int>(std::floor(position / kCellPixels));
}

}  // namespace

StageEditor::StageEditor(const PictureStrips& strips)
    : strips_(strips), palettePicture_(drawPalette(strips)) {}

bool StageEditor::pickPaletteTile(int button, double x, double y) {
  if (button != kLeftMouseButton && button != kRightMouseButton) {
    return false;
  }
  const std::optional<int> paletteCode = paletteCodeAt(x, y);
  if (!paletteCode) {
    return false;
  }
  const bool left = button == kLeftMouseButton;
  (left ? leftTile_ : rightTile_) = *paletteCode;
  (left ? leftTilePicture_ : rightTilePicture_) = drawPaletteTile(strips_, *paletteCode);
  return true;
}

std::optional<PaintedCell> StageEditor::paintAt(int buttons, double x, double y) const {
  if (!editMode_) {
    return std::nullopt;
  }
  const std::optional<int> cx = innerCellAt(x);
  const std::optional<int> cy = innerCellAt(y);
  if (!cx || !cy || (buttons != kLeftMouseButton && buttons != kRightMouseButton)) {
    return std::nullopt;
  }
  const int paletteCode = buttons == kLeftMouseButton ? leftTile_ : rightTile_;
  return PaintedCell{*cx, *cy, paletteStoredCode(paletteCode), paletteCode};
}

}  // namespace vantoki
