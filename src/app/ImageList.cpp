#include "app/ImageList.h"

#include <QFile>
#include <QImageReader>
#include <QPixmap>

#include "app/DeferredIcon.h"
#include "app/WindowDescription.h"

namespace app {

// Every size the build made of the picture, among the usual icon sizes, so
// each screen gets a sharp one; read when the picture is first drawn. Read as
// PNG by name: guessing the format would load and ask every image plugin.
QIcon PictureIcon(const QString& name) {
    return DeferredIcon([name] {
        QIcon icon;
        for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
            const QString file = QStringLiteral(":/icons/%1-%2.png").arg(name).arg(size);
            if (!QFile::exists(file)) continue;
            QImageReader reader(file, "png");
            reader.setAutoDetectImageFormat(false);
            icon.addPixmap(QPixmap::fromImage(reader.read()));
        }
        return icon;
    });
}

ImageList::ImageList(QObject* parent) : QObject(parent) {
    for (const char* name : design::Images()) images_ << PictureIcon(QString::fromUtf8(name));
}

}  // namespace app
