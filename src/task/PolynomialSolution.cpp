#include "task/PolynomialSolution.h"

#include "solution/SchoolNotation.h"
#include "solution/SolutionSet.h"
#include "task/ExactSet.h"
#include "text/Utf8.h"

namespace task {

namespace {

std::string multiplicity(int power) {
    switch (power) {
    case 1: return "";
    case 2: return " (dwukrotne)";
    case 3: return " (trzykrotne)";
    default: return " (czterokrotne)";
    }
}

}  // namespace

Steps PolynomialSteps(const PolynomialTask& task, const std::string& text) {
    const std::string& x = task.task.letter;
    const UPoly p = UPoly::of(task.value, text::Decode(x)[0]);
    const Relation r = task.task.relation;
    const std::string relation = RelationText(r);
    const bool equation = r == Relation::Equal;
    std::vector<std::string> lines{"Zadanie: " + text};
    if (task.task.right != "0") lines.push_back(UPolyText(p, x) + relation + "0");
    if (p.degree() <= 0) {
        const bool always = Holds(p.isZero() ? 0 : sgn(p.leading()), r);
        const std::string which = equation ? "Równanie" : "Nierówność", done = equation ? " spełnione" : " spełniona";
        lines.push_back(which + (always ? " jest" + done + " dla każdego " : " nie jest" + done + " dla żadnego ") + x + ".");
        lines.push_back("Odpowiedź: " + (always ? x + " ∈ ℝ" : std::string(equation ? "równanie nie ma rozwiązań." : x + " ∈ ∅")));
        return {lines, std::nullopt};
    }
    const Factored f = *FactorOf(p);
    const std::string product = FactoredText(f, x);
    if (product != task.task.left && product != UPolyText(p, x)) lines.push_back(product + relation + "0");
    for (const Factor& factor : f.factors) {
        if (RealZerosOf(factor).empty()) {
            lines.push_back("Czynnik (" + UPolyText(factor.p, x) + ") jest dodatni dla każdego " + x + ", bo jego Δ < 0.");
        }
    }
    std::string zeros;
    for (const auto& [z, power] : ZerosWithPowers(f)) zeros += (zeros.empty() ? "" : ", ") + x + " = " + solution::SurdText(z) + multiplicity(power);
    if (!zeros.empty()) lines.push_back("Miejsca zerowe: " + zeros);
    const ExactSet set = WhereSign(f, r);
    if (equation) {
        std::string answer;
        for (const solution::Surd& z : RealZerosOf(f)) answer += (answer.empty() ? "" : " lub ") + x + " = " + solution::SurdText(z);
        lines.push_back("Odpowiedź: " + (answer.empty() ? std::string("równanie nie ma rozwiązań.") : answer));
        return {lines, std::nullopt};
    }
    const bool up = f.leading > 0;
    lines.push_back(std::string("Szkicujemy wykres wielomianu: zaczynamy z prawej strony ") + (up ? "nad" : "pod") +
                    " osią OX (współczynnik przy " + x + solution::Superscript(p.degree()) + " jest " +
                    (up ? "dodatni" : "ujemny") + "); w miejscu zerowym nieparzystej krotności wykres przechodzi "
                    "przez oś, parzystej — odbija się od niej.");
    lines.push_back("Odpowiedź: " + x + " ∈ " + SetTextOf(set));
    return {lines, std::nullopt};
}

}  // namespace task
