#pragma once

#include <QRect>

#include <functional>

namespace app {

// Where a window that accompanies another goes, frame included, all inside
// SCREEN (the screen's available area): beside the WINDOW where it fits at
// WANTEDWIDTH; else on the side of the window's CONTROLS with more room, as
// wide as that room allows down to MINIMUMWIDTH, against the screen's edge,
// so that the controls stay in sight. Its height is HEIGHTFOR its width, its
// top level with the window's where the screen allows; no side or minimum
// ever takes it past the screen.
QRect PlaceBeside(const QRect& screen, const QRect& window, const QRect& controls, int wantedWidth,
                  int minimumWidth, const std::function<int(int width)>& heightFor);

}  // namespace app
