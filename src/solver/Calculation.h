#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "solver/ExactRational.h"
#include "solver/SolutionState.h"

namespace solver {

enum class Coefficient { A, B, C };

// A calculation that could not be made: the text to show and the box the
// user has to mend, if it is one box's fault.
struct CalculationMessage {
    std::string text;
    std::optional<Coefficient> focus;

    bool operator==(const CalculationMessage&) const = default;
};

struct ResultLines {
    std::string delta;
    std::string x1;
    std::string x2;

    bool operator==(const ResultLines&) const = default;
};

// The coefficients exactly as read, for the worked solution, and as they
// were typed (a blank one as 0), to be written back in that form.
struct ExactCoefficients {
    ExactRational a, b, c;
    ReadResult typedA, typedB, typedC;
};

struct CalculationResult {
    SolutionState state;
    ResultLines lines;
    ExactCoefficients exact;
};

using CalculationOutcome = std::variant<CalculationMessage, CalculationResult>;

// The coefficients' texts (UTF-8) and the state of the last calculation in;
// either a message, or the complete new state with its result lines. The
// sign of the discriminant comes from the exact decimal values as typed.
CalculationOutcome Calculate(std::string_view textA, std::string_view textB,
                             std::string_view textC, const SolutionState& previous);

}  // namespace solver
