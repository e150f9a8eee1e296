#pragma once

#include <gmpxx.h>

#include "solver/NumberText.h"

namespace solver {

// An exact rational num / den with den > 0. It is never reduced: the
// values here only feed signs and comparisons, and reducing numbers of a
// million digits would cost more than all the rest.
struct ExactRational {
    mpz_class num = 0;
    mpz_class den = 1;

    int sign() const { return sgn(num); }
};

ExactRational operator*(const ExactRational& x, const ExactRational& y);
ExactRational operator-(const ExactRational& x, const ExactRational& y);
ExactRational operator/(const ExactRational& x, const ExactRational& y);  // y != 0
ExactRational operator-(const ExactRational& x);

// 10^exponent, exponent >= 0.
mpz_class PowerOfTen(std::int64_t exponent);

// Exact value of a decimal; its magnitude must be within the reach of a double
// (a few hundred powers of ten), or the power of ten becomes huge.
ExactRational ExactValue(const DecimalNumber& number);
ExactRational ExactValue(long integer);
ExactRational ExactValue(const mpq_class& q);
// Exact value of a finite double.
ExactRational BinaryValue(double value);

}  // namespace solver
