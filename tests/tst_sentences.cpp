// Tasks copied as printed: sentences whose asks are answered, expressions in
// the roots worked out without them, and polynomials of degree 3 and 4. Every
// answer here was worked out by hand, most from roots known in advance.
#include <QtTest>

#include "SolvedAnswer.h"

class SentencesTest : public QObject {
    Q_OBJECT

private slots:
    void answered_data() {
        QTest::addColumn<QString>("task");
        QTest::addColumn<QString>("answer");
        // What a sentence asks of a function, each ask once.
        QTest::newRow("vertex") << "Wyznacz współrzędne wierzchołka paraboli y = 2x² − 4x + 1." << "W = (1; −1)";
        QTest::newRow("canonical form") << "Napisz wzór funkcji f(x) = 2x² − 4x − 1 w postaci kanonicznej."
                                        << "f(x) = 2(x − 1)² − 3";
        QTest::newRow("factored form") << "Zapisz funkcję f(x) = 2x² − 8x + 6 w postaci iloczynowej." << "f(x) = 2(x − 1)(x − 3)";
        QTest::newRow("set of values") << "Podaj zbiór wartości funkcji f(x) = x² − 2x − 2." << "ZW = ⟨−3; +∞)";
        QTest::newRow("increasing") << "Wyznacz przedział, w którym funkcja f(x) = x² − 2x − 2 jest rosnąca."
                                    << "funkcja jest rosnąca w przedziale ⟨1; +∞)";
        QTest::newRow("monotonicity downwards") << "Podaj przedziały monotoniczności funkcji f(x) = −x² + 4x."
                                                << "funkcja jest rosnąca w przedziale (−∞; 2⟩ i malejąca w przedziale ⟨2; +∞)";
        QTest::newRow("least value") << "Podaj najmniejszą wartość funkcji f(x) = x² − 6x + 5."
                                     << "najmniejsza wartość funkcji to −4";
        QTest::newRow("zeros and axis together") << "Wyznacz miejsca zerowe funkcji f(x) = x² − 4x + 3 i oś symetrii jej wykresu."
                                                 << "x₁ = 1, x₂ = 3, oś symetrii x = 2";
        // On ⟨0; 5) f(x) = (x − 2)² − 1 falls to −1 at 2, then rises towards f(5) = 8, never reached.
        QTest::newRow("set of values on an interval")
            << "Wyznacz zbiór wartości funkcji f(x) = x² − 4x + 3 w przedziale ⟨0; 5)."
            << "najmniejsza wartość funkcji w przedziale ⟨0; 5) to f(2) = −1. Funkcja nie przyjmuje w tym przedziale "
               "wartości największej; zbiór wartości funkcji w przedziale ⟨0; 5) to ⟨−1; 8)";
        // x² + x − 6 = (x + 3)(x − 2); f(0) = −6.
        QTest::newRow("points on the x axis") << "Wyznacz punkty przecięcia wykresu funkcji f(x) = x² + x − 6 z osią OX."
                                              << "punkty przecięcia z osią OX: (−3; 0), (2; 0)";
        QTest::newRow("points on both axes")
            << "Wyznacz punkty przecięcia wykresu funkcji f(x) = x² + x − 6 z osiami układu współrzędnych."
            << "punkty przecięcia z osią OX: (−3; 0), (2; 0), punkt przecięcia z osią OY: (0; −6)";
        QTest::newRow("the point on the y axis") << "Oblicz współrzędne punktu przecięcia paraboli y = 2x² − 3x + 5 z osią OY."
                                                 << "punkt przecięcia z osią OY: (0; 5)";
        // Given, not asked: a(x + 1)(x − 3) with f(1) = −4a = 8; a(x + 2)(x − 4) with f(0) = −8a = −8.
        QTest::newRow("zeros given in words") << "Wyznacz wzór funkcji kwadratowej f, której miejscami zerowymi są x₁ = −1 "
                                                 "i x₂ = 3, a do jej wykresu należy punkt (1; 8)."
                                              << "f(x) = −2x² + 4x + 6";
        QTest::newRow("a function that has its zeros") << "Funkcja kwadratowa f ma miejsca zerowe −2 i 4, a jej wykres "
                                                          "przechodzi przez punkt (0; −8). Wyznacz wzór funkcji f."
                                                       << "f(x) = x² − 2x − 8";
        // Inflections, capitals, no Polish letters, the sentence around the formulas.
        QTest::newRow("capitals without Polish letters") << "WYZNACZ WSPOLRZEDNE WIERZCHOLKA PARABOLI y = x^2 + 2x"
                                                         << "W = (−1; −1)";
        QTest::newRow("a formula from its zeros and a point")
            << "Wyznacz wzór funkcji kwadratowej, której miejsca zerowe to −1 i 3, a wykres przechodzi przez punkt (0; 6)."
            << "f(x) = −2x² + 4x + 6";
        QTest::newRow("a vertex given in words, the form asked")
            << "Wyznacz wzór funkcji kwadratowej w postaci kanonicznej, wiedząc, że jej wierzchołek to W = (1; −3) i "
               "wykres przechodzi przez punkt (2; −1)."
            << "f(x) = 2(x − 1)² − 3";
        QTest::newRow("an inequality asked to be solved") << "Rozwiąż nierówność x² − 5x ≤ 14." << "x ∈ ⟨−2; 7⟩";
        QTest::newRow("extremes on an interval and the zeros")
            << "Wyznacz najmniejszą i największą wartość funkcji f(x) = x² − 4x + 3 w przedziale ⟨−1; 4⟩ oraz jej miejsca zerowe."
            << "najmniejsza wartość funkcji w przedziale ⟨−1; 4⟩ to f(2) = −1, największa to f(−1) = 8, x₁ = 1, x₂ = 3";
        // Phrasings of a parameter task, answers worked out by hand.
        // Δ = (m − 6)(m + 2) > 0, x₁ + x₂ = m < 0, x₁x₂ = m + 3 > 0.
        QTest::newRow("the parameter named after wartości") << "Dla jakich wartości m równanie x² − mx + m + 3 = 0 ma dwa różne rozwiązania ujemne?"
                                                            << "m ∈ (−3; −2)";
        QTest::newRow("a count in digits, no Polish letters, m∈R")
            << "Rownanie x^2+mx+4=0, m∈R, ma 2 rozne rozwiazania. Wyznacz m." << "m ∈ (−∞; −4) ∪ (4; +∞)";
        QTest::newRow("common points with the x axis") << "Wyznacz wartości parametru m, dla których wykres funkcji "
                                                          "f(x) = x² + mx + 4 ma dwa punkty wspólne z osią OX."
                                                       << "m ∈ (−∞; −4) ∪ (4; +∞)";
        // m ≠ 1, Δ = 4m(3 − 2m) > 0; 1/x₁ + 1/x₂ = −2m/(3m) = −2/3 < 1 wherever c = 3m ≠ 0.
        QTest::newRow("a relation that is a constant") << "Wyznacz wartości parametru m, dla których równanie (m − 1)x² + "
                                                          "2mx + 3m = 0 ma dwa rozwiązania x1, x2 spełniające warunek "
                                                          "1/x1 + 1/x2 < 1."
                                                       << "m ∈ (0; 1) ∪ (1; 1,5)";
        // m = 0: 2x + 1 = 0 has a solution; else Δ = 4 − 4m ≥ 0.
        QTest::newRow("has solutions") << "Dla jakich m równanie mx^2 + 2x + 1 = 0 ma rozwiązania?" << "m ∈ (−∞; 1⟩";
        QTest::newRow("a function named before its formula") << "Oblicz miejsca zerowe funkcji f, gdzie f(x) = x² − 4."
                                                             << "x₁ = −2, x₂ = 2";
        // The axis gives b = −6; the point, 1 − 6 + c = 2.
        QTest::newRow("the axis said in words") << "Wyznacz wzór funkcji kwadratowej f(x) = x² + bx + c, wiedząc, że punkt "
                                                   "(1; 2) należy do wykresu i oś symetrii ma równanie x = 3."
                                                << "f(x) = x² − 6x + 7";
        // Expressions in the roots; x² − 5x + 6 = 0 has the roots 2 and 3.
        QTest::newRow("sum of squares") << "Nie rozwiązując równania x² − 5x + 6 = 0, oblicz x₁² + x₂²." << "x₁² + x₂² = 13";
        QTest::newRow("sum of reciprocals") << "x^2 - 5x + 6 = 0, oblicz 1/x1 + 1/x2" << "1/x₁ + 1/x₂ = 5/6";
        QTest::newRow("sum of cubes") << "x^2 - 5x + 6 = 0. Oblicz x1^3 + x2^3" << "x₁³ + x₂³ = 35";
        QTest::newRow("quotients") << "x^2 - 5x + 6 = 0, oblicz x1/x2 + x2/x1" << "x₁/x₂ + x₂/x₁ = 13/6";
        QTest::newRow("square of the difference") << "x^2 - 5x + 6 = 0, oblicz (x1 - x2)^2" << "(x₁ − x₂)² = 1";
        QTest::newRow("distance of irrational roots") << "x² − 5x + 3 = 0, oblicz |x₁ − x₂|" << "|x₁ − x₂| = √13";
        QTest::newRow("roots 3 and −1/2") << "2x² − 5x − 3 = 0, oblicz 1/x₁² + 1/x₂²" << "1/x₁² + 1/x₂² = 37/9";
        QTest::newRow("no real roots") << "x² + x + 3 = 0, oblicz x₁² + x₂²"
                                       << "równanie nie ma pierwiastków, więc x₁² + x₂² nie istnieje.";
        QTest::newRow("a root 0 in the denominator") << "x² − 5x = 0, oblicz 1/x₁ + 1/x₂"
                                                     << "wyrażenie 1/x₁ + 1/x₂ nie istnieje (dzielenie przez 0).";
        // Degree 3 and 4, their zeros known.
        QTest::newRow("three factors") << "Rozwiąż nierówność (x − 1)(x + 2)(x − 3) > 0." << "x ∈ (−2; 1) ∪ (3; +∞)";
        QTest::newRow("a cubic with x") << "x³ − 2x² − 3x ≥ 0" << "x ∈ ⟨−1; 0⟩ ∪ ⟨3; +∞)";
        QTest::newRow("a biquadratic equation") << "x⁴ − 5x² + 4 = 0" << "x = −2 lub x = −1 lub x = 1 lub x = 2";
        QTest::newRow("a double zero") << "x³ − x² − x + 1 ≤ 0" << "x ∈ (−∞; −1⟩ ∪ {1}";
        QTest::newRow("a negative leading coefficient") << "−x³ + 4x < 0" << "x ∈ (−2; 0) ∪ (2; +∞)";
        QTest::newRow("irrational zeros") << "x⁴ − 2x² < 0" << "x ∈ (−√2; 0) ∪ (0; √2)";
        QTest::newRow("no real zeros") << "x⁴ + 4 = 0" << "równanie nie ma rozwiązań.";
        QTest::newRow("two double zeros") << "(x − 1)²(x + 3)² ≤ 0" << "x ∈ {−3; 1}";
        QTest::newRow("moved to one side") << "2x³ = x²" << "x = 0 lub x = 0,5";
    }

    // Each answered as worked out by hand; the task line read again gives the same task.
    void answered() {
        QFETCH(QString, task);
        QFETCH(QString, answer);
        QCOMPARE(solvedAnswer(task), "Odpowiedź: " + answer);
        const auto read = task::ReadTask(task.toStdString());
        const std::string understood = task::SolveTask(std::get<task::Problem>(read)).task;
        const auto again = task::ReadTask(understood);
        QVERIFY2(std::holds_alternative<task::Problem>(again), understood.c_str());
        QCOMPARE(task::SolveTask(std::get<task::Problem>(again)).task, understood);
    }

    // The whole worked solution of a parameter task, each line worked out by hand:
    // Δ = (m − 2)² − 4(m + 1) = m² − 8m; no step said twice, none left out.
    void parameterSteps() {
        const auto read = task::ReadTask("Wyznacz wszystkie wartości parametru m, dla których równanie "
                                         "x² + (m − 2)x + m + 1 = 0 ma dwa różne rozwiązania dodatnie.");
        const QString text = QString::fromStdString(task::SolveTask(std::get<task::Problem>(read)).text);
        QCOMPARE(text.split('\n'), QStringList({
            "Zadanie: Wyznacz wartości parametru m, dla których równanie x² + (m − 2)x + m + 1 = 0 ma dwa różne "
            "rozwiązania dodatnie.",
            "a = 1, b = m − 2, c = m + 1",
            "Warunki dla równania kwadratowego: Δ > 0, x₁ + x₂ > 0 i x₁ · x₂ > 0.",
            "1) Δ > 0",
            "Δ = b² − 4ac = (m − 2)² − 4 · 1 · (m + 1) = m² − 8m",
            "m² − 8m > 0",
            "m(m − 8) > 0",
            "Miejsca zerowe: m = 0 lub m = 8",
            "m ∈ (−∞; 0) ∪ (8; +∞)",
            "2) x₁ + x₂ > 0",
            "x₁ + x₂ = −b/a = −m + 2",
            "−m + 2 > 0",
            "m ∈ (−∞; 2)",
            "3) x₁ · x₂ > 0",
            "x₁ · x₂ = c/a = m + 1",
            "m + 1 > 0",
            "m ∈ (−1; +∞)",
            "Część wspólna warunków: m ∈ (−1; 0)",
            "Odpowiedź: m ∈ (−1; 0)",
        }));
    }
};

QTEST_APPLESS_MAIN(SentencesTest)
#include "tst_sentences.moc"
