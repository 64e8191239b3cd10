// vantoki_help_page_builder PAGE_SOURCE OUTPUT
// Writes the help page: the page source with each {{picture:NAME}} replaced by the picture of
// that name (help_pictures.h) as a data: address, so the page is one file that fetches nothing,
// and {{speed-rows}} by a table row for each item of the speed list, from the game's own speeds.
// A name the pictures do not have, or a picture the page never shows, fails the build rather
// than ship a broken or forgotten picture. Exit status: 0 on success, 1 on a failure, 2 on a
// usage error.
#include <QFile>
#include <QRegularExpression>
#include <QSaveFile>
#include <QSet>
#include <QString>

#include <cstdio>

#include "help/help_pictures.h"
#include "view/game_speed.h"
#include "view/picture_strip_layout.h"

namespace vantoki {
namespace {

const QRegularExpression kPicturePlaceholder(R"(\{\{picture:([a-z0-9-]+)\}\})");
constexpr double kTickSeconds = 0.05;

// Each speed's name and how long a move of one cell takes at it.
QString speedRows() {
  QString rows;
  for (int index = 0; index < static_cast<int>(kGameSpeedNames.size()); ++index) {
    const double seconds = kCellPixels / animStepForSpeed(index) * kTickSeconds;
    rows += QString("  <tr><td>%1</td><td>%2 秒%3</td></tr>\n")
                .arg(QString::fromUtf8(kGameSpeedNames[index].data(),
                                       static_cast<qsizetype>(kGameSpeedNames[index].size())))
                .arg(seconds)
                .arg(index == kStandardSpeedIndex ? "（起動したときの速さ）" : "");
  }
  return rows;
}

int build(const QString& sourcePath, const QString& outputPath) {
  QFile source(sourcePath);
  if (!source.open(QIODevice::ReadOnly)) {
    std::fprintf(stderr, "cannot read %s\n", qPrintable(sourcePath));
    return 1;
  }
  const QString page = QString::fromUtf8(source.readAll()).replace("{{speed-rows}}\n", speedRows());
  const std::optional<std::map<QString, QByteArray>> pictures = drawHelpPictures();
  if (!pictures) {
    return 1;
  }

  QString filled;
  QSet<QString> shown;
  qsizetype copiedUpTo = 0;
  for (const QRegularExpressionMatch& match : kPicturePlaceholder.globalMatch(page)) {
    const QString name = match.captured(1);
    const auto picture = pictures->find(name);
    if (picture == pictures->end()) {
      std::fprintf(stderr, "%s: no picture named %s\n", qPrintable(sourcePath), qPrintable(name));
      return 1;
    }
    filled += page.mid(copiedUpTo, match.capturedStart() - copiedUpTo);
    filled += "data:image/png;base64," + QString::fromLatin1(picture->second.toBase64());
    copiedUpTo = match.capturedEnd();
    shown.insert(name);
  }
  filled += page.mid(copiedUpTo);
  for (const auto& [name, png] : *pictures) {
    if (!shown.contains(name)) {
      std::fprintf(stderr, "%s never shows the picture %s\n", qPrintable(sourcePath),
                   qPrintable(name));
      return 1;
    }
  }

  QSaveFile output(outputPath);
  if (!output.open(QIODevice::WriteOnly) || output.write(filled.toUtf8()) < 0 || !output.commit()) {
    std::fprintf(stderr, "cannot write %s\n", qPrintable(outputPath));
    return 1;
  }
  return 0;
}

}  // namespace
}  // namespace vantoki

int main(int argc, char* argv[]) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: vantoki_help_page_builder PAGE_SOURCE OUTPUT\n");
    return 2;
  }
  return vantoki::build(QString::fromLocal8Bit(argv[1]), QString::fromLocal8Bit(argv[2]));
}
