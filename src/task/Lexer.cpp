#include "task/Lexer.h"

#include <algorithm>
#include <optional>
#include <string_view>

#include "solution/SchoolNotation.h"
#include "task/Words.h"
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
            while (i_ < text_.size() && IsBlank(text_[i_])) {
                if (text_[i_] == U'\n' && endsStatement(tokens, depth)) tokens.push_back(lineBreak());
                ++i_;
            }
            if (i_ == text_.size()) break;
            // The full stop that ends a task copied as a sentence.
            if (text_[i_] == U'.' && std::all_of(text_.begin() + long(i_) + 1, text_.end(), IsBlank)) break;
            if (endsSentence()) {
                tokens.push_back(single(T::Stop));
                continue;
            }
            tokens.push_back(next());
            // Refused before any reading, so that no depth of brackets costs anything.
            if (tokens.back().type == T::Open && ++depth > deepestBrackets) {
                throw ErrorAt(tokens.back().at, "Za dużo nawiasów jeden w drugim: najwyżej " +
                                                    std::to_string(deepestBrackets) + Place(tokens.back().at));
            }
            if (tokens.back().type == T::Close) --depth;
            // "x1", "x2", "x₁", "x₂": a digit or subscript just after a letter, never "x^1" or "x¹".
            const Token& last = tokens.back();
            const char32_t first = text_[last.at];
            if (last.type == T::Power && last.at == variableEnd_ && (IsDigit(first) || subscriptDigit(first) >= 0) &&
                (last.power == 1 || last.power == 2)) {
                rootNames_[last.power - 1].push_back(tokens.size() - 1);
            }
        }
        if (!rootNames_[0].empty() && rootNames_[1].empty() && !subscripted_) {
            throw rootNamed("x₁", tokens[rootNames_[0].front()].at - 1);
        }
        if (!rootNames_[0].empty() || subscripted_) namedRoots(tokens);
        Token end;
        end.at = text_.size();
        tokens.push_back(end);
        return tokens;
    }

private:
    char32_t peek(std::size_t ahead = 0) const { return i_ + ahead < text_.size() ? text_[i_ + ahead] : U'\0'; }

    // A line break at the newline at i_ where a statement is complete: outside
    // brackets, after neither a sign nor a comma, before no sign that goes on.
    bool endsStatement(const std::vector<Token>& tokens, int depth) const {
        if (depth > 0 || tokens.empty()) return false;
        const T last = tokens.back().type;
        if (last != T::Number && last != T::Letter && last != T::Close && last != T::IntervalClose && last != T::Power &&
            last != T::Relation) {
            return false;
        }
        if (last == T::Relation && tokens.back().relation != Relation::Greater) return false;
        std::size_t ahead = i_;
        while (ahead < text_.size() && IsBlank(text_[ahead])) ++ahead;
        static constexpr std::u32string_view goesOn = U"+-\u2212*/:·=<>≤≥^,;)";
        return ahead < text_.size() && goesOn.find(text_[ahead]) == std::u32string_view::npos;
    }

    // ".", "?" or "!" after which a sentence goes on; never a decimal point.
    bool endsSentence() const {
        const char32_t c = text_[i_];
        return c == U'?' || c == U'!' || (c == U'.' && !IsDigit(peek(1)));
    }

    Token single(T type) {
        Token token;
        token.type = type;
        token.at = i_++;
        return token;
    }

    Token lineBreak() const {
        Token token;
        token.type = T::LineBreak;
        token.at = i_;
        return token;
    }

    // x1 and x2 typed together, or x₁ typed: the roots x₁ and x₂, each now
    // one word instead of a letter and its power.
    void namedRoots(std::vector<Token>& tokens) const {
        for (const std::vector<std::size_t>& indices : rootNames_) {
            for (const std::size_t index : indices) {
                Token& root = tokens[index - 1];
                root.type = T::Root;
                root.power = tokens[index].power;
                tokens[index].type = T::End;  // erased below
            }
        }
        std::erase_if(tokens, [](const Token& t) { return t.type == T::End; });
    }

    Token next() {
        const std::size_t at = i_;
        const char32_t c = text_[i_];
        Token token;
        token.at = at;
        const auto relation = [&](Relation r, std::size_t length) {
            i_ += length;
            token.type = T::Relation;
            token.relation = r;
            return token;
        };
        if (IsDigit(c) && at == variableEnd_) return exponentAfterVariable(token);
        // "(x + 1)2", as (x + 1)² is typed in plain text.
        if (IsDigit(c) && at > 0 && text_[at - 1] == U')') return exponentAfterBracket(token);
        if (subscriptDigit(c) >= 0 && at == variableEnd_) return subscript(token);
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
        case U'∞': return single(T::Infinity);
        case U'|': return single(T::Bar);
        case U'ℝ':
            token.type = T::Word;
            token.word.assign(1, U'ℝ');
            ++i_;
            return token;
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
        // "x1 = −1" states a root, as no one writes x¹.
        std::size_t ahead = 0;
        while (IsBlank(peek(ahead))) ++ahead;
        if (power == "1" && peek(ahead) == U'=' && peek(ahead + 1) != U'<' && peek(ahead + 1) != U'>') subscripted_ = true;
        token.type = T::Power;
        token.power = power.size() > 6 ? 1'000'000L : std::stol(power);
        return token;
    }

    Token exponentAfterBracket(Token token) {
        const std::string power = digits();
        // "(x + 1)2,5" might be a square times 0,5 or a product with 2,5: neither is read.
        if ((peek() == U',' || peek() == U'.') && IsDigit(peek(1))) {
            throw ErrorAt(token.at, "Po nawiasie stoi liczba z przecinkiem: potęgę wpisz jako ^2, a iloczyn ze znakiem ·" +
                                        Place(token.at));
        }
        token.type = T::Power;
        token.power = power.size() > 6 ? 1'000'000L : std::stol(power);
        return token;
    }

    // "x₁", "x₂": a root by its name.
    Token subscript(Token token) {
        const int index = subscriptDigit(peek());
        if (index != 1 && index != 2) throw rootNamed("x₀", token.at - 1);
        ++i_;
        subscripted_ = true;
        token.type = T::Power;
        token.power = index;
        return token;
    }

    // x1 alone may be x₁ as well as x¹: neither is read.
    static TaskError rootNamed(const char* name, std::size_t at) {
        return ErrorAt(at, std::string("Tu stoi ") + name + ", a nie potęga x; potęgę wpisz jako x^2" + Place(at));
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

    // A letter, or a word. Two letters not a word, or one letter typed
    // several times, are letters side by side, as in "bx" or "xx"; any other
    // run of letters is a word, which the reader knows or refuses.
    Token word(Token token) {
        std::u32string letters;
        while (text::IsLetter(peek())) letters += text_[i_++];
        const bool repeated = std::all_of(letters.begin(), letters.end(), [&](char32_t c) { return c == letters[0]; });
        // "i" standing alone is the word "and"; "w" the word "in" before "przedziale".
        const bool alone = (token.at == 0 || IsBlank(text_[token.at - 1])) && (i_ == text_.size() || IsBlank(peek()));
        const bool preposition = letters == U"w" || letters == U"o" || letters == U"z" || letters == U"a";
        if ((letters == U"i" && alone && joins(token.at)) || (preposition && alone && wordFollows())) {
            token.type = T::Word;
            token.word = letters;
            return token;
        }
        if (letters.size() == 1 || (KnownWord(letters).empty() && (letters.size() == 2 || repeated))) {
            i_ = token.at + 1;
            if (text::IsLower(letters[0])) variableEnd_ = i_;
            token.type = T::Letter;
            token.letter = letters[0];
            return token;
        }
        token.type = T::Word;
        const std::u32string word = KnownWord(letters);
        token.word = word.empty() ? letters : word;
        return token;
    }

    // Whether "i" at AT stands between two things it can join: after no sign
    // and before something, as in "−1 i 3", never "1 = i" or "x + i".
    bool joins(std::size_t at) const {
        std::size_t before = at;
        while (before > 0 && IsBlank(text_[before - 1])) --before;
        std::size_t after = at + 1;
        while (after < text_.size() && IsBlank(text_[after])) ++after;
        // After it a sign may begin a number, as in "−3 i −1"; before it none may stand.
        static constexpr std::u32string_view signs = U"+-\u2212*·×/:÷=<>≤≥^(,;", joints = U"*·×/:÷=<>≤≥^),;";
        return before > 0 && signs.find(text_[before - 1]) == signs.npos && after < text_.size() &&
               joints.find(text_[after]) == joints.npos;
    }

    // Whether a known word of two letters or more follows, past blanks: "w przedziale", "o wierzchołku".
    bool wordFollows() const {
        std::size_t ahead = 0;
        while (IsBlank(peek(ahead))) ++ahead;
        std::u32string next;
        while (text::IsLetter(peek(ahead))) next += peek(ahead++);
        return next.size() > 1 && !KnownWord(next).empty();
    }

    std::u32string_view text_;
    std::size_t i_ = 0;
    std::size_t variableEnd_ = std::u32string_view::npos;  // just past the last x
    std::vector<std::size_t> rootNames_[2];  // the tokens of the powers in "x1" and "x2"
    bool subscripted_ = false;                 // x₁ or x₂ typed
};

}  // namespace

std::u32string KnownWord(std::u32string_view letters) {
    const words::Entry* entry = words::Find(letters);
    return entry ? std::u32string(entry->form) : std::u32string();
}

TaskError ErrorAt(std::size_t at, std::string message) { return {std::move(message), at}; }

std::string Place(std::size_t at) { return " (znak " + std::to_string(at + 1) + ")."; }

TaskError UnknownCharacter(std::u32string_view text, std::size_t at) {
    return ErrorAt(at, "Nie rozumiem znaku „" + text::Encode(text.substr(at, 1)) + "”" + Place(at));
}

std::vector<Token> Tokens(std::u32string_view text) { return Lexer(text).tokens(); }

}  // namespace task::lexer
