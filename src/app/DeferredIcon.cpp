#include "app/DeferredIcon.h"

#include <QIconEngine>
#include <QPointer>
#include <QStyleOption>
#include <QWidget>

#include <memory>
#include <optional>

namespace app {

namespace {

class DeferredIconEngine : public QIconEngine {
public:
    explicit DeferredIconEngine(std::function<QIcon()> make)
        : icon_(std::make_shared<Made>(Made{std::move(make), std::nullopt})) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
        made().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return made().pixmap(size, 1.0, mode, state);
    }
    // SIZE is in device pixels here, the icon's own call wants it unscaled.
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override {
        return made().pixmap((QSizeF(size) / scale).toSize(), scale, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return made().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        return made().availableSizes(mode, state);
    }
    // It stands for a picture that is there: asking must not make it.
    bool isNull() override { return false; }
    QString key() const override { return QStringLiteral("DeferredIconEngine"); }
    QIconEngine* clone() const override { return new DeferredIconEngine(*this); }

private:
    struct Made {
        std::function<QIcon()> make;
        std::optional<QIcon> icon;
    };

    const QIcon& made() {
        if (!icon_->icon) icon_->icon = icon_->make();
        return *icon_->icon;
    }

    std::shared_ptr<Made> icon_;  // shared by copies, so it is made once
};

}  // namespace

QIcon DeferredIcon(std::function<QIcon()> make) {
    return QIcon(new DeferredIconEngine(std::move(make)));
}

QIcon DeferredIconStyle::standardIcon(StandardPixmap which, const QStyleOption* option,
                                      const QWidget* widget) const {
    // The option describes a moment gone by the time the icon is drawn: its
    // common part (direction, palette, state) is kept, as a plain option so
    // that nothing takes it for the richer one it was cut from.
    std::optional<QStyleOption> moment;
    if (option != nullptr) {
        moment = *option;
        moment->type = QStyleOption::SO_Default;
        moment->version = QStyleOption::Version;
    }
    // Tracked only to be handed back unchanged, or as null once it is gone.
    QPointer<QWidget> asker(const_cast<QWidget*>(widget));
    return DeferredIcon([base = baseStyle(), which, moment, asker] {
        return base->standardIcon(which, moment ? &*moment : nullptr, asker.data());
    });
}

}  // namespace app
