#include "solution/SolutionSet.h"

namespace solution {

namespace {

using sketch::EndKind;

bool isPoint(const Range& r) {
    return r.from.kind == EndKind::Closed && r.to.kind == EndKind::Closed && r.from.text == r.to.text;
}

// All numbers but one: (−∞; t) ∪ (t; +∞).
bool isAllBut(const SolutionSet& set) {
    return set.size() == 2 && set[0].from.kind == EndKind::Infinite && set[1].to.kind == EndKind::Infinite &&
           set[0].to.kind == EndKind::Open && set[1].from.kind == EndKind::Open && set[0].to.text == set[1].from.text;
}

sketch::SpanEnd spanEnd(const Bound& b) { return {.at = b.nearest, .kind = b.kind}; }

}  // namespace

std::string RangeText(const Range& r) {
    if (isPoint(r)) return "{" + r.from.text + "}";
    const std::string from = r.from.kind == EndKind::Infinite ? "(−∞" : (r.from.kind == EndKind::Closed ? "⟨" : "(") + r.from.text;
    const std::string to = r.to.kind == EndKind::Infinite ? "+∞)" : r.to.text + (r.to.kind == EndKind::Closed ? "⟩" : ")");
    return from + "; " + to;
}

std::string SetText(const SolutionSet& set) {
    if (set.empty()) return "∅";
    if (set.size() == 1 && set[0].from.kind == EndKind::Infinite && set[0].to.kind == EndKind::Infinite) return "ℝ";
    if (isAllBut(set)) return "ℝ \\ {" + set[0].to.text + "}";
    std::string text;
    for (const Range& r : set) text += (text.empty() ? "" : " ∪ ") + RangeText(r);
    return text;
}

std::vector<sketch::AxisSpan> SpansOf(const SolutionSet& set) {
    std::vector<sketch::AxisSpan> spans;
    for (const Range& r : set) spans.push_back({.from = spanEnd(r.from), .to = spanEnd(r.to)});
    return spans;
}

}  // namespace solution
