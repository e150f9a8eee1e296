// Zerowik's start as main() makes it, watched for its first frame.
#include <QApplication>
#include <QTranslator>

#include "StartupProbe.h"
#include "app/Application.h"
#include "app/Form1.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QTranslator qtTranslation;
    app::ConfigureApplication(application, qtTranslation);
    app::Module1 module;
    app::Form1 form(module);
    StartupProbe probe(&form);
    form.show();
    return application.exec();
}
