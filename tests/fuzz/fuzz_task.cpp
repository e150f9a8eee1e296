// Any text as a task: a refusal with a message and a place inside the text,
// or a worked solution that states the task or the function, answers an
// equation or inequality, and whose chart lays out.
#include <cstdint>
#include <string>
#include <string_view>

#include "chart/SketchLayout.h"
#include "solution/SchoolNotation.h"
#include "task/Task.h"
#include "task/TaskSolution.h"

namespace {

void require(bool condition) {
    if (!condition) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto read = task::ReadTask(text);
    if (const auto* error = std::get_if<task::TaskError>(&read)) {
        require(!error->message.empty() && error->position <= size);
        return 0;
    }
    const task::Task& task = std::get<task::Task>(read);
    const solution::Solution solution = task::SolveTask(task);
    require(solution.text.starts_with("Zadanie: ") || solution.text.starts_with("f(x) = ") ||
            solution.text.starts_with("Liczby mają tu"));
    if (task.kind != task::Kind::Function) require(solution.text.find("\nOdpowiedź: ") != std::string::npos);
    // What it says of itself reads back, where that is not longer than a task may be.
    if (solution.task.size() <= task::longestTask) require(std::holds_alternative<task::Task>(task::ReadTask(solution.task)));
    if (!solution.graph) return 0;
    if (const auto view = chart::FitView(solution.graph->parabola)) {
        const auto measure = [](const std::string& t) { return chart::PixelPoint{8.0 * double(t.size()), 16}; };
        const chart::SketchLayout layout =
            chart::LayoutSketch(solution.graph->parabola, *view, 1000, 700, 1.5, solution::TickTexts, measure);
        for (const chart::PlacedText& placed : layout.texts) require(layout.bounds.contains(placed.box));
    }
    return 0;
}
