#pragma once

#include <QColor>
#include <QWidget>

namespace app {

// The part of the window under the menu bar. Nothing on it follows its size
// but the toolbar, which keeps to its full width, and the chart's canvas,
// which covers all of it.
class ClientArea : public QWidget {
    Q_OBJECT

public:
    ClientArea(QColor background, QWidget* parent);

    void setToolbar(QWidget* toolbar) { toolbar_ = toolbar; }
    void setCanvas(QWidget* canvas) { canvas_ = canvas; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QColor background_;
    QWidget* toolbar_ = nullptr;
    QWidget* canvas_ = nullptr;
};

}  // namespace app
