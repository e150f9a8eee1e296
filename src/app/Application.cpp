#include "app/Application.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

// Resources of a static library must be registered by hand.
static void registerIcons() { Q_INIT_RESOURCE(resources); }

namespace app {

void ConfigureApplication(QApplication& application, QTranslator& qtTranslation) {
    registerIcons();
    // No display name: Qt would append it to the window's title.
    QCoreApplication::setApplicationName(QStringLiteral("Zerowik"));
    QCoreApplication::setApplicationVersion(QStringLiteral("1.00"));
    QGuiApplication::setDesktopFileName(QStringLiteral("pl.zerowik.Zerowik"));
    QGuiApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/zerowik.svg")));
    if (qtTranslation.load(QLocale(QLocale::Polish, QLocale::Poland), QStringLiteral("qtbase"),
                           QStringLiteral("_"),
                           QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        application.installTranslator(&qtTranslation);
    }
}

}  // namespace app
