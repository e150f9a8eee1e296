#include "app/ImageList.h"

#include "app/PictureIcon.h"
#include "app/WindowDescription.h"

namespace app {

ImageList::ImageList(QObject* parent) : QObject(parent) {
    for (const char* name : design::Images()) images_ << PictureIcon(QString::fromUtf8(name));
}

}  // namespace app
