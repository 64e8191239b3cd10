#include "widgets/application_style.h"

#include <QStyleFactory>

namespace vantoki {

QFont gothicFont(double pointSize, bool bold) {
  QFont font;
  font.setFamilies({"ＭＳ Ｐゴシック", "MS PGothic", "IPAPGothic", "IPA Pゴシック", "IPAGothic"});
  font.setPointSizeF(pointSize);
  font.setBold(bold);
  return font;
}

void applyApplicationStyle(QApplication& application) {
  application.setStyle(QStyleFactory::create("Fusion"));
  application.setFont(gothicFont(9, false));
}

}  // namespace vantoki
