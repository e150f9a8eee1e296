#include "app/ImageList.h"

#include <QDir>

#include "app/WindowDescription.h"

namespace app {

ImageList::ImageList(QObject* parent) : QObject(parent) {
    for (const char* name : design::Images()) images_ << Picture(QString::fromUtf8(name));
}

// Each size is a file SIZE.png; named with its size, it is read only when drawn.
QIcon Picture(const QString& name) {
    const QDir sizes(QStringLiteral(":/pictures/") + name);
    QIcon icon;
    for (const QFileInfo& file : sizes.entryInfoList(QDir::Files)) {
        const int pixels = file.baseName().toInt();
        icon.addFile(file.filePath(), QSize(pixels, pixels));
    }
    return icon;
}

}  // namespace app
