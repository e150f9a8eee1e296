#include <QApplication>
#include <QTranslator>

#include "app/Application.h"
#include "app/Form1.h"
#include "app/Module1.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QTranslator qtTranslation;
    app::ConfigureApplication(application, qtTranslation);

    app::Module1 module;
    app::Form1 form(module);
    form.show();
    return application.exec();
}
