#include "solver/Calculation.h"

#include <array>
#include <cmath>

#include "solver/ExactReal.h"
#include "solver/NumberText.h"

namespace solver {

namespace {

const char* const missingA = "Podaj parametr a funkcji";
const char* const resultOutOfRange = "Wynik jest poza zakresem liczb";

// Beyond these powers of ten a non-zero decimal is out of the double range
// either way; within them the exact check below decides.
constexpr std::int64_t largestMagnitude = 309;
constexpr std::int64_t smallestMagnitude = -325;

struct CoefficientValue {
    ExactRational exact;
    double value = 0;
    ReadResult typed;
};

using CoefficientOrMessage = std::variant<CoefficientValue, CalculationMessage>;

CalculationMessage coefficientMessage(Coefficient which, const char* complaint) {
    static const std::array<const char*, 3> names{"a", "b", "c"};
    return {std::string("Parametr ") + names[int(which)] + " " + complaint, which};
}

CoefficientOrMessage readCoefficient(std::string_view text, Coefficient which) {
    const ReadResult read = ReadNumber(text);
    if (read.status == ReadStatus::Blank) {
        if (which == Coefficient::A) return CalculationMessage{missingA, which};
        return CoefficientValue{};
    }
    if (read.status == ReadStatus::NotANumber) return coefficientMessage(which, "musi być liczbą");

    const DecimalNumber& number = read.number;
    if (number.isZero()) {
        if (which == Coefficient::A) {
            return coefficientMessage(which, "musi być różny od zera");
        }
        return CoefficientValue{};
    }
    const CalculationMessage outOfRange = coefficientMessage(which, "jest poza zakresem liczb");
    for (const DecimalNumber* part : {&number, &read.denominator}) {
        if (part->magnitude() > largestMagnitude || part->magnitude() < smallestMagnitude) return outOfRange;
    }
    CoefficientValue coefficient{.exact = ExactValue(number) / ExactValue(read.denominator), .value = 0, .typed = read};
    coefficient.value = NearestDouble(coefficient.exact);
    if (std::isinf(coefficient.value) || coefficient.value == 0) return outOfRange;
    return coefficient;
}

// A non-zero exact value that rounds to zero does not fit either: its sign
// would be lost.
bool fitsDouble(const ExactRational& exact, double nearest) {
    return std::isfinite(nearest) && (nearest != 0 || exact.sign() == 0);
}

}  // namespace

CalculationOutcome Calculate(std::string_view textA, std::string_view textB,
                             std::string_view textC, const SolutionState& previous) {
    std::array<CoefficientValue, 3> coefficients;
    const std::array<std::string_view, 3> texts{textA, textB, textC};
    for (int i = 0; i < 3; ++i) {
        auto read = readCoefficient(texts[i], Coefficient(i));
        if (auto* message = std::get_if<CalculationMessage>(&read)) return *message;
        coefficients[i] = std::get<CoefficientValue>(std::move(read));
    }
    const auto& [a, b, c] = coefficients;

    const ExactRational exactDelta = b.exact * b.exact - ExactValue(4) * a.exact * c.exact;
    SolutionState state = previous;
    state.a = a.value;
    state.b = b.value;
    state.c = c.value;
    state.delta = NearestDouble(exactDelta);
    if (!fitsDouble(exactDelta, state.delta)) return CalculationMessage{resultOutOfRange, {}};

    CalculationResult result{state,
                             {"Delta wynosi " + NumberToText(exactDelta, 15), {}, {}},
                             {a.exact, b.exact, c.exact, a.typed, b.typed, c.typed}};
    ResultLines& lines = result.lines;
    if (exactDelta.sign() < 0) {
        lines.x1 = "Delta mniejsza od zera";
        lines.x2 = "Brak miejsc zeowych";
    } else if (exactDelta.sign() == 0) {
        const ExactRational x0 = -b.exact / (ExactValue(2) * a.exact);
        // A zero at 0 keeps the sign that double arithmetic gives it (-0 for
        // a > 0); the text never shows it.
        result.state.x0 = x0.sign() == 0 ? -b.value / (2 * a.value) : NearestDouble(x0);
        if (!std::isfinite(result.state.x0)) return CalculationMessage{resultOutOfRange, {}};
        lines.x1 = "Funkcja posiada jedno miejsce zerowe";
        lines.x2 = "Xo = " + NumberToText(x0, 15);
    } else {
        const auto x1 = ExactReal::ZeroOf(a.exact, b.exact, c.exact, exactDelta, Root::MinusSqrtDelta);
        const auto x2 = ExactReal::ZeroOf(a.exact, b.exact, c.exact, exactDelta, Root::PlusSqrtDelta);
        result.state.x1 = NearestDouble(x1);
        result.state.x2 = NearestFloat(x2);
        if (!std::isfinite(result.state.x1) || !std::isfinite(result.state.x2)) {
            return CalculationMessage{resultOutOfRange, {}};
        }
        lines.x1 = "X1 = " + NumberToText(x1, 15);
        lines.x2 = "X2 = " + NumberToText(x2, 7);
    }
    return result;
}

}  // namespace solver
