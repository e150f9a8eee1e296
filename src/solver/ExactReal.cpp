#include "solver/ExactReal.h"

#include <algorithm>
#include <bit>
#include <climits>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>

namespace solver {

namespace {

// Approximations carry 256 bits; each of their few steps loses at most a
// few of them. Where an approximation and a boundary lie closer than 2^-200
// of their size, the side of the boundary is decided exactly instead.
constexpr mp_bitcnt_t precision = 256;
const mpf_class closeness = [] {
    mpf_class c(1, precision);
    mpf_div_2exp(c.get_mpf_t(), c.get_mpf_t(), 200);
    return c;
}();

mpf_class approximate(const ExactRational& q) {
    return mpf_class(q.num, precision) / mpf_class(q.den, precision);
}

// Tells on which side of a rational boundary the exact real lies.
class Judge {
public:
    explicit Judge(const ExactReal& x) : x_(x) {}

    // Sign of x - t.
    int side(const mpq_class& t) {
        const mpf_class boundary(t, precision);
        const mpf_class difference = x_.approximation - boundary;
        const mpf_class size = abs(x_.approximation), boundarySize = abs(boundary);
        const mpf_class scale = (size > boundarySize ? size : boundarySize) * closeness;
        if (abs(difference) > scale) return sgn(difference);
        return exactSide(t);
    }

private:
    // p - t + s sqrt(r), from a and b = s sqrt(r): their signs, and where
    // they differ, which of a^2 and b^2 = s^2 r is larger.
    int exactSide(const mpq_class& t) {
        const ExactRational a = x_.p - ExactValue(t);
        if (x_.s.sign() == 0 || x_.r.sign() == 0) return a.sign();
        const int rootSign = x_.s.sign();
        if (a.sign() == 0 || a.sign() == rootSign) return rootSign;
        if (!rootSquared_) rootSquared_ = x_.s * x_.s * x_.r;
        const int larger = cmp(a.num * a.num * rootSquared_->den, rootSquared_->num * a.den * a.den);
        return larger > 0 ? a.sign() : larger < 0 ? rootSign : 0;
    }

    const ExactReal& x_;
    std::optional<ExactRational> rootSquared_;
};

// The point of GRID nearest to the positive x, ties to the even one, found
// from a guess by steps to either neighbour.
template <typename Grid>
typename Grid::Point nearest(Judge& judge, const Grid& grid, typename Grid::Point point) {
    using Point = typename Grid::Point;
    const auto roundsUp = [&](const Point& low, const Point& high) {
        const int side = judge.side((grid.value(low) + grid.value(high)) / 2);
        return side > 0 || (side == 0 && grid.odd(low));
    };
    for (;;) {
        if (const auto up = grid.up(point); up && roundsUp(point, *up)) {
            point = *up;
        } else if (const auto down = grid.down(point); down && !roundsUp(*down, point)) {
            point = *down;
        } else {
            return point;
        }
    }
}

// The non-negative doubles or floats, and their infinity, which stands for
// the next power of two past the largest, so that rounding to it follows the
// same rule as rounding to any other point.
template <typename Real>
struct BinaryGrid {
    using Point = Real;
    static constexpr Real infinity = std::numeric_limits<Real>::infinity();

    mpq_class value(Real v) const {
        if (std::isinf(v)) {
            mpq_class power(1);
            mpq_mul_2exp(power.get_mpq_t(), power.get_mpq_t(), std::numeric_limits<Real>::max_exponent);
            return power;
        }
        return mpq_class(double(v));
    }
    bool odd(Real v) const {
        if constexpr (sizeof(Real) == 8) return (std::bit_cast<std::uint64_t>(v) & 1) != 0;
        else return (std::bit_cast<std::uint32_t>(v) & 1) != 0;
    }
    std::optional<Real> up(Real v) const {
        return std::isinf(v) ? std::nullopt : std::optional(std::nextafter(v, infinity));
    }
    std::optional<Real> down(Real v) const {
        return v == 0 ? std::nullopt : std::optional(std::nextafter(v, Real(0)));
    }
};

template <typename Real>
Real nearestBinary(const ExactReal& x) {
    const int sign = Sign(x);
    if (sign == 0) return 0;
    const ExactReal magnitude = sign < 0 ? -x : x;
    Judge judge(magnitude);
    long exponent = 0;
    const double mantissa = mpf_get_d_2exp(&exponent, magnitude.approximation.get_mpf_t());
    const int scale = int(std::clamp(exponent, long(INT_MIN / 2), long(INT_MAX / 2)));
    const Real guess = Real(std::ldexp(mantissa, scale));
    const Real found = nearest(judge, BinaryGrid<Real>{}, guess);
    return sign < 0 ? -found : found;
}

// Decimals of exactly DIGITS significant digits: m * 10^k with
// 10^(DIGITS-1) <= m < 10^DIGITS.
struct DecimalGrid {
    struct Point {
        mpz_class m;
        long k;
    };

    explicit DecimalGrid(int digits) {
        mpz_ui_pow_ui(lowest.get_mpz_t(), 10, digits - 1);
        highest = lowest * 10 - 1;
    }

    mpq_class value(const Point& p) const {
        if (p.k >= 0) return mpq_class(p.m * PowerOfTen(p.k));
        return mpq_class(p.m) / mpq_class(PowerOfTen(-p.k));
    }
    bool odd(const Point& p) const { return mpz_odd_p(p.m.get_mpz_t()) != 0; }
    std::optional<Point> up(const Point& p) const {
        return p.m == highest ? Point{lowest, p.k + 1} : Point{p.m + 1, p.k};
    }
    std::optional<Point> down(const Point& p) const {
        return p.m == lowest ? Point{highest, p.k - 1} : Point{p.m - 1, p.k};
    }

    mpz_class lowest, highest;
};

}  // namespace

ExactReal::ExactReal(ExactRational rational)
    : p(std::move(rational)), approximation(approximate(p)) {}

ExactReal::ExactReal(ExactRational p, ExactRational s, ExactRational r, mpf_class approximation)
    : p(std::move(p)), s(std::move(s)), r(std::move(r)), approximation(std::move(approximation)) {}

ExactReal ExactReal::ZeroOf(const ExactRational& a, const ExactRational& b, const ExactRational& c,
                            const ExactRational& delta, Root which) {
    const ExactRational twiceA = ExactValue(2) * a;
    ExactRational centre = -b / twiceA;
    ExactRational reach = ExactValue(which == Root::MinusSqrtDelta ? -1 : 1) / twiceA;
    const mpf_class near = approximate(centre);
    const mpf_class root = approximate(reach) * sqrt(approximate(delta));
    // Where -b/2a and the root nearly cancel, the zero is the product of the
    // zeros, c/a, over the other zero, which has no cancellation.
    const bool cancels = sgn(near) != sgn(root) && sgn(near) != 0 && abs(root) * 2 > abs(near);
    mpf_class value = cancels ? mpf_class(approximate(c / a) / (near - root)) : mpf_class(near + root);
    return ExactReal(std::move(centre), std::move(reach), delta, std::move(value));
}

ExactReal ExactReal::operator-() const { return ExactReal(-p, -s, r, -approximation); }

int Sign(const ExactReal& x) { return Judge(x).side(0); }

double NearestDouble(const ExactReal& x) { return nearestBinary<double>(x); }
double NearestDouble(const mpq_class& q) { return NearestDouble(ExactValue(q)); }

float NearestFloat(const ExactReal& x) { return nearestBinary<float>(x); }

DecimalNumber RoundToDigits(const ExactReal& x, int digits) {
    const int sign = Sign(x);
    if (sign == 0) return {};
    const ExactReal magnitude = sign < 0 ? -x : x;
    Judge judge(magnitude);
    // The guess: the approximation's leading digits, 0.DDD... * 10^exponent.
    mp_exp_t exponent = 0;
    std::string leading = magnitude.approximation.get_str(exponent, 10, digits);
    leading.resize(std::size_t(digits), '0');
    const DecimalGrid grid(digits);
    const DecimalGrid::Point found =
        nearest(judge, grid, DecimalGrid::Point{mpz_class(leading), long(exponent) - digits});

    return Normalised(sign < 0, found.m.get_str(), found.k);
}

std::string NumberToText(const ExactReal& x, int digits) {
    return DecimalToText(RoundToDigits(x, digits), digits);
}

}  // namespace solver
