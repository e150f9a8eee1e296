#include "app/ResultLine.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QMenu>

namespace app {

ResultLine::ResultLine(QWidget* parent) : QLabel(parent) {
    setTextInteractionFlags(Qt::TextSelectableByMouse);
}

void ResultLine::setFittedText(const QString& text) {
    if (!designed_) designed_ = font();
    QFont fitted = *designed_;
    // Hinting makes widths grow unevenly with the size: step down until it fits.
    while (QFontMetrics(fitted).horizontalAdvance(text) > contentsRect().width() &&
           fitted.pointSizeF() > 4) {
        fitted.setPointSizeF(fitted.pointSizeF() - 0.25);
    }
    setFont(fitted);
    setText(text);
}

// QLabel offers a menu only over links. This one has the copying half of the
// text boxes' menu, in the same words of Qt's translation.
void ResultLine::contextMenuEvent(QContextMenuEvent* event) {
    auto* menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    const auto item = [](const char* text, QKeySequence::StandardKey key) {
        return QCoreApplication::translate("QLineEdit", text) + u'\t' +
               QKeySequence(key).toString(QKeySequence::NativeText);
    };
    QAction* copy = menu->addAction(item("&Copy", QKeySequence::Copy), this,
                                    [this] { QApplication::clipboard()->setText(selectedText()); });
    copy->setEnabled(hasSelectedText());
    menu->addSeparator();
    menu->addAction(item("Select All", QKeySequence::SelectAll), this,
                    [this] { setSelection(0, int(text().size())); });
    if (solutionAction_) {
        menu->addSeparator();
        menu->addAction(solutionAction_);
    }
    menu->popup(event->globalPos());
}

}  // namespace app
