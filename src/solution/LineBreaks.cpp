#include "solution/LineBreaks.h"

namespace solution {

namespace {

constexpr std::string_view noBreakSpace = "\u00a0";
// Joins what stands either side where the toolkit would break without a
// blank: after a slash, and before a bracket that follows a sign or another
// bracket, as in −(−4)/(2 · 2) and (1/3)(x + 1).
constexpr std::string_view wordJoiner = "\u2060";

bool isContinuation(unsigned char byte) { return (byte & 0xc0) == 0x80; }

// The character (UTF-8) that ends just before POS, or begins at it.
std::string_view before(std::string_view text, std::size_t pos) {
    std::size_t start = pos;
    while (start > 0 && isContinuation(text[--start])) {
    }
    return text.substr(start, pos - start);
}
std::string_view at(std::string_view text, std::size_t pos) {
    std::size_t end = pos + 1;
    while (end < text.size() && isContinuation(text[end])) ++end;
    return text.substr(pos, end - pos);
}

// Latin letters, Polish ones among them (their first byte is 0xc3 to 0xc5).
bool isLetter(std::string_view ch) {
    if (ch.empty()) return false;
    const auto first = static_cast<unsigned char>(ch.front());
    return (first >= 'a' && first <= 'z') || (first >= 'A' && first <= 'Z') || (first >= 0xc3 && first <= 0xc5);
}

int depthChange(std::string_view ch) {
    if (ch == "(" || ch == "[" || ch == "{" || ch == "⟨") return 1;
    if (ch == ")" || ch == "]" || ch == "}" || ch == "⟩") return -1;
    return 0;
}

// A bracket after a letter or digit stays with it anyway: f(x), 2(x − 1).
bool joinsBracket(char previous) {
    const auto c = static_cast<unsigned char>(previous);
    const bool alphanumeric = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
    return !alphanumeric && c != ' ' && c != '\n';
}

bool breaksAfter(std::string_view ch) { return ch == "," || ch == "=" || ch == "≈" || ch == ":" || ch == "∪"; }

// Whether a word of letters alone starts at POS ("i", "lub", "jest"), not
// x² or x₁ of a formula: a line may break before it.
bool wordAt(std::string_view text, std::size_t pos) {
    std::size_t end = pos;
    while (end < text.size() && isLetter(at(text, end))) end += at(text, end).size();
    return end > pos && (end == text.size() || text[end] == ' ' || text[end] == '.' || text[end] == ',');
}

// Signs bind what follows them: "− x" stays one term.
bool binds(std::string_view ch) {
    return ch == "−" || ch == "+" || ch == "·" || ch == "=" || ch == "≈" || ch == "<" || ch == ">" || ch == "≤" ||
           ch == "≥" || ch == "(" || ch == "⟨";
}

}  // namespace

std::string KeepTogether(std::string_view text) {
    std::string kept;
    kept.reserve(text.size() + text.size() / 4);
    int depth = 0;
    for (std::size_t i = 0; i < text.size();) {
        const std::string_view ch = at(text, i);
        if (ch == "\n") depth = 0;
        depth += depthChange(ch);
        if (ch == " ") {
            const std::string_view previous = before(text, i), next = at(text, i + 1);
            // Between two words even in brackets: a remark in words may be long.
            const bool breaks = (isLetter(previous) && isLetter(next)) ||
                                (depth <= 0 && (breaksAfter(previous) || (!binds(previous) && wordAt(text, i + 1))));
            kept += breaks ? ch : noBreakSpace;
        } else {
            if (ch == "(" && i > 0 && joinsBracket(text[i - 1]) && !kept.ends_with(wordJoiner)) {
                kept += wordJoiner;
            }
            kept += ch;
            if (ch == "/") kept += wordJoiner;
        }
        i += ch.size();
    }
    return kept;
}

}  // namespace solution
