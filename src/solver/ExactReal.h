#pragma once

#include <string>

#include "solver/ExactRational.h"
#include "solver/NumberText.h"

namespace solver {

// Which zero of a quadratic: (−b − √Δ)/(2a) or (−b + √Δ)/(2a).
enum class Root { MinusSqrtDelta, PlusSqrtDelta };

// An exact real p + s * sqrt(r), r >= 0: a rational where s is 0, else one
// zero of a quadratic. It carries an approximation to 256 bits, made once.
struct ExactReal {
    ExactReal(ExactRational rational);  // NOLINT: a rational is one

    // The zero WHICH of a x^2 + b x + c with delta = b^2 - 4ac > 0.
    static ExactReal ZeroOf(const ExactRational& a, const ExactRational& b, const ExactRational& c,
                            const ExactRational& delta, Root which);

    ExactReal operator-() const;

    const ExactRational p;
    const ExactRational s;
    const ExactRational r;
    const mpf_class approximation;

private:
    ExactReal(ExactRational p, ExactRational s, ExactRational r, mpf_class approximation);
};

int Sign(const ExactReal& x);

// The double, or the float, nearest to x, ties to even; an infinity where x
// lies beyond the range.
double NearestDouble(const ExactReal& x);
double NearestDouble(const mpq_class& q);
float NearestFloat(const ExactReal& x);

// x correctly rounded to DIGITS significant digits, ties to even.
DecimalNumber RoundToDigits(const ExactReal& x, int digits);

// The text of x at DIGITS significant digits, as DecimalToText writes it.
std::string NumberToText(const ExactReal& x, int digits);

}  // namespace solver
