#include "app/FittingLabel.h"

#include <QPainter>
#include <QStyle>

namespace app {

void FittingLabel::paintEvent(QPaintEvent* event) {
    QRect room = contentsRect();
    if (fontMetrics().horizontalAdvance(text()) <= room.width()) {
        QLabel::paintEvent(event);
        return;
    }
    // Where QLabel itself would start the caption: a framed label without an
    // indent of its own keeps half an "x" of its font from the frame.
    if (frameWidth() > 0 && indent() < 0) {
        room.setTop(room.top() + fontMetrics().horizontalAdvance(u'x') / 2);
    }
    // Hinting makes widths grow unevenly with the size: step down until it fits.
    QFont smaller = font();
    do {
        smaller.setPointSizeF(smaller.pointSizeF() - 0.25);
    } while (QFontMetrics(smaller).horizontalAdvance(text()) > room.width() &&
             smaller.pointSizeF() > 4);
    QPainter painter(this);
    drawFrame(&painter);
    painter.setFont(smaller);
    style()->drawItemText(&painter, room, int(alignment()), palette(), isEnabled(), text(),
                          foregroundRole());
}

}  // namespace app
