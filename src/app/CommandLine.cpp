#include "app/CommandLine.h"

#include <QString>
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/Application.h"
#include "solution/WorkedSolution.h"
#include "solver/Calculation.h"
#include "task/Task.h"
#include "task/TaskSolution.h"

namespace app {

namespace {

const char* const usage =
    "Użycie: zerowik [--help | --version | --solve A B C | --solve \"ZADANIE\"]\n"
    "Zerowik liczy deltę i miejsca zerowe funkcji kwadratowej y = a·x² + b·x + c\n"
    "i rysuje jej wykres. Współczynniki wpisuje się w oknie programu.\n"
    "  --help             pokazuje ten opis\n"
    "  --version          pokazuje wersję programu\n"
    "  --solve A B C      wypisuje rozwiązanie krok po kroku dla a = A, b = B, c = C\n"
    "                     (bez okna; liczba może zaczynać się od minusa: --solve 1 -3 2)\n"
    "  --solve \"ZADANIE\"  wypisuje rozwiązanie zadania zapisanego jak w podręczniku:\n"
    "                     --solve \"x^2 - 5x <= 14\"\n"
    "                     --solve \"f(x) = -2(x+1)^2 + 8\"\n"
    "                     --solve \"x² − 3 = 2x + 1\"\n"
    "                     --solve \"f(x) = x² − 4x + 3, x ∈ <-1; 4>\"\n"
    "                     --solve \"1/2x^2 - x - 2 = x + 4\"   (także punkty wspólne)\n"
    "                     --solve \"x2-5x=<14\"   (x2 to x², =< to ≤)\n"
    "                     --solve \"y = x^2, y = 2x - 1\"   (punkty wspólne dwóch wykresów)\n"
    "                     --solve \"x^2 + y = 4, 2x - y = 5\"   (układ równań)\n"
    "                     --solve \"W = (1; 5), f(2) = 7\"   (wzór funkcji z warunków)\n"
    "                     --solve \"h(t) = -5t^2 + 5t + 10, t ∈ <0; 2>\"   (inna litera)\n"
    "                     --solve \"Wyznacz współrzędne wierzchołka paraboli y = 2x^2 - 4x + 1.\"\n"
    "                     --solve \"Dla jakich wartości parametru m równanie x^2 + mx + 4 = 0\n"
    "                              ma dwa różne rozwiązania?\"   (parametr)\n"
    "                     --solve \"x^2 - 5x + 3 = 0, oblicz x1^2 + x2^2\"   (wzory Viète'a)\n"
    "                     --solve \"(x - 1)(x + 2)(x - 3) > 0\"   (stopień 3 i 4)\n"
    "Usage: zerowik [--help | --version | --solve A B C | --solve \"TASK\"]; it computes and draws\n"
    "the zeros of a quadratic function, or prints the worked solution of a function, an\n"
    "equation or an inequality, the common points of two graphs, a system of two equations,\n"
    "or a quadratic function found from its conditions; a task pasted whole, sentence and all,\n"
    "with a parameter, an expression in the roots, or of degree 3 or 4.\n";

const char* const noDisplay =
    "Zerowik potrzebuje ekranu graficznego, a nie może się z żadnym połączyć.\n";

// The toolkit's messages while the application object is made; a message
// handler is a plain function, so they wait here.
std::vector<std::string> heldMessages;
QtMessageHandler previousHandler = nullptr;

void holdMessage(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtFatalMsg) {
        std::fputs(noDisplay, stderr);
        std::_Exit(1);
    }
    heldMessages.push_back(qFormatLogMessage(type, context, message).toStdString());
}

// What the program prints for the user: status 0, or 1 where it could not
// be written (a full disk, a closed pipe).
int print(const std::string& text) {
    std::fputs(text.c_str(), stdout);
    if (std::fflush(stdout) == 0 && !std::ferror(stdout)) return 0;
    std::fputs("zerowik: nie można zapisać wyniku na standardowe wyjście.\n", stderr);
    return 1;
}

int refuse(const std::string& complaint) {
    std::fprintf(stderr, "zerowik: %s\nSpróbuj: zerowik --help\n", complaint.c_str());
    return 2;
}

// The worked solution for the three texts as the window would read them;
// the window's own message where it would refuse them.
int solve(const char* a, const char* b, const char* c) {
    const auto outcome = solver::Calculate(a, b, c, {});
    if (const auto* message = std::get_if<solver::CalculationMessage>(&outcome)) {
        std::fprintf(stderr, "%s\n", message->text.c_str());
        return 2;
    }
    return print(solution::WorkedSolution(std::get<solver::CalculationResult>(outcome).exact).text + "\n");
}

// The worked solution of a task as the textbook writes it; where it cannot
// be read, what and where.
int solveTask(const char* text) {
    const auto read = task::ReadTask(text);
    if (const auto* error = std::get_if<task::TaskError>(&read)) {
        std::fprintf(stderr, "%s\n", error->message.c_str());
        return 2;
    }
    return print(task::SolveTask(std::get<task::Problem>(read)).text + "\n");
}

}  // namespace

std::optional<int> AnswerCommandLine(int argc, char* argv[]) {
    if (argc < 2) return std::nullopt;
    const std::string first = argv[1];
    if (first == "--help" && argc == 2) return print(usage);
    if (first == "--version" && argc == 2) return print(std::string("Zerowik ") + Version + "\n");
    if (first == "--solve") {
        // The three that follow are numbers whatever they begin with; one is a task.
        if (argc == 3) return solveTask(argv[2]);
        if (argc != 5) return refuse("--solve potrzebuje trzech liczb a, b i c albo jednego zadania w cudzysłowie.");
        return solve(argv[2], argv[3], argv[4]);
    }
    if (first == "--help" || first == "--version") return refuse("po " + first + " nie podaje się nic więcej.");
    if (first.starts_with('-')) return refuse("nieznana opcja: " + first);
    return refuse("nieoczekiwany argument: " + first);
}

DisplayGuard::DisplayGuard() { previousHandler = qInstallMessageHandler(holdMessage); }

DisplayGuard::~DisplayGuard() {
    qInstallMessageHandler(previousHandler);
    for (const std::string& message : heldMessages) std::fprintf(stderr, "%s\n", message.c_str());
    heldMessages.clear();
}

}  // namespace app
