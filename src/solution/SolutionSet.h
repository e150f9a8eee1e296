#pragma once

#include <string>
#include <vector>

#include "sketch/Sketch.h"

namespace solution {

// One end of a range of x: past every number, or a number that belongs to
// the range (closed) or not (open), as written and where the chart draws it.
struct Bound {
    sketch::EndKind kind = sketch::EndKind::Infinite;
    std::string text;
    double nearest = 0;

    static Bound infinite() { return {}; }
    static Bound open(std::string text, double nearest) { return {sketch::EndKind::Open, std::move(text), nearest}; }
    static Bound closed(std::string text, double nearest) { return {sketch::EndKind::Closed, std::move(text), nearest}; }
    static Bound of(bool closed, std::string text, double nearest) {
        return {closed ? sketch::EndKind::Closed : sketch::EndKind::Open, std::move(text), nearest};
    }
};

// The numbers from one bound to the other; a single number where both are
// the same closed one.
struct Range {
    Bound from, to;
};

// A set of x as ranges from the smallest; none is the empty set.
using SolutionSet = std::vector<Range>;

// "⟨−2; 7⟩", "(−∞; 1⟩", "{3}"
std::string RangeText(const Range& range);
// The ranges joined by ∪, or "ℝ", "∅", "ℝ \ {3}".
std::string SetText(const SolutionSet& set);
// The same set on the chart's x axis.
std::vector<sketch::AxisSpan> SpansOf(const SolutionSet& set);

}  // namespace solution
