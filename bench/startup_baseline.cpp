// The bare toolkit: one window with one label, watched the same way.
#include <QApplication>
#include <QLabel>

#include "StartupProbe.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QLabel label(QStringLiteral("Funkcja  kwadratowa"));
    label.resize(594, 419);
    StartupProbe probe(&label);
    label.show();
    return application.exec();
}
