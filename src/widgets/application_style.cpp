#include "widgets/application_style.h"

#include "widgets/game_style.h"

namespace vantoki {

QFont gothicFont(double pointSize, bool bold) {
  QFont font;
  font.setFamilies({"ＭＳ Ｐゴシック", "MS PGothic", "IPAPGothic", "IPA Pゴシック", "IPAGothic"});
  font.setPointSizeF(pointSize);
  font.setBold(bold);
  return font;
}

void applyApplicationStyle(QApplication& application) {
  // The application owns its style.
  application.setStyle(new GameStyle);
  application.setFont(gothicFont(9, false));
}

}  // namespace vantoki
