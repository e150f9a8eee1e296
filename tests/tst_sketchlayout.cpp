#include <QtTest>

#include <algorithm>
#include <cmath>
#include <map>
#include <optional>
#include <random>

#include "sketch/SketchLayout.h"

namespace {

using sketch::Box;
using sketch::Curve;
using sketch::EndKind;
using sketch::LabelledPoint;
using sketch::PixelPoint;
using sketch::TextKind;

// Every character 7 × 14 pixels at scale 1.
sketch::MeasureText fixedWidth(double scale) {
    return [scale](const std::string& text) {
        const auto characters = std::count_if(text.begin(), text.end(), [](char c) { return (c & 0xc0) != 0x80; });
        return PixelPoint{7 * scale * double(characters), 14 * scale};
    };
}

// A tick's number as plain digits, or as a power of ten where they would be many.
std::string tickText(long long multiple, int exponent) {
    if (multiple == 0) return "0";
    if (exponent >= 0 && exponent <= 6) return std::to_string(multiple) + std::string(exponent, '0');
    if (exponent < 0 && exponent >= -6) {
        return QString::number(double(multiple) * std::pow(10.0, exponent), 'f', -exponent).toStdString();
    }
    return std::to_string(multiple) + " · 10^" + std::to_string(exponent);
}

std::vector<std::string> tickTexts(const std::vector<long long>& multiples, int exponent) {
    std::vector<std::string> texts;
    for (const long long m : multiples) texts.push_back(tickText(m, exponent));
    return texts;
}

// A chart to lay out: a sketch, the picture's size in device pixels, its
// scale, and whether the curve only touches the x axis at its zero.
struct Case {
    QString kind;
    sketch::Sketch sketch;
    int width = 0, height = 0;
    double scale = 1;
    bool touchingZero = false;
};

// Charts of every kind a task draws, with their numbers as tasks give them:
// mostly small whole numbers and halves, some of any size.
class Generator {
public:
    explicit Generator(unsigned seed) : random_(seed) {}

    Case next() {
        Case c;
        switch (integer(0, 4)) {
        case 0: c = parabola(); break;
        case 1: c = inequality(); break;
        case 2: c = interval(); break;
        case 3: c = line(); break;
        default: c = twoCurves(); break;
        }
        // From the dialog's smallest chart to a large screen's, 1:6 to 1:1.
        const int width = integer(320, 1400);
        const int height = std::clamp(int(width * std::pow(6.0, -uniform(0, 1))), 120, 900);
        c.scale = std::array{1.0, 1.5, 2.0}[integer(0, 2)];
        c.width = int(std::lround(width * c.scale));
        c.height = int(std::lround(height * c.scale));
        return c;
    }

private:
    double uniform(double low, double high) { return std::uniform_real_distribution<double>(low, high)(random_); }
    int integer(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }
    bool chance(double p) { return uniform(0, 1) < p; }

    // A whole number or a half, now and then a number of any size.
    double number(double reach = 10) {
        if (chance(0.6)) return integer(-int(reach), int(reach)) / (chance(0.3) ? 2.0 : 1.0);
        return uniform(-1, 1) * std::pow(10.0, integer(-3, 6));
    }
    double positive() {
        const double n = std::abs(number(6));
        return n == 0 ? 1 : n;
    }

    // A number as the worked solution writes it: short, long or with a root.
    std::string text(double value) {
        switch (integer(0, 3)) {
        case 0: return QString::number(value, 'g', 6).toStdString();
        case 1: return QString::number(value, 'g', 15).toStdString();
        case 2: {
            const auto whole = [&](int low, int high) { return std::to_string(integer(low, high)); };
            return "(" + whole(1, 99) + " − " + whole(1, 9) + "√" + whole(2, 99) + ")/" + whole(2, 9);
        }
        default: return std::to_string(integer(-999, 999)) + "/" + std::to_string(integer(2, 999));
        }
    }
    std::string pointText(const std::string& name, double x, double y) {
        return name + " = (" + text(x) + "; " + text(y) + ")";
    }

    // y = a(x − p)² + q with its vertex, zeros and (0; c) as a function's
    // chart marks them; Δ of any sign, zeros far apart, a pixel apart, at
    // the origin, the vertex there.
    Case parabola() {
        Case c;
        const double size = chance(0.6) ? std::array{1.0, 2.0, 0.5, 3.0, 1 / 3.0}[integer(0, 4)] : std::pow(10.0, uniform(-3, 3));
        const double a = (chance(0.5) ? 1 : -1) * size;
        double p = number();
        double q = 0;
        std::vector<double> zeros;
        switch (integer(0, 5)) {
        case 0: q = a * positive(); c.kind = "Δ < 0"; break;
        case 1: c.touchingZero = true; zeros = {p}; c.kind = "Δ = 0"; break;
        case 2: {
            if (p == 0) p = positive();
            const double d = std::abs(p) * std::pow(10.0, uniform(-6, -1));
            q = -a * d * d;
            zeros = {p - d, p + d};
            c.kind = "zeros close together";
            break;
        }
        case 3: {
            const double r = chance(0.5) ? positive() : -positive();
            p = r / 2;
            q = -a * p * p;
            zeros = {0, r};
            c.kind = "a zero at the origin";
            break;
        }
        case 4: p = 0; [[fallthrough]];
        default: {
            const double d = positive();
            q = -a * d * d;
            zeros = {p - d, p + d};
            c.kind = p == 0 ? "vertex on the y axis" : "Δ > 0";
            break;
        }
        }
        sketch::Sketch& s = c.sketch;
        s.curve = {.a = a, .slope = 0, .p = p, .q = q};
        s.vertex = LabelledPoint{p, q, pointText("W", p, q)};
        const char* names[] = {"x₁", "x₂"};
        for (std::size_t i = 0; i < zeros.size(); ++i) {
            s.zeros.push_back({zeros[i], 0, std::string(zeros.size() == 1 ? "x₀" : names[i]) + " = " + text(zeros[i])});
        }
        // Where (0; c) is the vertex or a zero, that point's label says it.
        const bool named = p == 0 || std::count(zeros.begin(), zeros.end(), 0.0);
        const double y = named && p != 0 ? 0 : s.curve.valueAt(0);
        s.yIntercept = LabelledPoint{0, y, named ? "" : "(0; " + text(y) + ")"};
        return c;
    }

    sketch::SpanEnd end(double at, bool closed) { return {at, closed ? EndKind::Closed : EndKind::Open}; }

    // A quadratic inequality's set: between or outside the zeros; {x₀},
    // ℝ \ {x₀}, ℝ or ∅.
    Case inequality() {
        Case c = parabola();
        sketch::Sketch& s = c.sketch;
        const sketch::SpanEnd infinite{};
        const bool closed = chance(0.5);
        if (s.zeros.size() == 2) {
            const double x1 = std::min(s.zeros[0].x, s.zeros[1].x), x2 = std::max(s.zeros[0].x, s.zeros[1].x);
            if (chance(0.5)) {
                s.solutionSet = {{end(x1, closed), end(x2, closed)}};
            } else {
                s.solutionSet = {{infinite, end(x1, closed)}, {end(x2, closed), infinite}};
            }
        } else if (s.zeros.size() == 1 && chance(0.5)) {
            const double x0 = s.zeros[0].x;
            s.solutionSet = closed ? std::vector<sketch::AxisSpan>{{end(x0, true), end(x0, true)}}
                                   : std::vector<sketch::AxisSpan>{{infinite, end(x0, false)}, {end(x0, false), infinite}};
        } else if (chance(0.5)) {
            s.solutionSet = {{infinite, infinite}};
        }
        c.kind += ", an inequality";
        return c;
    }

    // A function on ⟨u; v⟩: the interval, its least and greatest values.
    Case interval() {
        Case c = parabola();
        sketch::Sketch& s = c.sketch;
        const double p = s.curve.p, reach = s.zeros.size() == 2 ? std::abs(s.zeros[1].x - s.zeros[0].x) : positive();
        // Now and then symmetric about p, where the greatest value is reached at both ends.
        const bool symmetric = uniform(0, 1) < 0.2;
        const double u = symmetric ? p - reach : p + reach * uniform(-3, 1), v = symmetric ? p + reach : u + reach * uniform(0.1, 4);
        std::vector<double> xs{u, v};
        if (p > u && p < v) xs.push_back(p);
        const auto byValue = [&](double x, double y) { return s.curve.valueAt(x) < s.curve.valueAt(y); };
        const double least = *std::min_element(xs.begin(), xs.end(), byValue);
        const double greatest = *std::max_element(xs.begin(), xs.end(), byValue);
        s.solutionSet = {{end(u, true), end(v, true)}};
        const auto valueAt = [&](const char* name, double x) {
            return LabelledPoint{x, s.curve.valueAt(x), std::string(name) + ": f(" + text(x) + ") = " + text(s.curve.valueAt(x))};
        };
        s.least = {valueAt("min", least)};
        s.greatest = {valueAt("max", greatest)};
        // The second place it is reached, marked, its label said by the first's.
        if (symmetric) (s.curve.a > 0 ? s.greatest : s.least).push_back({v, s.curve.valueAt(v), ""});
        c.kind += ", on an interval";
        return c;
    }

    // A linear equation or inequality: the line, its zero, a half-line.
    Case line() {
        Case c;
        c.kind = "a line";
        sketch::Sketch& s = c.sketch;
        const double zero = number(), slope = (chance(0.5) ? 1 : -1) * positive();
        s.curve = {.a = 0, .slope = slope, .p = zero, .q = 0};
        s.zeros = {{zero, 0, "x = " + text(zero)}};
        const double c0 = s.curve.valueAt(0);
        if (chance(0.5)) s.yIntercept = LabelledPoint{0, c0, zero == 0 ? "" : "(0; " + text(c0) + ")"};
        if (chance(0.7)) {
            const sketch::SpanEnd infinite{}, atZero = end(zero, chance(0.5));
            s.solutionSet = {chance(0.5) ? sketch::AxisSpan{infinite, atZero} : sketch::AxisSpan{atZero, infinite}};
        }
        return c;
    }

    // A parabola and the other side of its equation, a line or a parabola,
    // meeting in 0, 1 or 2 points.
    Case twoCurves() {
        Case c;
        sketch::Sketch& s = c.sketch;
        const double a = (chance(0.5) ? 1 : -1) * (chance(0.7) ? integer(1, 3) / 2.0 : std::pow(10.0, uniform(-2, 2)));
        s.curve = {.a = a, .slope = 0, .p = number(), .q = number()};
        const auto f = [&](double x) { return s.curve.valueAt(x); };
        const double x1 = number(), x2 = x1 + positive();
        const bool line = chance(0.5);
        const double a2 = line ? 0 : (a > 0 ? -1 : 1) * positive() / 2;
        const int count = integer(0, 2);
        std::vector<double> common;
        if (count == 2) {
            // Through both points, leaning as much as a parabola of a2 there.
            const double slope = (f(x2) - f(x1)) / (x2 - x1) - a2 * (x2 - x1);
            s.other = Curve{.a = a2, .slope = slope, .p = x1, .q = f(x1)};
            common = {x1, x2};
        } else {
            // Touching the parabola at x1, or moved off it away from its arms.
            const double slope = 2 * a * (x1 - s.curve.p), off = count == 1 ? 0 : (a - a2 > 0 ? -1 : 1) * positive();
            s.other = Curve{.a = a2, .slope = slope, .p = x1, .q = f(x1) + off};
            if (count == 1) common = {x1};
        }
        const char* names[] = {"A", "B"};
        for (std::size_t i = 0; i < common.size(); ++i) {
            s.commonPoints.push_back({common[i], f(common[i]), pointText(names[i], common[i], f(common[i]))});
        }
        if (chance(0.3)) s.vertex = LabelledPoint{s.curve.p, s.curve.q, pointText("W", s.curve.p, s.curve.q)};
        if (common.size() == 2 && chance(0.5)) s.solutionSet = {{end(x1, chance(0.5)), end(x2, chance(0.5))}};
        c.kind = QString("a parabola and a %1, %2 common points").arg(line ? "line" : "parabola").arg(count);
        return c;
    }

    std::mt19937 random_;
};

// How often each rule met a case where it could fail.
struct Counts {
    int charts = 0, labelsBeside = 0, legendLines = 0, numbersBeside = 0, labelsLeftOut = 0;
    int outsideTurns = 0, labelledTickColumns = 0, symmetryLines = 0, spans = 0, commonPoints = 0;
    // Of the texts placed beside their marks or ticks, how many on the side
    // preferred for their kind, and of how many.
    std::map<QString, std::pair<int, int>> sides;
};

// One chart's layout judged by geometry worked out here: the view mapped
// onto the layout's area, the curves sampled every quarter pixel, the
// lines and marks as wide as drawn.
class Judge {
public:
    Judge(const Case& c, const sketch::FittedView& view, const sketch::SketchLayout& layout)
        : c_(c), view_(view), l_(layout), area_(layout.area), lines_(lines()) {}

    QString fault(Counts& counts) const {
        QString found = marksOnTheirPoints();
        for (std::size_t i = 0; found.isEmpty() && i < l_.texts.size(); ++i) found = overSomething(i);
        if (found.isEmpty()) found = labelsBesideOrInLegend(counts);
        if (found.isEmpty()) found = noNumberBesideALabel(counts);
        if (found.isEmpty()) tallySides(counts);
        return found;
    }

    // Where each kind of text goes when it can: (0; c)'s right of the y
    // axis and away from the curve's rise there, a least value's below, a
    // greatest above, the x axis's numbers below it.
    void tallySides(Counts& counts) const {
        const sketch::Sketch& s = c_.sketch;
        const auto tally = [&](const QString& kind, bool preferred) {
            auto& [onSide, all] = counts.sides[kind];
            onSide += preferred;
            ++all;
        };
        const auto besideLabel = [&](const LabelledPoint& p, const QString& kind, auto preferred) {
            for (const sketch::PlacedText& t : l_.texts) {
                if (t.kind == TextKind::Label && t.text == p.label) {
                    const PixelPoint mark = point(p);
                    tally(kind, preferred((t.box.left + t.box.right) / 2 - mark.x, (t.box.top + t.box.bottom) / 2 - mark.y));
                }
            }
        };
        if (s.yIntercept && !s.yIntercept->label.empty()) {
            const bool rises = s.curve.slope + 2 * s.curve.a * (0 - s.curve.p) > 0;
            besideLabel(*s.yIntercept, "(0; c)", [&](double dx, double dy) { return dx > 0 && (rises ? dy > 0 : dy < 0); });
        }
        for (const LabelledPoint& p : s.least) besideLabel(p, "least", [](double, double dy) { return dy > 0; });
        for (const LabelledPoint& p : s.greatest) besideLabel(p, "greatest", [](double, double dy) { return dy < 0; });
        const double xAxis = row(0);
        for (const sketch::PlacedText& t : l_.texts) {
            if (t.kind == TextKind::XNumber) tally("x numbers", t.box.top > xAxis);
        }
    }

private:
    double column(double x) const { return area_.left + (x - view_.x.low) / (view_.x.high - view_.x.low) * area_.width(); }
    double row(double y) const { return area_.bottom - (y - view_.y.low) / (view_.y.high - view_.y.low) * area_.height(); }
    PixelPoint point(const LabelledPoint& p) const { return {column(p.x), row(p.y)}; }
    double px(double logical) const { return logical * c_.scale; }

    // Every point the sketch marks, labelled or not.
    std::vector<LabelledPoint> markedPoints() const {
        const sketch::Sketch& s = c_.sketch;
        std::vector<LabelledPoint> points(s.zeros);
        points.insert(points.end(), s.least.begin(), s.least.end());
        points.insert(points.end(), s.greatest.begin(), s.greatest.end());
        for (const auto& p : {s.vertex, s.yIntercept}) {
            if (p) points.push_back(*p);
        }
        points.insert(points.end(), s.commonPoints.begin(), s.commonPoints.end());
        for (const sketch::AxisSpan& span : s.solutionSet) {
            for (const sketch::SpanEnd& e : {span.from, span.to}) {
                if (e.kind != EndKind::Infinite) points.push_back({e.at, 0, ""});
            }
        }
        return points;
    }

    static bool same(PixelPoint a, PixelPoint b) { return std::abs(a.x - b.x) < 1e-6 && std::abs(a.y - b.y) < 1e-6; }

    // Each mark on a point the sketch marks, and each such point marked.
    QString marksOnTheirPoints() const {
        const std::vector<LabelledPoint> points = markedPoints();
        for (const sketch::Mark& m : l_.marks) {
            if (std::none_of(points.begin(), points.end(), [&](const LabelledPoint& p) { return same(point(p), m.at); })) {
                return QString("a mark at (%1; %2) on no marked point").arg(m.at.x).arg(m.at.y);
            }
        }
        for (const LabelledPoint& p : points) {
            if (std::none_of(l_.marks.begin(), l_.marks.end(), [&](const sketch::Mark& m) { return same(point(p), m.at); })) {
                return QString("(%1; %2) unmarked").arg(p.x).arg(p.y);
            }
        }
        // A solution's end filled where it belongs to the set, hollow where not.
        for (const sketch::AxisSpan& span : c_.sketch.solutionSet) {
            for (const sketch::SpanEnd& e : {span.from, span.to}) {
                if (e.kind == EndKind::Infinite) continue;
                const auto shape = e.kind == EndKind::Closed ? sketch::MarkShape::ClosedEnd : sketch::MarkShape::OpenEnd;
                const PixelPoint at = point({e.at, 0, ""});
                if (std::none_of(l_.marks.begin(), l_.marks.end(),
                                 [&](const sketch::Mark& m) { return m.shape == shape && same(at, m.at); })) {
                    return QString("the end at %1 not drawn %2").arg(e.at).arg(e.kind == EndKind::Closed ? "filled" : "hollow");
                }
            }
        }
        return {};
    }

    // Whether a curve, half its stroke and a pixel of smoothing either
    // side, passes through the box: its samples a quarter pixel apart and
    // the straight pieces between them.
    bool overCurve(const Curve& curve, const Box& box) const {
        const double reach = l_.sizes.curve / 2 + 1;
        const double from = std::max(area_.left, box.left - reach), to = std::min(area_.right, box.right + reach);
        const auto rowAt = [&](double col) {
            return row(curve.valueAt(view_.x.low + (col - area_.left) / area_.width() * (view_.x.high - view_.x.low)));
        };
        double before = rowAt(from);
        for (double col = from; col < to;) {
            col = std::min(to, col + 0.25);
            const double after = rowAt(col);
            if (std::min(before, after) < box.bottom + reach && std::max(before, after) > box.top - reach) return true;
            before = after;
        }
        return false;
    }

    // The axes with their arrowheads and ticks, the axis of symmetry, the
    // spans; each as wide as drawn and half a pixel for its rounding.
    std::vector<std::pair<QString, Box>> lines() const {
        const sketch::LineSizes& s = l_.sizes;
        const Box& plot = l_.plot;
        const double x = row(0), y = column(0), wing = s.arrowWing + 0.5;
        std::vector<std::pair<QString, Box>> lines{
            {"the x axis", {plot.left + s.axisInset, x - wing, plot.right - s.axisInset, x + wing}},
            {"the y axis", {y - wing, plot.top + s.axisInset, y + wing, plot.bottom - s.axisInset}}};
        if (const auto& vertex = c_.sketch.vertex) {
            const double half = s.axis / 2.0 + 0.5, at = column(vertex->x);
            lines.push_back({"the axis of symmetry", {at - half, area_.top, at + half, area_.bottom}});
        }
        for (const sketch::AxisSpan& span : c_.sketch.solutionSet) {
            const double from = span.from.kind == EndKind::Infinite ? area_.left : column(span.from.at);
            const double to = span.to.kind == EndKind::Infinite ? area_.right : column(span.to.at);
            lines.push_back({"a span", {from, x - s.span / 2 - 0.5, to, x + s.span / 2 + 0.5}});
        }
        return lines;
    }

    // Text I inside its part of the picture, and over no curve, line, mark
    // or other text.
    QString overSomething(std::size_t i) const {
        const sketch::PlacedText& t = l_.texts[i];
        const QString where = QString::fromStdString(t.text) +
                              QString(" at (%1, %2)–(%3, %4)").arg(t.box.left).arg(t.box.top).arg(t.box.right).arg(t.box.bottom);
        for (std::size_t j = 0; j < i; ++j) {
            if (t.box.intersects(l_.texts[j].box)) return where + " over " + QString::fromStdString(l_.texts[j].text);
        }
        if (t.kind == TextKind::Legend) {
            // Under the chart, where nothing else is drawn.
            if (!l_.bounds.contains(t.box) || t.box.top < l_.plot.bottom) return where + " not under the chart";
            return {};
        }
        if (!l_.plot.contains(t.box)) return where + " outside the chart";
        for (const auto& [name, line] : lines_) {
            if (t.box.intersects(line)) return where + " over " + name;
        }
        for (const sketch::Mark& m : l_.marks) {
            if (t.box.distanceTo(m.at) < m.radius) return where + QString(" over the mark at (%1; %2)").arg(m.at.x).arg(m.at.y);
        }
        for (const auto& curve : {std::optional(c_.sketch.curve), c_.sketch.other}) {
            if (curve && overCurve(*curve, t.box)) return where + " over a curve";
        }
        return {};
    }

    // TEXT, a label or a mark's number, beside the mark of LABELLED: its
    // nearest point a pixel to 6 logical pixels past the mark's disc; and
    // where the curve turns at the mark, on the turn's outer side.
    QString touchesRing(const sketch::PlacedText& text, const LabelledPoint& labelled, Counts& counts) const {
        const QString what = QString::fromStdString(text.text);
        const PixelPoint at = point(labelled);
        if (text.mark < 0 || !same(l_.marks[text.mark].at, at)) return what + " not beside its own mark";
        const sketch::Mark& m = l_.marks[text.mark];
        const double d = text.box.distanceTo(at);
        if (d < m.radius + 1 - 1e-9 || d > m.radius + px(6) + 1e-9) return what + QString(" %1 px from its mark").arg(d);
        const bool vertex = c_.sketch.vertex && same(at, point(*c_.sketch.vertex)) && m.shape == sketch::MarkShape::Square;
        const bool touching = c_.touchingZero && m.shape == sketch::MarkShape::Circle;
        if (vertex || touching) {
            ++counts.outsideTurns;
            const bool armsUp = c_.sketch.curve.a > 0;
            if (armsUp ? text.box.top < at.y : text.box.bottom > at.y) return what + " on the curve's side of its turn";
        }
        return {};
    }

    // Every label beside its mark, or in a legend line numbered as the
    // number beside its mark, or nowhere where its line is wider than the
    // picture or the legend has taken half the picture.
    QString labelsBesideOrInLegend(Counts& counts) const {
        const double line = px(14 + 2), legendHeight = l_.bounds.bottom - l_.plot.bottom;
        if (legendHeight > l_.bounds.height() / 2) return QString("a legend %1 px high").arg(legendHeight);
        const bool legendFull = legendHeight + line > l_.bounds.height() / 2;
        for (const LabelledPoint& p : markedPoints()) {
            if (p.label.empty()) continue;
            const QString label = QString::fromStdString(p.label);
            std::vector<const sketch::PlacedText*> beside, legend;
            for (const sketch::PlacedText& t : l_.texts) {
                if (t.kind == TextKind::Label && t.text == p.label) beside.push_back(&t);
                // "n: label" where its number stands beside the mark, else the label alone.
                const bool numbered = t.text.size() > p.label.size() && t.text.ends_with(": " + p.label);
                if (t.kind == TextKind::Legend && (t.text == p.label || numbered)) legend.push_back(&t);
            }
            if (beside.size() + legend.size() > 1) return label + " written twice";
            if (!beside.empty()) {
                ++counts.labelsBeside;
                if (QString fault = touchesRing(*beside[0], p, counts); !fault.isEmpty()) return fault;
                continue;
            }
            if (legend.empty()) {
                const double widest = 7 * px(double(label.size() + 4));
                if (!legendFull && widest <= l_.bounds.width()) {
                    return label + " neither beside its mark nor in the legend, which has room";
                }
                ++counts.labelsLeftOut;
                continue;
            }
            ++counts.legendLines;
            if (legend[0]->text == p.label) continue;
            const std::string number = legend[0]->text.substr(0, legend[0]->text.size() - p.label.size() - 2);
            std::vector<const sketch::PlacedText*> numbers;
            for (const sketch::PlacedText& t : l_.texts) {
                if (t.kind == TextKind::MarkNumber && t.text == number) numbers.push_back(&t);
            }
            if (numbers.size() > 1) return QString::fromStdString(number) + " beside two marks";
            if (numbers.empty()) return QString::fromStdString(legend[0]->text) + " numbered as no mark";
            ++counts.numbersBeside;
            if (QString fault = touchesRing(*numbers[0], p, counts); !fault.isEmpty()) return fault;
        }
        return {};
    }

    // No number on the x axis at a column a label names: "x₁ = 1" with no
    // "1" beside it.
    QString noNumberBesideALabel(Counts& counts) const {
        std::map<std::string, double> columns;
        for (long long k = view_.x.firstTick; k <= view_.x.lastTick; ++k) {
            columns[tickText(k * view_.x.mantissa, view_.x.exponent)] = column(view_.x.tick(k));
        }
        std::vector<double> named;
        for (const LabelledPoint& p : markedPoints()) {
            if (p.label.empty()) continue;
            named.push_back(column(p.x));
            counts.labelledTickColumns += std::any_of(columns.begin(), columns.end(),
                                                      [&](const auto& tick) { return std::abs(tick.second - named.back()) <= 0.5; });
        }
        for (const sketch::PlacedText& t : l_.texts) {
            if (t.kind != TextKind::XNumber) continue;
            const auto tick = columns.find(t.text);
            if (tick == columns.end()) return QString::fromStdString(t.text) + " is no tick's number";
            for (const double at : named) {
                if (std::abs(at - tick->second) <= 0.5) return QString::fromStdString(t.text) + " where a label names it";
            }
        }
        return {};
    }

    const Case& c_;
    const sketch::FittedView& view_;
    const sketch::SketchLayout& l_;
    const Box area_;
    const std::vector<std::pair<QString, Box>> lines_;
};

}  // namespace

// Charts of every kind, in sizes from the dialog's smallest to a large
// screen's at scales 1, 1.5 and 2, laid out with a fixed-width measurer and
// judged by geometry of the test's own.
class SketchLayoutTest : public QObject {
    Q_OBJECT

private slots:
    void everyTextByItsMarkAndOverNothing() {
        Generator generate(20240611);
        Counts counts;
        for (int i = 0; i < 3000; ++i) {
            const Case c = generate.next();
            const auto view = sketch::FitView(c.sketch);
            QVERIFY2(view, qPrintable(c.kind));
            const sketch::SketchLayout layout =
                sketch::LayoutSketch(c.sketch, *view, c.width, c.height, c.scale, tickTexts, fixedWidth(c.scale));
            ++counts.charts;
            counts.symmetryLines += bool(c.sketch.vertex);
            counts.spans += int(c.sketch.solutionSet.size());
            counts.commonPoints += int(c.sketch.commonPoints.size());
            const QString fault = Judge(c, *view, layout).fault(counts);
            QVERIFY2(fault.isEmpty(), qPrintable(QString("chart %1, %2, %3 × %4 at %5: %6")
                                                     .arg(i).arg(c.kind).arg(c.width).arg(c.height).arg(c.scale).arg(fault)));
        }
        qInfo("%d charts: %d labels beside their marks, %d in the legend (%d numbered beside their marks), %d left out; "
              "%d labels outside a turn; %d labelled tick columns; %d axes of symmetry, %d spans, %d common points",
              counts.charts, counts.labelsBeside, counts.legendLines, counts.numbersBeside, counts.labelsLeftOut,
              counts.outsideTurns, counts.labelledTickColumns, counts.symmetryLines, counts.spans, counts.commonPoints);
        // Each kind of text mostly on its preferred side: elsewhere only where that is taken.
        for (const auto& [kind, tally] : counts.sides) {
            qInfo("%s: %d of %d on the preferred side", qPrintable(kind), tally.first, tally.second);
            QVERIFY2(tally.second >= 50 && tally.first >= 0.6 * tally.second, qPrintable(kind));
        }
        QCOMPARE(int(counts.sides.size()), 4);
        // Each rule met often enough to fail where it is broken.
        for (const int met : {counts.labelsBeside, counts.legendLines, counts.numbersBeside, counts.outsideTurns,
                              counts.labelledTickColumns, counts.symmetryLines, counts.spans, counts.commonPoints}) {
            QVERIFY(met >= 50);
        }
    }
};

QTEST_APPLESS_MAIN(SketchLayoutTest)
#include "tst_sketchlayout.moc"
