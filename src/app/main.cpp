#include <QApplication>
#include <QTranslator>

#include <optional>

#include "app/Application.h"
#include "app/CommandLine.h"
#include "app/Form1.h"
#include "app/Module1.h"

int main(int argc, char* argv[]) {
    if (const auto status = app::AnswerCommandLine(argc, argv)) return *status;
    std::optional<QApplication> application;
    {
        const app::DisplayGuard guard;
        application.emplace(argc, argv);
    }
    QTranslator qtTranslation;
    app::ConfigureApplication(*application, qtTranslation);

    app::Module1 module;
    app::Form1 form(module);
    form.show();
    return application->exec();
}
