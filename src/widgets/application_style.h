// The look the whole program shares: the game's style over Fusion (widgets/game_style.h), so the
// window's colours show as the game chose them on every desktop, and a Japanese Gothic as the
// default font.
#pragma once

#include <QApplication>
#include <QFont>

namespace vantoki {

// The Windows Gothic the layout is measured in first, then Gothic fonts a Linux desktop has.
QFont gothicFont(double pointSize, bool bold);

void applyApplicationStyle(QApplication& application);

}  // namespace vantoki
