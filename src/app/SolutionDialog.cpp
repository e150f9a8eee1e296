#include "app/SolutionDialog.h"

#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QScreen>
#include <QSplitter>
#include <QTextBlock>
#include <QTextLayout>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

#include "app/DialogPlacement.h"
#include "app/FocusVisibleStyle.h"
#include "app/GraphView.h"
#include "app/SolutionText.h"
#include "solution/LineBreaks.h"
#include "task/Task.h"
#include "task/TaskSolution.h"

namespace app {

namespace {

const QString title = QStringLiteral("Rozwiązanie krok po kroku");

// The chart's height where the screen has room, and the least it keeps:
// the share of the text and chart's height, and a floor in pixels.
constexpr int graphHeight = 380;
constexpr int graphMinimumHeight = 100;
constexpr double graphLeastShare = 0.5;   // of the text's and chart's height
constexpr double graphLeastOfDialog = 0.4;  // of the whole dialog's
// Past this width the text wraps; below the narrower one it is hard to read.
constexpr int widestText = 840;
constexpr int narrowest = 360;

}  // namespace

SolutionDialog::SolutionDialog()
    : task_(new QLineEdit), message_(new QLabel), view_(new SolutionText), graph_(new GraphView(nullptr)),
      splitter_(new QSplitter(Qt::Vertical)) {
    setWindowTitle(title);
    // The main window's close ends the program, whether this is open or not.
    setAttribute(Qt::WA_QuitOnClose, false);
    view_->setReadOnly(true);
    view_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    // Long lines (the chart's description, rounded numbers) wrap rather
    // than widen the dialog past what the chart needs.
    view_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    // Only where a line may break: a number wider than the line runs past it
    // rather than breaking in two.
    view_->setWordWrapMode(QTextOption::WordWrap);
    view_->setAccessibleName(title);
    // Subscripts, exponents, roots and the ends ⟨ ⟩, which at the toolkit's
    // default size look like ( ), want a larger size, in the task as typed too.
    QFont larger = view_->font();
    larger.setPointSizeF(larger.pointSizeF() * 1.25);
    view_->setFont(larger);
    task_->setFont(larger);
    graph_->setMinimumHeight(graphMinimumHeight);

    auto* buttons = new QDialogButtonBox(this);
    buttons_ = buttons;
    QPushButton* copy = buttons->addButton(QStringLiteral("Kopiuj wszystko"), QDialogButtonBox::ActionRole);
    QPushButton* close = buttons->addButton(QStringLiteral("Zamknij"), QDialogButtonBox::RejectRole);
    connect(copy, &QPushButton::clicked, this, [this] { QApplication::clipboard()->setText(solution()); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    copy->setAccessibleName(copy->text());
    close->setAccessibleName(close->text());
    for (QPushButton* button : {copy, close}) button->setAutoDefault(false);


    // The chart takes what the dialog grows by; the pupil may move the border.
    splitter_->setChildrenCollapsible(false);
    splitter_->addWidget(view_);
    splitter_->addWidget(graph_);
    splitter_->setStretchFactor(0, 0);
    splitter_->setStretchFactor(1, 1);

    auto* layout = new QVBoxLayout(this);
    taskRow_ = taskRow();
    layout->addLayout(taskRow_);
    layout->addWidget(message_);
    layout->addWidget(splitter_);
    layout->addWidget(buttons);

    auto* focusVisible = new FocusVisibleStyle;
    focusVisible->setParent(this);
    for (QPushButton* button : findChildren<QPushButton*>()) button->setStyle(focusVisible);
}

// "Zadanie:", the line, and "Rozwiąż", which Enter in the line presses
// rather than closing the dialog; the message goes under them.
QLayout* SolutionDialog::taskRow() {
    task_->setAccessibleName(QStringLiteral("Zadanie"));
    task_->setPlaceholderText(QStringLiteral("np. x² − 5x ≤ 14 albo f(x) = x² − 4x + 3, x ∈ ⟨−1; 4⟩"));
    task_->setMaxLength(int(task::longestTask) * 2);
    auto* solve = new QPushButton(QStringLiteral("Rozwiąż"), this);
    connect(solve, &QPushButton::clicked, this, &SolutionDialog::solveTask);
    solve->setDefault(true);
    auto* label = new QLabel(QStringLiteral("&Zadanie:"));
    label->setBuddy(task_);
    message_->setWordWrap(true);
    message_->setStyleSheet(QStringLiteral("color: #b00000"));
    message_->hide();
    auto* row = new QHBoxLayout;
    row->addWidget(label);
    row->addWidget(task_, 1);
    row->addWidget(solve);
    return row;
}

void SolutionDialog::setSolution(const solution::Solution& solution) {
    task_->setText(QString::fromStdString(solution.task));
    message_->clear();
    message_->hide();
    task_->setAccessibleDescription(QString());
    text_ = QString::fromStdString(solution.text);
    view_->setPlainText(QString::fromStdString(solution::KeepTogether(solution.text)));
    graph_->setGraph(solution.graph);
    if (isVisible()) growForText();
}

// The height of all but the text and the chart: the margins, the task's
// row (as high as its tallest, the button), the splitter's handle, the
// buttons, and the spacing between those three rows.
int SolutionDialog::chrome() const {
    const QMargins margins = layout()->contentsMargins();
    return margins.top() + margins.bottom() + taskRow_->sizeHint().height() + splitter_->handleWidth() +
           buttons_->sizeHint().height() + 2 * layout()->spacing();
}

// The width beside the text's longest line: the margins, the box's frame
// and its document's margins, and a scroll bar where the text scrolls.
int SolutionDialog::besideText() const {
    const QMargins margins = layout()->contentsMargins();
    return margins.left() + margins.right() + 2 * view_->frameWidth() +
           2 * int(std::ceil(view_->document()->documentMargin())) + view_->verticalScrollBar()->sizeHint().width();
}

// Shown, and given a longer text: taller where the screen has room, moved
// up where it has it only above, and the text and chart shared anew.
void SolutionDialog::growForText() {
    if (!screen()) return;
    const QRect room = screen()->availableGeometry();
    const QRect frame = frameGeometry();
    const int decoration = frame.height() - height();
    const int wanted = std::min(chrome() + textHeight(width()) + graphHeight, room.height() - decoration);
    if (wanted > height()) {
        // A window system may grant the size later: the text and chart are
        // shared when it comes, not at the old height.
        shareWhenResized_ = true;
        resize(width(), wanted);
        move(frame.left(), std::clamp(frame.top(), room.top(), room.bottom() + 1 - wanted - decoration));
        if (shareWhenResized_) return;
    }
    layout()->activate();
    shareHeight();
}

void SolutionDialog::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    if (!shareWhenResized_) return;
    shareWhenResized_ = false;
    layout()->activate();
    shareHeight();
}

void SolutionDialog::solveTask() {
    const QString typed = task_->text();
    const auto read = task::ReadTask(typed.toStdString());
    if (const auto* error = std::get_if<task::TaskError>(&read)) {
        const QString message = QString::fromStdString(error->message);
        message_->setText(message);
        message_->show();
        // Read with the line by a screen reader, which reads no label.
        task_->setAccessibleDescription(message);
        const QList<uint> characters = typed.toUcs4();
        const auto before = qsizetype(std::min<std::size_t>(error->position, std::size_t(characters.size())));
        task_->setCursorPosition(int(QString::fromUcs4(reinterpret_cast<const char32_t*>(characters.constData()),
                                                       before).size()));
        task_->setFocus();
        return;
    }
    setSolution(task::SolveTask(std::get<task::Problem>(read)));
}

// The height of the box that shows all the text in a dialog WIDTH wide:
// its lines laid out as the box lays them (in its font, broken only between
// words, as narrow as beside a scroll bar), with half a line to spare. Before the dialog shows,
// it sizes the dialog; shown, it shares the height with the chart.
int SolutionDialog::textHeight(int width) const {
    const QMargins margins = layout()->contentsMargins();
    const int frame = 2 * view_->frameWidth();
    const double margin = view_->document()->documentMargin();
    const double lineWidth = width - margins.left() - margins.right() - frame - 2 * margin - view_->cursorWidth() -
                             view_->verticalScrollBar()->sizeHint().width();
    const QTextOption option = view_->document()->defaultTextOption();
    double height = frame + 2 * margin + QFontMetricsF(view_->font()).lineSpacing() / 2;
    bool overflows = false;
    // The blocks' own text: the document's plain text has its no-break spaces made plain.
    for (QTextBlock block = view_->document()->begin(); block.isValid(); block = block.next()) {
        QTextLayout lines(block.text(), view_->font());
        lines.setTextOption(option);
        lines.beginLayout();
        for (QTextLine line = lines.createLine(); line.isValid(); line = lines.createLine()) {
            line.setLeadingIncluded(true);
            line.setLineWidth(lineWidth);
            height += line.height();
            overflows = overflows || line.naturalTextWidth() > lineWidth;
        }
        lines.endLayout();
    }
    // A number wider than the line runs past it, and a scroll bar comes under the text.
    if (overflows) height += view_->horizontalScrollBar()->sizeHint().height();
    return int(std::ceil(height));
}

// The text as high as all its lines, as the box lays them out, where that
// leaves the chart its least share; else the text scrolls, showing the
// answer.
void SolutionDialog::shareHeight() {
    const int room = splitter_->height() - splitter_->handleWidth();
    const int least = std::min(room, std::max({graphMinimumHeight, int(std::ceil(room * graphLeastShare)),
                                               int(std::ceil(height() * graphLeastOfDialog))}));
    const int text = std::min(textHeight(width()), room - least);
    splitter_->setSizes({text, room - text});
    showAnswer();
}

// The lines that answer the task in sight: from the top where they fit,
// else scrolled to the top of the box, with room kept for a scroll bar
// that a number wider than the box may bring.
void SolutionDialog::showAnswer() {
    view_->setTextCursor(QTextCursor(view_->document()));
    view_->verticalScrollBar()->setValue(0);
    const QTextBlock answer = view_->document()->find(QStringLiteral("Odpowiedź:")).block();
    if (!answer.isValid()) return;
    QTextCursor end(answer);
    end.movePosition(QTextCursor::EndOfBlock);
    const int room = view_->viewport()->height() - view_->horizontalScrollBar()->sizeHint().height();
    if (view_->cursorRect(end).bottom() >= room) view_->verticalScrollBar()->setValue(answer.firstLineNumber());
    view_->setTextCursor(QTextCursor(answer));
}

// Wide enough for the longest line (longer ones wrap), tall enough for all
// the text and the chart, within the screen.
void SolutionDialog::showBeside(const QWidget* window, const QRect& keepVisible) {
    const bool placing = !isVisible() && window->screen();
    if (placing) {
        const QSize decoration = window->frameGeometry().size() - window->size();
        const QFontMetrics metrics(view_->font());
        // Without a solution yet, as wide as one may need.
        int widest = text_.isEmpty() ? widestText : 0;
        for (const QString& line : view_->toPlainText().split(u'\n')) widest = std::max(widest, metrics.horizontalAdvance(line));
        const QRect screen = window->screen()->availableGeometry();
        const QRect frame = PlaceBeside(screen, window->frameGeometry(), keepVisible,
                                        std::min(widest, widestText) + besideText() + decoration.width(),
                                        std::max(narrowest, minimumSizeHint().width()) + decoration.width(),
                                        [&](int width) {
                                            return decoration.height() + chrome() +
                                                   textHeight(width - decoration.width()) + graphHeight;
                                        });
        resize(frame.size() - decoration);
        move(frame.topLeft());
    }
    show();
    // Shown, the box has its width and lays its lines out as it shows them.
    if (placing) shareHeight();
    raise();
    activateWindow();
}

}  // namespace app
