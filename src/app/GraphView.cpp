#include "app/GraphView.h"

#include <QAccessibleWidget>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QMenu>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

#include "chart/SketchLayout.h"
#include "solution/SchoolNotation.h"

namespace app {

namespace {

const QColor gridColour(0xe2, 0xe2, 0xe2);
const QColor axisColour(0x20, 0x20, 0x20);
const QColor curveColour(0x1f, 0x5f, 0xbf);
const QColor symmetryColour(0x7f, 0x9f, 0xcf);
const QColor labelBackground(255, 255, 255, 220);

const QColor solutionColour(0x8e, 0x24, 0xaa);

QColor fillOf(chart::MarkShape shape) {
    switch (shape) {
    case chart::MarkShape::Circle: return {0xd6, 0x27, 0x28};
    case chart::MarkShape::Square: return {0x2c, 0x8a, 0x2c};
    case chart::MarkShape::Diamond: return {0xe0, 0x7b, 0x00};
    case chart::MarkShape::ClosedEnd: return solutionColour;
    case chart::MarkShape::OpenEnd: return Qt::white;
    case chart::MarkShape::Extreme: return {0x00, 0x83, 0x8f};
    }
    return Qt::black;
}

const QString noParabola = QStringLiteral("To zadanie nie ma paraboli do narysowania.");

QPointF pointOf(chart::PixelPoint p) { return {p.x, p.y}; }
QRectF rectOf(const chart::Box& b) { return QRectF(QPointF(b.left, b.top), QPointF(b.right, b.bottom)); }
QString qs(const std::string& text) { return QString::fromStdString(text); }

// To a screen reader the chart is a picture, not a filler to pass over.
QAccessibleInterface* chartAccessible(const QString& className, QObject* object) {
    if (className != QLatin1String(GraphView::staticMetaObject.className()) || !object->isWidgetType()) return nullptr;
    return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Graphic);
}

// Everything below is drawn in device pixels, so that lines fall on them
// whole at any scale; the scale sizes what a person reads or aims at.
class Painter {
public:
    Painter(QPainter& painter, const QWidget& widget, double scale) : p_(painter), scale_(scale) {
        p_.setWorldTransform(QTransform::fromScale(1 / scale, 1 / scale));
        QFont font = widget.font();
        font.setPixelSize(std::max(1, int(std::lround(QFontInfo(widget.font()).pixelSize() * scale))));
        p_.setFont(font);
    }

    chart::MeasureText measure() const {
        return [metrics = QFontMetricsF(p_.font())](const std::string& text) {
            const QSizeF size = metrics.size(0, qs(text));
            return chart::PixelPoint{size.width(), size.height()};
        };
    }

    void paint(const chart::SketchLayout& layout) {
        grid(layout);
        axes(layout);
        curve(layout);
        spans(layout);
        for (const chart::Mark& mark : layout.marks) markAt(mark);
        for (const chart::PlacedText& text : layout.texts) write(text);
    }

private:
    double px(double logical) const { return logical * scale_; }

    static QPen pen(const QColor& colour, int width, Qt::PenStyle style = Qt::SolidLine) {
        return {colour, double(width), style, Qt::FlatCap};
    }

    void grid(const chart::SketchLayout& l) {
        p_.setRenderHint(QPainter::Antialiasing, false);
        p_.setPen(pen(gridColour, 1));
        for (const chart::Tick& t : l.xTicks) p_.drawLine(QPointF(t.at, l.area.top), QPointF(t.at, l.area.bottom));
        for (const chart::Tick& t : l.yTicks) p_.drawLine(QPointF(l.area.left, t.at), QPointF(l.area.right, t.at));
        p_.setPen(pen(symmetryColour, l.axisWidth, Qt::DashLine));
        p_.drawLine(QPointF(l.symmetry, l.area.top), QPointF(l.symmetry, l.area.bottom));
    }

    // The axes with their arrowheads and tick marks.
    void axes(const chart::SketchLayout& l) {
        const double end = px(4), arrow = px(9), wing = px(4), half = px(3);
        const double right = l.bounds.right - end, top = l.bounds.top + end;
        p_.setRenderHint(QPainter::Antialiasing, false);
        p_.setPen(pen(axisColour, l.axisWidth));
        p_.drawLine(QPointF(px(4), l.xAxis), QPointF(right - arrow / 2, l.xAxis));
        p_.drawLine(QPointF(l.yAxis, l.bounds.bottom - px(4)), QPointF(l.yAxis, top + arrow / 2));
        p_.setPen(pen(axisColour, 1));
        for (const chart::Tick& t : l.xTicks) p_.drawLine(QPointF(t.at, l.xAxis - half), QPointF(t.at, l.xAxis + half));
        for (const chart::Tick& t : l.yTicks) p_.drawLine(QPointF(l.yAxis - half, t.at), QPointF(l.yAxis + half, t.at));
        p_.setRenderHint(QPainter::Antialiasing, true);
        p_.setPen(Qt::NoPen);
        p_.setBrush(axisColour);
        p_.drawPolygon(QPolygonF{{right, l.xAxis}, {right - arrow, l.xAxis - wing}, {right - arrow, l.xAxis + wing}});
        p_.drawPolygon(QPolygonF{{l.yAxis, top}, {l.yAxis - wing, top + arrow}, {l.yAxis + wing, top + arrow}});
    }

    void curve(const chart::SketchLayout& l) {
        QPainterPath path(pointOf(l.curveStart));
        path.quadTo(pointOf(l.curveControl), pointOf(l.curveEnd));
        p_.save();
        p_.setClipRect(QRectF(QPointF(l.area.left, 0), QPointF(l.area.right, l.bounds.bottom)));
        p_.setRenderHint(QPainter::Antialiasing, true);
        p_.setPen(QPen(curveColour, l.curveWidth, Qt::SolidLine, Qt::RoundCap));
        p_.setBrush(Qt::NoBrush);
        p_.drawPath(path);
        p_.restore();
    }

    // A solution set along the x axis, thick, as school draws it.
    void spans(const chart::SketchLayout& l) {
        p_.setRenderHint(QPainter::Antialiasing, false);
        p_.setPen(QPen(solutionColour, std::round(px(4)), Qt::SolidLine, Qt::FlatCap));
        for (const auto& [from, to] : l.spans) p_.drawLine(QPointF(from, l.xAxis), QPointF(to, l.xAxis));
    }

    void markAt(const chart::Mark& mark) {
        const double r = mark.radius;
        const QPointF c = pointOf(mark.at);
        const bool end = mark.shape == chart::MarkShape::ClosedEnd || mark.shape == chart::MarkShape::OpenEnd;
        p_.setRenderHint(QPainter::Antialiasing, true);
        p_.setPen(QPen(end ? solutionColour : axisColour, px(end ? 2 : 1)));
        p_.setBrush(fillOf(mark.shape));
        switch (mark.shape) {
        case chart::MarkShape::Circle:
        case chart::MarkShape::ClosedEnd:
        case chart::MarkShape::OpenEnd: p_.drawEllipse(c, r, r); break;
        case chart::MarkShape::Extreme:
            p_.drawPolygon(QPolygonF{c + QPointF(0, -r * 1.3), c + QPointF(r * 1.2, r * 0.8), c + QPointF(-r * 1.2, r * 0.8)});
            break;
        case chart::MarkShape::Square: p_.drawRect(QRectF(c - QPointF(r, r), c + QPointF(r, r))); break;
        case chart::MarkShape::Diamond:
            p_.drawPolygon(QPolygonF{c + QPointF(0, -r), c + QPointF(r, 0), c + QPointF(0, r), c + QPointF(-r, 0)});
            break;
        }
    }

    // A label on a light ground; one that has to cross the curve outlined
    // in white instead, so that the curve shows between its letters.
    void write(const chart::PlacedText& text) {
        const QRectF box = rectOf(text.box);
        const QString words = qs(text.text);
        p_.setRenderHint(QPainter::Antialiasing, true);
        switch (text.kind) {
        case chart::TextKind::Label:
            p_.setPen(Qt::NoPen);
            p_.setBrush(labelBackground);
            p_.drawRect(box);
            [[fallthrough]];
        case chart::TextKind::Tick:
            p_.setPen(axisColour);
            p_.drawText(box, Qt::AlignCenter, words);
            break;
        case chart::TextKind::Haloed: {
            const QFontMetricsF metrics(p_.font());
            const QPointF baseline(box.center().x() - metrics.horizontalAdvance(words) / 2,
                                   box.center().y() + (metrics.ascent() - metrics.descent()) / 2);
            QPainterPath path;
            path.addText(baseline, p_.font(), words);
            p_.strokePath(path, QPen(Qt::white, px(3), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            p_.fillPath(path, axisColour);
            break;
        }
        }
    }

    QPainter& p_;
    const double scale_;
};

}  // namespace

GraphView::GraphView(QWidget* parent) : QWidget(parent), copy_(new QAction(QStringLiteral("Kopiuj wykres"), this)) {
    static const bool accessible = (QAccessible::installFactory(chartAccessible), true);
    Q_UNUSED(accessible);
    setAccessibleName(QStringLiteral("Wykres funkcji"));
    setFocusPolicy(Qt::StrongFocus);
    setMinimumSize(320, 120);
    copy_->setShortcut(QKeySequence::Copy);
    copy_->setShortcutContext(Qt::WidgetShortcut);
    connect(copy_, &QAction::triggered, this, [this] { QApplication::clipboard()->setImage(picture()); });
    addAction(copy_);
}

void GraphView::setGraph(const std::optional<solution::Graph>& graph) {
    solved_ = true;
    graph_ = graph;
    view_ = graph ? chart::FitView(graph->parabola) : std::nullopt;
    setAccessibleDescription(graph ? QString::fromStdString(graph->description) : noParabola);
    update();
}

// The chart without the focus frame, in the screen's pixels.
QImage GraphView::picture() const {
    const double scale = devicePixelRatioF();
    QImage image(size() * scale, QImage::Format_RGB32);
    image.setDevicePixelRatio(scale);
    QPainter painter(&image);
    paintChart(painter, scale);
    return image;
}

void GraphView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const double scale = devicePixelRatioF();
    paintChart(painter, scale);
    if (hasFocus()) {
        painter.setPen(QPen(axisColour, 1, Qt::DotLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
    }
}

// From the keyboard the menu opens in the middle with its item chosen, so
// that one Enter copies.
void GraphView::contextMenuEvent(QContextMenuEvent* event) {
    QMenu menu;
    menu.addAction(copy_);
    const bool byKeyboard = event->reason() == QContextMenuEvent::Keyboard;
    if (byKeyboard) menu.setActiveAction(copy_);
    menu.exec(byKeyboard ? mapToGlobal(rect().center()) : event->globalPos());
}

// Shift+F10 is the menu key's other name; the toolkit sends only the key's own.
void GraphView::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier) {
        QContextMenuEvent menu(QContextMenuEvent::Keyboard, rect().center(), mapToGlobal(rect().center()));
        contextMenuEvent(&menu);
        return;
    }
    QWidget::keyPressEvent(event);
}

void GraphView::paintChart(QPainter& painter, double scale) const {
    painter.fillRect(QRectF(QPointF(), size()), Qt::white);
    if (!solved_) return;
    Painter paint(painter, *this, scale);
    if (!view_) {
        painter.setPen(axisColour);
        painter.drawText(QRectF(QPointF(), QSizeF(size()) * scale), Qt::AlignCenter | Qt::TextWordWrap,
                         graph_ ? QStringLiteral("Wykresu nie da się narysować: liczby są za duże albo za małe.")
                                : noParabola);
        return;
    }
    const QSizeF pixels = QSizeF(size()) * scale;
    paint.paint(chart::LayoutSketch(graph_->parabola, *view_, int(pixels.width()), int(pixels.height()), scale,
                                    solution::TickTexts, paint.measure()));
}

}  // namespace app
