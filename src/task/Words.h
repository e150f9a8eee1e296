#pragma once

#include <string>
#include <string_view>

// The words of a task copied as printed, each with what it says; a word not
// here is refused, since a skipped one ("nie") could turn the task around.
namespace task::words {

enum class Meaning {
    Filler,      // says nothing the formulas do not: "wyznacz", "funkcji", "której"
    Statement,   // begins or joins a statement the formulas make: "dla", "w", "należy", "to"
    Vertex,      // "wierzchołka"
    Canonical,   // "kanonicznej" (postaci)
    Factored,    // "iloczynowej"
    General,     // "ogólnej"
    Place,       // "miejsca" (zerowe)
    Zero,        // "zerowe"
    Axis,        // "oś"
    Symmetry,    // "symetrii"
    Set,         // "zbiór" (wartości)
    ValueSet,    // "ZW"
    Values,      // "wartości"
    Monotonic,   // "monotoniczności"
    Increasing,  // "rosnąca"
    Decreasing,  // "malejąca"
    Least,       // "najmniejszą" (wartość)
    Greatest,    // "największą"
    Point,       // "punkty"
    Common,      // "wspólne", "przecięcia"
    Formula,     // "wzór"
    Solve,       // "rozwiąż"
    Compute,     // "oblicz"
    Parameter,   // "parametru"
    Not,         // "nie"
    Solving,     // "rozwiązując", only after "nie"
    Has,         // "ma"
    Two,         // "dwa"
    One,         // "jedno"
    Distinct,    // "różne"
    Roots,       // "rozwiązania", "pierwiastki"
    Positive,    // "dodatnie"
    Negative,    // "ujemne"
    Signs,       // "znaków"
    Same,        // "jednakowych" (znaków)
    Takes,       // "przyjmuje"
    Only,        // "tylko"
    Reals,       // "ℝ"
    AxisX,       // "OX"
    AxisY,       // "OY"
    Axes,        // "osiami" (układu współrzędnych)
};

struct Entry {
    std::u32string_view form;
    Meaning meaning;
};

// Every form, small letters with Polish ones; looked up without them too.
inline constexpr Entry table[] = {
    // What a pupil is told to do, and the words that only join the sentence.
    {U"wyznacz", Meaning::Filler}, {U"wyznaczyć", Meaning::Filler}, {U"podaj", Meaning::Filler},
    {U"napisz", Meaning::Filler}, {U"zapisz", Meaning::Filler}, {U"znajdź", Meaning::Filler},
    {U"wyznaczamy", Meaning::Filler}, {U"jakich", Meaning::Filler}, {U"których", Meaning::Filler},
    {U"której", Meaning::Filler}, {U"którego", Meaning::Filler}, {U"wszystkie", Meaning::Filler},
    {U"wszystkich", Meaning::Filler}, {U"wartość", Meaning::Values}, {U"wartości", Meaning::Values},
    {U"liczby", Meaning::Filler}, {U"równanie", Meaning::Filler}, {U"równania", Meaning::Filler},
    {U"nierówność", Meaning::Filler}, {U"nierówności", Meaning::Filler}, {U"funkcja", Meaning::Filler},
    {U"funkcji", Meaning::Filler}, {U"funkcję", Meaning::Filler}, {U"kwadratowa", Meaning::Filler},
    {U"kwadratowej", Meaning::Filler}, {U"kwadratową", Meaning::Filler}, {U"parabola", Meaning::Filler},
    {U"paraboli", Meaning::Filler}, {U"parabolę", Meaning::Filler}, {U"prosta", Meaning::Filler},
    {U"prostej", Meaning::Filler}, {U"prostą", Meaning::Filler}, {U"wykres", Meaning::Filler},
    {U"wykresu", Meaning::Filler}, {U"wykresy", Meaning::Filler}, {U"wykresów", Meaning::Filler},
    {U"tak", Meaning::Filler}, {U"aby", Meaning::Filler}, {U"żeby", Meaning::Filler},
    {U"że", Meaning::Filler}, {U"wiedząc", Meaning::Filler}, {U"przechodzi", Meaning::Filler},
    {U"przez", Meaning::Filler}, {U"jest", Meaning::Filler}, {U"są", Meaning::Filler}, {U"jej", Meaning::Filler},
    {U"jego", Meaning::Filler}, {U"określonej", Meaning::Filler}, {U"określona", Meaning::Filler},
    {U"wzorem", Meaning::Filler}, {U"rzeczywistej", Meaning::Filler}, {U"rzeczywistych", Meaning::Filler},
    {U"współrzędne", Meaning::Filler}, {U"współrzędnych", Meaning::Filler}, {U"postaci", Meaning::Filler},
    {U"postać", Meaning::Filler}, {U"o", Meaning::Filler}, {U"a", Meaning::Filler}, {U"z", Meaning::Filler}, {U"gdzie", Meaning::Filler}, {U"jeśli", Meaning::Filler}, {U"jeżeli", Meaning::Filler}, {U"gdy", Meaning::Filler},
    {U"spełniające", Meaning::Filler}, {U"spełniają", Meaning::Filler}, {U"spełnione", Meaning::Filler},
    {U"warunek", Meaning::Filler}, {U"warunku", Meaning::Filler}, {U"takie", Meaning::Filler}, {U"takich", Meaning::Filler}, {U"spełniały", Meaning::Filler}, {U"spełnia", Meaning::Filler}, {U"zachodzi", Meaning::Filler}, {U"warunki", Meaning::Filler}, {U"jakiej", Meaning::Filler}, {U"którym", Meaning::Filler},
    {U"wierzchołkiem", Meaning::Filler}, {U"osi", Meaning::Filler}, {U"osią", Meaning::Filler},
    {U"przedziałach", Meaning::Filler}, {U"przedziały", Meaning::Filler}, {U"przedział", Meaning::Filler}, {U"przedziałów", Meaning::Filler},
    {U"przyjmuje", Meaning::Takes}, {U"przyjmowała", Meaning::Takes}, {U"przyjmują", Meaning::Takes},
    {U"tylko", Meaning::Only}, {U"wyłącznie", Meaning::Only}, {U"dane", Meaning::Filler}, {U"dana", Meaning::Filler},
    {U"dany", Meaning::Filler}, {U"zadanie", Meaning::Filler}, {U"tej", Meaning::Filler}, {U"te", Meaning::Filler},
    {U"tę", Meaning::Filler}, {U"następnie", Meaning::Filler}, {U"potem", Meaning::Filler},
    {U"wyrażenia", Meaning::Filler}, {U"wyrażenie", Meaning::Filler}, {U"rzeczywiste", Meaning::Filler},
    {U"osiami", Meaning::Axes}, {U"układu", Meaning::Filler}, {U"zbiorze", Meaning::Filler},
    {U"liczb", Meaning::Filler}, {U"przedstaw", Meaning::Filler}, {U"określ", Meaning::Filler},
    {U"sprowadź", Meaning::Filler}, {U"rozłóż", Meaning::Filler}, {U"trójmian", Meaning::Filler},
    {U"trójmianu", Meaning::Filler}, {U"która", Meaning::Filler}, {U"jakim", Meaning::Filler},
    {U"będącej", Meaning::Filler}, {U"równaniu", Meaning::Filler}, {U"wykresem", Meaning::Filler},
    {U"czynniki", Meaning::Filler}, {U"na", Meaning::Filler}, {U"pierwiastkach", Meaning::Roots}, {U"OX", Meaning::AxisX}, {U"OY", Meaning::AxisY},
    // Words the formulas' statements begin or join with.
    {U"dla", Meaning::Statement}, {U"w", Meaning::Statement}, {U"przedziale", Meaning::Statement},
    {U"należy", Meaning::Statement}, {U"należą", Meaning::Statement}, {U"do", Meaning::Statement},
    {U"in", Meaning::Statement}, {U"i", Meaning::Statement}, {U"oraz", Meaning::Statement}, {U"to", Meaning::Statement},
    // What is asked of a function.
    {U"wierzchołek", Meaning::Vertex}, {U"wierzchołka", Meaning::Vertex}, {U"kanoniczna", Meaning::Canonical},
    {U"kanonicznej", Meaning::Canonical}, {U"kanoniczną", Meaning::Canonical}, {U"iloczynowa", Meaning::Factored},
    {U"iloczynowej", Meaning::Factored}, {U"iloczynową", Meaning::Factored}, {U"ogólna", Meaning::General},
    {U"ogólnej", Meaning::General}, {U"ogólną", Meaning::General}, {U"miejsca", Meaning::Place},
    {U"miejsce", Meaning::Place}, {U"miejsc", Meaning::Place}, {U"miejscami", Meaning::Place}, {U"zerowe", Meaning::Zero},
    {U"zerowych", Meaning::Zero}, {U"zerowego", Meaning::Zero}, {U"zerowymi", Meaning::Zero}, {U"oś", Meaning::Axis},
    {U"symetrii", Meaning::Symmetry}, {U"zbiór", Meaning::Set}, {U"zbioru", Meaning::Set},
    {U"ZW", Meaning::ValueSet}, {U"monotoniczności", Meaning::Monotonic}, {U"rosnąca", Meaning::Increasing},
    {U"rosnąco", Meaning::Increasing}, {U"rośnie", Meaning::Increasing}, {U"malejąca", Meaning::Decreasing},
    {U"malejąco", Meaning::Decreasing}, {U"maleje", Meaning::Decreasing}, {U"najmniejszą", Meaning::Least},
    {U"najmniejsza", Meaning::Least}, {U"największą", Meaning::Greatest}, {U"największa", Meaning::Greatest},
    {U"punkty", Meaning::Point}, {U"punkt", Meaning::Point}, {U"punktów", Meaning::Point},
    {U"punktu", Meaning::Point}, {U"wspólne", Meaning::Common}, {U"wspólnych", Meaning::Common},
    {U"wspólny", Meaning::Common}, {U"przecięcia", Meaning::Common}, {U"wzór", Meaning::Formula},
    {U"wzoru", Meaning::Formula}, {U"rozwiąż", Meaning::Solve}, {U"rozwiązać", Meaning::Solve},
    {U"oblicz", Meaning::Compute}, {U"obliczyć", Meaning::Compute},
    // A parameter, and what its equation or function must do.
    {U"parametru", Meaning::Parameter}, {U"parametr", Meaning::Parameter}, {U"nie", Meaning::Not},
    {U"rozwiązując", Meaning::Solving}, {U"obliczając", Meaning::Solving}, {U"wyznaczając", Meaning::Solving}, {U"ma", Meaning::Has}, {U"miało", Meaning::Has}, {U"miała", Meaning::Has},
    {U"mają", Meaning::Has}, {U"posiada", Meaning::Has}, {U"dwa", Meaning::Two}, {U"dwie", Meaning::Two},
    {U"jedno", Meaning::One}, {U"jeden", Meaning::One}, {U"dokładnie", Meaning::Filler},
    {U"różne", Meaning::Distinct}, {U"różnych", Meaning::Distinct}, {U"rozwiązania", Meaning::Roots},
    {U"rozwiązanie", Meaning::Roots}, {U"rozwiązań", Meaning::Roots}, {U"pierwiastki", Meaning::Roots},
    {U"pierwiastek", Meaning::Roots}, {U"pierwiastków", Meaning::Roots}, {U"pierwiastkami", Meaning::Roots},
    {U"rozwiązaniami", Meaning::Roots}, {U"dodatnie", Meaning::Positive},
    {U"dodatnich", Meaning::Positive}, {U"ujemne", Meaning::Negative}, {U"ujemnych", Meaning::Negative},
    {U"znaków", Meaning::Signs}, {U"jednakowych", Meaning::Same}, {U"ℝ", Meaning::Reals},
};

// The entry of LETTERS in any case, typed with Polish letters or without
// them ("wierzcholka"); nullptr for a word not in the table.
const Entry* Find(std::u32string_view letters);

}  // namespace task::words
