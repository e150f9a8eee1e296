// Any text as a task: a refusal with a message and a place inside the text,
// or a worked solution that states the task or the function, answers an
// equation or inequality, and whose chart lays out.
#include <cstdint>
#include <string>
#include <string_view>
#include <tuple>

#include "sketch/SketchLayout.h"
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
    const task::Problem& problem = std::get<task::Problem>(read);
    const solution::Solution solution = task::SolveTask(problem);
    const auto* task = std::get_if<task::Task>(&problem.what);
    // A function in the general form starts with its own name, as the window's worked solution does.
    const std::string name = !task ? "f(x)" : task->name.empty() ? "f(" + task->letter + ")" : task->name;
    require(solution.text.starts_with("Zadanie: ") || solution.text.starts_with(name + " = ") ||
            solution.text.starts_with("Liczby mają tu"));
    if (!task || task->kind != task::Kind::Function) require(solution.text.find("\nOdpowiedź: ") != std::string::npos);
    // What it says of itself reads back, where that is not longer than a task may be.
    if (solution.task.size() <= task::longestTask) require(std::holds_alternative<task::Problem>(task::ReadTask(solution.task)));
    if (!solution.graph) return 0;
    const sketch::Sketch& sketch = solution.graph->sketch;
    if (const auto view = sketch::FitView(sketch)) {
        // Every character 8 × 16 pixels; a large chart, and the dialog's smallest.
        const auto measure = [](const std::string& t) { return sketch::PixelPoint{8.0 * double(t.size()), 16}; };
        for (const auto& [width, height, scale] : {std::tuple(1000, 700, 1.5), std::tuple(320, 120, 1.0)}) {
            const sketch::SketchLayout layout =
                sketch::LayoutSketch(sketch, *view, width, height, scale, solution::TickTexts, measure);
            // Every text inside the picture, over no other text and no mark.
            for (std::size_t i = 0; i < layout.texts.size(); ++i) {
                const sketch::Box& box = layout.texts[i].box;
                require(layout.bounds.contains(box));
                for (std::size_t j = 0; j < i; ++j) require(!box.intersects(layout.texts[j].box));
                for (const sketch::Mark& mark : layout.marks) require(box.distanceTo(mark.at) >= mark.radius);
            }
        }
    }
    return 0;
}
