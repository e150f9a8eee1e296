// The bare toolkit: one window with one label.
#include <QApplication>
#include <QLabel>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QLabel label(QStringLiteral("Funkcja  kwadratowa"));
    label.resize(594, 419);
    label.show();
    return application.exec();
}
