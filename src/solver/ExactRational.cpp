#include "solver/ExactRational.h"

namespace solver {

mpz_class PowerOfTen(std::int64_t exponent) {
    mpz_class power;
    mpz_ui_pow_ui(power.get_mpz_t(), 10, static_cast<unsigned long>(exponent));
    return power;
}

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
        value.num *= PowerOfTen(number.exponent);
    } else {
        value.den = PowerOfTen(-number.exponent);
    }
    return value;
}

ExactRational ExactValue(long integer) { return {integer, 1}; }

ExactRational ExactValue(const mpq_class& q) { return {q.get_num(), q.get_den()}; }

ExactRational BinaryValue(double value) {
    const mpq_class exact(value);
    return {exact.get_num(), exact.get_den()};
}

}  // namespace solver
