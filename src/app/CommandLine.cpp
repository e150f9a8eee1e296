#include "app/CommandLine.h"

#include <QString>
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "app/Application.h"

namespace app {

namespace {

const char* const usage =
    "Użycie: zerowik [--help | --version]\n"
    "Zerowik liczy deltę i miejsca zerowe funkcji kwadratowej y = a·x² + b·x + c\n"
    "i rysuje jej wykres. Współczynniki wpisuje się w oknie programu.\n"
    "  --help     pokazuje ten opis\n"
    "  --version  pokazuje wersję programu\n"
    "Usage: zerowik [--help | --version]; it computes and draws the zeros of a quadratic function.\n";

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

}  // namespace

std::optional<int> AnswerCommandLine(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0) {
            std::fputs(usage, stdout);
            return 0;
        }
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("Zerowik %s\n", Version);
            return 0;
        }
    }
    return std::nullopt;
}

DisplayGuard::DisplayGuard() { previousHandler = qInstallMessageHandler(holdMessage); }

DisplayGuard::~DisplayGuard() {
    qInstallMessageHandler(previousHandler);
    for (const std::string& message : heldMessages) std::fprintf(stderr, "%s\n", message.c_str());
    heldMessages.clear();
}

}  // namespace app
