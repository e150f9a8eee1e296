#include "app/ImageList.h"

#include "app/WindowDescription.h"

namespace app {

ImageList::ImageList(QObject* parent) : QObject(parent) {
    for (const char* file : design::Images()) images_ << QIcon(QString::fromUtf8(file));
}

}  // namespace app
