#include "app/SolutionDialog.h"

#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QSplitter>
#include <QVBoxLayout>

#include <algorithm>

#include "app/GraphView.h"

namespace app {

namespace {

const QString title = QStringLiteral("Rozwiązanie krok po kroku");

// The chart's height when the dialog opens, where the screen has room.
constexpr int graphHeight = 380;
// Past this width the text wraps.
constexpr int widestText = 840;

}  // namespace

SolutionDialog::SolutionDialog(QWidget* parent)
    : QDialog(parent), text_(new QPlainTextEdit), graph_(new GraphView(nullptr)),
      splitter_(new QSplitter(Qt::Vertical)) {
    setWindowTitle(title);
    text_->setReadOnly(true);
    text_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    // Long lines (the chart's description, rounded numbers) wrap rather
    // than widen the dialog past what the chart needs.
    text_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
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

    // The chart takes what the dialog grows by; the pupil may move the border.
    splitter_->setChildrenCollapsible(false);
    splitter_->addWidget(text_);
    splitter_->addWidget(graph_);
    splitter_->setStretchFactor(0, 0);
    splitter_->setStretchFactor(1, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(splitter_);
    layout->addWidget(buttons);
}

// The dialog opens wide enough for its longest line (longer ones wrap), and
// tall enough for all its lines and its chart, up to most of the screen.
void SolutionDialog::setSolution(const solution::Solution& solution) {
    const QString text = QString::fromStdString(solution.text);
    text_->setPlainText(text);
    graph_->setGraph(solution.graph);
    if (isVisible()) return;
    const QFontMetrics metrics(text_->font());
    int widest = 0, lines = 1;
    for (const QString& line : text.split(u'\n')) {
        const int width = metrics.horizontalAdvance(line);
        widest = std::max(widest, width);
        lines += 1 + width / widestText;
    }
    const int textHeight = lines * metrics.lineSpacing() + 12;
    const QSize wanted(std::min(widest, widestText) + 60, textHeight + graphHeight + 80);
    const QSize room = screen() ? screen()->availableSize() * 0.9 : wanted;
    resize(wanted.boundedTo(room).expandedTo(QSize(480, 560)));
    // The text as high as its lines, where that leaves the chart its minimum.
    splitter_->setSizes({textHeight, std::max(graph_->minimumHeight(), height() - textHeight)});
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
