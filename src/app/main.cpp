#include <QApplication>
#include <QTranslator>

#include "app/Application.h"
#include "app/FontWarmUp.h"
#include "app/Form1.h"
#include "app/Module1.h"

int main(int argc, char* argv[]) {
    app::FontWarmUp fonts;
    QApplication application(argc, argv);
    fonts.applicationReady();
    QTranslator qtTranslation;
    app::ConfigureApplication(application, qtTranslation);
    fonts.waitForConfiguration();

    app::Module1 module;
    app::Form1 form(module);
    form.show();
    return application.exec();
}
