#include "view/strip_loader.h"

#include "view/qimage_bridge.h"
#include "view/strip_shrink.h"

namespace vantoki {

PictureStrips loadPictureStrips() {
  return {toImage24(QImage(":/assets/chara.png")), toImage24(QImage(":/assets/mask.png")),
          toImage24(QImage(":/assets/bomb1.png")), toImage24(QImage(":/assets/bomb2.png"))};
}

Image24 loadScaledSpriteStrip(int cellPixels) {
  return shrinkStripCells(toImage24(QImage(":/assets/chara.png")), cellPixels);
}

QImage loadWindowIcon() {
  return QImage(":/assets/icon.png");
}

}  // namespace vantoki
