#include "task/TaskSolution.h"

#include <algorithm>
#include <utility>

#include "solution/SchoolNotation.h"
#include "solution/SolutionSet.h"
#include "task/FitSolution.h"
#include "task/IntervalAnswer.h"
#include "task/RelationSolution.h"
#include "task/ParameterSolution.h"
#include "task/PolynomialSolution.h"
#include "task/RootsSolution.h"
#include "task/SystemSolution.h"
#include "task/Steps.h"

namespace task {

namespace {

using solution::Facts;

std::string answerOf(Ask ask, const solution::FunctionAnswers& a) {
    switch (ask) {
    case Ask::Vertex: return a.vertex;
    case Ask::Canonical: return a.canonical;
    case Ask::Factored: return a.factored;
    case Ask::General: return a.general;
    case Ask::Zeros: return a.zeros;
    case Ask::Axis: return a.axis;
    case Ask::ValueSet: return a.valueSet;
    case Ask::Monotonic: return a.monotonic;
    case Ask::Increasing: return a.increasing;
    case Ask::Decreasing: return a.decreasing;
    case Ask::Least: return a.least;
    case Ask::Greatest: return a.greatest;
    case Ask::XIntercepts: return a.xIntercepts;
    case Ask::YIntercept: return a.yIntercept;
    }
    return {};
}

// What a sentence asks of the function NAME = VALUE, with what LINES already
// answer, said in one "Odpowiedź:" after them; a formula found is left out
// where a form of it is asked.
void answerAsks(std::vector<std::string>& lines, std::vector<Ask> asks, const Polynomial& value, const std::string& name,
                const std::optional<std::string>& intervalValues = std::nullopt) {
    const bool interval = intervalValues.has_value();
    // On an interval its least and greatest values are the answer already there.
    if (interval) std::erase_if(asks, [](Ask a) { return a == Ask::Least || a == Ask::Greatest; });
    if (asks.empty()) return;
    const bool form = std::any_of(asks.begin(), asks.end(), [](Ask a) { return a == Ask::Canonical || a == Ask::Factored || a == Ask::General; });
    std::vector<std::string> answers;
    static constexpr std::string_view said = "Odpowiedź: ";
    std::erase_if(lines, [&](const std::string& line) {
        if (!line.starts_with(said)) return false;
        std::string answer = line.substr(said.size());
        if (answer.ends_with('.')) answer.pop_back();
        if (!(form && !interval)) answers.push_back(answer);
        return true;
    });
    const solution::FunctionAnswers a = solution::AnswersOf(PolynomialFacts(value), name);
    for (const Ask ask : asks) {
        // The set of values on the interval, not on the whole line; the axis named where it is not alone.
        if (ask == Ask::ValueSet && interval) {
            answers.push_back(*intervalValues);
        } else {
            answers.push_back((ask == Ask::Axis && asks.size() > 1 ? "oś symetrii " : "") + answerOf(ask, a));
        }
    }
    std::string answer(said);
    // A sentence among them ends at a full stop: the next one follows a semicolon.
    const bool sentences = std::any_of(answers.begin(), answers.end(), [](const std::string& a) { return a.find(". ") != a.npos; });
    for (std::size_t i = 0; i < answers.size(); ++i) answer += (i == 0 ? "" : sentences ? "; " : ", ") + answers[i];
    lines.push_back(answer);
}

std::string propertiesHeading(const Task& task) {
    return task.name == "y" ? "Inne własności tej funkcji:" : "Inne własności funkcji " + LetterOf(task) + ":";
}

Steps functionSteps(const Task& task, const std::vector<Ask>& asks) {
    const Facts f = PolynomialFacts(task.leftValue);
    solution::Graph graph = solution::GraphOf(f);
    const std::string name = task.name.empty() ? "f(x)" : task.name;
    const std::string general = InLetter(solution::GeneralForm(f), task.letter);
    const bool expanded = task.left != general;
    std::vector<std::string> lines;
    if (expanded || task.interval) lines.push_back("Zadanie: " + task.text());
    if (expanded) lines.push_back(name + " = " + task.left + " = " + general);
    const solution::FunctionParts parts{.name = name, .generalForm = !expanded};
    std::vector<std::string> function = solution::FunctionLines(f, parts);
    std::optional<std::string> intervalValues;
    if (task.interval) {
        IntervalSteps on = IntervalLines(task, *task.interval, graph);
        lines.insert(lines.end(), on.lines.begin(), on.lines.end());
        lines.push_back(propertiesHeading(task));
        lines.insert(lines.end(), on.properties.begin(), on.properties.end());
        intervalValues = on.valueSet;
    }
    lines.insert(lines.end(), function.begin(), function.end());
    answerAsks(lines, asks, task.leftValue, name, intervalValues);
    return {lines, graph};
}

// Two functions' graphs: their formulas equated and solved, the points in the answer.
Steps twoGraphsSteps(const TwoGraphs& graphs, const std::string& text) {
    Task equation;
    equation.kind = Kind::Equation;
    if (graphs.asked) equation = *graphs.asked;
    // f(x) ≥ g(x), or g(x) ≤ f(x), is solved with their formulas in place of f(x) and g(x).
    const bool turned = graphs.asked && equation.leftValue != graphs.first.leftValue;
    const Task& left = turned ? graphs.second : graphs.first;
    const Task& right = turned ? graphs.first : graphs.second;
    equation.left = left.left;
    equation.leftValue = left.leftValue;
    equation.right = right.left;
    equation.rightValue = right.leftValue;
    equation.letter = graphs.first.letter;
    const PointsAnswer how = !graphs.asked                      ? PointsAnswer::Alone
                             : equation.kind == Kind::Equation ? PointsAnswer::AfterSolutions
                                                                : PointsAnswer::AfterSet;
    Steps steps = RelationSteps(equation, how);
    steps.lines[0] = "Zadanie: " + text;
    if (!graphs.asked) {
        steps.lines.insert(steps.lines.begin() + 1, "Punkty wspólne wykresów spełniają oba wzory, więc " +
                                                        equation.left + " = " + equation.right);
    }
    return steps;
}

Steps taskSteps(const Task& task, const std::vector<Ask>& asks) {
    if (task.kind == Kind::Function) return functionSteps(task, asks);
    // x on both sides of an equation: where the two graphs meet; f(x) = 8 of a given f: where f meets y = 8.
    const bool bothSides = task.kind == Kind::Equation && task.leftValue.degree() > 0 && task.rightValue.degree() > 0;
    const bool ofGiven = !task.given.empty() && !task.given.starts_with("y = ") &&
                         task.leftValue.degree() + task.rightValue.degree() > 0;
    if (ofGiven) {
        return RelationSteps(task, task.kind == Kind::Equation ? PointsAnswer::AfterSolutions : PointsAnswer::AfterSet);
    }
    return RelationSteps(task, bothSides ? std::optional(PointsAnswer::AfterSolutions) : std::nullopt);
}

}  // namespace

solution::Solution SolveTask(const Problem& problem) {
    const std::string text = problem.text();
    Steps steps;
    std::string letter = "x";
    if (const auto* task = std::get_if<Task>(&problem.what)) {
        steps = taskSteps(*task, problem.asks);
        letter = task->letter;
    } else if (const auto* graphs = std::get_if<TwoGraphs>(&problem.what)) {
        steps = twoGraphsSteps(*graphs, text);
        letter = graphs->first.letter;
    } else if (const auto* system = std::get_if<System>(&problem.what)) {
        steps = SystemSteps(*system, text);
        letter = system->variable;
    } else if (const auto* roots = std::get_if<RootsValue>(&problem.what)) {
        steps = RootsValueSteps(*roots, text);
    } else if (const auto* parametric = std::get_if<Parametric>(&problem.what)) {
        steps = ParametricSteps(*parametric, text);
    } else if (const auto* polynomial = std::get_if<PolynomialTask>(&problem.what)) {
        steps = PolynomialSteps(*polynomial, text);
        letter = polynomial->task.letter;
    } else {
        const Fit& fit = std::get<Fit>(problem.what);
        const FitFormula found = std::get<FitFormula>(FitOf(fit));
        steps = FitSteps(fit, found, text);
        letter = fit.letter;
        answerAsks(steps.lines, problem.asks, found.value, FitName(fit));
    }
    // What was understood of a sentence stands first, with what it asks.
    if (!problem.asks.empty()) {
        if (steps.lines[0].starts_with("Zadanie: ")) steps.lines.erase(steps.lines.begin());
        steps.lines.insert(steps.lines.begin(), "Zadanie: " + text);
    }
    if (steps.graph) steps.lines.push_back(solution::DescriptionLine(*steps.graph));
    if (letter != "x") InLetter(steps, letter);
    // P(a): the variable shares its letter with a coefficient of the general form; said once, before the steps.
    const bool quadratic = std::any_of(steps.lines.begin(), steps.lines.end(), [](const std::string& l) { return l.starts_with("Δ = "); });
    if ((letter == "a" || letter == "b" || letter == "c") && quadratic) {
        steps.lines.insert(steps.lines.begin() + 1, "Uwaga: niżej a, b i c to współczynniki postaci ogólnej; " + letter +
                                                        "₁ i " + letter + "₂ to miejsca zerowe.");
    }
    return {text, solution::Joined(steps.lines), steps.graph};
}

}  // namespace task
