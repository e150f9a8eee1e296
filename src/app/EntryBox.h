#pragma once

#include <QClipboard>
#include <QLineEdit>

namespace app {

// A text box for a coefficient. It holds up to a mebibyte of text: the
// toolkit lays out and paints the whole of a box's text each time, which
// past that size would keep the window from answering. A paste or a drop
// that would make it longer is refused with a message; a paste too long for
// an undo step per character (which is how the toolkit records it, and
// whose record keeps its memory for the life of the box) replaces the
// selection as one change that cannot be undone. Without the focus, the box
// shows the beginning of its text, where the sign is.
class EntryBox : public QLineEdit {
    Q_OBJECT

public:
    static constexpr int longestText = 1 << 20;

    EntryBox(const QString& text, QWidget* parent);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void pasteFrom(QClipboard::Mode mode);
    bool fits(const QString& inserted);
};

}  // namespace app
