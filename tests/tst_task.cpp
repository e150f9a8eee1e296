#include <QtTest>

#include <gmpxx.h>

#include <random>

#include "AnswerNumber.h"
#include "task/Task.h"
#include "task/TaskSolution.h"

namespace {

QStringList solved(const QString& text) {
    const auto read = task::ReadTask(text.toStdString());
    if (const auto* error = std::get_if<task::TaskError>(&read)) return {"błąd: " + QString::fromStdString(error->message)};
    return QString::fromStdString(task::SolveTask(std::get<task::Problem>(read)).text).split('\n');
}

// A set of the answer's notation as pieces: each a range with its ends.
struct Piece {
    mpq_class from, to;
    bool fromInfinite = false, toInfinite = false, fromClosed = false, toClosed = false;

    bool contains(const mpq_class& x) const {
        const bool afterFrom = fromInfinite || x > from || (fromClosed && x == from);
        const bool beforeTo = toInfinite || x < to || (toClosed && x == to);
        return afterFrom && beforeTo;
    }
};

std::vector<Piece> setOf(QString answer) {
    // "…; punkty wspólne wykresów: …" and ". Wykresy obu stron …" follow the answer in x.
    answer = answer.section(QStringLiteral("; punkt"), 0, 0).section(QStringLiteral(". Wykresy"), 0, 0);
    const QString set = answer.section(QStringLiteral("x ∈ "), 1);
    if (answer.contains(QStringLiteral("nie ma rozwiązań")) || set == QStringLiteral("∅")) return {};
    if (set == QStringLiteral("ℝ")) return {{.from = 0, .to = 0, .fromInfinite = true, .toInfinite = true}};
    if (set.startsWith(QStringLiteral("ℝ \\ {"))) {
        const mpq_class x = numberOf(set.mid(5).chopped(1));
        return {{.from = 0, .to = x, .fromInfinite = true}, {.from = x, .to = 0, .toInfinite = true}};
    }
    if (set.startsWith('{')) {
        const mpq_class x = numberOf(set.mid(1).chopped(1));
        return {{.from = x, .to = x, .fromClosed = true, .toClosed = true}};
    }
    std::vector<Piece> pieces;
    if (!answer.contains(QStringLiteral("x ∈"))) {  // "x = a lub x = b"
        for (const QString& equal : answer.section(QStringLiteral(": "), 1).split(QStringLiteral(" lub "))) {
            const mpq_class x = numberOf(equal.mid(4));
            pieces.push_back({.from = x, .to = x, .fromClosed = true, .toClosed = true});
        }
        return pieces;
    }
    for (const QString& range : set.split(QStringLiteral(" ∪ "))) {
        const QString from = range.mid(1).section(QStringLiteral("; "), 0, 0);
        const QString to = range.section(QStringLiteral("; "), 1).chopped(1);
        Piece piece{.from = 0,
                    .to = 0,
                    .fromInfinite = from == QStringLiteral("−∞"),
                    .toInfinite = to == QStringLiteral("+∞"),
                    .fromClosed = range.startsWith(QChar(0x27e8)),
                    .toClosed = range.endsWith(QChar(0x27e9))};
        if (!piece.fromInfinite) piece.from = numberOf(from);
        if (!piece.toInfinite) piece.to = numberOf(to);
        pieces.push_back(piece);
    }
    return pieces;
}

bool holds(const mpq_class& value, const QString& relation) {
    if (relation == "=") return value == 0;
    if (relation == "<") return value < 0;
    if (relation == ">") return value > 0;
    if (relation == "<=") return value <= 0;
    return value >= 0;
}

// The one formula of a reading, none where it was refused or read as another kind.
const task::Task* taskOf(const std::variant<task::Problem, task::TaskError>& reading) {
    const auto* problem = std::get_if<task::Problem>(&reading);
    return problem ? std::get_if<task::Task>(&problem->what) : nullptr;
}

QString refusal(const std::variant<task::Problem, task::TaskError>& reading) {
    const auto* error = std::get_if<task::TaskError>(&reading);
    return error ? QString::fromStdString(error->message) : QString();
}

// A fraction in brackets; halves and quarters with a decimal comma, as typed: "(-1,25)".
QString written(const mpq_class& q) {
    if (q.get_den() == 2 || q.get_den() == 4) {
        const mpz_class hundredths = q.get_num() * (100 / q.get_den());
        const mpz_class whole = abs(hundredths) / 100, rest = abs(hundredths) % 100;
        return QString("(%1%2,%3)").arg(hundredths < 0 ? "-" : "", QString::fromStdString(whole.get_str()),
                                        QString::fromStdString(rest.get_str()).rightJustified(2, '0'));
    }
    return "(" + QString::fromStdString(q.get_num().get_str()) + "/" + QString::fromStdString(q.get_den().get_str()) + ")";
}

}  // namespace

class TaskTest : public QObject {
    Q_OBJECT

private slots:
    // Every line worked out by hand; each row's lines are in its solution.
    void solutions_data() {
        QTest::addColumn<QString>("task");
        QTest::addColumn<QStringList>("lines");

        QTest::newRow("≤, moved, a > 0") << "x^2 - 5x <= 14" << QStringList{
            "Zadanie: x² − 5x ≤ 14", "x² − 5x − 14 ≤ 0", "a = 1, b = −5, c = −14",
            "Ramiona paraboli są skierowane w górę (a > 0), więc x² − 5x − 14 ≤ 0 między miejscami zerowymi i w nich.",
            "Odpowiedź: x ∈ ⟨−2; 7⟩"};
        QTest::newRow("≥, a product, a < 0") << "(2x - 3)(3 - x) >= 0" << QStringList{
            "Zadanie: (2x − 3)(3 − x) ≥ 0", "−2x² + 9x − 9 ≥ 0", "Odpowiedź: x ∈ ⟨1,5; 3⟩"};
        QTest::newRow("≥ outside the zeros") << "2x² − 7x + 5 ≥ 0" << QStringList{
            "Zadanie: 2x² − 7x + 5 ≥ 0", "Odpowiedź: x ∈ (−∞; 1⟩ ∪ ⟨2,5; +∞)"};
        QTest::newRow("> with irrational ends") << "-x^2 + 2x + 4 > 0" << QStringList{
            "x₁ = (−b − √Δ)/(2a) = (−2 − 2√5)/(−2) = 1 + √5 ≈ 3,23607", "Odpowiedź: x ∈ (1 − √5; 1 + √5)"};
        QTest::newRow("< with Δ < 0") << "x² + 2x + 5 < 0" << QStringList{
            "Δ = b² − 4ac = 2² − 4 · 1 · 5 = −16",
            "Ramiona paraboli są skierowane w górę (a > 0), a Δ < 0, więc cała parabola leży nad osią OX.",
            "Odpowiedź: x ∈ ∅"};
        QTest::newRow("≤ with Δ = 0") << "(x-3)^2 <= 0" << QStringList{"x² − 6x + 9 ≤ 0", "Odpowiedź: x ∈ {3}"};
        QTest::newRow("> with Δ = 0") << "(x − 3)² > 0" << QStringList{"Odpowiedź: x ∈ ℝ \\ {3}"};
        QTest::newRow("< with Δ = 0, a < 0") << "−(x − 3)² < 0" << QStringList{"Odpowiedź: x ∈ ℝ \\ {3}"};
        QTest::newRow("a minus after a times") << "x·-x > -4" << QStringList{
            "Zadanie: x · −x > −4", "−x² + 4 > 0", "Odpowiedź: x ∈ (−2; 2)"};
        // 8999 signs before x after the first: read in a loop, not one call each.
        QTest::newRow("thousands of signs") << "x^2 " + QString(9000, '-') + "x" << QStringList{"a = 1, b = 1, c = 0"};
        // x on both sides: the graphs of both, and where they meet, y from the simpler side.
        QTest::newRow("an equation, sides apart") << "x² − 3 = 2x + 1" << QStringList{
            "Zadanie: x² − 3 = 2x + 1", "x² − 2x − 4 = 0",
            "Drugie współrzędne punktów wspólnych z y = 2x + 1: dla x = 1 − √5 jest y = 3 − 2√5, "
            "dla x = 1 + √5 jest y = 3 + 2√5.",
            "Odpowiedź: x = 1 − √5 lub x = 1 + √5; punkty wspólne wykresów: (1 − √5; 3 − 2√5) i (1 + √5; 3 + 2√5)"};
        QTest::newRow("a parabola and a line, cleared first") << "1/2x^2 - x - 2 = x + 4" << QStringList{
            "0,5x² − 2x − 6 = 0 / · 2", "x² − 4x − 12 = 0", "Δ = b² − 4ac = (−4)² − 4 · 1 · (−12) = 64",
            "Odpowiedź: x = −2 lub x = 6; punkty wspólne wykresów: (−2; 2) i (6; 10)"};
        QTest::newRow("a tangent line") << "x^2 = 6x - 9" << QStringList{
            "Odpowiedź: x = 3; punkt wspólny wykresów: (3; 9)"};
        QTest::newRow("an equation with none") << "x^2 + 1 = 0" << QStringList{
            "Odpowiedź: równanie nie ma rozwiązań."};
        QTest::newRow("a line missing the parabola") << "x^2 + 1 = x" << QStringList{
            "Odpowiedź: równanie nie ma rozwiązań. Wykresy obu stron nie mają punktów wspólnych."};
        QTest::newRow("a common factor divided out") << "2x^2 - 4x - 6 = 0" << QStringList{
            "2x² − 4x − 6 = 0 / : 2", "x² − 2x − 3 = 0", "Odpowiedź: x = −1 lub x = 3"};
        QTest::newRow("decimals cleared") << "0,2x^2 - 0,5x + 0,3 < 0" << QStringList{
            "0,2x² − 0,5x + 0,3 < 0 / · 10", "2x² − 5x + 3 < 0", "Odpowiedź: x ∈ (1; 1,5)"};
        QTest::newRow("linear left over") << "x² + 2x < x² + 4" << QStringList{
            "Zadanie: x² + 2x < x² + 4", "2x − 4 < 0", "To nierówność liniowa.", "2x < 4", "x < 2",
            "Odpowiedź: x ∈ (−∞; 2)"};
        QTest::newRow("linear, the sign turned") << "3 − 2x ≥ 1" << QStringList{
            "−2x + 2 ≥ 0", "−2x ≥ −2", "x ≤ 1 (dzielimy przez liczbę ujemną, więc znak nierówności się zmienia)",
            "Odpowiedź: x ∈ (−∞; 1⟩"};
        QTest::newRow("a linear equation") << "2x = 3" << QStringList{"To równanie liniowe.", "Odpowiedź: x = 1,5"};
        QTest::newRow("always true") << "x = x" << QStringList{
            "Zostaje 0 = 0, a to jest prawdą dla każdego x.", "Odpowiedź: x ∈ ℝ. Wykresy obu stron pokrywają się."};
        QTest::newRow("never true, equation") << "x + 1 = x" << QStringList{
            "Odpowiedź: równanie nie ma rozwiązań. Wykresy obu stron nie mają punktów wspólnych."};
        QTest::newRow("never true, inequality") << "x < x" << QStringList{"Odpowiedź: x ∈ ∅"};
        QTest::newRow("canonical form") << "f(x) = -2(x+1)^2 + 8" << QStringList{
            "Zadanie: f(x) = −2(x + 1)² + 8", "f(x) = −2(x + 1)² + 8 = −2x² − 4x + 6", "a = −2, b = −4, c = 6",
            "Postać kanoniczna: f(x) = −2(x + 1)² + 8"};
        QTest::newRow("factored form") << "f(x) = −2(x + 1)(x − 3)" << QStringList{
            "f(x) = −2(x + 1)(x − 3) = −2x² + 4x + 6"};
        QTest::newRow("a product named y") << "y = (2x+1)(x-2)" << QStringList{
            "Zadanie: y = (2x + 1)(x − 2)", "y = (2x + 1)(x − 2) = 2x² − 3x − 2", "Postać kanoniczna: y = 2(x − 0,75)² − 3,125",
            "y < 0 dla x ∈ (−0,5; 2)"};
        QTest::newRow("b = 0") << "x^2 - 4" << QStringList{
            "Wierzchołek paraboli: W = (p; q), p = −b/(2a) = 0, q = −Δ/(4a) = −16/(4 · 1) = −4, W = (0; −4)"};
        // 999 996 = 4 · 3 · 167 · 499
        QTest::newRow("a radicand ungrouped") << "x^2 + 1000x + 1" << QStringList{
            "√Δ = √999996 = 2√249999", "Punkty przecięcia z osią OX: (−500 − √249999; 0), (−500 + √249999; 0)"};
        QTest::newRow("a fraction as a factor") << "(1/2)x^2 - 2" << QStringList{
            "Zadanie: (1/2)x² − 2", "f(x) = (1/2)x² − 2 = 0,5x² − 2"};
        QTest::newRow("p inside the interval") << "f(x) = x² − 4x + 3, x ∈ ⟨−1; 4⟩" << QStringList{
            "Zadanie: f(x) = x² − 4x + 3, x ∈ ⟨−1; 4⟩", "Odcięta wierzchołka p = 2 należy do przedziału ⟨−1; 4⟩.",
            "f(−1) = 8, f(2) = −1, f(4) = 3",
            "Odpowiedź: najmniejsza wartość funkcji w przedziale ⟨−1; 4⟩ to f(2) = −1, największa to f(−1) = 8.",
            "Inne własności funkcji f:", "Zbiór wartości funkcji w przedziale ⟨−1; 4⟩: ⟨−1; 8⟩"};
        QTest::newRow("p outside the interval") << "f(x) = x^2 - 4x + 3 dla x ∈ [3, 5]" << QStringList{
            "Odcięta wierzchołka p = 2 nie należy do przedziału ⟨3; 5⟩.", "f(3) = 0, f(5) = 8",
            "Odpowiedź: najmniejsza wartość funkcji w przedziale ⟨3; 5⟩ to f(3) = 0, największa to f(5) = 8."};
        QTest::newRow("p at an end") << "f(x) = -x^2 + 2x w przedziale <1; 3>" << QStringList{
            "Odcięta wierzchołka p = 1 należy do przedziału ⟨1; 3⟩.", "f(1) = 1, f(3) = −3",
            "Zbiór wartości funkcji w przedziale ⟨1; 3⟩: ⟨−3; 1⟩"};
        QTest::newRow("p at the right end") << "f(x) = -x^2 + 2x, x ∈ <-1; 1>" << QStringList{
            "Odcięta wierzchołka p = 1 należy do przedziału ⟨−1; 1⟩.", "f(−1) = −3, f(1) = 1",
            "Odpowiedź: najmniejsza wartość funkcji w przedziale ⟨−1; 1⟩ to f(−1) = −3, największa to f(1) = 1."};
        QTest::newRow("p at an open right end") << "f(x) = -x^2 + 2x, x ∈ <-1; 1)" << QStringList{
            "Odcięta wierzchołka p = 1 nie należy do przedziału ⟨−1; 1).",
            "Odpowiedź: najmniejsza wartość funkcji w przedziale ⟨−1; 1) to f(−1) = −3. "
            "Funkcja nie przyjmuje w tym przedziale wartości największej."};
        QTest::newRow("reached at both ends") << "f(x) = x^2 - 4x + 7, x ∈ <1; 3>" << QStringList{
            "Odpowiedź: najmniejsza wartość funkcji w przedziale ⟨1; 3⟩ to f(2) = 3, największa to f(1) = f(3) = 4."};
        QTest::newRow("open ends") << "f(x) = x^2 - 4x + 3, x ∈ (0; 4)" << QStringList{
            "Zadanie: f(x) = x² − 4x + 3, x ∈ (0; 4)", "f(0) = 3, f(2) = −1, f(4) = 3",
            "Odpowiedź: najmniejsza wartość funkcji w przedziale (0; 4) to f(2) = −1. "
            "Funkcja nie przyjmuje w tym przedziale wartości największej.",
            "Zbiór wartości funkcji w przedziale (0; 4): ⟨−1; 3)"};
        QTest::newRow("the least one at an open end") << "g(x) = 2x^2 + 4x, x ∈ (-1; 1>" << QStringList{
            "Odpowiedź: największa wartość funkcji w przedziale (−1; 1⟩ to g(1) = 6. "
            "Funkcja nie przyjmuje w tym przedziale wartości najmniejszej.",
            "Inne własności funkcji g:", "Zbiór wartości funkcji w przedziale (−1; 1⟩: (−2; 6⟩"};
        QTest::newRow("neither") << "f(x) = x^2, x ∈ (1; 2)" << QStringList{
            "Odpowiedź: funkcja nie przyjmuje w przedziale (1; 2) ani wartości najmniejszej, ani największej."};

        // Two graphs: the formulas equated, each x put back into the simpler one.
        QTest::newRow("two lines crossing") << "y = 2x + 1; y = -x + 4" << QStringList{
            "Punkty wspólne wykresów spełniają oba wzory, więc 2x + 1 = −x + 4", "x = 1",
            "Odpowiedź: punkt wspólny: (1; 3)"};
        QTest::newRow("a parabola and a line, fractions") << "y = 1/2x^2 - x - 2, y = x + 4" << QStringList{
            "x² − 4x − 12 = 0", "Drugie współrzędne punktów wspólnych z y = x + 4: dla x = −2 jest y = 2, dla x = 6 jest y = 10.",
            "Odpowiedź: punkty wspólne: (−2; 2) i (6; 10)"};
        QTest::newRow("a tangent") << "y = x^2 oraz y = 2x - 1" << QStringList{
            "Prosta jest styczna do paraboli w punkcie (1; 1).", "Odpowiedź: punkt wspólny: (1; 1)"};
        QTest::newRow("no common point") << "f(x) = x^2 + 1, g(x) = 2x - 5" << QStringList{
            "Odpowiedź: wykresy nie mają punktów wspólnych."};
        QTest::newRow("two parabolas") << "y = x^2 i y = -x^2 + 2" << QStringList{
            "Odpowiedź: punkty wspólne: (−1; 1) i (1; 1)"};
        QTest::newRow("an inequality between them") << "f(x) = x^2, g(x) = x + 2, f(x) <= g(x)" << QStringList{
            "x² − x − 2 ≤ 0", "Odpowiedź: x ∈ ⟨−1; 2⟩", "Punkty wspólne wykresów: (−1; 1) i (2; 4)."};
        // Systems by substitution, pairs in increasing x.
        QTest::newRow("a system, two pairs") << "x^2 + y = 4, 2x - y = -1" << QStringList{
            "Z drugiego równania: y = 2x + 1", "Odpowiedź: x = −3, y = −5 lub x = 1, y = 3"};
        QTest::newRow("a system, one pair") << "y - x^2 = 0\ny = 2x - 1" << QStringList{"Odpowiedź: x = 1, y = 1"};
        QTest::newRow("a system, none") << "x + y = 3, x + y = 5" << QStringList{"Odpowiedź: układ nie ma rozwiązań."};
        // A function from its conditions.
        QTest::newRow("vertex and a point") << "W = (1; 5), f(2) = 7" << QStringList{
            "f(x) = a(x − 1)² + 5", "f(2) = 7: a(2 − 1)² + 5 = 7, czyli a = 2", "Odpowiedź: f(x) = 2x² − 4x + 7"};
        QTest::newRow("zeros and a point") << "miejsca zerowe -1 i 3, (0; 6)" << QStringList{
            "f(x) = a(x + 1)(x − 3)", "Odpowiedź: f(x) = −2x² + 4x + 6"};
        QTest::newRow("three points") << "f(0) = 1, f(1) = 0, f(2) = 3" << QStringList{
            "Podstawiamy c = 1: a + b = −1, 4a + 2b = 2", "Odpowiedź: f(x) = 2x² − 3x + 1"};
        QTest::newRow("the axis and two points") << "oś symetrii x = 2, f(0) = 1, f(1) = 0" << QStringList{
            "Odpowiedź: f(x) = (1/3)x² − (4/3)x + 1"};
        QTest::newRow("an unknown coefficient") << "f(x) = a(x - 1)(x - 3), f(0) = 6" << QStringList{
            "f(0) = 6: a(0 − 1)(0 − 3) = 6, czyli 3a = 6", "Odpowiedź: f(x) = 2x² − 8x + 6"};
        QTest::newRow("negative zeros") << "miejsca zerowe -3 i -1, f(0) = 3" << QStringList{"Odpowiedź: f(x) = x² + 4x + 3"};
        QTest::newRow("a double root") << "x₁ = 1, x₂ = 1, f(0) = 2" << QStringList{"Odpowiedź: f(x) = 2x² − 4x + 2"};
        QTest::newRow("a set of values typed tight") << "ZW=<-3;+∞), x=2, f(0)=5" << QStringList{
            "f(x) = a(x − 2)² − 3", "Odpowiedź: f(x) = 2x² − 8x + 5"};
        QTest::newRow("equal values give the axis") << "f(-1) = f(3), f(1) = -4, f(0) = -3." << QStringList{
            "f(x) = a(x − 1)² + q", "Odpowiedź: f(x) = x² − 2x − 3"};
        QTest::newRow("g's value equated") << "g(x) = x^2, g(x) = 4" << QStringList{
            "Odpowiedź: x = −2 lub x = 2; punkty wspólne wykresów: (−2; 4) i (2; 4)"};
        QTest::newRow("a value checked") << "f(x) = x^2 - 4x + 3, f(2) = 7" << QStringList{
            "f(2) = −1", "Odpowiedź: nie, f(2) = 7 nie jest prawdą."};
        QTest::newRow("y = … with an inequality in y") << "y = x^2 - 4, y < 5" << QStringList{
            "x² − 9 < 0", "Odpowiedź: x ∈ (−3; 3)"};
        QTest::newRow("a double root in one chain") << "x1 = x2 = 2, f(0) = 8" << QStringList{
            "Odpowiedź: f(x) = 2x² − 8x + 8"};
        QTest::newRow("a given function's conditions checked") << "f(x) = x^2 - 4x + 3, W = (2; -1), f(0) = 4" << QStringList{
            "Sprawdzamy: W = (2; −1), więc warunek W = (2; −1) jest spełniony.",
            "Sprawdzamy: f(0) = 3, więc warunek f(0) = 4 nie jest spełniony.",
            "Odpowiedź: funkcja nie spełnia warunku: f(0) = 4."};
        QTest::newRow("zeros in the formula, the set of values") << "f(x) = a(x - 1)(x - 3), ZW = <-2; +∞)" << QStringList{
            "Odpowiedź: f(x) = 2x² − 8x + 6"};
        QTest::newRow("p, q and c") << "p = 3, q = -4, f(0) = 5" << QStringList{"Odpowiedź: f(x) = x² − 6x + 5"};
        QTest::newRow("c beside the zeros") << "c = 3, f(1) = 0, f(3) = 0" << QStringList{"Odpowiedź: f(x) = x² − 4x + 3"};
        // Another letter, said throughout.
        QTest::newRow("h(t) on an interval") << "h(t) = -5t^2 + 5t + 10, t ∈ <0; 2>" << QStringList{
            "Odpowiedź: najmniejsza wartość funkcji w przedziale ⟨0; 2⟩ to h(2) = 0, największa to h(0,5) = 11,25.",
            "Oś symetrii: t = 0,5"};
        QTest::newRow("P(a) on an interval") << "P(a) = a(18 - a), a ∈ <0; 18>" << QStringList{
            "P(a) = a(18 − a) = −a² + 18a",
            "Odpowiedź: najmniejsza wartość funkcji w przedziale ⟨0; 18⟩ to P(0) = P(18) = 0, największa to P(9) = 81."};
        QTest::newRow("an equation in t") << "t^2 - 5t = 0" << QStringList{"Odpowiedź: t = 0 lub t = 5"};
        // Written x(x) it would read back as the header of a function x.
        QTest::newRow("a letter times a bracketed letter") << "x( +x) = 9" << QStringList{"Zadanie: x · (x) = 9",
                                                                                          "Odpowiedź: x = −3 lub x = 3"};
    }

    void solutions() {
        QFETCH(QString, task);
        QFETCH(QStringList, lines);
        const QStringList solution = solved(task);
        for (const QString& line : lines) {
            QVERIFY2(solution.contains(line), qPrintable(line + "\n  not in:\n" + solution.join('\n')));
        }
    }

    // Each way of writing it wrong, once: its message and where the cursor goes.
    void refused_data() {
        QTest::addColumn<QString>("task");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("position");
        QTest::newRow("a stray sign") << "x^2 + 2 # 3" << "Nie rozumiem znaku „#” (znak 9)." << 8;
        QTest::newRow("a bracket left open") << "(x + 1" << "Brakuje nawiasu zamykającego." << 6;
        QTest::newRow("a bracket never opened") << "x + )" << "Nawias zamyka się, choć się nie otworzył (znak 5)." << 4;
        QTest::newRow("a word not known") << "Wyznacz koniecznie wierzchołek paraboli y = x²"
            << "Nie rozumiem słowa „koniecznie” (znak 9)." << 8;
        QTest::newRow("nie that would turn the task") << "Wyznacz x, dla którego nie jest x² − 4 = 0"
            << "Słowo „nie” rozumiem tylko w „nie ma rozwiązań” i „nie rozwiązując” (znak 24)." << 23;
        QTest::newRow("roots without their equation") << "Oblicz x₁ + x₂."
            << "Wyrażenie z x₁ i x₂ liczy się dla pierwiastków jednego równania kwadratowego, np. x² − 5x + 3 = 0, "
               "oblicz x₁² + x₂² (znak 8)." << 7;
        QTest::newRow("a parameter without a condition") << "Dla jakich wartości parametru m równanie x² + mx + 4 = 0 jest?"
            << "Nie wiem, jaki warunek ma spełniać równanie: np. „ma dwa różne rozwiązania”, „nie ma rozwiązań”, „ma dwa "
               "rozwiązania dodatnie” albo x₁² + x₂² = 10 (znak 42)." << 41;
        QTest::newRow("a condition without a parameter") << "Funkcja f(x) = x^2 + 1 przyjmuje tylko wartości dodatnie."
            << "Warunek o rozwiązaniach albo wartościach rozumiem przy parametrze, np. Dla jakich wartości parametru m "
               "równanie x² + mx + 4 = 0 ma dwa różne rozwiązania? (znak 24)." << 23;
        QTest::newRow("a parameter named as a coefficient") << "Dla jakich wartości parametru a równanie x² + ax + 1 = 0 ma dwa różne rozwiązania?"
            << "Parametr nazwij inną literą niż a, b i c, które są tu współczynnikami równania, np. m." << 0;
        QTest::newRow("one root of a sign") << "Dla jakich m równanie x² + mx − 4 = 0 ma jedno rozwiązanie dodatnie?"
            << "Warunku o znaku jednego rozwiązania jeszcze nie umiem; umiem np. „ma dwa różne rozwiązania dodatnie” albo "
               "„ma jedno rozwiązanie” (znak 23)." << 22;
        QTest::newRow("x⁵") << "x⁵ + 1 = 0" << "Stopień wielomianu jest większy niż 4 (znak 2)." << 1;
        QTest::newRow("a cubic function") << "(x + 1)(x − 2)x"
            << "To nie jest funkcja kwadratowa: po uporządkowaniu jest w niej x³ (znak 1)." << 0;
        QTest::newRow("a cubic that does not factor") << "x³ − 2 > 0"
            << "Tego wielomianu nie umiem rozłożyć na czynniki stopnia najwyżej 2 o współczynnikach wymiernych, więc go "
               "nie rozwiążę (znak 1)." << 0;
        QTest::newRow("a huge power of x") << "(x + 1)^1000000" << "Stopień wielomianu jest większy niż 4 (znak 8)." << 7;
        QTest::newRow("a huge number") << "2^1000000 x^2" << "Liczba jest za duża (znak 2)." << 1;
        QTest::newRow("a bracket inside 200") << QString(200, '(') + "x" + QString(200, ')')
                                             << "Za dużo nawiasów jeden w drugim: najwyżej 100 (znak 101)." << 100;
        QTest::newRow("too long") << QString(10'001, ' ') << "Zadanie jest za długie: najwyżej 10\u202f000 znaków." << 10'000;
        QTest::newRow("nothing") << " " << "Wpisz zadanie, np. x² − 5x ≤ 14 albo f(x) = −2(x + 1)² + 8." << 0;
        QTest::newRow("x in a divisor") << "x/(x+1) = 2" << "Nie umiem dzielić przez wyrażenie z x (znak 2)." << 1;
        QTest::newRow("by zero") << "x^2/0" << "Dzielenie przez zero (znak 4)." << 3;
        QTest::newRow("two relations") << "x^2 < 3 < 4"
                                        << "Zadanie może mieć tylko jeden znak =, <, >, ≤ albo ≥ (znak 9)." << 8;
        QTest::newRow("a word") << "max x^2" << "Nie rozumiem słowa „max” (znak 1)." << 0;
        QTest::newRow("no exponent") << "x^" << "Po znaku ^ potrzebny jest wykładnik: liczba naturalna (znak 3)." << 2;
        QTest::newRow("cut short") << "x^2 +" << "Zadanie urywa się: brakuje liczby albo x na końcu." << 5;
        QTest::newRow("not quadratic") << "2x + 1" << "To nie jest funkcja kwadratowa: po uporządkowaniu nie ma w niej x²." << 0;
        QTest::newRow("an interval backwards") << "f(x) = x², x ∈ ⟨4; −1⟩"
                                               << "Początek przedziału musi być mniejszy od jego końca (znak 16)." << 15;
        QTest::newRow("an interval of a point") << "f(x) = x², x ∈ ⟨1; 1⟩"
                                                << "Początek przedziału musi być mniejszy od jego końca (znak 16)." << 15;
        QTest::newRow("an interval of an inequality") << "x² < 4, x ∈ ⟨1; 2⟩"
            << "Przedział podaje się tylko przy funkcji, np. f(x) = x² − 4x + 3, x ∈ ⟨−1; 4⟩ (znak 7)." << 6;
        QTest::newRow("one end") << "f(x) = x², x ∈ ⟨1⟩"
                                 << "Przedział ma dwa końce rozdzielone średnikiem: ⟨m; n⟩ (znak 18)." << 17;
        QTest::newRow("an end with x") << "f(x) = x², x ∈ ⟨x; 4⟩" << "Koniec przedziału musi być liczbą (znak 17)." << 16;
        QTest::newRow("an interval never closed") << "f(x) = x², x ∈ ⟨1; 4"
                                                 << "Przedział zamyka się nawiasem ⟩ albo ) (znak 21)." << 20;
        QTest::newRow("no interval after ∈") << "f(x) = x^2, x ∈ 4"
                                            << "Tu powinien stać przedział, np. ⟨−1; 4⟩ albo (0; 4) (znak 17)." << 16;
        QTest::newRow("a half-line after a function") << "f(x)=x^2-4x+3, x=<4"
                                                     << "Przedział zapisuje się z oboma końcami, np. x ∈ ⟨−1; 4⟩ (znak 16)." << 15;
        QTest::newRow("which comma") << "f(x) = x^2, x ∈ [1,5,4]"
            << "Nie wiadomo, który przecinek oddziela końce przedziału: oddziel je średnikiem, np. ⟨1,5; 4⟩ (znak 19)."
            << 18;
        QTest::newRow("x1 alone") << "2x1 - 6 = 0" << "Tu stoi x₁, a nie potęga x; potęgę wpisz jako x^2 (znak 2)." << 1;
        QTest::newRow("x0") << "x0 = 2" << "Tu stoi x₀, a nie potęga x; potęgę wpisz jako x^2 (znak 1)." << 0;
        QTest::newRow("x2,5") << "x2,5 = 1"
            << "Po x stoi liczba z przecinkiem: potęgę wpisz jako x^2, a iloczyn ze znakiem ·, np. x · 2,5 (znak 1)." << 0;
        QTest::newRow("two letters") << "x^2 + mx + 4 = 0"
            << "We wzorze są litery m i x, a niewiadoma może być tylko jedna; np. t² − 5t = 0 (znak 7)." << 6;
        QTest::newRow("a second letter on the right") << "x^2 = y + 1"
            << "We wzorze są litery x i y, a niewiadoma może być tylko jedna; np. t² − 5t = 0 (znak 7)." << 6;
        QTest::newRow("a system run together") << "x^2+y=4,2x-y=5"
            << "Przecinek między cyframi to przecinek dziesiętny; zdania oddziel przecinkiem ze spacją albo średnikiem, "
               "np. x² + y = 4, 2x − y = 5 (znak 8)." << 7;
        QTest::newRow("y as the variable") << "y^2 = 4"
            << "Litera y oznacza wartości funkcji; zmienną nazwij inaczej, np. x (znak 1)." << 0;
        QTest::newRow("an inequality in a system") << "x^2 + y = 4, 2x - y > 5"
            << "W układzie mogą stać tylko równania (znak 21)." << 20;
        QTest::newRow("a system past degree 2") << "x^2 + y^2 = 4, x^2 + y = 1"
            << "Po podstawieniu y powstaje równanie stopnia większego niż 2 (znak 1)." << 0;
        QTest::newRow("an interval in another letter") << "f(x) = x^2, t ∈ <0; 2>"
            << "Przedział jest dla t, a funkcja ma zmienną x (znak 11)." << 10;
        QTest::newRow("three formulas") << "y = x^2, y = x + 1, y = 3"
            << "Tych zdań nie umiem połączyć w jedno zadanie: wpisz funkcję, równanie albo nierówność, dwie funkcje, "
               "układ dwóch równań albo warunki funkcji kwadratowej (znak 21)." << 20;
        QTest::newRow("a condition too few") << "W = (1; 5)"
            << "Brakuje jednego warunku: z podanych nie da się wyznaczyć a; dodaj np. jeszcze jeden punkt wykresu." << 0;
        QTest::newRow("conditions that contradict") << "W = (1; 5), f(1) = 7"
            << "Warunki są sprzeczne: f(1) = 7 nie zgadza się z pozostałymi (znak 13)." << 12;
        QTest::newRow("an axis against the vertex") << "W = (1; 5), x = 3"
            << "Warunki są sprzeczne: x = 3 nie zgadza się z pozostałymi (znak 13)." << 12;
        QTest::newRow("two functions' conditions") << "f(2) = 3, g(0) = 1"
            << "Warunki dotyczą jednej funkcji, a tu są f i g (znak 11)." << 10;
        QTest::newRow("a = 0 from the conditions") << "f(0) = 1, f(1) = 2, f(2) = 3"
            << "Z tych warunków a = 0: to nie jest funkcja kwadratowa." << 20;
        QTest::newRow("x1 and x2 name the roots") << "x1^2 + x2^2 = 10"
            << "Wyrażenie z x₁ i x₂ liczy się dla pierwiastków równania, np. x² − 5x + 3 = 0, oblicz x₁² + x₂²; x² "
               "wpisz jako x^2 (znak 1)." << 0;
    }

    void refused() {
        QFETCH(QString, task);
        QFETCH(QString, message);
        QFETCH(int, position);
        const auto read = task::ReadTask(task.toStdString());
        const auto* error = std::get_if<task::TaskError>(&read);
        QVERIFY(error);
        QCOMPARE(QString::fromStdString(error->message), message);
        QCOMPARE(int(error->position), position);
    }

    // Each bound at its limit, read, and one past it, refused where it says.
    void bounds_data() {
        QTest::addColumn<QString>("task");
        QTest::addColumn<QString>("message");  // none where it is read
        QTest::addColumn<int>("position");
        QTest::newRow("10 000 characters") << "x^2" + QString(9997, ' ') << "" << 0;
        QTest::newRow("10 001 characters") << "x^2" + QString(9998, ' ')
                                           << "Zadanie jest za długie: najwyżej 10\u202f000 znaków." << 10'000;
        QTest::newRow("100 brackets in one another") << QString(100, '(') + "x" + QString(100, ')') + "^2" << "" << 0;
        QTest::newRow("101 brackets in one another") << QString(101, '(') + "x" + QString(101, ')') + "^2"
            << "Za dużo nawiasów jeden w drugim: najwyżej 100 (znak 101)." << 100;
        QTest::newRow("101 brackets side by side") << QString("(1)").repeated(101) + "x^2" << "" << 0;
        QTest::newRow("10^100000") << "1e100000x^2" << "" << 0;
        QTest::newRow("10^100001") << "1e100001x^2" << "Liczba jest za duża (znak 1)." << 0;
        QTest::newRow("an exponent of 20 digits") << "1e99999999999999999999x^2" << "Liczba jest za duża (znak 1)." << 0;
        QTest::newRow("x to a power of 20 digits") << "x99999999999999999999"
                                                   << "Stopień wielomianu jest większy niż 4 (znak 2)." << 1;
    }

    void bounds() {
        QFETCH(QString, task);
        QFETCH(QString, message);
        QFETCH(int, position);
        const auto read = task::ReadTask(task.toStdString());
        QCOMPARE(refusal(read), message);
        if (const auto* error = std::get_if<task::TaskError>(&read)) QCOMPARE(int(error->position), position);
    }

    // Any characters of a task, mixed at random: read, or refused at a
    // place inside the text (or just past it, where it breaks off).
    void refusalsPointIntoTheText() {
        std::mt19937 random(31);
        const QString alphabet = QStringLiteral("x x2 0 1,5 ^2 ² + - − * / : ( ) ⟨ ⟩ [ ] < > = ; , ∈ in dla w ");
        const QStringList pieces = alphabet.split(' ', Qt::SkipEmptyParts);
        for (int i = 0; i < 20'000; ++i) {
            QString text;
            for (int n = std::uniform_int_distribution<int>(1, 12)(random); n > 0; --n) {
                text += pieces[std::uniform_int_distribution<int>(0, int(pieces.size()) - 1)(random)];
                if (std::uniform_int_distribution<int>(0, 2)(random) == 0) text += ' ';
            }
            const auto read = task::ReadTask(text.toStdString());
            if (const auto* error = std::get_if<task::TaskError>(&read)) {
                QVERIFY2(!error->message.empty() && error->position <= std::size_t(text.toUcs4().size()),
                         qPrintable(text + ": " + QString::fromStdString(error->message)));
            }
        }
    }

    // Typed as pupils type in plain text, each read as its tidy form, worked out by hand.
    void sloppy_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("read");
        QTest::newRow("x2 for x²") << "x2-5x<=14" << "x² − 5x ≤ 14";
        QTest::newRow("5x2 in another place") << "-5x2 + 5x + 10 > 0" << "−5x² + 5x + 10 > 0";
        QTest::newRow("=<") << "x^2-5x=<14" << "x² − 5x ≤ 14";
        QTest::newRow("=>") << "x^2=>4" << "x² ≥ 4";
        QTest::newRow("> = with a blank") << "x^2 - 5x > = 14" << "x² − 5x ≥ 14";
        QTest::newRow("⩽ and a Unicode minus") << "x² − 1 ⩽ 0" << "x² − 1 ≤ 0";
        QTest::newRow("no comma before x ∈") << "f(x) = x^2 - 4x + 3 x ∈ <-1; 4>" << "f(x) = x² − 4x + 3, x ∈ ⟨−1; 4⟩";
        QTest::newRow("x in") << "f(x) = x^2 - 4x + 3, x in <-1; 4>" << "f(x) = x² − 4x + 3, x ∈ ⟨−1; 4⟩";
        QTest::newRow("dla x należy do") << "f(x) = x^2 - 4x + 3 dla x należy do <-1; 4>"
                                        << "f(x) = x² − 4x + 3, x ∈ ⟨−1; 4⟩";
        QTest::newRow("w przedziale, open") << "f(x)=x^2-4x+3 w przedziale (0; 4)" << "f(x) = x² − 4x + 3, x ∈ (0; 4)";
        QTest::newRow("half open") << "f(x) = x^2, x ∈ [-1; 4)" << "f(x) = x², x ∈ ⟨−1; 4)";
        QTest::newRow("a comma and a blank") << "f(x) = x^2, x ∈ ⟨1 ,4⟩" << "f(x) = x², x ∈ ⟨1; 4⟩";
        QTest::newRow("the only comma") << "f(x) = x^2, x ∈ [-1,4]" << "f(x) = x², x ∈ ⟨−1; 4⟩";
        QTest::newRow("decimal ends, a comma and a blank") << "f(x) = x^2, x ∈ ⟨-1,5, 4⟩" << "f(x) = x², x ∈ ⟨−1,5; 4⟩";
        QTest::newRow("decimal ends, three commas") << "f(x) = x^2, x ∈ [1,5,2,5]" << "f(x) = x², x ∈ ⟨1,5; 2,5⟩";
        QTest::newRow("a decimal end by a semicolon") << "f(x) = x^2, x ∈ ⟨-1,5; 4⟩" << "f(x) = x², x ∈ ⟨−1,5; 4⟩";
        QTest::newRow("a bracket's 2") << "(x+1)2-4=0" << "(x + 1)² − 4 = 0";
        QTest::newRow("no spaces, x2, no comma") << "f(x)=x2-4x+3x∈<-1;4>" << "f(x) = x² − 4x + 3, x ∈ ⟨−1; 4⟩";
    }

    void sloppy() {
        QFETCH(QString, typed);
        QFETCH(QString, read);
        const auto reading = task::ReadTask(typed.toStdString());
        const auto* task = taskOf(reading);
        QVERIFY2(task, qPrintable(refusal(reading)));
        QCOMPARE(QString::fromStdString(task->text()), read);
    }

    // Generated tasks, each written tidily and in the sloppy ways pupils
    // type: every sloppy form reads as the tidy one, value for value.
    void sloppyReadsAsTidy() {
        std::mt19937 random(30);
        const auto pick = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
        const auto chance = [&] { return pick(0, 1) == 1; };
        for (int i = 0; i < 3000; ++i) {
            // Pieces of a task; between two of them a blank, or none where the pupil leaves it out.
            struct Piece {
                QString tidy, sloppy;
                bool word = false;  // letters that need a blank before and after
            };
            std::vector<Piece> pieces;
            const bool spaces = chance();
            const auto add = [&](const QString& tidy, const QString& sloppy, bool word = false) {
                pieces.push_back({tidy, sloppy, word});
            };
            const auto number = [&](int value) {
                return value < 0 ? QString("−%1").arg(-value) : QString::number(value);
            };
            const auto sign = [&](int value, bool first) {
                if (first) return value < 0 ? QString("−") : QString();
                return value < 0 ? QString("−") : QString("+");
            };
            const auto asciiMinus = [&](QString text) { return chance() ? text.replace(QChar(0x2212), '-') : text; };
            // a·x² + b·x + c with a ≠ 0.
            const auto quadratic = [&] {
                int a = pick(-5, 5);
                if (a == 0) a = 2;
                const int b = pick(-9, 9), c = pick(-9, 9);
                const QString aText = std::abs(a) == 1 ? QString() : QString::number(std::abs(a));
                if (a < 0) add("−", asciiMinus("−"));
                add(aText + "x^2", aText + (chance() ? "x2" : chance() ? "x²" : "x^2"));
                if (b != 0) {
                    add(sign(b, false), asciiMinus(sign(b, false)));
                    const QString bText = std::abs(b) == 1 ? QString() : QString::number(std::abs(b));
                    add(bText + "x", bText + "x");
                }
                if (c != 0) {
                    add(sign(c, false), asciiMinus(sign(c, false)));
                    add(QString::number(std::abs(c)), QString::number(std::abs(c)));
                }
            };
            const int kind = pick(0, 2);
            if (kind == 0) {
                add("f(x) =", chance() ? "f(x)=" : "f(x) =");
                quadratic();
                // Halves written with a decimal comma, where only a blank or a semicolon tells the ends apart.
                const bool halves = chance();
                const int from = pick(-9, 8), to = pick(from + 1, 9);
                const auto end = [&](int value) { return halves ? number(value) + ",5" : number(value); };
                const char* clauses[] = {"x ∈", "x in", "dla x ∈", "dla x należy do", "w przedziale"};
                const QString clause = clauses[pick(0, 4)];
                const bool comma = chance();
                add(", x ∈", (comma ? ", " : " ") + clause, true);
                const bool fromClosed = chance(), toClosed = chance();
                const QString open = fromClosed ? (chance() ? "<" : chance() ? "[" : "⟨") : "(";
                const QString close = toClosed ? (chance() ? ">" : chance() ? "]" : "⟩") : ")";
                const char* separators[] = {"; ", ";", ", ", " ,", ","};
                add(QString(fromClosed ? "⟨" : "(") + end(from) + "; " + end(to) + (toClosed ? "⟩" : ")"),
                    open + asciiMinus(end(from)) + separators[pick(0, halves ? 3 : 4)] + asciiMinus(end(to)) + close);
            } else {
                quadratic();
                const char* tidy[] = {"≤", "≥", "<", ">", "="};
                const char* typed[] = {"<=", ">=", "<", ">", "="};
                const char* turned[] = {"=<", "=>", "<", ">", "="};
                const int r = pick(0, 4);
                add(tidy[r], chance() ? typed[r] : chance() ? turned[r] : tidy[r]);
                const int right = pick(-20, 20);
                add(number(right), asciiMinus(number(right)));
            }
            QString tidyText, sloppyText;
            for (std::size_t k = 0; k < pieces.size(); ++k) {
                const bool first = k == 0;
                const bool needsBlank = pieces[k].word || (k > 0 && pieces[k - 1].word);
                tidyText += (first ? "" : " ") + pieces[k].tidy;
                sloppyText += (first ? "" : (spaces || needsBlank ? " " : "")) + pieces[k].sloppy;
            }
            tidyText.replace(" , x ∈", ", x ∈").replace("^2", "²");
            const auto tidy = task::ReadTask(tidyText.toStdString());
            const auto sloppy = task::ReadTask(sloppyText.toStdString());
            QVERIFY2(taskOf(tidy), qPrintable(tidyText + ": " + refusal(tidy)));
            QVERIFY2(taskOf(sloppy), qPrintable(sloppyText + ": " + refusal(sloppy)));
            const task::Task& t = *taskOf(tidy);
            const task::Task& s = *taskOf(sloppy);
            const QString context = sloppyText + "  ~  " + tidyText;
            QVERIFY2(s.text() == t.text(), qPrintable(context + "\n" + QString::fromStdString(s.text())));
            QVERIFY2(s.leftValue.c2 == t.leftValue.c2 && s.leftValue.c1 == t.leftValue.c1 && s.leftValue.c0 == t.leftValue.c0 &&
                         s.rightValue.c0 == t.rightValue.c0 && s.relation == t.relation && s.kind == t.kind,
                     qPrintable(context));
            QVERIFY2(bool(s.interval) == bool(t.interval), qPrintable(context));
            if (t.interval) QVERIFY2(s.interval->from == t.interval->from && s.interval->to == t.interval->to, qPrintable(context));
        }
    }

    // Generated tasks, each side a quadratic of rational coefficients with
    // rational zeros or none, their answers checked by exact arithmetic:
    // each end a zero of the moved polynomial, and at every end, between
    // ends and beyond them, the answer holds a point just where the
    // relation does.
    void answersHoldExactly() {
        std::mt19937 random(20261209);
        const auto pick = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
        const auto rational = [&](int reach) {
            mpq_class q(pick(-reach, reach), pick(1, 4));
            q.canonicalize();
            return q;
        };
        const QString relations[] = {"=", "<", ">", "<=", ">="};
        // Each relation in the pupil's other spellings, read as the same one.
        const QString spellings[] = {"=", "<", ">", "≤", "≥"};
        int shapes[5] = {};
        for (int i = 0; i < 4000; ++i) {
            mpq_class k = rational(5);
            if (k == 0) k = 1;
            const mpq_class r1 = rational(6), r2 = rational(6), shift = rational(4);
            const mpq_class q2 = rational(3), q1 = rational(3), q0 = rational(3);
            // Two zeros, none, one written as a square; x² cancelled to a
            // line, or to a constant (0 now and then).
            const int shape = pick(0, 4);
            QString moved;
            mpq_class c2 = k, c1, c0;
            if (shape == 0) {
                moved = written(k) + "(x - " + written(r1) + ")(x - " + written(r2) + ")";
                c1 = -k * (r1 + r2);
                c0 = k * r1 * r2;
            } else if (shape <= 2) {
                const mpq_class m = shape == 1 ? mpq_class(abs(shift) + 1) : mpq_class(0);
                moved = written(k) + "((x - " + written(r1) + ")^2 + " + written(m) + ")";
                c1 = -2 * k * r1;
                c0 = k * (r1 * r1 + m);
            } else if (shape == 3) {
                moved = written(k) + "(x - " + written(r1) + ")";
                c2 = 0, c1 = k, c0 = -k * r1;
            } else {
                c2 = 0, c1 = 0, c0 = pick(0, 2) == 0 ? mpq_class(0) : mpq_class(r1);
                moved = written(c0);
            }
            ++shapes[shape];
            // The same quadratic added to both sides, so that the pupil's moving is needed.
            const QString extra = written(q2) + "x^2 + " + written(q1) + "x + " + written(q0);
            const int r = pick(0, 4);
            const QString relation = relations[r];
            const QString text = moved + " + " + extra + " " + (pick(0, 1) ? relations[r] : spellings[r]) + " " + extra;            const QStringList lines = solved(text);
            const QString answer = lines.filter(QStringLiteral("Odpowiedź: ")).value(0);
            QVERIFY2(!answer.isEmpty(), qPrintable(text + "\n" + lines.join('\n')));
            const std::vector<Piece> set = setOf(answer);
            const auto value = [&](const mpq_class& x) -> mpq_class { return (c2 * x + c1) * x + c0; };
            // The chart draws the set the answer says, end for end.
            if (relation != "=" && shape < 4) {
                const auto graph = task::SolveTask(std::get<task::Problem>(task::ReadTask(text.toStdString()))).graph;
                QVERIFY2(graph && graph->sketch.solutionSet.size() == set.size(), qPrintable(text + "\n" + answer));
                for (std::size_t j = 0; j < set.size(); ++j) {
                    const sketch::AxisSpan& span = graph->sketch.solutionSet[j];
                    const auto endKind = [](bool infinite, bool closed) {
                        return infinite ? sketch::EndKind::Infinite : closed ? sketch::EndKind::Closed : sketch::EndKind::Open;
                    };
                    QVERIFY2(span.from.kind == endKind(set[j].fromInfinite, set[j].fromClosed) &&
                                 span.to.kind == endKind(set[j].toInfinite, set[j].toClosed),
                             qPrintable(text + "\n" + answer));
                    // Within a rounding of the exact end (get_d truncates).
                    const auto near = [](double at, const mpq_class& end) {
                        return std::abs(at - end.get_d()) <= 1e-12 * std::max(1.0, std::abs(end.get_d()));
                    };
                    QVERIFY2((set[j].fromInfinite || near(span.from.at, set[j].from)) &&
                                 (set[j].toInfinite || near(span.to.at, set[j].to)),
                             qPrintable(text + "\n" + answer));
                }
            }
            std::vector<mpq_class> ends;
            for (const Piece& piece : set) {
                for (const auto& [infinite, end] : {std::pair{piece.fromInfinite, piece.from}, {piece.toInfinite, piece.to}}) {
                    if (infinite) continue;
                    QVERIFY2(value(end) == 0, qPrintable(text + "\n" + answer));
                    ends.push_back(end);
                }
            }
            ends.push_back(r1);  // a point that tests Δ = 0 and Δ < 0 too
            std::sort(ends.begin(), ends.end());
            std::vector<mpq_class> samples;
            for (std::size_t j = 0; j < ends.size(); ++j) {
                samples.push_back(ends[j]);
                samples.push_back(ends[j] - 1);
                samples.push_back(ends[j] + 1);
                if (j + 1 < ends.size()) samples.push_back((ends[j] + ends[j + 1]) / 2);
            }
            for (const mpq_class& x : samples) {
                const bool inSet = std::any_of(set.begin(), set.end(), [&](const Piece& p) { return p.contains(x); });
                QVERIFY2(inSet == holds(value(x), relation),
                         qPrintable(text + "\n" + answer + "\n at x = " + QString::fromStdString(x.get_str())));
            }
            // From the smallest: the pieces and the solutions in order.
            for (std::size_t j = 1; j < set.size(); ++j) {
                QVERIFY2(!set[j - 1].toInfinite && !set[j].fromInfinite && set[j - 1].to <= set[j].from,
                         qPrintable(text + "\n" + answer));
            }
            if (relation == "=") {
                QVERIFY2(lines.filter(QStringLiteral("znak nierówności")).isEmpty(), qPrintable(text + "\n" + lines.join('\n')));
            }
            // x on both sides of an equation: each common point on both graphs, one for each solution.
            const bool bothSides = relation == "=" && (q2 != 0 || q1 != 0) && (c2 + q2 != 0 || c1 + q1 != 0);
            const bool finite = std::none_of(set.begin(), set.end(), [](const Piece& p) { return p.fromInfinite; });
            const QString points = answer.section(QStringLiteral(" wykresów: "), 1);
            QVERIFY2(points.isEmpty() == !(bothSides && finite && !set.empty()), qPrintable(text + "\n" + answer));
            const QStringList named = points.isEmpty() ? QStringList{} : points.split(QStringLiteral(" i "));
            QVERIFY2(named.isEmpty() || named.size() == int(set.size()), qPrintable(text + "\n" + answer));
            for (const QString& point : named) {
                const mpq_class x = numberOf(point.mid(1).section(QStringLiteral("; "), 0, 0));
                const mpq_class y = numberOf(point.section(QStringLiteral("; "), 1).chopped(1));
                QVERIFY2(value(x) == 0 && y == (q2 * x + q1) * x + q0, qPrintable(text + "\n" + answer));
            }
        }
        QVERIFY(*std::min_element(std::begin(shapes), std::end(shapes)) > 500);
    }
};

QTEST_APPLESS_MAIN(TaskTest)
#include "tst_task.moc"
