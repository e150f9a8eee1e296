// The calculation on any three texts (the input split at its first two
// newlines): a known message, or a complete and consistent result with its
// worked solution and its chart.
#include <cmath>
#include <cstdint>
#include <set>
#include <string>
#include <string_view>

#include "../KnownMessages.h"
#include "sketch/SketchLayout.h"
#include "solution/SchoolNotation.h"
#include "solution/WorkedSolution.h"
#include "solver/Calculation.h"

namespace {

void require(bool condition) {
    if (!condition) __builtin_trap();
}


std::string_view next(std::string_view& rest) {
    const auto end = rest.find('\n');
    const std::string_view piece = rest.substr(0, end);
    rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
    return piece;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view rest(reinterpret_cast<const char*>(data), size);
    const std::string_view a = next(rest), b = next(rest), c = rest;
    const solver::SolutionState previous{1, 2, 3, 4, 5, 6, 7};
    const auto outcome = solver::Calculate(a, b, c, previous);
    if (const auto* message = std::get_if<solver::CalculationMessage>(&outcome)) {
        require(knownMessages.count(message->text) == 1);
        return 0;
    }
    const auto& [state, lines, exact] = std::get<solver::CalculationResult>(outcome);
    const solution::Solution solution = solution::WorkedSolution(exact);
    require(solution.text.starts_with("f(x) = ") || solution.text.starts_with("Liczby mają tu ponad 40 cyfr"));
    if (const auto view = sketch::FitView(solution.graph->sketch)) {
        for (const sketch::AxisScale& axis : {view->x, view->y}) {
            const long long ticks = axis.lastTick - axis.firstTick + 1;
            require(ticks >= 5 && ticks <= 10 && axis.firstTick <= 0 && axis.lastTick >= 0);
        }
        // Every character 8 × 16 pixels.
        const auto measure = [](const std::string& text) { return sketch::PixelPoint{8.0 * text.size(), 16}; };
        const sketch::SketchLayout layout =
            sketch::LayoutSketch(solution.graph->sketch, *view, 1000, 700, 1.5, solution::TickTexts, measure);
        for (const sketch::Mark& mark : layout.marks) {
            require(mark.at.x >= layout.area.left && mark.at.x <= layout.area.right);
            require(mark.at.y >= layout.area.top && mark.at.y <= layout.area.bottom);
        }
        for (const sketch::PlacedText& text : layout.texts) require(layout.bounds.contains(text.box));
    }
    require(state.a != 0 && std::isfinite(state.a) && std::isfinite(state.b) && std::isfinite(state.c));
    require(std::isfinite(state.delta));
    require(lines.delta.rfind("Delta wynosi ", 0) == 0);
    if (state.delta < 0) {
        require(lines.x1 == "Delta mniejsza od zera" && state.x0 == previous.x0);
    } else if (state.delta == 0) {
        require(lines.x1 == "Funkcja posiada jedno miejsce zerowe" && std::isfinite(state.x0));
        require(state.x1 == previous.x1);
    } else {
        require(std::isfinite(state.x1) && std::isfinite(state.x2) && state.x0 == previous.x0);
        require(lines.x1.rfind("X1 = ", 0) == 0 && lines.x2.rfind("X2 = ", 0) == 0);
    }
    return 0;
}
