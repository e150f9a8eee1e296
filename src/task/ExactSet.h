#pragma once

#include <gmpxx.h>

#include <optional>
#include <vector>

#include "solution/ExactForms.h"
#include "solution/SolutionSet.h"
#include "task/Task.h"
#include "task/Univariate.h"

namespace task {

// One end of a range of real numbers: a number, belonging to the range or
// not, or none for −∞ at its start and +∞ at its end (never closed).
struct ExactEnd {
    std::optional<solution::Surd> value;
    bool closed = false;
};

// The numbers from one end to the other; a single number where both are
// the same closed one.
struct ExactRange {
    ExactEnd from, to;
};

// A set of real numbers with exact ends: ranges from the smallest, none of
// them empty, none meeting or touching the next, so that each set is
// written one way only.
class ExactSet {
public:
    static ExactSet all();
    static ExactSet empty();
    static ExactSet point(const solution::Surd& x);
    // The union of any ranges, empty ones ignored.
    static ExactSet of(std::vector<ExactRange> ranges);

    ExactSet intersected(const ExactSet& other) const;
    ExactSet united(const ExactSet& other) const;
    ExactSet without(const solution::Surd& x) const;
    ExactSet complement() const;

    bool contains(const mpq_class& x) const;
    bool isEmpty() const { return ranges_.empty(); }
    bool isAll() const;
    const std::vector<ExactRange>& ranges() const { return ranges_; }

private:
    std::vector<ExactRange> ranges_;
};

// The set as the worked solution writes it, each end's text in school
// notation and at its nearest double.
solution::SolutionSet SolutionSetOf(const ExactSet& set);

// Its text: "(−1; 0) ∪ {2}", single numbers alone listed together as school
// lists them: "{1; 2}".
std::string SetTextOf(const ExactSet& set);

// Each real zero of the product with the power of its factor, from the smallest.
std::vector<std::pair<solution::Surd, int>> ZerosWithPowers(const Factored& f);

// The real zeros of the product, from the smallest, each once.
std::vector<solution::Surd> RealZerosOf(const Factored& f);

// Where the product stands in relation R to 0: read off its sign between
// its real zeros, the sign changing across a zero of an odd power only.
ExactSet WhereSign(const Factored& f, Relation r);

}  // namespace task
