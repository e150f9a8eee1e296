#include <algorithm>
#include <string_view>
#include <vector>

#include "solution/SchoolNotation.h"
#include "solver/ExactReal.h"
#include "task/Lexer.h"
#include "text/Utf8.h"
#include "task/Task.h"

namespace task {

namespace {

// The digits of a power that a task may raise a constant to, counted in
// bits of its result: far past any school task, far below a slow one.
constexpr std::size_t largestPowerBits = 600'000;
// What all the powers of a task together, and any number it reaches, may
// have: so that no task of 10 000 characters takes more than a moment.
constexpr std::size_t largestTotalBits = 2'000'000;
// A number this many zeros from its point is written with its power of ten.
constexpr std::int64_t farDigits = 20;

using namespace lexer;

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
        if (intervalClause()) {
            if (task.kind != Kind::Function) {
                throw ErrorAt(intervalAt, "Przedział podaje się tylko przy funkcji, np. "
                                          "f(x) = x² − 4x + 3, x ∈ ⟨−1; 4⟩" + Place(intervalAt));
            }
            task.interval = interval();
        }
        // "f(x) = …, x ≤ 4": a half-line, on which extreme values are not asked.
        if (task.kind == Kind::Function && peek().type == T::Comma && peek(1).type == T::X && peek(2).type == T::Relation) {
            throw ErrorAt(peek(1).at, "Przedział zapisuje się z oboma końcami, np. x ∈ ⟨−1; 4⟩" + Place(peek(1).at));
        }
        if (peek().type == T::Relation && task.kind != Kind::Function) {
            throw ErrorAt(peek().at, "Zadanie może mieć tylko jeden znak =, <, >, ≤ albo ≥" + Place(peek().at));
        }
        if (peek().type != T::End) throw unexpected(peek());
        if (task.kind == Kind::Function && task.leftValue.degree() < 2) {
            throw ErrorAt(start, "To nie jest funkcja kwadratowa: po uporządkowaniu nie ma w niej x².");
        }
        return task;
    }

private:
    const Token& peek(std::size_t ahead = 0) const { return tokens_[std::min(pos_ + ahead, tokens_.size() - 1)]; }
    const Token& take() { return tokens_[std::min(pos_++, tokens_.size() - 1)]; }
    bool isWord(const Token& t, std::u32string_view word) const { return t.type == T::Word && t.word == word; }

    TaskError unexpected(const Token& t) const {
        if (t.type == T::End) return ErrorAt(t.at, "Zadanie urywa się: brakuje liczby albo x na końcu.");
        if (t.type == T::Word) return ErrorAt(t.at, "Nie rozumiem słowa „" + text::Encode(t.word) + "”" + Place(t.at));
        if (t.type == T::Close) return ErrorAt(t.at, "Nawias zamyka się, choć się nie otworzył" + Place(t.at));
        return UnknownCharacter(text_, t.at);
    }

    // "f(x) =" or "y =" before a function's expression.
    std::optional<std::string> functionName() {
        const Token& first = peek();
        if (first.type == T::Word && first.word.size() == 1 && peek(1).type == T::Open && peek(2).type == T::X &&
            peek(3).type == T::Close && peek(4).type == T::Relation && peek(4).relation == Relation::Equal) {
            pos_ += 5;
            return text::Encode(first.word) + "(x)";
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
            sum.value = plus ? sum.value + next.value : sum.value - next.value;
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
            } else if (startsFactor(op.type) && !(op.type == T::X && membership(1) > 0)) {
                // Written side by side, as typed, unless two numbers would run together.
                const Expression next = signedFactor();
                product_ = multiplied(product_, next, IsDigit(char32_t(next.text.front())) ? " · " : "", op.at);
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

    static TaskError tooLarge(std::size_t at) { return ErrorAt(at, "Liczba jest za duża" + Place(at)); }

    // Powers of ten and of constants cost their digits: all of them together are bounded.
    void spend(std::size_t bits, std::size_t at) {
        spent_ += bits;
        if (bits > largestPowerBits || spent_ > largestTotalBits) throw tooLarge(at);
    }

    Expression divided(const Expression& p, const Expression& q, const char* sign, std::size_t at) const {
        if (q.value.degree() > 0) throw ErrorAt(at, "Nie umiem dzielić przez wyrażenie z x" + Place(at));
        if (q.value.c0 == 0) throw ErrorAt(at, "Dzielenie przez zero" + Place(at));
        const mpq_class& d = q.value.c0;
        return {{p.value.c0 / d, p.value.c1 / d, p.value.c2 / d}, p.text + sign + q.text};
    }

    static TaskError degreeError(std::size_t at) {
        return ErrorAt(at, "Stopień wielomianu jest większy niż 2" + Place(at));
    }

    // Signs before a factor, as many as typed, read in a loop: a task of
    // thousands of minus signs must not run the stack out.
    Expression signedFactor() {
        std::string signs;
        bool negative = false;
        while (peek().type == T::Minus || peek().type == T::Plus) {
            if (take().type == T::Minus) {
                negative = !negative;
                signs += "−";
            }
        }
        Expression f = power();
        if (negative) f.value = Polynomial{} - f.value;
        return {f.value, signs + f.text, f.powered};
    }

    Expression power() {
        Expression base = primary();
        while (peek().type == T::Power) {
            const Token& p = take();
            if (p.power < 0 && base.value.degree() > 0) {
                throw ErrorAt(p.at, "Nie umiem dzielić przez wyrażenie z x" + Place(p.at));
            }
            if (p.power < 0 && base.value.c0 == 0) throw ErrorAt(p.at, "Dzielenie przez zero" + Place(p.at));
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
                far ? "(" + solution::Decimal(t.number, solver::Notation::PowerOfTen).text() + ")"
                    : solution::Typed({solver::ReadStatus::Number, t.number}).text();
            return {{value, 0, 0}, text};
        }
        case T::X: return {{0, 1, 0}, "x"};
        case T::Open: {
            const Expression inner = expression();
            if (peek().type != T::Close) {
                if (peek().type == T::End) throw ErrorAt(peek().at, "Brakuje nawiasu zamykającego.");
                throw unexpected(peek());
            }
            take();
            return {inner.value, "(" + inner.text + ")"};
        }
        default: throw unexpected(t);
        }
    }

    // How many words from AHEAD say "belongs to": "∈", "in", "należy do"; 0 where none do.
    std::size_t membership(std::size_t ahead) const {
        if (peek(ahead).type == T::In || isWord(peek(ahead), U"in")) return 1;
        return isWord(peek(ahead), U"należy") && isWord(peek(ahead + 1), U"do") ? 2 : 0;
    }

    // ", x ∈", "dla x należy do", "w przedziale" and their like before an
    // interval, the comma optional; false, and nothing read, where none stands.
    bool intervalClause() {
        const std::size_t start = pos_;
        if (peek().type == T::Comma) take();
        const std::size_t words = pos_;
        if (isWord(peek(), U"dla")) take();
        if (isWord(peek(), U"w") && isWord(peek(1), U"przedziale")) {
            pos_ += 2;
        } else if (peek().type == T::X && membership(1) > 0) {
            pos_ += 1 + membership(1);
        } else if (membership(0) > 0) {
            pos_ += membership(0);
        }
        if (pos_ == words) {
            pos_ = start;
            return false;
        }
        const Token& open = peek();
        const bool opens = open.type == T::IntervalOpen || open.type == T::Open ||
                           (open.type == T::Relation && open.relation == Relation::Less);
        if (!opens) throw ErrorAt(open.at, "Tu powinien stać przedział, np. ⟨−1; 4⟩ albo (0; 4)" + Place(open.at));
        return true;
    }

    // The token that closes the interval opened just before FROM: the first
    // ⟩, ], > or ) outside the brackets of its ends.
    std::size_t intervalEnd(std::size_t from) const {
        int depth = 0;
        for (std::size_t i = from; i < tokens_.size(); ++i) {
            const Token& t = tokens_[i];
            if (t.type == T::End) break;
            if (t.type == T::Open) ++depth;
            const bool closes = t.type == T::IntervalClose || (t.type == T::Relation && t.relation == Relation::Greater) ||
                                (t.type == T::Close && depth == 0);
            if (t.type == T::Close) --depth;
            if (closes && depth <= 0) return i;
        }
        throw ErrorAt(text_.size(), "Przedział zamyka się nawiasem ⟩ albo )" + Place(text_.size()));
    }

    // Where the ends part, in the text from FROM to TO: a semicolon, else the
    // comma that cannot be a decimal comma (one with a blank beside it, the
    // only one, or the middle one of 1,5,2,5).
    std::size_t separator(std::size_t from, std::size_t to) const {
        const std::u32string_view inside = text_.substr(from, to - from);
        if (const auto semicolon = inside.find(U';'); semicolon != inside.npos) return from + semicolon;
        std::vector<std::size_t> commas, spaced;
        for (std::size_t i = 0; i < inside.size(); ++i) {
            if (inside[i] != U',') continue;
            commas.push_back(from + i);
            if ((i > 0 && IsBlank(inside[i - 1])) || (i + 1 < inside.size() && IsBlank(inside[i + 1]))) {
                spaced.push_back(from + i);
            }
        }
        if (spaced.size() == 1) return spaced[0];
        if (commas.size() == 1) return commas[0];
        if (commas.size() == 3 && spaced.empty()) return commas[1];
        if (commas.size() == 2) {
            throw ErrorAt(commas[0], "Nie wiadomo, który przecinek oddziela końce przedziału: oddziel je średnikiem, "
                                     "np. ⟨1,5; 4⟩" + Place(commas[0]));
        }
        throw ErrorAt(to, "Przedział ma dwa końce rozdzielone średnikiem: ⟨m; n⟩" + Place(to));
    }

    Interval interval() {
        const Token open = take();
        const std::size_t closing = intervalEnd(pos_);
        const Token close = tokens_[closing];
        const std::size_t split = separator(open.at + 1, close.at);
        const Expression from = constant(open.at + 1, split), to = constant(split + 1, close.at);
        pos_ = closing + 1;
        if (from.value.c0 >= to.value.c0) {
            throw ErrorAt(open.at, "Początek przedziału musi być mniejszy od jego końca" + Place(open.at));
        }
        const bool fromClosed = open.type != T::Open, toClosed = close.type != T::Close;
        return {.from = from.value.c0,
                .to = to.value.c0,
                .range = {solution::Bound::of(fromClosed, from.text, solver::NearestDouble(from.value.c0)),
                          solution::Bound::of(toClosed, to.text, solver::NearestDouble(to.value.c0))}};
    }

    // One end of an interval: the text from FROM to TO read alone, a number.
    Expression constant(std::size_t from, std::size_t to) {
        std::vector<Token> tokens = Tokens(text_.substr(from, to - from));
        for (Token& t : tokens) t.at += from;
        if (tokens.front().type == T::End) throw ErrorAt(to, "Przedziałowi brakuje końca" + Place(to));
        Parser end(text_, std::move(tokens));
        end.spent_ = spent_;
        const Expression e = end.expression();
        if (end.peek().type != T::End) throw end.unexpected(end.peek());
        spent_ = end.spent_;
        if (e.value.degree() > 0) throw ErrorAt(from, "Koniec przedziału musi być liczbą" + Place(from));
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
    if (interval) text += ", x ∈ " + solution::RangeText(interval->range);
    return text;
}

std::variant<Task, TaskError> ReadTask(std::string_view text) {
    // A byte that is no UTF-8 becomes U+FFFD, which nothing reads.
    const std::u32string characters = text::Decode(text);
    if (characters.size() > longestTask) {
        return ErrorAt(longestTask, "Zadanie jest za długie: najwyżej " +
                                        solution::Grouped(std::to_string(longestTask)) + " znaków.");
    }
    if (std::all_of(characters.begin(), characters.end(), IsBlank)) {
        return ErrorAt(0, "Wpisz zadanie, np. x² − 5x ≤ 14 albo f(x) = −2(x + 1)² + 8.");
    }
    try {
        return Parser(characters, Tokens(characters)).task();
    } catch (const TaskError& error) {
        return error;
    }
}

}  // namespace task
