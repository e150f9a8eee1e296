#pragma once

#include <QClipboard>
#include <QLineEdit>

namespace app {

// A text box for a coefficient. It takes text of any length; a paste too
// long for an undo step per character (which is how the toolkit records it,
// and whose record keeps its memory for the life of the box) replaces the
// selection as one change that cannot be undone.
class EntryBox : public QLineEdit {
    Q_OBJECT

public:
    using QLineEdit::QLineEdit;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void pasteFrom(QClipboard::Mode mode);
};

}  // namespace app
