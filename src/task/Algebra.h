#pragma once

#include <gmpxx.h>

#include <map>
#include <string>

namespace task {

// c2·x² + c1·x + c0, exactly.
struct Polynomial {
    mpq_class c0 = 0, c1 = 0, c2 = 0;

    int degree() const { return c2 != 0 ? 2 : c1 != 0 ? 1 : 0; }
    Polynomial operator+(const Polynomial& other) const { return {c0 + other.c0, c1 + other.c1, c2 + other.c2}; }
    Polynomial operator-(const Polynomial& other) const { return {c0 - other.c0, c1 - other.c1, c2 - other.c2}; }
    bool operator==(const Polynomial&) const = default;
};

// A product of letters, each written as many times as its power, in order:
// U"aax" is a²x; U"" is 1.
using Monomial = std::u32string;

// A polynomial in a task's letters with exact rational coefficients, as a
// formula evaluates to before the task decides which letter is its variable
// and which are unknown coefficients or a second unknown.
class Poly {
public:
    Poly() = default;
    static Poly constant(const mpq_class& value);
    static Poly letter(char32_t name);

    Poly operator+(const Poly& other) const;
    Poly operator-(const Poly& other) const;
    Poly operator*(const Poly& other) const;
    Poly scaled(const mpq_class& factor) const;

    const std::map<Monomial, mpq_class>& terms() const { return terms_; }
    bool isZero() const { return terms_.empty(); }
    bool isConstant() const;
    mpq_class constantTerm() const;
    int degree() const;                 // the most letters in one term
    int degreeIn(char32_t name) const;  // the highest power of one letter
    std::u32string letters() const;     // each once, in order

    // What multiplies NAME^POWER, NAME left out of it.
    Poly coefficientOf(char32_t name, int power) const;
    // NAME replaced by VALUE everywhere.
    Poly substituted(char32_t name, const Poly& value) const;
    // In one letter NAME of degree at most 2, as the solver takes it.
    Polynomial inOne(char32_t name) const;

    bool operator==(const Poly&) const = default;

private:
    void add(const Monomial& m, const mpq_class& c);
    std::map<Monomial, mpq_class> terms_;
};

}  // namespace task
