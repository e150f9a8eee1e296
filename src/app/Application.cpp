#include "app/Application.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#ifdef __GLIBC__
#include <malloc.h>
#endif

#include "app/ImageList.h"

namespace app {

void ConfigureApplication(QApplication& application, QTranslator& qtTranslation) {
#ifdef __GLIBC__
    // Large blocks (a pasted megabyte of text, its layout) go back to the
    // system when freed; glibc would otherwise raise this threshold after
    // each and keep the next ones for itself.
    mallopt(M_MMAP_THRESHOLD, 512 * 1024);
#endif
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
