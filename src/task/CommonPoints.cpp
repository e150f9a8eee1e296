#include "task/CommonPoints.h"

#include <cmath>

#include "solution/ExactForms.h"
#include "solution/SchoolNotation.h"

namespace task {

namespace {

// P at (u + v√m)/w, exactly, in the same form.
solution::Surd valueAtSurd(const Polynomial& p, const solution::Surd& x) {
    const mpq_class a(x.u, x.w), b(x.v, x.w), m(x.m);
    const mpq_class rational = p.c2 * (a * a + b * b * m) + p.c1 * a + p.c0, root = 2 * p.c2 * a * b + p.c1 * b;
    mpz_class w;
    mpz_lcm(w.get_mpz_t(), rational.get_den_mpz_t(), root.get_den_mpz_t());
    const mpz_class u(rational * w), v(root * w);
    mpz_class common;
    mpz_gcd(common.get_mpz_t(), u.get_mpz_t(), v.get_mpz_t());
    mpz_gcd(common.get_mpz_t(), common.get_mpz_t(), w.get_mpz_t());
    return {.u = u / common, .v = v / common, .w = w / common, .m = v == 0 ? mpz_class(1) : x.m};
}

// Where the chart draws (u + v√m)/w: worked out with room for any number of
// digits, so that a huge m over a huge w still lands where it is (or past
// any chart, infinite, where a double cannot hold it).
double nearestSurd(const solution::Surd& s) {
    const mp_bitcnt_t bits = 64 + mpz_sizeinbase(s.m.get_mpz_t(), 2) + mpz_sizeinbase(s.w.get_mpz_t(), 2);
    mpf_class root(s.m, bits), value(s.u, bits);
    root = sqrt(root);
    value += mpf_class(s.v, bits) * root;
    value /= mpf_class(s.w, bits);
    const long exponent = [&] {
        long e = 0;
        mpf_get_d_2exp(&e, value.get_mpf_t());
        return e;
    }();
    return exponent > 1000 ? (sgn(value) > 0 ? HUGE_VAL : -HUGE_VAL) : value.get_d();
}

}  // namespace

std::vector<CommonPoint> CommonPointsOf(const Polynomial& moved, const Polynomial& side) {
    std::vector<solution::Surd> xs;
    if (moved.degree() == 1) {
        const mpq_class root = -moved.c0 / moved.c1;
        xs.push_back({.u = root.get_num(), .v = 0, .w = root.get_den(), .m = 1});
    } else if (moved.degree() == 2) {
        const solution::ExactForms forms = solution::ExactFormsOf(moved.c2, moved.c1, moved.c0);
        if (forms.delta >= 0) xs.push_back(forms.x1);
        if (forms.delta > 0) xs.push_back(forms.x2);
        if (xs.size() == 2 && moved.c2 < 0) std::swap(xs[0], xs[1]);
    }
    std::vector<CommonPoint> points;
    for (const solution::Surd& x : xs) {
        const solution::Surd y = valueAtSurd(side, x);
        points.push_back({solution::SurdText(x), solution::SurdText(y), nearestSurd(x), nearestSurd(y)});
    }
    return points;
}

namespace {

std::string pointText(const CommonPoint& point) { return "(" + point.x + "; " + point.y + ")"; }

// "Prosta jest styczna do paraboli w punkcie (1; 2).", where a line or a parabola only touches a parabola.
std::string touching(const Task& task, const Polynomial& moved, const std::string& point) {
    if (moved.degree() != 2) return {};
    const bool line = std::min(task.leftValue.degree(), task.rightValue.degree()) < 2;
    return (line ? "Prosta jest styczna do paraboli w punkcie " : "Parabole są styczne w punkcie ") + point + ".";
}

}  // namespace

void AddCommonPoints(const Task& task, const Polynomial& moved, Steps& steps, PointsAnswer how) {
    const bool rightSimpler = task.rightValue.degree() <= task.leftValue.degree();
    const Polynomial& side = rightSimpler ? task.rightValue : task.leftValue;
    const std::vector<CommonPoint> points = CommonPointsOf(moved, side);
    const bool same = moved.degree() == 0 && moved.c0 == 0;
    sketch::Sketch sketch;
    sketch.curve = CurveOf(task.leftValue);
    sketch.other = CurveOf(task.rightValue);
    std::string ys, list;
    for (const CommonPoint& point : points) {
        // A point past what a double holds is said, not drawn.
        if (std::isfinite(point.nearestX) && std::isfinite(point.nearestY)) {
            sketch.commonPoints.push_back({point.nearestX, point.nearestY, pointText(point)});
        }
        ys += (ys.empty() ? "" : ", ") + std::string("dla x = ") + point.x + " jest y = " + point.y;
        list += (list.empty() ? "" : " i ") + pointText(point);
    }
    const std::string none = same ? "wykresy pokrywają się." : "wykresy nie mają punktów wspólnych.";
    const std::string named = points.size() == 1 ? "punkt wspólny" : "punkty wspólne";
    const std::string yLine = (points.size() == 1 ? "Druga współrzędna punktu wspólnego z y = "
                                                  : "Drugie współrzędne punktów wspólnych z y = ") +
                              (rightSimpler ? task.right : task.left) + ": " + ys + ".";
    std::string& answer = steps.lines.back();
    if (how == PointsAnswer::AfterSolutions) {
        if (points.empty()) {
            answer += std::string(answer.ends_with(".") ? " " : ". ") + "Wykresy obu stron " +
                      (same ? "pokrywają się." : "nie mają punktów wspólnych.");
        } else {
            const std::string xs = answer;
            answer = yLine;
            steps.lines.push_back(xs + "; " + named + " wykresów: " + list);
        }
    } else if (how == PointsAnswer::Alone) {
        steps.lines.pop_back();
        if (!points.empty()) steps.lines.push_back(yLine);
        if (points.size() == 1 && !touching(task, moved, list).empty()) steps.lines.push_back(touching(task, moved, list));
        steps.lines.push_back("Odpowiedź: " + (points.empty() ? none : named + ": " + list));
    } else {
        if (!points.empty()) steps.lines.push_back(yLine);
        steps.lines.push_back(points.empty()       ? "W" + none.substr(1)
                              : points.size() == 1 ? "Punkt wspólny wykresów: " + list + "."
                                                   : "Punkty wspólne wykresów: " + list + ".");
    }
    const std::string description = "Wykresy y = " + task.left + " i y = " + task.right +
                                    (same                 ? " pokrywają się."
                                     : points.empty()     ? " nie mają punktów wspólnych."
                                     : points.size() == 1 ? " mają jeden punkt wspólny " + list + "."
                                                          : " mają punkty wspólne " + list + ".");
    // An inequality's set stays marked on the axis under both graphs.
    std::string marked;
    if (steps.graph && !steps.graph->sketch.solutionSet.empty()) {
        sketch.solutionSet = steps.graph->sketch.solutionSet;
        const std::string& before = steps.graph->description;
        if (const auto at = before.find(" Na osi OX"); at != std::string::npos) marked = before.substr(at);
    }
    steps.graph = solution::Graph{sketch, description + marked};
}

}  // namespace task
