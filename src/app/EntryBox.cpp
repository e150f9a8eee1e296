#include "app/EntryBox.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>

#include "app/MessageBoxes.h"
#include "solution/SchoolNotation.h"

namespace app {

namespace {

// Longer than anything typed or pasted for its digits; short enough that
// its undo record stays small.
constexpr qsizetype longestUndoablePaste = 4096;

}  // namespace

EntryBox::EntryBox(const QString& text, QWidget* parent) : QLineEdit(text, parent) {
    setMaxLength(longestText);
}

// Whether the text fits with INSERTED in place of the selection; if not,
// the user is told so.
bool EntryBox::fits(const QString& inserted) {
    if (text().size() - selectedText().size() + inserted.size() <= longestText) return true;
    ShowMessage(this, QStringLiteral("Tekst jest za długi: pole mieści najwyżej %1 znaków.")
                          .arg(QString::fromStdString(solution::Grouped(std::to_string(longestText)))));
    return false;
}

void EntryBox::dropEvent(QDropEvent* event) {
    if (event->mimeData()->hasText() && !fits(event->mimeData()->text())) {
        event->ignore();
        return;
    }
    QLineEdit::dropEvent(event);
}

// A popup or another window takes the focus only for a while; then the box
// stays as it was.
void EntryBox::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    if (event->reason() != Qt::PopupFocusReason && event->reason() != Qt::ActiveWindowFocusReason) home(false);
}

void EntryBox::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Paste) && !isReadOnly()) {
        pasteFrom(QClipboard::Clipboard);
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

// The middle button pastes the selection, as QLineEdit does on X11.
void EntryBox::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::MiddleButton && QApplication::clipboard()->supportsSelection() &&
        !isReadOnly()) {
        deselect();
        pasteFrom(QClipboard::Selection);
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

void EntryBox::contextMenuEvent(QContextMenuEvent* event) {
    QMenu* menu = createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    if (auto* paste = menu->findChild<QAction*>(QStringLiteral("edit-paste"))) {
        disconnect(paste, &QAction::triggered, nullptr, nullptr);
        connect(paste, &QAction::triggered, this, [this] { pasteFrom(QClipboard::Clipboard); });
    }
    menu->popup(event->globalPos());
}

void EntryBox::pasteFrom(QClipboard::Mode mode) {
    const QString pasted = QApplication::clipboard()->text(mode);
    if (!fits(pasted)) return;
    if (pasted.size() <= longestUndoablePaste) {
        insert(pasted);
        return;
    }
    QString whole = text();
    const int start = hasSelectedText() ? selectionStart() : cursorPosition();
    whole.replace(start, selectedText().size(), pasted);
    setText(whole);
    setCursorPosition(int(start + pasted.size()));
}

}  // namespace app
