#include "solver/ExactRational.h"

#include <algorithm>
#include <bit>
#include <climits>
#include <cmath>
#include <cstdint>
#include <limits>

namespace solver {

namespace {

mpz_class powerOfTen(std::int64_t exponent) {
    mpz_class power;
    mpz_ui_pow_ui(power.get_mpz_t(), 10, static_cast<unsigned long>(exponent));
    return power;
}

// The exact value of a non-negative double; the infinity stands for 2^1024,
// the next power of two past the largest double, so that rounding to it
// follows the same rule as rounding to any double.
mpq_class exactValue(double value) {
    if (std::isinf(value)) {
        mpz_class power;
        mpz_ui_pow_ui(power.get_mpz_t(), 2, 1024);
        return mpq_class(power);
    }
    return mpq_class(value);
}

// Sign of x - m, for a positive x.
int compare(const ExactRational& x, const mpq_class& m) {
    const mpz_class left = x.num * m.get_den();
    const mpz_class right = m.get_num() * x.den;
    return cmp(left, right);
}

bool hasOddMantissa(double value) { return (std::bit_cast<std::uint64_t>(value) & 1) != 0; }

// Whether the positive x rounds to high rather than to low, two neighbouring
// doubles with low < high.
bool roundsUp(const ExactRational& x, double low, double high) {
    const mpq_class midpoint = (exactValue(low) + exactValue(high)) / 2;
    const int side = compare(x, midpoint);
    return side > 0 || (side == 0 && hasOddMantissa(low));
}

// Within an ulp or two of the positive x: its quotient to about 64 bits.
double approximate(const ExactRational& x) {
    const long shift = long(mpz_sizeinbase(x.den.get_mpz_t(), 2)) -
                       long(mpz_sizeinbase(x.num.get_mpz_t(), 2)) + 64;
    mpz_class quotient;
    if (shift >= 0) {
        quotient = (x.num << shift) / x.den;
    } else {
        quotient = x.num / (x.den << -shift);
    }
    long exponent = 0;
    const double mantissa = mpz_get_d_2exp(&exponent, quotient.get_mpz_t());
    const long scale = std::clamp(exponent - shift, long(INT_MIN / 2), long(INT_MAX / 2));
    return std::ldexp(mantissa, int(scale));
}

}  // namespace

ExactRational operator*(const ExactRational& x, const ExactRational& y) {
    return {x.num * y.num, x.den * y.den};
}

ExactRational operator-(const ExactRational& x, const ExactRational& y) {
    if (x.den == y.den) return {x.num - y.num, x.den};
    return {x.num * y.den - y.num * x.den, x.den * y.den};
}

ExactRational operator/(const ExactRational& x, const ExactRational& y) {
    ExactRational quotient{x.num * y.den, x.den * y.num};
    if (sgn(quotient.den) < 0) {
        quotient.num = -quotient.num;
        quotient.den = -quotient.den;
    }
    return quotient;
}

ExactRational operator-(const ExactRational& x) { return {-x.num, x.den}; }

ExactRational ExactValue(const DecimalNumber& number) {
    if (number.isZero()) return {};
    ExactRational value;
    value.num.set_str(number.digits, 10);
    if (number.negative) value.num = -value.num;
    if (number.exponent >= 0) {
        value.num *= powerOfTen(number.exponent);
    } else {
        value.den = powerOfTen(-number.exponent);
    }
    return value;
}

ExactRational ExactValue(long integer) { return {integer, 1}; }

double NearestDouble(const ExactRational& x) {
    const int sign = x.sign();
    if (sign == 0) return 0.0;
    const ExactRational magnitude = sign < 0 ? -x : x;
    constexpr double infinity = std::numeric_limits<double>::infinity();

    double nearest = approximate(magnitude);
    for (;;) {
        if (!std::isinf(nearest)) {
            const double up = std::nextafter(nearest, infinity);
            if (roundsUp(magnitude, nearest, up)) {
                nearest = up;
                continue;
            }
        }
        if (nearest > 0) {
            const double down = std::nextafter(nearest, 0.0);
            if (!roundsUp(magnitude, down, nearest)) {
                nearest = down;
                continue;
            }
        }
        return sign < 0 ? -nearest : nearest;
    }
}

}  // namespace solver
