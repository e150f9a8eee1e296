#include "solution/LineBreaks.h"

#include <vector>

#include "text/Utf8.h"

namespace solution {

namespace {

constexpr char32_t noBreakSpace = U'\u00a0';
// Joins what stands either side where the toolkit would break without a
// blank: after a slash, and before a bracket that follows a sign or another
// bracket, as in −(−4)/(2 · 2) and (1/3)(x + 1).
constexpr char32_t wordJoiner = U'\u2060';

bool isDigit(char32_t c) { return c >= U'0' && c <= U'9'; }

// Every bracket a text may hold, that of sets and intervals among them.
int depthChange(char32_t c) {
    if (c == U'(' || c == U'[' || c == U'{' || c == U'⟨') return 1;
    if (c == U')' || c == U']' || c == U'}' || c == U'⟩') return -1;
    return 0;
}

// A bracket after a letter or digit stays with it anyway: f(x), 2(x − 1).
bool joinsBracket(char32_t previous) {
    return !text::IsLetter(previous) && !isDigit(previous) && previous != U' ' && previous != U'\n';
}

bool breaksAfter(char32_t c) { return c == U',' || c == U'=' || c == U'≈' || c == U':' || c == U'∪'; }

// Whether a word of letters alone starts at POS ("i", "lub", "jest"), not
// x² or x₁ of a formula: a line may break before it.
bool wordAt(std::u32string_view text, std::size_t pos) {
    std::size_t end = pos;
    while (end < text.size() && text::IsLetter(text[end])) ++end;
    return end > pos && (end == text.size() || text[end] == U' ' || text[end] == U'.' || text[end] == U',');
}

// Signs bind what follows them: "− x" stays one term.
bool binds(char32_t c) {
    static constexpr std::u32string_view signs = U"−+·×÷=≈<>≤≥(⟨";
    return signs.find(c) != std::u32string_view::npos;
}

// Brackets longer than this may break between their ends: a long set's, not a point's "(6; 10)".
constexpr std::size_t longBracket = 24;

// For each character, how long the innermost bracket around it is, from
// its opening to its closing one; 0 outside brackets.
std::vector<std::size_t> bracketLengths(std::u32string_view text) {
    std::vector<std::size_t> lengths(text.size()), opened;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == U'\n') opened.clear();
        if (depthChange(text[i]) > 0) opened.push_back(i);
        if (depthChange(text[i]) < 0 && !opened.empty()) {
            const std::size_t from = opened.back();
            opened.pop_back();
            for (std::size_t k = from; k <= i; ++k) {
                if (lengths[k] == 0) lengths[k] = i - from + 1;
            }
        }
    }
    return lengths;
}

}  // namespace

std::string KeepTogether(std::string_view utf8) {
    const std::u32string text = text::Decode(utf8);
    const std::vector<std::size_t> brackets = bracketLengths(text);
    std::u32string kept;
    kept.reserve(text.size() + text.size() / 4);
    int depth = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char32_t c = text[i];
        if (c == U'\n') depth = 0;
        depth += depthChange(c);
        if (c == U' ') {
            const char32_t previous = i > 0 ? text[i - 1] : U'\n', next = i + 1 < text.size() ? text[i + 1] : U'\n';
            // Between two words even in brackets, where a remark in words may
            // be long, and between a long interval's ends.
            const bool betweenEnds = previous == U';' && brackets[i] > longBracket;
            const bool breaks = (text::IsLetter(previous) && text::IsLetter(next)) || betweenEnds ||
                                (depth <= 0 && (breaksAfter(previous) || (!binds(previous) && wordAt(text, i + 1))));
            kept += breaks ? c : noBreakSpace;
            continue;
        }
        if (c == U'(' && i > 0 && joinsBracket(text[i - 1]) && !kept.ends_with(wordJoiner)) kept += wordJoiner;
        kept += c;
        if (c == U'/') kept += wordJoiner;
    }
    return text::Encode(kept);
}

}  // namespace solution
