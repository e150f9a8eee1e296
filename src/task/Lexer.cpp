#include "task/Lexer.h"

#include <algorithm>
#include <optional>
#include <string_view>

#include "solution/SchoolNotation.h"
#include "text/Utf8.h"

namespace task::lexer {

bool IsBlank(char32_t c) {
    return c == U' ' || c == U'\t' || c == U'\n' || c == U'\r' || c == U'\u00a0' || c == U'\u202f' ||
           c == U'\u2009' || c == U'\u2060' || c == U'\u200b' || c == U'\ufeff';
}
bool IsDigit(char32_t c) { return c >= U'0' && c <= U'9'; }

namespace {

// 10^exponent for a number typed with an exponent: far past any school task.
constexpr long largestExponent = 100'000;

bool isSuperscriptMinus(char32_t c) { return c == U'⁻'; }
int subscriptDigit(char32_t c) {
    static constexpr std::u32string_view digits = U"₀₁₂₃₄₅₆₇₈₉";
    const auto found = digits.find(c);
    return found == std::u32string_view::npos ? -1 : int(found);
}
int superscriptDigit(char32_t c) {
    static constexpr std::u32string_view digits = U"⁰¹²³⁴⁵⁶⁷⁸⁹";
    const auto found = digits.find(c);
    return found == std::u32string_view::npos ? -1 : int(found);
}

class Lexer {
public:
    explicit Lexer(std::u32string_view text) : text_(text) {}

    std::vector<Token> tokens() {
        std::vector<Token> tokens;
        int depth = 0;
        while (true) {
            while (i_ < text_.size() && IsBlank(text_[i_])) ++i_;
            if (i_ == text_.size()) break;
            tokens.push_back(next());
            // Refused before any reading, so that no depth of brackets costs anything.
            if (tokens.back().type == T::Open && ++depth > deepestBrackets) {
                throw ErrorAt(tokens.back().at, "Za dużo nawiasów jeden w drugim: najwyżej " +
                                                    std::to_string(deepestBrackets) + Place(tokens.back().at));
            }
            if (tokens.back().type == T::Close) --depth;
        }
        if (rootNames_[0] && rootNames_[1]) throw rootsNamed(*rootNames_[0]);
        if (rootNames_[0]) throw rootNamed("x₁", *rootNames_[0]);
        Token end;
        end.at = text_.size();
        tokens.push_back(end);
        return tokens;
    }

private:
    char32_t peek(std::size_t ahead = 0) const { return i_ + ahead < text_.size() ? text_[i_ + ahead] : U'\0'; }

    Token next() {
        const std::size_t at = i_;
        const char32_t c = text_[i_];
        Token token;
        token.at = at;
        const auto single = [&](T type) {
            ++i_;
            token.type = type;
            return token;
        };
        const auto relation = [&](Relation r, std::size_t length) {
            i_ += length;
            token.type = T::Relation;
            token.relation = r;
            return token;
        };
        if (IsDigit(c) && at == variableEnd_) return exponentAfterVariable(token);
        if (subscriptDigit(c) >= 0 && at == variableEnd_) throw rootsNamed(at - 1);
        if (IsDigit(c) || ((c == U',' || c == U'.') && IsDigit(peek(1)))) return number(token);
        if (superscriptDigit(c) >= 0 || (isSuperscriptMinus(c) && superscriptDigit(peek(1)) >= 0)) {
            return superscript(token);
        }
        if (text::IsLetter(c)) return word(token);
        switch (c) {
        case U'+': return single(T::Plus);
        case U'-': case U'\u2212': case U'\u2013': return single(T::Minus);
        case U'*': case U'·': case U'×': case U'\u22c5': return single(T::Times);
        case U'/': return single(T::Divide);
        case U':': case U'÷': return single(T::Colon);
        case U'(': return single(T::Open);
        case U')': return single(T::Close);
        case U'⟨': case U'[': case U'\u2329': return single(T::IntervalOpen);
        case U'⟩': case U']': case U'\u232a': return single(T::IntervalClose);
        case U';': return single(T::Semicolon);
        case U',': return single(T::Comma);
        case U'∈': return single(T::In);
        // "=<" and "=>" as pupils type ≤ and ≥.
        case U'=':
            if (peek(1) == U'<') return relation(Relation::LessOrEqual, 2);
            if (peek(1) == U'>') return relation(Relation::GreaterOrEqual, 2);
            return relation(Relation::Equal, 1);
        case U'≤': case U'⩽': return relation(Relation::LessOrEqual, 1);
        case U'≥': case U'⩾': return relation(Relation::GreaterOrEqual, 1);
        // "<=", and "< =" with a blank between, as typed on a keyboard without ≤.
        case U'<': return equalsAfter() ? relation(Relation::LessOrEqual, equalsAfter()) : relation(Relation::Less, 1);
        case U'>': return equalsAfter() ? relation(Relation::GreaterOrEqual, equalsAfter()) : relation(Relation::Greater, 1);
        case U'^': return caret(token);
        default: throw UnknownCharacter(text_, at);
        }
    }

    // How far past a < or > the "=" that makes it ≤ or ≥ ends, blanks between allowed; 0 where none follows.
    std::size_t equalsAfter() const {
        std::size_t ahead = 1;
        while (IsBlank(peek(ahead))) ++ahead;
        return peek(ahead) == U'=' ? ahead + 1 : 0;
    }

    std::string digits() {
        std::string out;
        while (IsDigit(peek())) out += char(text_[i_++]);
        return out;
    }

    // Digits in groups of three after a blank, a decimal comma or point, an
    // exponent: as the window reads a coefficient.
    Token number(Token token) {
        std::string whole = digits();
        const bool groupable = !whole.empty() && whole.size() <= 3;
        while (groupable && IsBlank(peek()) && IsDigit(peek(1)) && IsDigit(peek(2)) && IsDigit(peek(3)) &&
               !IsDigit(peek(4))) {
            ++i_;
            whole += digits();
        }
        std::string fraction;
        if ((peek() == U',' || peek() == U'.') && IsDigit(peek(1))) {
            ++i_;
            fraction = digits();
        }
        long exponent = 0;
        if ((peek() == U'e' || peek() == U'E') &&
            (IsDigit(peek(1)) || ((peek(1) == U'-' || peek(1) == U'+' || peek(1) == U'\u2212') && IsDigit(peek(2))))) {
            ++i_;
            const bool negative = peek() != U'+' && !IsDigit(peek());
            if (!IsDigit(peek())) ++i_;
            const std::string power = digits();
            if (power.size() > 6 || std::stol(power) > largestExponent) {
                throw ErrorAt(token.at, "Liczba jest za duża" + Place(token.at));
            }
            exponent = negative ? -std::stol(power) : std::stol(power);
        }
        if (whole.size() + fraction.size() > longestNumber) {
            throw ErrorAt(token.at, "Liczba ma za dużo cyfr: najwyżej " +
                                        solution::Grouped(std::to_string(longestNumber)) + Place(token.at));
        }
        token.type = T::Number;
        token.number = solver::Normalised(false, whole + fraction, exponent - long(fraction.size()));
        return token;
    }

    // "²", or "⁻⁵" as the worked solution writes a small number's power of ten.
    Token superscript(Token token) {
        const bool negative = isSuperscriptMinus(peek());
        if (negative) ++i_;
        long power = 0;
        for (int d; (d = superscriptDigit(peek())) >= 0; ++i_) power = std::min(power * 10 + d, 1'000'000L);
        token.type = T::Power;
        token.power = negative ? -power : power;
        return token;
    }

    // "x2", as x² is typed in plain text; "x1" and "x2" together name the
    // roots x₁ and x₂ instead, which no power may stand for.
    Token exponentAfterVariable(Token token) {
        const std::string power = digits();
        // "x2,5" might be x² · 0,5 or x · 2,5: neither is read.
        if ((peek() == U',' || peek() == U'.') && IsDigit(peek(1))) {
            throw ErrorAt(token.at - 1, "Po x stoi liczba z przecinkiem: potęgę wpisz jako x^2, a iloczyn ze "
                                        "znakiem ·, np. x · 2,5" + Place(token.at - 1));
        }
        // x0 is x₀, the zero, as a pupil writes it in plain text, never x⁰.
        if (power == "0") throw rootNamed("x₀", token.at - 1);
        if (power == "1" || power == "2") rootNames_[power == "1" ? 0 : 1] = token.at - 1;
        token.type = T::Power;
        token.power = power.size() > 6 ? 1'000'000L : std::stol(power);
        return token;
    }

    // x1 alone may be x₁ as well as x¹: neither is read.
    static TaskError rootNamed(const char* name, std::size_t at) {
        return ErrorAt(at, std::string("Tu stoi ") + name + ", a nie potęga x; potęgę wpisz jako x^2" + Place(at));
    }

    static TaskError rootsNamed(std::size_t at) {
        return ErrorAt(at, "x₁ i x₂ to tu pierwiastki równania, a wyrażeń z nimi program jeszcze nie liczy; "
                           "x² wpisz jako x^2" + Place(at));
    }

    Token caret(Token token) {
        ++i_;
        while (IsBlank(peek())) ++i_;
        if (!IsDigit(peek())) throw ErrorAt(i_, "Po znaku ^ potrzebny jest wykładnik: liczba naturalna" + Place(i_));
        long power = 0;
        while (IsDigit(peek())) power = std::min(power * 10 + long(text_[i_++] - U'0'), 1'000'000L);
        token.type = T::Power;
        token.power = power;
        return token;
    }

    // x, or a word: one of "dla", "w", "przedziale", a function's name.
    Token word(Token token) {
        std::u32string letters;
        while (text::IsLetter(peek())) letters += text_[i_++];
        if (letters == U"x" || letters == U"X") {
            token.type = T::X;
            variableEnd_ = i_;
            return token;
        }
        // Letters x run together, as in "xx", are a product; any other x is part of a word.
        if (std::all_of(letters.begin(), letters.end(), [](char32_t c) { return c == U'x'; })) {
            i_ = token.at + 1;
            variableEnd_ = i_;
            token.type = T::X;
            return token;
        }
        token.type = T::Word;
        token.word = letters;
        return token;
    }

    std::u32string_view text_;
    std::size_t i_ = 0;
    std::size_t variableEnd_ = std::u32string_view::npos;  // just past the last x
    std::optional<std::size_t> rootNames_[2];               // where "x1" and "x2" stand
};

}  // namespace

TaskError ErrorAt(std::size_t at, std::string message) { return {std::move(message), at}; }

std::string Place(std::size_t at) { return " (znak " + std::to_string(at + 1) + ")."; }

TaskError UnknownCharacter(std::u32string_view text, std::size_t at) {
    return ErrorAt(at, "Nie rozumiem znaku „" + text::Encode(text.substr(at, 1)) + "”" + Place(at));
}

std::vector<Token> Tokens(std::u32string_view text) { return Lexer(text).tokens(); }

}  // namespace task::lexer
