#include "task/Formula.h"

#include <algorithm>
#include <cmath>

#include "solution/SchoolNotation.h"
#include "task/Lexer.h"
#include "text/Utf8.h"

namespace task {

namespace {

using syntax::Node;
using syntax::Op;
using lexer::ErrorAt;
using lexer::Place;

// The digits of a power that a task may raise a constant to, counted in
// bits of its result: far past any school task, far below a slow one.
constexpr std::size_t largestPowerBits = 600'000;
// What all the powers of a task together, and any number it reaches, may
// have: so that no task of 10 000 characters takes more than a moment.
constexpr std::size_t largestTotalBits = 2'000'000;
// A number this many zeros from its point is written with its power of ten.
constexpr std::int64_t farDigits = 20;
// A letter's power stays at most 4, as in x⁴ − 5x² + 4 or m²x²; so does a term's degree.
constexpr int highestPower = 4, mostInTerm = 4;

TaskError degreeError(std::size_t at) { return ErrorAt(at, "Stopień wielomianu jest większy niż 4" + Place(at)); }
TaskError divisionByLetter(const Poly& divisor, std::size_t at) {
    return ErrorAt(at, "Nie umiem dzielić przez wyrażenie z " + text::Encode(divisor.letters().substr(0, 1)) + Place(at));
}
TaskError tooLarge(std::size_t at) { return ErrorAt(at, "Liczba jest za duża" + Place(at)); }

std::size_t bitsOf(const Poly& p) {
    std::size_t bits = 0;
    for (const auto& [m, c] : p.terms()) {
        bits += mpz_sizeinbase(c.get_num_mpz_t(), 2) + mpz_sizeinbase(c.get_den_mpz_t(), 2);
    }
    return bits;
}

// log₂|z| for z ≠ 0, whatever its digits.
double log2Of(const mpz_class& z) {
    long exponent = 0;
    const double mantissa = mpz_get_d_2exp(&exponent, z.get_mpz_t());
    return double(exponent) + std::log2(std::abs(mantissa));
}

bool fits(const Poly& p, const Poly& q) {
    if (p.degree() + q.degree() > mostInTerm) return false;
    for (char32_t letter : p.letters() + q.letters()) {
        if (p.degreeIn(letter) + q.degreeIn(letter) > highestPower) return false;
    }
    return true;
}

// Whether LEFT and RIGHT side by side end and begin in letters that would
// be read back as one word: more than two, not all one letter ("bx", "xx"
// stay letters; "xpp" would not).
bool formsWord(const std::string& left, const std::string& right) {
    const std::u32string l = text::Decode(left), r = text::Decode(right);
    std::u32string run;
    for (auto c = l.rbegin(); c != l.rend() && text::IsLetter(*c); ++c) run.insert(run.begin(), *c);
    for (auto c = r.begin(); c != r.end() && text::IsLetter(*c); ++c) run += *c;
    // "ZW", "do", "oś": two letters that make a word the reader knows.
    return (run.size() > 1 && !lexer::KnownWord(run).empty()) ||
           (run.size() > 2 && std::any_of(run.begin(), run.end(), [&](char32_t c) { return c != run[0]; }));
}

// Whether TEXT ends in a letter that a bracket after it would make a
// function's call: a capital, or f, g, h ("W(1 · 10⁵⁰)" would be W at 10⁵⁰).
bool namesFunction(const std::string& text) {
    const std::u32string t = text::Decode(text);
    return !t.empty() && text::IsLetter(t.back()) && (!text::IsLower(t.back()) || std::u32string_view(U"fgh").find(t.back()) != std::u32string_view::npos);
}

// "(x)": a letter alone in brackets, which after another letter would read back as a
// function's header, x(x) = 8.
bool oneLetter(const std::string& text) {
    const std::u32string t = text::Decode(text);
    return t.size() == 3 && t[0] == U'(' && text::IsLetter(t[1]) && t[2] == U')';
}

std::string powersText(std::string text, const Node& node) {
    for (std::size_t i = 0; i < node.powers.size(); ++i) {
        if (i > 0) text = "(" + text + ")";
        text += solution::Superscript(node.powers[i].exponent);
    }
    return text;
}

std::string written(const Node& node, const Substitution& put);

std::string coreText(const Node& node, const Substitution& put) {
    switch (node.kind) {
    case Node::Kind::Number: {
        // Far from 1, with its power of ten, as the worked solution writes it, in brackets.
        const bool far = node.number.exponent > farDigits || (!node.number.isZero() && node.number.magnitude() < -farDigits);
        return far ? "(" + solution::Decimal(node.number, solver::Notation::PowerOfTen).text() + ")"
                   : solution::Typed({solver::ReadStatus::Number, node.number}).text();
    }
    case Node::Kind::Letter: {
        const auto found = put.find(node.letter);
        return found != put.end() ? found->second : text::Encode(std::u32string(1, node.letter));
    }
    case Node::Kind::Root: return text::Encode(std::u32string(1, node.letter)) + (node.root == 1 ? "₁" : "₂");
    case Node::Kind::Group: {
        // "(5)" is 5: a bare number needs no bracket, and "W = (5)" would read back as a point.
        const Node& inner = node.parts[0];
        const bool bare = inner.kind == Node::Kind::Number && inner.minuses == 0 && inner.powers.empty() && node.powers.empty();
        const std::string text = written(inner, put);
        return bare && text.front() != '(' ? text : "(" + text + ")";
    }
    case Node::Kind::Call: return text::Encode(std::u32string(1, node.letter)) + "(" + written(node.parts[0], put) + ")";
    case Node::Kind::Abs: return "|" + written(node.parts[0], put) + "|";
    case Node::Kind::Sum: {
        std::string text = written(node.parts[0], put);
        for (std::size_t i = 1; i < node.parts.size(); ++i) {
            text += (node.joints[i - 1].op == Op::Plus ? " + " : " − ") + written(node.parts[i], put);
        }
        return text;
    }
    case Node::Kind::Product: {
        std::string text = written(node.parts[0], put);
        for (std::size_t i = 1; i < node.parts.size(); ++i) {
            const std::string next = written(node.parts[i], put);
            const Node& part = node.parts[i];
            switch (node.joints[i - 1].op) {
            case Op::Times: text += " · "; break;
            case Op::Divide: text += "/"; break;
            case Op::Colon: text += " : "; break;
            default:
                // Side by side as typed, unless two numbers, or letters into a word, would run together.
                if (lexer::IsDigit(char32_t(next.front())) || (part.kind == Node::Kind::Letter && put.contains(part.letter)) ||
                    formsWord(text, next) || (next.front() == '(' && (namesFunction(text) || oneLetter(next)))) {
                    text += " · ";
                }
            }
            text += next;
        }
        return text;
    }
    }
    return {};
}

std::string written(const Node& node, const Substitution& put) {
    std::string signs;
    for (int i = 0; i < node.minuses; ++i) signs += "−";
    return signs + powersText(coreText(node, put), node);
}

}  // namespace

std::string TextOf(const Node& node, const Substitution& put) {
    // A whole side that is one number in brackets, "W = (−112,11)", is written bare:
    // with a decimal comma in brackets it would read back as a point.
    if (node.kind == Node::Kind::Group && node.minuses == 0 && node.powers.empty() &&
        node.parts[0].kind == Node::Kind::Number && node.parts[0].powers.empty()) {
        return written(node.parts[0], put);
    }
    return written(node, put);
}

Poly Evaluator::valueOf(const Node& node) {
    Poly value;
    switch (node.kind) {
    case Node::Kind::Number: value = number(node); break;
    case Node::Kind::Letter: value = Poly::letter(node.letter); break;
    case Node::Kind::Root:
        throw ErrorAt(node.at, "Wyrażenie z x₁ i x₂ liczy się dla pierwiastków równania, np. x² − 5x + 3 = 0, oblicz "
                               "x₁² + x₂²; x² wpisz jako x^2" + Place(node.at));
    case Node::Kind::Abs:
        throw ErrorAt(node.at, "Wartość bezwzględna |…| może stać tylko w wyrażeniu z x₁ i x₂, np. |x₁ − x₂|" + Place(node.at));
    case Node::Kind::Group: value = valueOf(node.parts[0]); break;
    case Node::Kind::Call: value = call(node); break;
    case Node::Kind::Sum:
        value = valueOf(node.parts[0]);
        for (std::size_t i = 1; i < node.parts.size(); ++i) {
            const Poly next = valueOf(node.parts[i]);
            value = node.joints[i - 1].op == Op::Plus ? value + next : value - next;
        }
        break;
    case Node::Kind::Product:
        value = valueOf(node.parts[0]);
        for (std::size_t i = 1; i < node.parts.size(); ++i) {
            const Poly next = valueOf(node.parts[i]);
            const auto& [op, at] = node.joints[i - 1];
            value = op == Op::Divide || op == Op::Colon ? divided(value, next, at) : multiplied(value, next, at);
        }
        break;
    }
    if (value.letters().size() > mostLetters) {
        throw ErrorAt(node.at, "Za dużo liter w jednym wzorze: najwyżej " + std::to_string(mostLetters) + Place(node.at));
    }
    for (const auto& power : node.powers) value = powered(value, power);
    return node.minuses % 2 == 1 ? value.scaled(-1) : value;
}

Poly Evaluator::number(const Node& node) {
    const solver::DecimalNumber& n = node.number;
    mpq_class value(mpz_class(n.digits.empty() ? "0" : n.digits, 10));
    const long exponent = long(n.exponent);
    spend(std::size_t(std::abs(exponent)) * 10 / 3, node.at);
    mpz_class scale;
    mpz_ui_pow_ui(scale.get_mpz_t(), 10, (unsigned long)std::abs(exponent));
    if (exponent >= 0) {
        value *= scale;
    } else {
        value /= scale;
    }
    value.canonicalize();
    return Poly::constant(value);
}

Poly Evaluator::call(const Node& node) {
    const auto found = functions_.find(node.letter);
    const std::string name = text::Encode(std::u32string(1, node.letter));
    if (found == functions_.end()) {
        throw ErrorAt(node.at, "Funkcja " + name + " nie ma tu wzoru, np. " + name + "(x) = x² − 3" + Place(node.at));
    }
    const Poly argument = valueOf(node.parts[0]);
    const Definition& f = found->second;
    const int top = f.value.degreeIn(f.variable);
    Poly power = Poly::constant(1);
    for (int k = 0; k < top; ++k) {
        if (!fits(power, argument)) throw degreeError(node.at);
        power = power * argument;
    }
    return f.value.substituted(f.variable, argument);
}

Poly Evaluator::powered(Poly base, const Node::Power& p) {
    if (p.exponent < 0 && !base.isConstant()) throw divisionByLetter(base, p.at);
    if (p.exponent < 0 && base.isZero()) throw ErrorAt(p.at, "Dzielenie przez zero" + Place(p.at));
    if (!base.isConstant()) {
        if (p.exponent > highestPower) throw degreeError(p.at);
        Poly value = Poly::constant(1);
        for (long k = 0; k < p.exponent; ++k) value = multiplied(value, base, p.at);
        return value;
    }
    const mpq_class c = base.constantTerm();
    const auto n = (unsigned long)std::abs(p.exponent);
    // The bits of the power, as many as 1e−80851 costs typed: 10⁻⁸⁰⁸⁵¹ written back must cost no more.
    spend(c == 0 ? 0 : std::size_t(std::ceil(double(n) * (log2Of(c.get_num()) + log2Of(c.get_den())))), p.at);
    mpz_class num, den;
    mpz_pow_ui(num.get_mpz_t(), c.get_num_mpz_t(), n);
    mpz_pow_ui(den.get_mpz_t(), c.get_den_mpz_t(), n);
    mpq_class value = p.exponent < 0 ? mpq_class(den, num) : mpq_class(num, den);
    value.canonicalize();
    return Poly::constant(value);
}

Poly Evaluator::multiplied(const Poly& p, const Poly& q, std::size_t at) const {
    if (!fits(p, q)) throw degreeError(at);
    if (bitsOf(p) + bitsOf(q) > largestTotalBits) throw tooLarge(at);
    return p * q;
}

Poly Evaluator::divided(const Poly& p, const Poly& q, std::size_t at) const {
    if (!q.isConstant()) throw divisionByLetter(q, at);
    if (q.isZero()) throw ErrorAt(at, "Dzielenie przez zero" + Place(at));
    return p.scaled(1 / q.constantTerm());
}

// Powers of ten and of constants cost their digits: all of them together are bounded.
void Evaluator::spend(std::size_t bits, std::size_t at) {
    spent_ += bits;
    if (bits > largestPowerBits || spent_ > largestTotalBits) throw tooLarge(at);
}

}  // namespace task
