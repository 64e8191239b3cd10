// vantoki_strip_generator OUTPUT_FOLDER
// Paints the game's picture strips and window icon, writes them as PNGs into OUTPUT_FOLDER, then
// reloads the strips and checks the mask rule on every pixel. Exit status: 0 on success, 1 when a
// file cannot be written or a check fails, 2 on a usage error. The output is the same bytes on
// every run, so regenerating unchanged artwork leaves the repository clean.
#include <QDir>
#include <QFile>
#include <QImage>
#include <QString>
#include <QStringList>

#include <cstdio>

#include "icon_painter.h"
#include "mask_check.h"
#include "strip_assembly.h"

namespace vantoki {
namespace {

bool writePng(const QDir& folder, const QString& fileName, const QImage& image) {
  const QString path = folder.filePath(fileName);
  if (!image.save(path, "PNG")) {
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return false;
  }
  return true;
}

QByteArray readBack(const QDir& folder, const QString& fileName) {
  QFile file(folder.filePath(fileName));
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList checkWrittenPair(const QDir& folder, const QString& name, const QString& pictureFile,
                             const QString& maskFile) {
  const QByteArray pictureBytes = readBack(folder, pictureFile);
  const QByteArray maskBytes = readBack(folder, maskFile);
  QStringList problems = checkRgbPng(pictureFile, pictureBytes) + checkRgbPng(maskFile, maskBytes);
  const QImage picture = QImage::fromData(pictureBytes, "PNG");
  const QImage mask = QImage::fromData(maskBytes, "PNG");
  problems += checkMaskRule(name, picture, mask);
  return problems;
}

int generate(const QString& outputFolder) {
  if (!QDir().mkpath(outputFolder)) {
    std::fprintf(stderr, "cannot create %s\n", qPrintable(outputFolder));
    return 1;
  }
  const QDir folder(outputFolder);
  const PaintedStrips strips = paintStrips();
  const bool written = writePng(folder, "chara.png", strips.sprites) &&
                       writePng(folder, "mask.png", strips.spriteMask) &&
                       writePng(folder, "bomb1.png", strips.bursts) &&
                       writePng(folder, "bomb2.png", strips.burstMask) &&
                       writePng(folder, "icon.png", paintIcon());
  if (!written) {
    return 1;
  }

  QStringList problems = checkWrittenPair(folder, "Chara/Mask", "chara.png", "mask.png") +
                         checkWrittenPair(folder, "bomb1/bomb2", "bomb1.png", "bomb2.png");
  problems += checkSpriteMaskLayout(QImage::fromData(readBack(folder, "mask.png"), "PNG"));
  for (const QString& problem : problems) {
    std::fprintf(stderr, "%s\n", qPrintable(problem));
  }
  return problems.isEmpty() ? 0 : 1;
}

}  // namespace
}  // namespace vantoki

int main(int argc, char* argv[]) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: vantoki_strip_generator OUTPUT_FOLDER\n");
    return 2;
  }
  return vantoki::generate(QString::fromLocal8Bit(argv[1]));
}
