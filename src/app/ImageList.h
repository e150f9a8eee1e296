#pragma once

#include <QIcon>
#include <QList>
#include <QObject>

namespace app {

// The toolbar's pictures, never shown by themselves; image 1 is the first.
class ImageList : public QObject {
    Q_OBJECT

public:
    explicit ImageList(QObject* parent);

    QIcon image(int index) const { return images_.value(index - 1); }

private:
    QList<QIcon> images_;
};

// The picture NAME in every size the build made of it, so that each screen
// density gets a sharp one.
QIcon Picture(const QString& name);

}  // namespace app
