#include "app/DialogPlacement.h"

#include <algorithm>

namespace app {

QRect PlaceBeside(const QRect& screen, const QRect& window, const QRect& controls, int wantedWidth,
                  int minimumWidth, const std::function<int(int width)>& heightFor) {
    const int wanted = std::min(std::max(wantedWidth, minimumWidth), screen.width());
    int left = 0, width = wanted;
    if (screen.right() - window.right() >= wanted) {
        left = window.right() + 1;
    } else if (window.left() - screen.left() >= wanted) {
        left = window.left() - wanted;
    } else {
        const int rightRoom = screen.right() - controls.right(), leftRoom = controls.left() - screen.left();
        width = std::min(wanted, std::max(std::max(rightRoom, leftRoom), minimumWidth));
        left = rightRoom >= leftRoom ? screen.right() + 1 - width : screen.left();
    }
    const int height = std::min(heightFor(width), screen.height());
    const int top = std::clamp(window.top(), screen.top(), screen.bottom() + 1 - height);
    return {left, top, width, height};
}

}  // namespace app
