#include "app/GraphView.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

#include "chart/SketchLayout.h"

namespace app {

namespace {

const QColor gridColour(0xe2, 0xe2, 0xe2);
const QColor axisColour(0x20, 0x20, 0x20);
const QColor curveColour(0x1f, 0x5f, 0xbf);
const QColor symmetryColour(0x7f, 0x9f, 0xcf);
const QColor labelBackground(255, 255, 255, 220);

QColor fillOf(chart::MarkShape shape) {
    switch (shape) {
    case chart::MarkShape::Circle: return {0xd6, 0x27, 0x28};
    case chart::MarkShape::Square: return {0x2c, 0x8a, 0x2c};
    case chart::MarkShape::Diamond: return {0xe0, 0x7b, 0x00};
    }
    return Qt::black;
}

QPointF pointOf(chart::PixelPoint p) { return {p.x, p.y}; }

// Everything below is drawn in device pixels, so that lines fall on them
// whole at any scale; the scale sizes what a person reads or aims at.
class Painter {
public:
    Painter(QPainter& painter, const QWidget& widget, double scale)
        : p_(painter), scale_(scale), bounds_(QRectF(QPointF(), QSizeF(widget.size()) * scale)) {
        p_.setWorldTransform(QTransform::fromScale(1 / scale, 1 / scale));
        QFont font = widget.font();
        font.setPixelSize(std::max(1, int(std::lround(QFontInfo(widget.font()).pixelSize() * scale))));
        p_.setFont(font);
    }

    QRectF bounds() const { return bounds_; }

    void paint(const chart::SketchLayout& layout) {
        // The marks first among what text must keep clear of.
        for (const chart::Mark& mark : layout.marks) {
            const double r = markRadius(mark.shape) + px(1);
            placed_.emplace_back(pointOf(mark.at) - QPointF(r, r), QSizeF(2 * r, 2 * r));
        }
        grid(layout);
        axes(layout);
        ticks(layout);
        curve(layout);
        for (const chart::Mark& mark : layout.marks) markAt(mark);
        for (const chart::Mark& mark : layout.marks) labelOf(mark);
    }

private:
    double px(double logical) const { return logical * scale_; }

    static QPen pen(const QColor& colour, int width, Qt::PenStyle style = Qt::SolidLine) {
        return {colour, double(width), style, Qt::FlatCap};
    }

    void grid(const chart::SketchLayout& l) {
        p_.setRenderHint(QPainter::Antialiasing, false);
        p_.setPen(pen(gridColour, 1));
        for (const chart::Tick& t : l.xTicks) p_.drawLine(QPointF(t.at, l.top), QPointF(t.at, l.bottom));
        for (const chart::Tick& t : l.yTicks) p_.drawLine(QPointF(l.left, t.at), QPointF(l.right, t.at));
        p_.setPen(pen(symmetryColour, l.axisWidth, Qt::DashLine));
        p_.drawLine(QPointF(l.symmetry, l.top), QPointF(l.symmetry, l.bottom));
    }

    void axes(const chart::SketchLayout& l) {
        const double end = px(4), arrow = px(9), wing = px(4);
        p_.setRenderHint(QPainter::Antialiasing, false);
        p_.setPen(pen(axisColour, l.axisWidth));
        const double right = bounds_.right() - end, top = end;
        p_.drawLine(QPointF(px(4), l.xAxis), QPointF(right - arrow / 2, l.xAxis));
        p_.drawLine(QPointF(l.yAxis, bounds_.bottom() - px(4)), QPointF(l.yAxis, top + arrow / 2));
        p_.setRenderHint(QPainter::Antialiasing, true);
        p_.setPen(Qt::NoPen);
        p_.setBrush(axisColour);
        p_.drawPolygon(QPolygonF{{right, l.xAxis}, {right - arrow, l.xAxis - wing}, {right - arrow, l.xAxis + wing}});
        p_.drawPolygon(QPolygonF{{l.yAxis, top}, {l.yAxis - wing, top + arrow}, {l.yAxis + wing, top + arrow}});
        p_.setPen(axisColour);
        text(QStringLiteral("x"), QPointF(right - arrow, l.xAxis - px(4)), Qt::AlignRight | Qt::AlignBottom);
        text(QStringLiteral("y"), QPointF(l.yAxis + px(8), top), Qt::AlignLeft | Qt::AlignTop);
    }

    // Numbered ticks, every one where their labels have room, else every
    // second or fifth counted from 0.
    void ticks(const chart::SketchLayout& l) {
        const QFontMetricsF metrics(p_.font());
        // Clear of the marks on the axes.
        const double half = px(3), gap = px(8);
        p_.setRenderHint(QPainter::Antialiasing, false);
        p_.setPen(pen(axisColour, 1));
        const auto every = [](double room, double needed) {
            for (const int n : {1, 2, 5, 10}) {
                if (room * n >= needed) return n;
            }
            return 1000;
        };
        const auto widest = [&](const std::vector<chart::Tick>& ticks) {
            double width = 0;
            for (const chart::Tick& t : ticks) width = std::max(width, metrics.horizontalAdvance(qs(t.label)));
            return width;
        };
        if (l.xTicks.size() > 1) {
            const int n = every(std::abs(l.xTicks[1].at - l.xTicks[0].at), widest(l.xTicks) + px(8));
            const bool below = l.xAxis + gap + metrics.height() <= bounds_.bottom();
            for (const chart::Tick& t : l.xTicks) {
                p_.drawLine(QPointF(t.at, l.xAxis - half), QPointF(t.at, l.xAxis + half));
                if (t.k % n) continue;
                text(qs(t.label), QPointF(t.at, below ? l.xAxis + gap : l.xAxis - gap),
                     Qt::AlignHCenter | (below ? Qt::AlignTop : Qt::AlignBottom));
            }
        }
        if (l.yTicks.size() > 1) {
            const int n = every(std::abs(l.yTicks[1].at - l.yTicks[0].at), metrics.height());
            const bool left = l.yAxis - gap - widest(l.yTicks) >= bounds_.left();
            for (const chart::Tick& t : l.yTicks) {
                p_.drawLine(QPointF(l.yAxis - half, t.at), QPointF(l.yAxis + half, t.at));
                if (t.k % n) continue;
                text(qs(t.label), QPointF(left ? l.yAxis - gap : l.yAxis + gap, t.at),
                     Qt::AlignVCenter | (left ? Qt::AlignRight : Qt::AlignLeft));
            }
        }
        text(QStringLiteral("0"), QPointF(l.yAxis - gap, l.xAxis + gap), Qt::AlignRight | Qt::AlignTop);
    }

    void curve(const chart::SketchLayout& l) {
        QPainterPath path(pointOf(l.curveStart));
        path.quadTo(pointOf(l.curveControl), pointOf(l.curveEnd));
        p_.save();
        p_.setClipRect(QRectF(QPointF(l.left, 0), QPointF(l.right, bounds_.bottom())));
        p_.setRenderHint(QPainter::Antialiasing, true);
        p_.setPen(QPen(curveColour, px(2), Qt::SolidLine, Qt::RoundCap));
        p_.setBrush(Qt::NoBrush);
        p_.drawPath(path);
        p_.restore();
    }

    // A diamond beyond the square, so that where (0; c) is the vertex both show.
    double markRadius(chart::MarkShape shape) const { return px(shape == chart::MarkShape::Diamond ? 6.75 : 4.5); }

    void markAt(const chart::Mark& mark) {
        const double r = markRadius(mark.shape);
        const QPointF c = pointOf(mark.at);
        p_.setRenderHint(QPainter::Antialiasing, true);
        p_.setPen(QPen(axisColour, px(1)));
        p_.setBrush(fillOf(mark.shape));
        switch (mark.shape) {
        case chart::MarkShape::Circle: p_.drawEllipse(c, r, r); break;
        case chart::MarkShape::Square: p_.drawRect(QRectF(c - QPointF(r, r), c + QPointF(r, r))); break;
        case chart::MarkShape::Diamond:
            p_.drawPolygon(QPolygonF{c + QPointF(0, -r), c + QPointF(r, 0), c + QPointF(0, r), c + QPointF(-r, 0)});
            break;
        }
    }

    // Beside its mark, on a light ground, where it covers no other text or
    // mark: on its own side first, else the other way along the axis, else
    // a line or two further out, else on the far side.
    void labelOf(const chart::Mark& mark) {
        if (mark.label.empty()) return;
        const QString label = qs(mark.label);
        const QFontMetricsF metrics(p_.font());
        const QSizeF size(metrics.horizontalAdvance(label) + px(6), metrics.height() + px(2));
        // Past the largest mark, which may lie under this one.
        const double gap = markRadius(chart::MarkShape::Diamond) + px(2);
        const QPointF c = pointOf(mark.at);
        const auto boxAt = [&](int horizontal, int vertical, int further) {
            const double x = horizontal < 0   ? c.x() - gap - size.width()
                             : horizontal > 0 ? c.x() + gap
                                              : c.x() - size.width() / 2;
            const double y = (vertical < 0 ? c.y() - gap - size.height() : c.y() + gap) +
                             vertical * further * (size.height() + px(2));
            return QRectF(QPointF(x, y), size);
        };
        std::vector<QRectF> places;
        for (const int vertical : {mark.vertical, -mark.vertical}) {
            for (int further = 0; further < 3; ++further) {
                for (const int horizontal : {mark.horizontal, -mark.horizontal}) {
                    places.push_back(boxAt(horizontal, vertical, further));
                }
            }
        }
        const auto free = std::find_if(places.begin(), places.end(),
                                       [&](const QRectF& b) { return bounds_.contains(b) && !overlapsPlaced(b); });
        QRectF box = places.front();
        if (free != places.end()) {
            box = *free;
        } else {
            box.moveLeft(std::clamp(box.left(), bounds_.left(), std::max(bounds_.left(), bounds_.right() - box.width())));
            box.moveTop(std::clamp(box.top(), bounds_.top(), std::max(bounds_.top(), bounds_.bottom() - box.height())));
        }
        placed_.push_back(box);
        p_.setRenderHint(QPainter::Antialiasing, false);
        p_.setPen(Qt::NoPen);
        p_.setBrush(labelBackground);
        p_.drawRect(box);
        p_.setPen(axisColour);
        p_.drawText(box, Qt::AlignCenter, label);
    }

    bool overlapsPlaced(const QRectF& box) const {
        return std::any_of(placed_.begin(), placed_.end(), [&](const QRectF& other) { return other.intersects(box); });
    }

    // TEXT with the side or corner ALIGN names at AT, unless it would cover
    // a mark; the marks' labels keep clear of it.
    void text(const QString& text, QPointF at, Qt::Alignment align) {
        const QSizeF size = QFontMetricsF(p_.font()).size(0, text);
        QPointF corner = at;
        if (align & Qt::AlignRight) corner.rx() -= size.width();
        if (align & Qt::AlignHCenter) corner.rx() -= size.width() / 2;
        if (align & Qt::AlignBottom) corner.ry() -= size.height();
        if (align & Qt::AlignVCenter) corner.ry() -= size.height() / 2;
        const QRectF box(corner, size);
        if (overlapsPlaced(box)) return;
        placed_.push_back(box);
        p_.drawText(box, Qt::AlignCenter, text);
    }

    static QString qs(const std::string& text) { return QString::fromStdString(text); }

    QPainter& p_;
    const double scale_;
    const QRectF bounds_;
    std::vector<QRectF> placed_;
};

}  // namespace

GraphView::GraphView(QWidget* parent) : QWidget(parent) {
    setAccessibleName(QStringLiteral("Wykres funkcji"));
    setFocusPolicy(Qt::StrongFocus);
    setMinimumSize(320, 240);
    setContextMenuPolicy(Qt::ActionsContextMenu);
    auto* copy = new QAction(QStringLiteral("Kopiuj wykres"), this);
    connect(copy, &QAction::triggered, this, [this] { QApplication::clipboard()->setImage(picture()); });
    addAction(copy);
}

void GraphView::setGraph(const solution::Graph& graph) {
    graph_ = graph;
    view_ = chart::FitView(graph);
    setAccessibleDescription(QString::fromStdString(graph.description));
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

void GraphView::paintChart(QPainter& painter, double scale) const {
    painter.fillRect(QRectF(QPointF(), size()), Qt::white);
    Painter paint(painter, *this, scale);
    if (!view_) {
        painter.setPen(axisColour);
        painter.drawText(paint.bounds(), Qt::AlignCenter | Qt::TextWordWrap,
                         QStringLiteral("Wykresu nie da się narysować: liczby są za duże albo za małe."));
        return;
    }
    const QSizeF pixels = paint.bounds().size();
    paint.paint(chart::LayoutSketch(graph_, *view_, int(pixels.width()), int(pixels.height()), scale));
}

}  // namespace app
