// Pixel checks over the reloaded PNGs, so that what is verified is exactly what the game loads.
#include "mask_check.h"

#include "view/picture_strip_layout.h"

namespace vantoki {
namespace {

constexpr QRgb kWhite = 0xffffffff;
constexpr QRgb kBlack = 0xff000000;
constexpr int kReportedPixelLimit = 5;

// The floor, granite and ladder before it are copied whole as ground, so no pixel of theirs may be
// masked out.
constexpr int kFirstMaskedPicture = kPlayerPicture;

bool isMaskWhite(const QImage& mask, int cell, int x, int y) {
  return mask.pixel(cell * kCellPixels + x, y) == kWhite;
}

int countWhite(const QImage& mask, int cell) {
  int white = 0;
  for (int y = 0; y < kCellPixels; ++y) {
    for (int x = 0; x < kCellPixels; ++x) {
      white += isMaskWhite(mask, cell, x, y) ? 1 : 0;
    }
  }
  return white;
}

bool sameCell(const QImage& mask, int cellA, int cellB) {
  return mask.copy(cellA * kCellPixels, 0, kCellPixels, kCellPixels) ==
         mask.copy(cellB * kCellPixels, 0, kCellPixels, kCellPixels);
}

// Whether a digit drawn dx pixels off its cell only ever lands on the octagon.
bool digitStaysOnOctagon(const QImage& mask, int digitCell, int dx) {
  for (int y = 0; y < kCellPixels; ++y) {
    for (int x = 0; x < kCellPixels; ++x) {
      if (!isMaskWhite(mask, digitCell, x, y)) {
        continue;
      }
      const int onBlock = x + dx;
      if (onBlock < 0 || onBlock >= kCellPixels || !isMaskWhite(mask, kBallPicture, onBlock, y)) {
        return false;
      }
    }
  }
  return true;
}

}  // namespace

QStringList checkRgbPng(const QString& name, const QByteArray& png) {
  // The header chunk follows the 8-byte signature, a 4-byte length and the "IHDR" tag: width and
  // height take 8 bytes, then come the bit depth and the colour type (2 is RGB).
  constexpr int kBitDepthAt = 24;
  constexpr int kColourTypeAt = 25;
  constexpr char kRgbColourType = 2;
  if (png.size() <= kColourTypeAt || png.mid(12, 4) != "IHDR" || png[kBitDepthAt] != 8 ||
      png[kColourTypeAt] != kRgbColourType) {
    return {name + ": not written as a 24-bit RGB PNG"};
  }
  return {};
}

QStringList checkMaskRule(const QString& name, const QImage& picture, const QImage& mask) {
  QStringList problems;
  if (picture.hasAlphaChannel() || mask.hasAlphaChannel()) {
    problems << name + ": the picture and the mask must not carry alpha";
  }
  if (picture.size() != mask.size() || picture.height() != kCellPixels ||
      picture.width() % kCellPixels != 0) {
    problems << name + ": the picture and the mask must be the same row of 40 × 40 cells";
    return problems;
  }
  int reported = 0;
  for (int y = 0; y < mask.height(); ++y) {
    for (int x = 0; x < mask.width(); ++x) {
      const QRgb maskPixel = mask.pixel(x, y);
      QString problem;
      if (maskPixel != kWhite && maskPixel != kBlack) {
        problem = "mask pixel is neither pure black nor pure white";
      } else if (maskPixel == kBlack && picture.pixel(x, y) != kWhite) {
        problem = "picture pixel under a black mask is not pure white";
      }
      if (!problem.isEmpty() && reported++ < kReportedPixelLimit) {
        problems << QString("%1 (%2, %3): %4").arg(name).arg(x).arg(y).arg(problem);
      }
    }
  }
  if (reported > kReportedPixelLimit) {
    problems << QString("%1: %2 more pixels break the mask rule")
                    .arg(name)
                    .arg(reported - kReportedPixelLimit);
  }
  return problems;
}

QStringList checkSpriteMaskLayout(const QImage& mask) {
  QStringList problems;
  if (mask.width() != kSpriteCellCount * kCellPixels) {
    problems << QString("Mask: expected %1 cells").arg(kSpriteCellCount);
    return problems;
  }
  const int wholeCell = kCellPixels * kCellPixels;
  for (int cell = 0; cell < kSpriteCellCount; ++cell) {
    const int white = countWhite(mask, cell);
    const bool ground = cell < kFirstMaskedPicture;
    if (ground && white != wholeCell) {
      problems << QString("Mask cell %1: a ground cell must be white all over").arg(cell);
    }
    if (!ground && (white == 0 || white == wholeCell)) {
      problems << QString("Mask cell %1: a sprite must be partly white, partly black").arg(cell);
    }
  }
  for (int cell = kFirstArrowPicture; cell < kFirstDigitPicture; ++cell) {
    if (!sameCell(mask, kBallPicture, cell)) {
      problems << QString("Mask cell %1: differs from the ball's octagon").arg(cell);
    }
  }
  for (int cell = kFirstDigitPicture; cell < kSpriteCellCount; ++cell) {
    for (const int dx : {-1, 0, 1}) {
      if (!digitStaysOnOctagon(mask, cell, dx)) {
        problems << QString("Mask cell %1: shifted by %2 it leaves the octagon").arg(cell).arg(dx);
      }
    }
  }
  return problems;
}

}  // namespace vantoki
