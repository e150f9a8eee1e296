#include "solution/Graph.h"

namespace solution {

namespace {

// "1 − √2 ≈ −0,41", "3", or "≈ 1,23 · 10⁴⁵" where the numbers are rounded.
std::string describedZero(const Facts& f, const Zero& zero) {
    if (!f.exact) return "≈ " + zero.text;
    return zero.brief.empty() ? zero.text : zero.text + " ≈ " + zero.brief;
}

std::string description(const Facts& f) {
    std::string zeros = "brak miejsc zerowych";
    if (f.deltaSign > 0) {
        const auto [low, high] = ZerosInOrder(f);
        zeros = "miejsca zerowe " + describedZero(f, low) + " i " + describedZero(f, high);
    } else if (f.deltaSign == 0) {
        zeros = "miejsce zerowe " + describedZero(f, f.x1);
    }
    return std::string("Parabola o ramionach skierowanych ") + (f.aSign > 0 ? "w górę" : "w dół") +
           ", wierzchołek " + VertexText(f) + ", " + zeros + ", przecina oś OY w punkcie " + YInterceptText(f) +
           ".";
}

}  // namespace

std::string VertexText(const Facts& f) {
    return std::string("W") + (f.exact ? " = " : " ≈ ") + "(" + f.p.text() + "; " + f.q.text() + ")";
}

std::string YInterceptText(const Facts& f) { return "(0; " + f.c.text() + ")"; }

Graph GraphOf(const Facts& f) {
    const std::string is = f.exact ? " = " : " ≈ ";
    sketch::Sketch sketch;
    sketch.curve = {.a = f.nearest.a, .slope = 0, .p = f.nearest.p, .q = f.nearest.q};
    sketch.vertex = sketch::LabelledPoint{.x = f.nearest.p, .y = f.nearest.q, .label = VertexText(f)};
    sketch.yIntercept = sketch::LabelledPoint{.x = 0, .y = f.nearest.c, .label = {}};
    if (f.deltaSign > 0) {
        sketch.zeros = {{f.x1.nearest, 0, "x₁" + is + f.x1.text}, {f.x2.nearest, 0, "x₂" + is + f.x2.text}};
    } else if (f.deltaSign == 0) {
        sketch.zeros = {{f.x1.nearest, 0, "x₀" + is + f.x1.text}};
    }
    // Where (0; c) is the vertex (b = 0) or a zero (c = 0), that point's label says it.
    if (f.p.sign != 0 && f.c.sign != 0) sketch.yIntercept->label = YInterceptText(f);
    return {sketch, description(f)};
}

}  // namespace solution
