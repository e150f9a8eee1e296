#include "app/PictureIcon.h"

#include <QApplication>
#include <QIconEngine>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QStyle>
#include <QStyleOption>

#include <algorithm>
#include <vector>

#include "app/EmbeddedPictures.h"

namespace app {

namespace {

// Like Qt's own engine for pictures in files, except that the pictures are
// compiled in and a size becomes a pixmap only when it is first needed.
class PictureEngine : public QIconEngine {
public:
    struct Size {
        int pixels;
        const std::uint32_t* argb;
        QPixmap made;  // empty until first needed
    };

    explicit PictureEngine(std::vector<Size> sizes) : sizes_(std::move(sizes)) {}

    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State,
                         qreal) override {
        if (sizes_.empty()) return {};
        QPixmap pixmap = bestFor(size);
        if (pixmap.width() > size.width() || pixmap.height() > size.height()) {
            pixmap = pixmap.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        }
        if (mode == QIcon::Normal) return pixmap;
        QStyleOption option;
        option.palette = QGuiApplication::palette();
        return QApplication::style()->generatedIconPixmap(mode, pixmap, &option);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return scaledPixmap(size, mode, state, 1.0);
    }
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
        const qreal ratio = painter->device()->devicePixelRatio();
        QPixmap pixmap = scaledPixmap(rect.size() * ratio, mode, state, ratio);
        pixmap.setDevicePixelRatio(ratio);
        painter->drawPixmap(rect, pixmap);
    }
    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override {
        if (sizes_.empty()) return {};
        const Size& best = entryFor(size);
        return QSize(best.pixels, best.pixels).boundedTo(size);
    }
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
        QList<QSize> all;
        for (const Size& s : sizes_) all << QSize(s.pixels, s.pixels);
        return all;
    }
    bool isNull() override { return sizes_.empty(); }
    QString key() const override { return QStringLiteral("PictureEngine"); }
    QIconEngine* clone() const override { return new PictureEngine(*this); }

private:
    // The smallest that is large enough, else the largest there is.
    Size& entryFor(const QSize& size) {
        const int wanted = std::max(size.width(), size.height());
        for (Size& s : sizes_) {
            if (s.pixels >= wanted) return s;
        }
        return sizes_.back();
    }

    const QPixmap& bestFor(const QSize& size) {
        Size& best = entryFor(size);
        if (best.made.isNull()) {
            const QImage pixels(reinterpret_cast<const uchar*>(best.argb), best.pixels,
                                best.pixels, best.pixels * 4, QImage::Format_ARGB32_Premultiplied);
            best.made = QPixmap::fromImage(pixels);
        }
        return best.made;
    }

    std::vector<Size> sizes_;  // smallest first
};

}  // namespace

QIcon PictureIcon(const QString& name) {
    std::vector<PictureEngine::Size> sizes;
    for (const EmbeddedPicture& picture : EmbeddedPictures()) {
        if (name == QLatin1String(picture.name)) sizes.push_back({picture.pixels, picture.argb, {}});
    }
    return QIcon(new PictureEngine(std::move(sizes)));
}

}  // namespace app
