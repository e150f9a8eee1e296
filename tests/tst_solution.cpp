#include <QtTest>

#include <gmpxx.h>

#include <random>

#include "solution/ExactForms.h"
#include "solution/LineBreaks.h"
#include "solution/WorkedSolution.h"
#include "solver/Calculation.h"

namespace {

// The worked solution of the coefficients as the window reads them.
QStringList solutionLines(const QString& a, const QString& b, const QString& c) {
    const auto outcome = solver::Calculate(a.toStdString(), b.toStdString(), c.toStdString(), {});
    const auto& result = std::get<solver::CalculationResult>(outcome);
    return QString::fromStdString(solution::WorkedSolution(result.exact).text).split('\n');
}

mpq_class valueOf(const mpq_class& a, const mpq_class& b, const mpq_class& c, const mpq_class& x) {
    return (a * x + b) * x + c;
}

// f((u + v√m)/w) · w² = rational + irrational·√m, both of which must vanish.
std::pair<mpq_class, mpq_class> valueAtSurd(const mpq_class& a, const mpq_class& b, const mpq_class& c,
                                            const solution::Surd& x) {
    const mpq_class u(x.u), v(x.v), w(x.w), m(x.m);
    return {a * (u * u + v * v * m) + b * u * w + c * w * w, 2 * a * u * v + b * v * w};
}

bool squareFree(const mpz_class& m) {
    for (mpz_class i = 2; i * i <= m; ++i) {
        if (m % (i * i) == 0) return false;
    }
    return true;
}

}  // namespace

class SolutionTest : public QObject {
    Q_OBJECT

private slots:
    // Every expected line worked out by hand; "_" stands for the narrow
    // no-break space that groups digits.
    void lines_data() {
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::addColumn<QString>("c");
        QTest::addColumn<int>("count");
        QTest::addColumn<QStringList>("expected");

        QTest::newRow("the whole text") << "2" << "-4" << "-2" << 19 << QStringList{
            "f(x) = 2x² − 4x − 2",
            "a = 2, b = −4, c = −2",
            "Δ = b² − 4ac = (−4)² − 4 · 2 · (−2) = 32",
            "√Δ = √32 = 4√2",
            "x₁ = (−b − √Δ)/(2a) = (4 − 4√2)/4 = 1 − √2 ≈ −0,414214",
            "x₂ = (−b + √Δ)/(2a) = (4 + 4√2)/4 = 1 + √2 ≈ 2,41421",
            "Punkty przecięcia z osią OX: (1 − √2; 0), (1 + √2; 0)",
            "Wierzchołek paraboli: W = (p; q), p = −b/(2a) = −(−4)/(2 · 2) = 1, q = −Δ/(4a) = −32/(4 · 2) = −4, "
            "W = (1; −4)",
            "Oś symetrii: x = 1",
            "Punkt przecięcia z osią OY: (0; −2)",
            "Ramiona paraboli są skierowane w górę (a > 0).",
            "Postać kanoniczna: f(x) = 2(x − 1)² − 4",
            "Postać iloczynowa: f(x) = 2(x − 1 + √2)(x − 1 − √2)",
            "Zbiór wartości: ⟨−4; +∞)",
            "Funkcja jest malejąca w przedziale (−∞; 1⟩ i rosnąca w przedziale ⟨1; +∞).",
            "f(x) > 0 dla x ∈ (−∞; 1 − √2) ∪ (1 + √2; +∞)",
            "f(x) < 0 dla x ∈ (1 − √2; 1 + √2)",
            "Wzory Viète'a: x₁ + x₂ = −b/a = 2, x₁ · x₂ = c/a = −1",
            "Opis wykresu: Parabola o ramionach skierowanych w górę, wierzchołek W = (1; −4), miejsca zerowe "
            "1 − √2 ≈ −0,41 i 1 + √2 ≈ 2,41, przecina oś OY w punkcie (0; −2)."};
        // Where a < 0, x₁ is the larger zero; points and sentence go from the smaller.
        QTest::newRow("a < 0, b = 0") << "-1" << "0" << "2" << 19 << QStringList{
            "f(x) = −x² + 2",
            "x₁ = (−b − √Δ)/(2a) = (0 − 2√2)/(−2) = √2 ≈ 1,41421",
            "x₂ = (−b + √Δ)/(2a) = (0 + 2√2)/(−2) = −√2 ≈ −1,41421",
            "Punkty przecięcia z osią OX: (−√2; 0), (√2; 0)",
            "Wierzchołek paraboli: W = (p; q), p = −b/(2a) = 0, q = −Δ/(4a) = −8/(4 · (−1)) = 2, "
            "W = (0; 2)",
            "Ramiona paraboli są skierowane w dół (a < 0).",
            "Postać kanoniczna: f(x) = −x² + 2",
            "Postać iloczynowa: f(x) = −(x − √2)(x + √2)",
            "Zbiór wartości: (−∞; 2⟩",
            "Funkcja jest rosnąca w przedziale (−∞; 0⟩ i malejąca w przedziale ⟨0; +∞).",
            "f(x) > 0 dla x ∈ (−√2; √2)",
            "f(x) < 0 dla x ∈ (−∞; −√2) ∪ (√2; +∞)",
            "Opis wykresu: Parabola o ramionach skierowanych w dół, wierzchołek W = (0; 2), miejsca zerowe "
            "−√2 ≈ −1,41 i √2 ≈ 1,41, przecina oś OY w punkcie (0; 2)."};
        QTest::newRow("rational zeros, decimal vertex") << "1" << "-3" << "2" << 19 << QStringList{
            "√Δ = √1 = 1",
            "x₁ = (−b − √Δ)/(2a) = (3 − 1)/2 = 1",
            "Wierzchołek paraboli: W = (p; q), p = −b/(2a) = −(−3)/(2 · 1) = 1,5, q = −Δ/(4a) = −1/(4 · 1) = −0,25, "
            "W = (1,5; −0,25)",
            "Postać kanoniczna: f(x) = (x − 1,5)² − 0,25",
            "Postać iloczynowa: f(x) = (x − 1)(x − 2)"};
        QTest::newRow("c = 0") << "2" << "-4" << "0" << 19 << QStringList{
            "Postać iloczynowa: f(x) = 2x(x − 2)", "Punkt przecięcia z osią OY: (0; 0)",
            "Punkty przecięcia z osią OX: (0; 0), (2; 0)",
            "Wzory Viète'a: x₁ + x₂ = −b/a = 2, x₁ · x₂ = c/a = 0"};
        QTest::newRow("Δ = 0") << "1" << "2" << "1" << 17 << QStringList{
            "Δ = b² − 4ac = 2² − 4 · 1 · 1 = 0",
            "x₀ = −b/(2a) = −2/2 = −1",
            "Punkt przecięcia z osią OX: (−1; 0)",
            "Postać kanoniczna: f(x) = (x + 1)²",
            "Postać iloczynowa: f(x) = (x + 1)²",
            "f(x) > 0 dla x ∈ ℝ \\ {−1}",
            "f(x) < 0 dla żadnego x",
            "Wzory Viète'a: x₁ = x₂ = x₀ = −1, x₁ + x₂ = −b/a = −2, x₁ · x₂ = c/a = 1",
            "Opis wykresu: Parabola o ramionach skierowanych w górę, wierzchołek W = (−1; 0), miejsce zerowe −1, "
            "przecina oś OY w punkcie (0; 1)."};
        QTest::newRow("Δ = 0, a < 0, fractional zero") << "-9" << "6" << "-1" << 17 << QStringList{
            "x₀ = −b/(2a) = −6/(−18) = 1/3",
            "Postać kanoniczna: f(x) = −9(x − 1/3)²",
            "Zbiór wartości: (−∞; 0⟩",
            "f(x) > 0 dla żadnego x",
            "f(x) < 0 dla x ∈ ℝ \\ {1/3}",
            "Wzory Viète'a: x₁ = x₂ = x₀ = 1/3, x₁ + x₂ = −b/a = 2/3, x₁ · x₂ = c/a = 1/9"};
        QTest::newRow("Δ = 0, decimals") << "0,5" << "-3" << "4,5" << 17 << QStringList{
            "f(x) = 0,5x² − 3x + 4,5",
            "Δ = b² − 4ac = (−3)² − 4 · 0,5 · 4,5 = 0",
            "x₀ = −b/(2a) = 3/1 = 3",
            "Postać iloczynowa: f(x) = 0,5(x − 3)²"};
        QTest::newRow("Δ < 0") << "1" << "1" << "1" << 15 << QStringList{
            "Δ = b² − 4ac = 1² − 4 · 1 · 1 = −3",
            "Δ < 0, więc funkcja nie ma miejsc zerowych.",
            "Wierzchołek paraboli: W = (p; q), p = −b/(2a) = −1/(2 · 1) = −0,5, q = −Δ/(4a) = −(−3)/(4 · 1) = 0,75, "
            "W = (−0,5; 0,75)",
            "Postać kanoniczna: f(x) = (x + 0,5)² + 0,75",
            "Postać iloczynowa: nie istnieje (Δ < 0)",
            "f(x) > 0 dla każdego x ∈ ℝ",
            "f(x) < 0 dla żadnego x",
            "Opis wykresu: Parabola o ramionach skierowanych w górę, wierzchołek W = (−0,5; 0,75), "
            "brak miejsc zerowych, przecina oś OY w punkcie (0; 1)."};
        QTest::newRow("fractions") << "1/3" << "1" << "-1" << 19 << QStringList{
            "f(x) = (1/3)x² + x − 1",
            "a = 1/3, b = 1, c = −1",
            "Δ = b² − 4ac = 1² − 4 · (1/3) · (−1) = 7/3",
            "√Δ = √(7/3) = √21/3",
            "x₁ = (−b − √Δ)/(2a) = (−1 − √21/3)/(2/3) = (−3 − √21)/2 ≈ −3,79129",
            "x₂ = (−b + √Δ)/(2a) = (−1 + √21/3)/(2/3) = (−3 + √21)/2 ≈ 0,791288",
            "Punkty przecięcia z osią OX: ((−3 − √21)/2; 0), ((−3 + √21)/2; 0)",
            "Wierzchołek paraboli: W = (p; q), p = −b/(2a) = −1/(2 · (1/3)) = −1,5, "
            "q = −Δ/(4a) = −(7/3)/(4 · (1/3)) = −1,75, W = (−1,5; −1,75)",
            "Postać kanoniczna: f(x) = (1/3)(x + 1,5)² − 1,75",
            "Postać iloczynowa: f(x) = (1/3)(x + (3 + √21)/2)(x + (3 − √21)/2)"};
        QTest::newRow("Δ the square of a fraction, zero 0 first") << "1" << "1/3" << "0" << 19 << QStringList{
            "√Δ = √(1/9) = 1/3",
            "x₁ = (−b − √Δ)/(2a) = (−1/3 − 1/3)/2 = −1/3",
            "x₂ = (−b + √Δ)/(2a) = (−1/3 + 1/3)/2 = 0",
            "Postać iloczynowa: f(x) = x(x + 1/3)"};
        QTest::newRow("Δ a decimal square") << "1" << "-0,5" << "-0,5" << 19 << QStringList{
            "√Δ = √2,25 = 1,5", "x₁ = (−b − √Δ)/(2a) = (0,5 − 1,5)/2 = −0,5",
            "Postać iloczynowa: f(x) = (x + 0,5)(x − 1)"};
        QTest::newRow("a root in the denominator") << "1" << "0" << "-1,25" << 19 << QStringList{
            "√Δ = √5", "x₁ = (−b − √Δ)/(2a) = (0 − √5)/2 = −√5/2 ≈ −1,11803",
            "Postać iloczynowa: f(x) = (x + √5/2)(x − √5/2)"};
        QTest::newRow("zeros over a denominator") << "1" << "-3" << "1" << 19 << QStringList{
            "x₁ = (−b − √Δ)/(2a) = (3 − √5)/2 ≈ 0,381966",
            "Postać iloczynowa: f(x) = (x − (3 − √5)/2)(x − (3 + √5)/2)",
            "f(x) < 0 dla x ∈ ((3 − √5)/2; (3 + √5)/2)"};
        QTest::newRow("√2/2") << "2" << "0" << "-1" << 19 << QStringList{
            "x₁ = (−b − √Δ)/(2a) = (0 − 2√2)/4 = −√2/2 ≈ −0,707107",
            "Postać iloczynowa: f(x) = 2(x + √2/2)(x − √2/2)"};
        QTest::newRow("a large square factor") << "1" << "0" << "-50000" << 19 << QStringList{
            "a = 1, b = 0, c = −50_000",
            "√Δ = √200000 = 200√5", "x₁ = (−b − √Δ)/(2a) = (0 − 200√5)/2 = −100√5 ≈ −223,607"};
        QTest::newRow("a square of a prime past a million")
            << "1" << "0" << "-249997249976749961,75" << 19 << QStringList{
            "√Δ = √999988999906999847 = 1_000_003√999983",
            "x₁ = (−b − √Δ)/(2a) = (0 − 1_000_003√999983)/2 = −1_000_003√999983/2 ≈ −4,99997 · 10⁸",
            "Opis wykresu: Parabola o ramionach skierowanych w górę, wierzchołek "
            "W = (0; −249_997_249_976_749_961,75), miejsca zerowe −1_000_003√999983/2 ≈ −499_997_249,97 i "
            "1_000_003√999983/2 ≈ 499_997_249,97, przecina oś OY w punkcie (0; −249_997_249_976_749_961,75)."};
        QTest::newRow("six decimal places") << "0,000001" << "0" << "-1" << 19 << QStringList{
            "√Δ = √0,000004 = 0,002", "x₁ = (−b − √Δ)/(2a) = (0 − 0,002)/0,000002 = −1000"};
        QTest::newRow("a tiny irrational zero") << "1" << "0" << "-0,00000002" << 19 << QStringList{
            "x₁ = (−b − √Δ)/(2a) = (0 − √2/5000)/2 = −√2/10_000 ≈ −0,000141421",
            "Opis wykresu: Parabola o ramionach skierowanych w górę, wierzchołek W = (0; −0,00000002), "
            "miejsca zerowe −√2/10_000 ≈ −0,00014 i √2/10_000 ≈ 0,00014, przecina oś OY w punkcie (0; −0,00000002)."};
        QTest::newRow("decimals as typed") << "1" << "-2,0000001" << "1,0000001" << 19 << QStringList{
            "f(x) = x² − 2,0000001x + 1,0000001",
            "a = 1, b = −2,0000001, c = 1,0000001",
            "Δ = b² − 4ac = (−2,0000001)² − 4 · 1 · 1,0000001 = 1/100_000_000_000_000",
            "x₂ = (−b + √Δ)/(2a) = (2,0000001 + 0,0000001)/2 = 1,0000001",
            "Punkty przecięcia z osią OX: (1; 0), (1,0000001; 0)"};
        QTest::newRow("a fraction, an exponent and a long integer as typed") << "-1/2" << "1e-7" << "1000000000000"
            << 19 << QStringList{
            "f(x) = −(1/2)x² + 0,0000001x + 1_000_000_000_000",
            "a = −1/2, b = 0,0000001, c = 1_000_000_000_000",
            "Δ = b² − 4ac = 0,0000001² − 4 · (−1/2) · 1_000_000_000_000 = "
            "200_000_000_000_000_000_000_000_001/100_000_000_000_000"};
        QTest::newRow("huge, rounded, the coefficients exact") << "1e45" << "0" << "-1e45" << 19 << QStringList{
            "Liczby mają tu ponad 40 cyfr, więc zapisano je w przybliżeniu, z 15 cyframi znaczącymi.",
            "f(x) = (1 · 10⁴⁵)x² − 1 · 10⁴⁵",
            "a = 1 · 10⁴⁵, b = 0, c = −1 · 10⁴⁵",
            "Δ = b² − 4ac ≈ 4 · 10⁹⁰",
            "x₁ = (−b − √Δ)/(2a) ≈ −1",
            "Punkty przecięcia z osią OX ≈ (−1; 0), (1; 0)",
            "Postać iloczynowa: f(x) ≈ (1 · 10⁴⁵)(x + 1)(x − 1)",
            "Opis wykresu: Parabola o ramionach skierowanych w górę, wierzchołek W ≈ (0; −1 · 10⁴⁵), "
            "miejsca zerowe ≈ −1 i ≈ 1, przecina oś OY w punkcie (0; −1 · 10⁴⁵)."};
        QTest::newRow("rounded, short coefficients as typed")
            << "1/3" << "0" << "1234567890123456789012345678901234567890123" << 16 << QStringList{
            "f(x) ≈ (1/3)x² + 1,23456789012346 · 10⁴²",
            "a = 1/3, b = 0, c ≈ 1,23456789012346 · 10⁴²"};
        QTest::newRow("tiny, rounded") << "1e-50" << "1" << "1" << 19 << QStringList{
            "a = 1 · 10⁻⁵⁰, b = 1, c = 1",
            "x₁ = (−b − √Δ)/(2a) ≈ −1 · 10⁵⁰", "x₂ = (−b + √Δ)/(2a) ≈ −1",
            "f(x) < 0 dla x ∈ (−1 · 10⁵⁰; −1)"};
    }

    void lines() {
        QFETCH(QString, a);
        QFETCH(QString, b);
        QFETCH(QString, c);
        QFETCH(int, count);
        QFETCH(QStringList, expected);
        const QStringList solution = solutionLines(a, b, c);
        for (QString line : expected) {
            line.replace('_', QChar(0x202f));
            QVERIFY2(solution.contains(line), qPrintable(line + "\n  not in:\n" + solution.join('\n')));
        }
        QCOMPARE(solution.size(), count);
    }

    // Lines break only where a pupil would break them: "~" marks a no-break
    // space, "^" a word joiner, each worked out by hand.
    void keptTogether_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("kept");
        QTest::newRow("a zero") << "x₁ = (4 − 4√2)/4 = 1 − √2 ≈ −0,414214"
                                << "x₁~= (4~−~4√2)/^4~= 1~−~√2~≈ −0,414214";
        QTest::newRow("the vertex") << "p = −(−4)/(2 · 2) = 1, q = −32/(4 · 2) = −4"
                                    << "p~= −^(−4)/^(2~·~2)~= 1, q~= −32/^(4~·~2)~= −4";
        QTest::newRow("words, intervals") << "Opis wykresu: f(x) > 0 dla x ∈ (−∞; 1 − √2) ∪ (1 + √2; +∞)"
                                          << "Opis wykresu: f(x)~>~0 dla x~∈~(−∞;~1~−~√2)~∪ (1~+~√2;~+∞)";
        // A word alone may start a line, unless a sign binds it: "− x" stays one term;
        // as Polish typesetting has it, "i" does not end one.
        // × and ÷ are signs, not letters; every kind of bracket holds what is in it.
        QTest::newRow("signs between letters") << "2 × x i 3 ÷ y" << "2~×~x i~3~÷~y";
        QTest::newRow("every bracket") << "A = {1, 2}, B = [3, 4], C = ⟨5, 6⟩" << "A~= {1,~2}, B~= [3,~4], C~= ⟨5,~6⟩";
        // A long set may break between its ends; a point or a short interval does not.
        QTest::newRow("a point, a short interval") << "(6; 10) i ⟨−1; 4⟩" << "(6;~10) i~⟨−1;~4⟩";
        QTest::newRow("a long interval") << "x ∈ (1 − √21 000 000; 1 + √21 000 000)"
                                         << "x~∈~(1~−~√21~000~000; 1~+~√21~000~000)";
        QTest::newRow("words in brackets") << "x ≤ 1 (dzielimy przez liczbę ujemną)" << "x~≤~1~(dzielimy przez liczbę ujemną)";
        QTest::newRow("a word after a number") << "≈ 1 · 10⁻⁹ i 2 − x" << "≈ 1~·~10⁻⁹ i~2~−~x";
        QTest::newRow("a power of ten") << "a ≈ 1,2 · 10⁴⁵, b = 0" << "a~≈ 1,2~·~10⁴⁵, b~= 0";
    }

    void keptTogether() {
        QFETCH(QString, line);
        QFETCH(QString, kept);
        kept.replace('~', QChar(0x00a0)).replace('^', QChar(0x2060));
        QCOMPARE(QString::fromStdString(solution::KeepTogether(line.toStdString())), kept);
    }

    // Exact forms checked by exact arithmetic on generated coefficients.
    void formsHoldExactly() {
        std::mt19937 random(20261209);
        const auto pick = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
        const int denominators[] = {1, 1, 1, 2, 3, 4, 5, 8, 10, 12, 100};
        const auto fraction = [&](int low, int high, int denominator) {
            mpq_class q(pick(low, high), denominator);
            q.canonicalize();
            return q;
        };
        const auto coefficient = [&] { return fraction(-60, 60, denominators[pick(0, 10)]); };
        int irrational = 0, rational = 0, double_ = 0, none = 0;
        for (int i = 0; i < 20000; ++i) {
            mpq_class a = coefficient(), b = coefficient(), c = coefficient();
            if (i % 2) {
                // From two zeros of few values, so that they meet often.
                const mpq_class r1 = fraction(-3, 3, pick(1, 3)), r2 = fraction(-3, 3, pick(1, 3));
                b = -a * (r1 + r2);
                c = a * r1 * r2;
            }
            if (a == 0) continue;
            const solution::ExactForms f = solution::ExactFormsOf(a, b, c);
            const std::string what = a.get_str() + " " + b.get_str() + " " + c.get_str();
            // The vertex by what it is: f is symmetric about p, q = f(p);
            // and Δ = −4a·q.
            QVERIFY2(valueOf(a, b, c, f.p - 1) == valueOf(a, b, c, f.p + 1), what.c_str());
            QVERIFY2(valueOf(a, b, c, f.p) == f.q, what.c_str());
            QVERIFY2(f.delta == -4 * a * f.q, what.c_str());
            if (f.delta < 0) {
                ++none;
                continue;
            }
            if (f.delta == 0) {
                ++double_;
                QVERIFY2(f.x1.isRational() && valueOf(a, b, c, f.x1.rational()) == 0, what.c_str());
                continue;
            }
            QVERIFY2(f.rootFactor > 0 && f.rootFactor * f.rootFactor * f.rootRadicand == f.delta, what.c_str());
            QVERIFY2(squareFree(f.rootRadicand), what.c_str());
            for (const solution::Surd* x : {&f.x1, &f.x2}) {
                QVERIFY2(x->w > 0 && gcd(gcd(x->u, x->v), x->w) == 1, what.c_str());
                QVERIFY2(valueAtSurd(a, b, c, *x) == std::make_pair(mpq_class(0), mpq_class(0)), what.c_str());
            }
            // x1 takes −√Δ: below x2 where a > 0, above it where a < 0.
            const mpq_class gap = f.x1.isRational() ? f.x2.rational() - f.x1.rational()
                                                    : mpq_class(f.x2.v - f.x1.v, f.x1.w);
            QVERIFY2(sgn(gap) == sgn(a), what.c_str());
            ++(f.x1.isRational() ? rational : irrational);
        }
        // Every branch was reached often.
        QVERIFY(irrational > 1000 && rational > 1000 && double_ > 500 && none > 1000);
    }
};

QTEST_APPLESS_MAIN(SolutionTest)
#include "tst_solution.moc"
