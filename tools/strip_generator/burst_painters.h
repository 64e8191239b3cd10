// Painters of the two explosion frames of the explosion strip: a small burst (cell 0) and a large
// one (cell 1). They are drawn over a floor cell, so only their spiky silhouette is opaque.
#pragma once

#include <QColor>
#include <QPainter>

namespace vantoki {

extern const QColor kBurstOutline;

void paintSmallBurst(QPainter& painter);
void paintLargeBurst(QPainter& painter);

}  // namespace vantoki
