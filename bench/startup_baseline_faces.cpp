// The bare toolkit drawing what Zerowik's faces cost: one window whose labels
// show a caption in the default font and one in each font of the window's
// looks, with the settings the window gives them.
#include <QApplication>
#include <QLabel>
#include <QVBoxLayout>
#include <QWidget>

#include "app/WindowBuilder.h"

int main(int argc, char* argv[]) {
    using app::design::Look;
    QApplication application(argc, argv);
    QWidget window;
    auto* column = new QVBoxLayout(&window);
    column->addWidget(new QLabel(QStringLiteral("Funkcja  kwadratowa")));
    for (Look look : {Look::Button, Look::Prompt, Look::Banner, Look::Greeting}) {
        auto* label = new QLabel(QStringLiteral("Przyjemnej pracy !"));
        label->setFont(app::LookFont(look));
        column->addWidget(label);
    }
    window.resize(594, 419);
    window.show();
    return application.exec();
}
