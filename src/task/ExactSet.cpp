#include "task/ExactSet.h"

#include <algorithm>
#include <utility>

#include "solution/SchoolNotation.h"
#include "solver/ExactReal.h"

namespace task {

namespace {

using solution::Surd;

// Where an end lies on the line: at −∞ or +∞ (infinity −1 or 1), or at its
// value, just after it (side 1, an open start) or just before it (side −1,
// an open end). Ranges are then compared by where their ends lie.
struct Place {
    int infinity = 0;
    const Surd* value = nullptr;
    int side = 0;
};

Place startOf(const ExactRange& r) {
    return r.from.value ? Place{0, &*r.from.value, r.from.closed ? 0 : 1} : Place{-1, nullptr, 0};
}

Place endOf(const ExactRange& r) {
    return r.to.value ? Place{0, &*r.to.value, r.to.closed ? 0 : -1} : Place{1, nullptr, 0};
}

int compareValues(const Place& a, const Place& b) {
    if (a.infinity != 0 || b.infinity != 0) return (a.infinity > b.infinity) - (a.infinity < b.infinity);
    return CompareSurds(*a.value, *b.value);
}

int compare(const Place& a, const Place& b) {
    const int byValue = compareValues(a, b);
    return byValue != 0 ? byValue : (a.side > b.side) - (a.side < b.side);
}

bool isEmptyRange(const ExactRange& r) { return compare(startOf(r), endOf(r)) > 0; }

// Whether NEXT, starting no earlier than R, meets or touches it: ⟨0; 1⟩ and
// (1; 2) make one range, (0; 1) and (1; 2) do not.
bool joins(const ExactRange& r, const ExactRange& next) {
    const Place end = endOf(r), start = startOf(next);
    const int byValue = compareValues(start, end);
    return byValue < 0 || (byValue == 0 && start.side - end.side <= 1);
}

Surd surdOf(const mpq_class& q) { return {.u = q.get_num(), .v = 0, .w = q.get_den(), .m = 1}; }

// A surd of the sizes met here lies much farther from any midpoint between
// two doubles than its approximation at this many bits does from it, so
// both round to the same double.
constexpr mp_bitcnt_t nearestBits = 200;

double nearestDouble(const Surd& x) {
    if (x.isRational()) return solver::NearestDouble(x.rational());
    const mpf_class root = sqrt(mpf_class(x.m, nearestBits));
    const mpf_class value = (mpf_class(x.u, nearestBits) + x.v * root) / mpf_class(x.w, nearestBits);
    return solver::NearestDouble(mpq_class(value));
}

solution::Bound boundOf(const ExactEnd& end) {
    if (!end.value) return solution::Bound::infinite();
    return solution::Bound::of(end.closed, solution::SurdText(*end.value), nearestDouble(*end.value));
}

}  // namespace

std::vector<std::pair<Surd, int>> ZerosWithPowers(const Factored& f) {
    std::vector<std::pair<Surd, int>> zeros;
    for (const Factor& factor : f.factors) {
        for (const Surd& zero : RealZerosOf(factor)) zeros.emplace_back(zero, factor.power);
    }
    std::sort(zeros.begin(), zeros.end(), [](const auto& a, const auto& b) { return CompareSurds(a.first, b.first) < 0; });
    return zeros;
}

ExactSet ExactSet::all() { return of({{{}, {}}}); }

ExactSet ExactSet::empty() { return {}; }

ExactSet ExactSet::point(const Surd& x) { return of({{{x, true}, {x, true}}}); }

ExactSet ExactSet::of(std::vector<ExactRange> ranges) {
    for (ExactRange& r : ranges) {
        r.from.closed = r.from.closed && r.from.value;
        r.to.closed = r.to.closed && r.to.value;
    }
    std::erase_if(ranges, isEmptyRange);
    std::sort(ranges.begin(), ranges.end(), [](const ExactRange& a, const ExactRange& b) { return compare(startOf(a), startOf(b)) < 0; });
    ExactSet set;
    for (const ExactRange& r : ranges) {
        if (set.ranges_.empty() || !joins(set.ranges_.back(), r)) {
            set.ranges_.push_back(r);
        } else if (compare(endOf(r), endOf(set.ranges_.back())) > 0) {
            set.ranges_.back().to = r.to;
        }
    }
    return set;
}

ExactSet ExactSet::intersected(const ExactSet& other) const {
    std::vector<ExactRange> common;
    for (const ExactRange& a : ranges_) {
        for (const ExactRange& b : other.ranges_) {
            common.push_back({compare(startOf(a), startOf(b)) > 0 ? a.from : b.from,
                              compare(endOf(a), endOf(b)) < 0 ? a.to : b.to});
        }
    }
    return of(std::move(common));
}

ExactSet ExactSet::united(const ExactSet& other) const {
    std::vector<ExactRange> both = ranges_;
    both.insert(both.end(), other.ranges_.begin(), other.ranges_.end());
    return of(std::move(both));
}

ExactSet ExactSet::without(const Surd& x) const { return intersected(point(x).complement()); }

// The gaps between the ranges, each end belonging to the gap where it did
// not belong to its range.
ExactSet ExactSet::complement() const {
    std::vector<ExactRange> gaps;
    ExactEnd from;
    for (const ExactRange& r : ranges_) {
        if (r.from.value) gaps.push_back({from, {r.from.value, !r.from.closed}});
        from = {r.to.value, !r.to.closed};
    }
    if (ranges_.empty() || ranges_.back().to.value) gaps.push_back({from, {}});
    return of(std::move(gaps));
}

bool ExactSet::contains(const mpq_class& x) const {
    const Surd value = surdOf(x);
    const Place at{0, &value, 0};
    return std::any_of(ranges_.begin(), ranges_.end(),
                       [&](const ExactRange& r) { return compare(startOf(r), at) <= 0 && compare(at, endOf(r)) <= 0; });
}

bool ExactSet::isAll() const { return ranges_.size() == 1 && !ranges_[0].from.value && !ranges_[0].to.value; }

solution::SolutionSet SolutionSetOf(const ExactSet& set) {
    solution::SolutionSet ranges;
    for (const ExactRange& r : set.ranges()) ranges.push_back({boundOf(r.from), boundOf(r.to)});
    return ranges;
}

std::string SetTextOf(const ExactSet& s) {
    const solution::SolutionSet set = SolutionSetOf(s);
    const bool points = !set.empty() && std::all_of(set.begin(), set.end(), [](const solution::Range& r) {
        return r.from.kind == sketch::EndKind::Closed && r.to.kind == sketch::EndKind::Closed && r.from.text == r.to.text;
    });
    if (!points) return solution::SetText(set);
    std::string listed;
    for (const solution::Range& r : set) listed += (listed.empty() ? "" : "; ") + r.from.text;
    return "{" + listed + "}";
}

std::vector<Surd> RealZerosOf(const Factored& f) {
    std::vector<Surd> zeros;
    for (const auto& [zero, power] : ZerosWithPowers(f)) zeros.push_back(zero);
    return zeros;
}

ExactSet WhereSign(const Factored& f, Relation r) {
    // Right of every zero each monic factor is positive.
    int sign = sgn(f.leading);
    std::vector<ExactRange> pieces;
    ExactEnd right;
    const auto zeros = ZerosWithPowers(f);
    for (auto zero = zeros.rbegin(); zero != zeros.rend(); ++zero) {
        const ExactEnd open{zero->first, false}, closed{zero->first, true};
        if (Holds(sign, r)) pieces.push_back({open, right});
        if (Holds(0, r)) pieces.push_back({closed, closed});
        if (zero->second % 2 != 0) sign = -sign;
        right = open;
    }
    if (Holds(sign, r)) pieces.push_back({ExactEnd{}, right});
    return ExactSet::of(std::move(pieces));
}

}  // namespace task
