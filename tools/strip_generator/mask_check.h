// Verifies the written strips the way the game will use them: OR the mask, then AND the picture.
// Each check returns one line per broken rule (empty when all hold), so the generator can refuse
// to leave broken artwork behind.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QStringList>

namespace vantoki {

// Whether PNG file bytes hold an 8-bit-per-channel RGB image without alpha (the 24-bit strips).
QStringList checkRgbPng(const QString& name, const QByteArray& png);

// Any picture/mask pair: equal sizes in whole cells, no alpha, a mask of only pure black and pure
// white, and a picture that is pure white wherever its mask is black.
QStringList checkMaskRule(const QString& name, const QImage& picture, const QImage& mask);

// The sprite mask strip's layout: the ground cells fully opaque, every other cell partly so, the
// ball and arrow blocks on one identical outline, and each digit inside that outline even when
// shifted one pixel to either side.
QStringList checkSpriteMaskLayout(const QImage& mask);

}  // namespace vantoki
