#include <algorithm>
#include <limits>
#include <string_view>
#include <vector>

#include "solution/SchoolNotation.h"
#include "solver/NumberText.h"
#include "task/Task.h"

namespace task {

namespace {

// The digits of a power that a task may raise a constant to, counted in
// bits of its result: far past any school task, far below a slow one.
constexpr std::size_t largestPowerBits = 600'000;
// What all the powers of a task together, and any number it reaches, may
// have: so that no task of 10 000 characters takes more than a moment.
constexpr std::size_t largestTotalBits = 2'000'000;
// 10^exponent for a number typed with an exponent: the same bound in digits.
constexpr long largestExponent = 100'000;
// A number this many zeros from its point is written with its power of ten.
constexpr std::int64_t farDigits = 20;

enum class T { Number, X, Plus, Minus, Times, Divide, Colon, Power, Open, Close, Relation, IntervalOpen,
               IntervalClose, Semicolon, Comma, In, Word, End };

struct Token {
    T type = T::End;
    std::size_t at = 0;  // its first character
    solver::DecimalNumber number;
    long power = 0;
    Relation relation = Relation::Equal;
    std::u32string word;
};

std::string utf8(std::u32string_view text) {
    std::string out;
    for (const char32_t c : text) {
        if (c < 0x80) {
            out += char(c);
        } else if (c < 0x800) {
            out += char(0xc0 | (c >> 6));
            out += char(0x80 | (c & 0x3f));
        } else if (c < 0x10000) {
            out += char(0xe0 | (c >> 12));
            out += char(0x80 | ((c >> 6) & 0x3f));
            out += char(0x80 | (c & 0x3f));
        } else {
            out += char(0xf0 | (c >> 18));
            out += char(0x80 | ((c >> 12) & 0x3f));
            out += char(0x80 | ((c >> 6) & 0x3f));
            out += char(0x80 | (c & 0x3f));
        }
    }
    return out;
}

// The text as characters; a byte that is no UTF-8 becomes U+FFFD, which
// nothing reads.
std::u32string decoded(std::string_view text) {
    std::u32string out;
    for (std::size_t i = 0; i < text.size();) {
        const auto byte = static_cast<unsigned char>(text[i]);
        const int length = byte < 0x80 ? 1 : (byte >> 5) == 6 ? 2 : (byte >> 4) == 14 ? 3 : (byte >> 3) == 30 ? 4 : 0;
        char32_t c = length == 1 ? byte : length == 2 ? byte & 0x1f : length == 3 ? byte & 0x0f : byte & 0x07;
        bool valid = length > 0 && i + length <= text.size();
        for (int k = 1; valid && k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            valid = (next & 0xc0) == 0x80;
            c = (c << 6) | (next & 0x3f);
        }
        out += valid ? c : U'\ufffd';
        i += valid ? std::size_t(length) : 1;
    }
    return out;
}

TaskError errorAt(std::size_t at, std::string message) { return {std::move(message), at}; }

std::string place(std::size_t at) { return " (znak " + std::to_string(at + 1) + ")."; }

TaskError unknownCharacter(std::u32string_view text, std::size_t at) {
    return errorAt(at, "Nie rozumiem znaku „" + utf8(text.substr(at, 1)) + "”" + place(at));
}

bool isBlank(char32_t c) {
    return c == U' ' || c == U'\t' || c == U'\n' || c == U'\r' || c == U'\u00a0' || c == U'\u202f' ||
           c == U'\u2009' || c == U'\u2060' || c == U'\u200b' || c == U'\ufeff';
}
bool isDigit(char32_t c) { return c >= U'0' && c <= U'9'; }
bool isLetter(char32_t c) {
    static constexpr std::u32string_view polish = U"ąćęłńóśźżĄĆĘŁŃÓŚŹŻ";
    return (c >= U'a' && c <= U'z') || (c >= U'A' && c <= U'Z') || polish.find(c) != std::u32string_view::npos;
}
bool isSuperscriptMinus(char32_t c) { return c == U'⁻'; }
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
            while (i_ < text_.size() && isBlank(text_[i_])) ++i_;
            if (i_ == text_.size()) break;
            tokens.push_back(next());
            // Refused before any reading, so that no depth of brackets costs anything.
            if (tokens.back().type == T::Open && ++depth > deepestBrackets) {
                throw errorAt(tokens.back().at, "Za dużo nawiasów jeden w drugim: najwyżej " +
                                                    std::to_string(deepestBrackets) + place(tokens.back().at));
            }
            if (tokens.back().type == T::Close) --depth;
        }
        tokens.push_back({.type = T::End, .at = text_.size()});
        return tokens;
    }

private:
    char32_t peek(std::size_t ahead = 0) const { return i_ + ahead < text_.size() ? text_[i_ + ahead] : U'\0'; }

    Token next() {
        const std::size_t at = i_;
        const char32_t c = text_[i_];
        Token token{.at = at};
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
        if (isDigit(c) || ((c == U',' || c == U'.') && isDigit(peek(1)))) return number(token);
        if (superscriptDigit(c) >= 0 || (isSuperscriptMinus(c) && superscriptDigit(peek(1)) >= 0)) {
            return superscript(token);
        }
        if (isLetter(c)) return word(token);
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
        case U'=': return relation(Relation::Equal, 1);
        case U'≤': case U'⩽': return relation(Relation::LessOrEqual, 1);
        case U'≥': case U'⩾': return relation(Relation::GreaterOrEqual, 1);
        case U'<': return peek(1) == U'=' ? relation(Relation::LessOrEqual, 2) : relation(Relation::Less, 1);
        case U'>': return peek(1) == U'=' ? relation(Relation::GreaterOrEqual, 2) : relation(Relation::Greater, 1);
        case U'^': return caret(token);
        default: throw unknownCharacter(text_, at);
        }
    }

    std::string digits() {
        std::string out;
        while (isDigit(peek())) out += char(text_[i_++]);
        return out;
    }

    // Digits in groups of three after a blank, a decimal comma or point, an
    // exponent: as the window reads a coefficient.
    Token number(Token token) {
        std::string whole = digits();
        const bool groupable = !whole.empty() && whole.size() <= 3;
        while (groupable && isBlank(peek()) && isDigit(peek(1)) && isDigit(peek(2)) && isDigit(peek(3)) &&
               !isDigit(peek(4))) {
            ++i_;
            whole += digits();
        }
        std::string fraction;
        if ((peek() == U',' || peek() == U'.') && isDigit(peek(1))) {
            ++i_;
            fraction = digits();
        }
        long exponent = 0;
        if ((peek() == U'e' || peek() == U'E') &&
            (isDigit(peek(1)) || ((peek(1) == U'-' || peek(1) == U'+' || peek(1) == U'\u2212') && isDigit(peek(2))))) {
            ++i_;
            const bool negative = peek() != U'+' && !isDigit(peek());
            if (!isDigit(peek())) ++i_;
            const std::string power = digits();
            if (power.size() > 6 || std::stol(power) > largestExponent) {
                throw errorAt(token.at, "Liczba jest za duża" + place(token.at));
            }
            exponent = negative ? -std::stol(power) : std::stol(power);
        }
        if (whole.size() + fraction.size() > longestNumber) {
            throw errorAt(token.at, "Liczba ma za dużo cyfr: najwyżej " +
                                        solution::Grouped(std::to_string(longestNumber)) + place(token.at));
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

    Token caret(Token token) {
        ++i_;
        while (isBlank(peek())) ++i_;
        if (!isDigit(peek())) throw errorAt(i_, "Po znaku ^ potrzebny jest wykładnik: liczba naturalna" + place(i_));
        long power = 0;
        while (isDigit(peek())) power = std::min(power * 10 + long(text_[i_++] - U'0'), 1'000'000L);
        token.type = T::Power;
        token.power = power;
        return token;
    }

    // x, or a word: one of "dla", "w", "przedziale", a function's name.
    Token word(Token token) {
        std::u32string letters;
        while (isLetter(peek())) letters += text_[i_++];
        if (letters == U"x" || letters == U"X") {
            token.type = T::X;
            return token;
        }
        // Letters x run together, as in "xx", are a product; any other x is part of a word.
        if (std::all_of(letters.begin(), letters.end(), [](char32_t c) { return c == U'x'; })) {
            i_ = token.at + 1;
            token.type = T::X;
            return token;
        }
        token.type = T::Word;
        token.word = letters;
        return token;
    }

    std::u32string_view text_;
    std::size_t i_ = 0;
};

// A side of the task read so far: its value and its text in school notation.
struct Expression {
    Polynomial value;
    std::string text;
    bool powered = false;  // its text ends in a power, which another would run into
};

Polynomial product(const Polynomial& p, const Polynomial& q) {
    return {p.c0 * q.c0, p.c0 * q.c1 + p.c1 * q.c0, p.c0 * q.c2 + p.c1 * q.c1 + p.c2 * q.c0};
}

class Parser {
public:
    Parser(std::u32string_view text, std::vector<Token> tokens) : text_(text), tokens_(std::move(tokens)) {}

    Task task() {
        Task task;
        if (const auto name = functionName()) {
            task.name = *name;
        }
        const std::size_t start = peek().at;
        const Expression left = expression();
        task.left = left.text;
        task.leftValue = left.value;
        if (task.name.empty() && peek().type == T::Relation) {
            task.relation = take().relation;
            task.kind = task.relation == Relation::Equal ? Kind::Equation : Kind::Inequality;
            const Expression right = expression();
            task.right = right.text;
            task.rightValue = right.value;
        }
        const std::size_t intervalAt = peek().at;
        if (intervalFollows()) {
            if (task.kind != Kind::Function) {
                throw errorAt(intervalAt, "Przedział podaje się tylko przy funkcji, np. "
                                          "f(x) = x² − 4x + 3, x ∈ ⟨−1; 4⟩" + place(intervalAt));
            }
            task.interval = interval();
        }
        if (peek().type == T::Relation && task.kind != Kind::Function) {
            throw errorAt(peek().at, "Zadanie może mieć tylko jeden znak =, <, >, ≤ albo ≥" + place(peek().at));
        }
        if (peek().type != T::End) throw unexpected(peek());
        if (task.kind == Kind::Function && task.leftValue.degree() < 2) {
            throw errorAt(start, "To nie jest funkcja kwadratowa: po uporządkowaniu nie ma w niej x².");
        }
        return task;
    }

private:
    const Token& peek(std::size_t ahead = 0) const { return tokens_[std::min(pos_ + ahead, tokens_.size() - 1)]; }
    const Token& take() { return tokens_[std::min(pos_++, tokens_.size() - 1)]; }
    bool isWord(const Token& t, std::u32string_view word) const { return t.type == T::Word && t.word == word; }

    TaskError unexpected(const Token& t) const {
        if (t.type == T::End) return errorAt(t.at, "Zadanie urywa się: brakuje liczby albo x na końcu.");
        if (t.type == T::Word) return errorAt(t.at, "Nie rozumiem słowa „" + utf8(t.word) + "”" + place(t.at));
        if (t.type == T::Close) return errorAt(t.at, "Nawias zamyka się, choć się nie otworzył" + place(t.at));
        return unknownCharacter(text_, t.at);
    }

    // "f(x) =" or "y =" before a function's expression.
    std::optional<std::string> functionName() {
        const Token& first = peek();
        if (first.type == T::Word && first.word.size() == 1 && peek(1).type == T::Open && peek(2).type == T::X &&
            peek(3).type == T::Close && peek(4).type == T::Relation && peek(4).relation == Relation::Equal) {
            pos_ += 5;
            return utf8(first.word) + "(x)";
        }
        if (isWord(first, U"y") && peek(1).type == T::Relation && peek(1).relation == Relation::Equal) {
            pos_ += 2;
            return "y";
        }
        return std::nullopt;
    }

    Expression expression() {
        Expression sum;
        if (peek().type == T::Minus || peek().type == T::Plus) {
            const bool negative = take().type == T::Minus;
            const Expression first = term();
            sum = negative ? Expression{Polynomial{} - first.value, "−" + first.text} : first;
        } else {
            sum = term();
        }
        while (peek().type == T::Plus || peek().type == T::Minus) {
            const bool plus = take().type == T::Plus;
            const Expression next = term();
            sum.value = plus ? Polynomial{sum.value.c0 + next.value.c0, sum.value.c1 + next.value.c1,
                                          sum.value.c2 + next.value.c2}
                             : sum.value - next.value;
            sum.text += (plus ? " + " : " − ") + next.text;
        }
        return sum;
    }

    bool startsFactor(T type) const { return type == T::Number || type == T::X || type == T::Open; }

    Expression term() {
        Expression product_ = signedFactor();
        while (true) {
            const Token& op = peek();
            if (op.type == T::Times || op.type == T::Divide || op.type == T::Colon) {
                take();
                const Expression next = signedFactor();
                if (op.type == T::Times) {
                    product_ = multiplied(product_, next, " · ", op.at);
                } else {
                    product_ = divided(product_, next, op.type == T::Divide ? "/" : " : ", op.at);
                }
            } else if (startsFactor(op.type)) {
                // Written side by side, as typed, unless two numbers would run together.
                const Expression next = signedFactor();
                product_ = multiplied(product_, next, isDigit(char32_t(next.text.front())) ? " · " : "", op.at);
            } else {
                return product_;
            }
        }
    }

    Expression multiplied(const Expression& p, const Expression& q, const char* sign, std::size_t at) const {
        if (p.value.degree() + q.value.degree() > 2) throw degreeError(at);
        if (bitsOf(p.value) + bitsOf(q.value) > largestTotalBits) throw tooLarge(at);
        return {product(p.value, q.value), p.text + sign + q.text};
    }

    static std::size_t bitsOf(const Polynomial& p) {
        std::size_t bits = 0;
        for (const mpq_class* c : {&p.c0, &p.c1, &p.c2}) {
            bits += mpz_sizeinbase(c->get_num_mpz_t(), 2) + mpz_sizeinbase(c->get_den_mpz_t(), 2);
        }
        return bits;
    }

    static TaskError tooLarge(std::size_t at) { return errorAt(at, "Liczba jest za duża" + place(at)); }

    // Powers of ten and of constants cost their digits: all of them together are bounded.
    void spend(std::size_t bits, std::size_t at) {
        spent_ += bits;
        if (bits > largestPowerBits || spent_ > largestTotalBits) throw tooLarge(at);
    }

    Expression divided(const Expression& p, const Expression& q, const char* sign, std::size_t at) const {
        if (q.value.degree() > 0) throw errorAt(at, "Nie umiem dzielić przez wyrażenie z x" + place(at));
        if (q.value.c0 == 0) throw errorAt(at, "Dzielenie przez zero" + place(at));
        const mpq_class& d = q.value.c0;
        return {{p.value.c0 / d, p.value.c1 / d, p.value.c2 / d}, p.text + sign + q.text};
    }

    static TaskError degreeError(std::size_t at) {
        return errorAt(at, "Stopień wielomianu jest większy niż 2" + place(at));
    }

    Expression signedFactor() {
        if (peek().type == T::Minus) {
            take();
            const Expression f = signedFactor();
            return {Polynomial{} - f.value, "−" + f.text};
        }
        if (peek().type == T::Plus) take();
        return power();
    }

    Expression power() {
        Expression base = primary();
        while (peek().type == T::Power) {
            const Token& p = take();
            if (p.power < 0 && base.value.degree() > 0) {
                throw errorAt(p.at, "Nie umiem dzielić przez wyrażenie z x" + place(p.at));
            }
            if (p.power < 0 && base.value.c0 == 0) throw errorAt(p.at, "Dzielenie przez zero" + place(p.at));
            if (base.value.degree() * p.power > 2) throw degreeError(p.at);
            const std::size_t bits = mpz_sizeinbase(base.value.c0.get_num_mpz_t(), 2) +
                                     mpz_sizeinbase(base.value.c0.get_den_mpz_t(), 2);
            const auto n = (unsigned long)std::abs(p.power);
            if (base.value.degree() == 0) spend(bits * n, p.at);
            Polynomial value{1, 0, 0};
            if (base.value.degree() == 0) {
                mpz_class num, den;
                mpz_pow_ui(num.get_mpz_t(), base.value.c0.get_num_mpz_t(), n);
                mpz_pow_ui(den.get_mpz_t(), base.value.c0.get_den_mpz_t(), n);
                value.c0 = p.power < 0 ? mpq_class(den, num) : mpq_class(num, den);
                value.c0.canonicalize();
            } else {
                for (long k = 0; k < p.power; ++k) value = product(value, base.value);
            }
            base = {value, (base.powered ? "(" + base.text + ")" : base.text) + solution::Superscript(p.power), true};
        }
        return base;
    }

    Expression primary() {
        const Token& t = take();
        switch (t.type) {
        case T::Number: {
            mpq_class value(mpz_class(t.number.digits.empty() ? "0" : t.number.digits, 10));
            const long exponent = long(t.number.exponent);
            mpz_class scale;
            spend(std::size_t(std::abs(exponent)) * 10 / 3, t.at);
            mpz_ui_pow_ui(scale.get_mpz_t(), 10, (unsigned long)std::abs(exponent));
            if (exponent >= 0) {
                value *= scale;
            } else {
                value /= scale;
            }
            value.canonicalize();
            // Far from 1, with its power of ten, as the worked solution writes it, in brackets.
            const bool far = t.number.exponent > farDigits || (!t.number.isZero() && t.number.magnitude() < -farDigits);
            const std::string text =
                far ? "(" + solution::Decimal(t.number, std::numeric_limits<int>::max(), true).text() + ")"
                    : solution::Typed({solver::ReadStatus::Number, t.number}).text();
            return {{value, 0, 0}, text};
        }
        case T::X: return {{0, 1, 0}, "x"};
        case T::Open: {
            const Expression inner = expression();
            if (peek().type != T::Close) {
                if (peek().type == T::End) throw errorAt(peek().at, "Brakuje nawiasu zamykającego.");
                throw unexpected(peek());
            }
            take();
            return {inner.value, "(" + inner.text + ")"};
        }
        default: throw unexpected(t);
        }
    }

    // ", x ∈", "dla x ∈", "w przedziale" and their like before an interval.
    bool intervalFollows() {
        const std::size_t start = pos_;
        if (peek().type == T::Comma) take();
        if (isWord(peek(), U"dla")) take();
        if (isWord(peek(), U"w") && isWord(peek(1), U"przedziale")) pos_ += 2;
        if (peek().type == T::X && peek(1).type == T::In) pos_ += 2;
        if (peek().type == T::In) take();
        if (pos_ > start && (peek().type == T::IntervalOpen ||
                             (peek().type == T::Relation && peek().relation == Relation::Less))) {
            return true;
        }
        pos_ = start;
        return false;
    }

    Interval interval() {
        const Token& open = take();
        const Expression from = constant();
        if (peek().type != T::Semicolon && peek().type != T::Comma) {
            throw errorAt(peek().at, "Przedział ma dwa końce rozdzielone średnikiem: ⟨m; n⟩" + place(peek().at));
        }
        take();
        const Expression to = constant();
        const Token& close = take();
        if (close.type != T::IntervalClose && !(close.type == T::Relation && close.relation == Relation::Greater)) {
            throw errorAt(close.at, "Przedział zamyka się nawiasem ⟩" + place(close.at));
        }
        if (from.value.c0 >= to.value.c0) {
            throw errorAt(open.at, "Początek przedziału musi być mniejszy od jego końca" + place(open.at));
        }
        return {from.value.c0, to.value.c0, from.text, to.text};
    }

    Expression constant() {
        const std::size_t at = peek().at;
        Expression e = expression();
        if (e.value.degree() > 0) throw errorAt(at, "Koniec przedziału musi być liczbą" + place(at));
        return e;
    }

    std::u32string_view text_;
    std::vector<Token> tokens_;
    std::size_t pos_ = 0;
    std::size_t spent_ = 0;
};

}  // namespace

std::string RelationText(Relation relation) {
    switch (relation) {
    case Relation::Equal: return " = ";
    case Relation::Less: return " < ";
    case Relation::Greater: return " > ";
    case Relation::LessOrEqual: return " ≤ ";
    case Relation::GreaterOrEqual: return " ≥ ";
    }
    return " = ";
}

std::string Task::text() const {
    std::string text = kind == Kind::Function ? (name.empty() ? "" : name + " = ") + left
                                              : left + RelationText(relation) + right;
    if (interval) text += ", x ∈ ⟨" + interval->fromText + "; " + interval->toText + "⟩";
    return text;
}

std::variant<Task, TaskError> ReadTask(std::string_view text) {
    const std::u32string characters = decoded(text);
    if (characters.size() > longestTask) {
        return errorAt(longestTask, "Zadanie jest za długie: najwyżej " +
                                        solution::Grouped(std::to_string(longestTask)) + " znaków.");
    }
    if (std::all_of(characters.begin(), characters.end(), isBlank)) {
        return errorAt(0, "Wpisz zadanie, np. x² − 5x ≤ 14 albo f(x) = −2(x + 1)² + 8.");
    }
    try {
        return Parser(characters, Lexer(characters).tokens()).task();
    } catch (const TaskError& error) {
        return error;
    }
}

}  // namespace task
