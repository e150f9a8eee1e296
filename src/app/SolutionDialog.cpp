#include "app/SolutionDialog.h"

#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include <algorithm>

namespace app {

namespace {

const QString title = QStringLiteral("Rozwiązanie krok po kroku");

}  // namespace

SolutionDialog::SolutionDialog(QWidget* parent) : QDialog(parent), text_(new QPlainTextEdit(this)) {
    setWindowTitle(title);
    text_->setReadOnly(true);
    text_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    text_->setLineWrapMode(QPlainTextEdit::NoWrap);
    text_->setAccessibleName(title);
    // Subscripts, exponents and roots want a size above the toolkit's default.
    QFont larger = text_->font();
    larger.setPointSizeF(larger.pointSizeF() * 1.25);
    text_->setFont(larger);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* copy = buttons->addButton(QStringLiteral("Kopiuj wszystko"), QDialogButtonBox::ActionRole);
    QPushButton* close = buttons->addButton(QStringLiteral("Zamknij"), QDialogButtonBox::RejectRole);
    connect(copy, &QPushButton::clicked, this, [this] { QApplication::clipboard()->setText(solution()); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    close->setDefault(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text_);
    layout->addWidget(buttons);
}

// The dialog opens wide enough for its longest line, up to most of the screen.
void SolutionDialog::setSolution(const QString& text) {
    text_->setPlainText(text);
    if (isVisible()) return;
    const QFontMetrics metrics(text_->font());
    int widest = 0;
    for (const QString& line : text.split(u'\n')) widest = std::max(widest, metrics.horizontalAdvance(line));
    const int lines = int(text.count(u'\n')) + 2;
    const QSize wanted(widest + 60, lines * metrics.lineSpacing() + 80);
    const QSize room = screen() ? screen()->availableSize() * 0.9 : wanted;
    resize(wanted.boundedTo(room).expandedTo(QSize(400, 300)));
}

// Beside the window, right or left, where the screen has room for it, so that the window's
// results and chart stay in sight; elsewhere where the window system puts it.
void SolutionDialog::showBeside(const QWidget* window) {
    if (!isVisible() && window->screen()) {
        const QRect frame = window->frameGeometry();
        const QRect room = window->screen()->availableGeometry();
        const QSize decoration = frame.size() - window->size();
        const QRect right(QPoint(frame.right() + 1, frame.top()), size() + decoration);
        const QRect left = right.translated(-frame.width() - right.width(), 0);
        if (room.contains(right)) {
            move(right.topLeft());
        } else if (room.contains(left)) {
            move(left.topLeft());
        }
    }
    show();
    raise();
    activateWindow();
}

QString SolutionDialog::solution() const { return text_->toPlainText(); }

}  // namespace app
