#pragma once

#include <QIcon>
#include <QString>

namespace app {

// The picture NAME in every size the build made of it, so that each screen
// gets a sharp one. A size is only read when it is first drawn.
QIcon PictureIcon(const QString& name);

}  // namespace app
