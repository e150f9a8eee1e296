#include "app/Application.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "app/ImageList.h"

namespace app {

void ConfigureApplication(QApplication& application, QTranslator& qtTranslation) {
    // No display name: Qt would append it to the window's title.
    QCoreApplication::setApplicationName(QStringLiteral("Zerowik"));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(Version));
    QGuiApplication::setDesktopFileName(QStringLiteral("pl.zerowik.Zerowik"));
    QGuiApplication::setWindowIcon(Picture(QStringLiteral("zerowik")));
    if (qtTranslation.load(QLocale(QLocale::Polish, QLocale::Poland), QStringLiteral("qtbase"),
                           QStringLiteral("_"),
                           QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        application.installTranslator(&qtTranslation);
    }
}

}  // namespace app
