#include "app/ClientArea.h"

#include <QPaintEvent>
#include <QPainter>

namespace app {

ClientArea::ClientArea(QColor background, QWidget* parent)
    : QWidget(parent), background_(background) {
    // It covers every pixel itself: the window need not fill its own
    // background underneath first.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

// Painted rather than set in the palette, so that the buttons, boxes and the
// toolbar keep the standard colours instead of inheriting the lavender.
void ClientArea::paintEvent(QPaintEvent* event) {
    QPainter(this).fillRect(event->rect(), background_);
}

void ClientArea::resizeEvent(QResizeEvent*) {
    if (toolbar_) toolbar_->resize(width(), toolbar_->height());
    if (canvas_) canvas_->resize(size());
}

}  // namespace app
