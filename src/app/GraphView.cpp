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

#include "sketch/SketchLayout.h"
#include "solution/SchoolNotation.h"

namespace app {

namespace {

const QColor gridColour(0xe2, 0xe2, 0xe2);
const QColor axisColour(0x20, 0x20, 0x20);
const QColor curveColour(0x1f, 0x5f, 0xbf);
const QColor otherCurveColour(0x99, 0x66, 0x00);
const QColor symmetryColour(0x7f, 0x9f, 0xcf);
const QColor labelBackground(255, 255, 255, 220);

const QColor solutionColour(0x8e, 0x24, 0xaa);

QColor fillOf(sketch::MarkShape shape) {
    switch (shape) {
    case sketch::MarkShape::Circle: return {0xd6, 0x27, 0x28};
    case sketch::MarkShape::Square: return {0x2c, 0x8a, 0x2c};
    case sketch::MarkShape::Diamond: return {0xe0, 0x7b, 0x00};
    case sketch::MarkShape::ClosedEnd: return solutionColour;
    case sketch::MarkShape::OpenEnd: return Qt::white;
    case sketch::MarkShape::Extreme: return {0x00, 0x83, 0x8f};
    case sketch::MarkShape::Common: return {0x6d, 0x4c, 0x41};
    }
    return Qt::black;
}

const QString noGraph = QStringLiteral("To zadanie nie ma wykresu do narysowania.");

QPointF pointOf(sketch::PixelPoint p) { return {p.x, p.y}; }
QRectF rectOf(const sketch::Box& b) { return QRectF(QPointF(b.left, b.top), QPointF(b.right, b.bottom)); }
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
    Painter(QPainter& painter, const QWidget& widget, double scale) : p_(painter) {
        p_.setWorldTransform(QTransform::fromScale(1 / scale, 1 / scale));
        QFont font = widget.font();
        font.setPixelSize(std::max(1, int(std::lround(QFontInfo(widget.font()).pixelSize() * scale))));
        p_.setFont(font);
    }

    sketch::MeasureText measure() const {
        return [metrics = QFontMetricsF(p_.font())](const std::string& text) {
            const QSizeF size = metrics.size(0, qs(text));
            return sketch::PixelPoint{size.width(), size.height()};
        };
    }

    void paint(const sketch::SketchLayout& layout) {
        grid(layout);
        axes(layout);
        curves(layout);
        spans(layout);
        for (const sketch::Mark& mark : layout.marks) markAt(mark);
        for (const sketch::PlacedText& text : layout.texts) write(text, layout.sizes.axis);
    }

private:
    static QPen pen(const QColor& colour, double width, Qt::PenStyle style = Qt::SolidLine) {
        return {colour, width, style, Qt::FlatCap};
    }

    void grid(const sketch::SketchLayout& l) {
        p_.setRenderHint(QPainter::Antialiasing, false);
        p_.setPen(pen(gridColour, l.sizes.grid));
        for (const sketch::Tick& t : l.xTicks) p_.drawLine(QPointF(t.at, l.area.top), QPointF(t.at, l.area.bottom));
        for (const sketch::Tick& t : l.yTicks) p_.drawLine(QPointF(l.area.left, t.at), QPointF(l.area.right, t.at));
        if (!l.symmetry) return;
        p_.setPen(pen(symmetryColour, l.sizes.axis, Qt::DashLine));
        p_.drawLine(QPointF(*l.symmetry, l.area.top), QPointF(*l.symmetry, l.area.bottom));
    }

    // The axes with their arrowheads and tick marks.
    void axes(const sketch::SketchLayout& l) {
        const sketch::LineSizes& s = l.sizes;
        const double right = l.plot.right - s.axisInset, top = l.plot.top + s.axisInset;
        const double arrow = s.arrowLength, wing = s.arrowWing;
        p_.setRenderHint(QPainter::Antialiasing, false);
        p_.setPen(pen(axisColour, s.axis));
        p_.drawLine(QPointF(l.plot.left + s.axisInset, l.xAxis), QPointF(right - arrow / 2, l.xAxis));
        p_.drawLine(QPointF(l.yAxis, l.plot.bottom - s.axisInset), QPointF(l.yAxis, top + arrow / 2));
        p_.setPen(pen(axisColour, s.grid));
        for (const sketch::Tick& t : l.xTicks) {
            p_.drawLine(QPointF(t.at, l.xAxis - s.tick), QPointF(t.at, l.xAxis + s.tick));
        }
        for (const sketch::Tick& t : l.yTicks) {
            p_.drawLine(QPointF(l.yAxis - s.tick, t.at), QPointF(l.yAxis + s.tick, t.at));
        }
        p_.setRenderHint(QPainter::Antialiasing, true);
        p_.setPen(Qt::NoPen);
        p_.setBrush(axisColour);
        p_.drawPolygon(QPolygonF{{right, l.xAxis}, {right - arrow, l.xAxis - wing}, {right - arrow, l.xAxis + wing}});
        p_.drawPolygon(QPolygonF{{l.yAxis, top}, {l.yAxis - wing, top + arrow}, {l.yAxis + wing, top + arrow}});
    }

    // Inside the area's columns and above the legend.
    void curves(const sketch::SketchLayout& l) {
        p_.save();
        p_.setClipRect(QRectF(QPointF(l.area.left, l.plot.top), QPointF(l.area.right, l.plot.bottom)));
        p_.setRenderHint(QPainter::Antialiasing, true);
        p_.setBrush(Qt::NoBrush);
        for (std::size_t i = 0; i < l.curves.size(); ++i) {
            const auto [start, control, end] = l.curves[i].bezier();
            QPainterPath path(pointOf(start));
            path.quadTo(pointOf(control), pointOf(end));
            p_.setPen(QPen(i == 0 ? curveColour : otherCurveColour, l.sizes.curve, Qt::SolidLine, Qt::RoundCap));
            p_.drawPath(path);
        }
        p_.restore();
    }

    // A solution set along the x axis, thick, as school draws it.
    void spans(const sketch::SketchLayout& l) {
        p_.setRenderHint(QPainter::Antialiasing, false);
        p_.setPen(pen(solutionColour, l.sizes.span));
        for (const auto& [from, to] : l.spans) p_.drawLine(QPointF(from, l.xAxis), QPointF(to, l.xAxis));
    }

    // Each shape inside its mark's disc, its outline included.
    void markAt(const sketch::Mark& mark) {
        const double r = mark.radius - mark.outline / 2;
        const QPointF c = pointOf(mark.at);
        const bool end = mark.shape == sketch::MarkShape::ClosedEnd || mark.shape == sketch::MarkShape::OpenEnd;
        p_.setRenderHint(QPainter::Antialiasing, true);
        p_.setPen(QPen(end ? solutionColour : axisColour, mark.outline));
        p_.setBrush(fillOf(mark.shape));
        switch (mark.shape) {
        case sketch::MarkShape::Circle:
        case sketch::MarkShape::Common:
        case sketch::MarkShape::ClosedEnd:
        case sketch::MarkShape::OpenEnd: p_.drawEllipse(c, r, r); break;
        case sketch::MarkShape::Extreme: {
            const double half = r * std::sqrt(3.0) / 2;
            p_.drawPolygon(QPolygonF{c + QPointF(0, -r), c + QPointF(half, r / 2), c + QPointF(-half, r / 2)});
            break;
        }
        case sketch::MarkShape::Square: {
            const double half = r / std::sqrt(2.0);
            p_.drawRect(QRectF(c - QPointF(half, half), c + QPointF(half, half)));
            break;
        }
        case sketch::MarkShape::Diamond:
            p_.drawPolygon(QPolygonF{c + QPointF(0, -r), c + QPointF(r, 0), c + QPointF(0, r), c + QPointF(-r, 0)});
            break;
        }
    }

    // A label on a light ground that hides the grid under it; a mark's
    // number framed too, so that it is not taken for a tick's.
    void write(const sketch::PlacedText& text, int frame) {
        const QRectF box = rectOf(text.box);
        p_.setRenderHint(QPainter::Antialiasing, true);
        if (text.kind == sketch::TextKind::Label || text.kind == sketch::TextKind::MarkNumber) {
            const bool framed = text.kind == sketch::TextKind::MarkNumber;
            p_.setPen(framed ? pen(axisColour, frame) : Qt::NoPen);
            p_.setBrush(labelBackground);
            p_.drawRect(framed ? box.adjusted(frame / 2.0, frame / 2.0, -frame / 2.0, -frame / 2.0) : box);
        }
        p_.setPen(axisColour);
        p_.drawText(box, Qt::AlignCenter, qs(text.text));
    }

    QPainter& p_;
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
    view_ = graph ? sketch::FitView(graph->sketch) : std::nullopt;
    layout_.reset();
    setAccessibleDescription(graph ? QString::fromStdString(graph->description) : noGraph);
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
        // In logical pixels: one wide, on the widget's edge, at any scale.
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

void GraphView::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange) layout_.reset();
    QWidget::changeEvent(event);
}

// Drawn in device pixels; the painter is left in logical ones.
void GraphView::paintChart(QPainter& painter, double scale) const {
    painter.fillRect(QRectF(QPointF(), size()), Qt::white);
    if (!solved_) return;
    painter.save();
    Painter paint(painter, *this, scale);
    if (!view_) {
        painter.setPen(axisColour);
        painter.drawText(QRectF(QPointF(), QSizeF(size()) * scale), Qt::AlignCenter | Qt::TextWordWrap,
                         graph_ ? QStringLiteral("Wykresu nie da się narysować: liczby są za duże albo za małe.")
                                : noGraph);
    } else {
        paint.paint(layoutFor(QSizeF(size()) * scale, scale, paint.measure()));
    }
    painter.restore();
}

// Laid out anew only where the size, the scale or the graph has changed.
const sketch::SketchLayout& GraphView::layoutFor(QSizeF pixels, double scale, const sketch::MeasureText& measure) const {
    const QSize whole(int(pixels.width()), int(pixels.height()));
    if (!layout_ || layout_->pixels != whole || layout_->scale != scale) {
        const int width = whole.width(), height = whole.height();
        layout_ = {whole, scale,
                   sketch::LayoutSketch(graph_->sketch, *view_, width, height, scale, solution::TickTexts, measure)};
    }
    return layout_->layout;
}

}  // namespace app
