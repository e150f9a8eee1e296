#include "app/WindowBuilder.h"

#include <QAction>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QToolBar>

#include <algorithm>
#include <type_traits>
#include <vector>

#include "app/ClientArea.h"
#include "app/EntryBox.h"
#include "app/ImageList.h"
#include "app/Colour.h"
#include "app/ResultLine.h"
#include "app/TaggedTimer.h"
#include "app/WindowCanvas.h"

namespace app {

namespace {

using namespace design;

void applyLook(QWidget& widget, Look look) {
    const LookStyle& style = StyleOf(look);
    widget.setFont(LookFont(look));
    QPalette palette = widget.palette();
    if (style.fill == Fill::Colour) {
        palette.setColor(QPalette::Window, qColour(style.background));
        widget.setAutoFillBackground(true);
    }
    if (style.textColour) {
        palette.setColor(QPalette::WindowText, qColour(*style.textColour));
        palette.setColor(QPalette::Text, qColour(*style.textColour));
    }
    widget.setPalette(palette);
    if (auto* frame = qobject_cast<QFrame*>(&widget); frame && style.sunkenBorder) {
        frame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        frame->setLineWidth(1);
    }
}

class Builder {
public:
    explicit Builder(QMainWindow& form) : form_(form) {}

    Form1Controls build() {
        form_.setObjectName(QStringLiteral("Form1"));
        form_.setWindowTitle(QString::fromUtf8(Window().title));
        buildMenus();
        client_ = new ClientArea(qColour(Window().background), &form_);
        form_.setCentralWidget(client_);
        dpi_ = client_->logicalDpiX();
        for (const Control& control : Controls()) {
            std::visit([&](auto slot) { c_.*slot = make(slot, control); }, control.slot);
        }
        addToolbarButtons();
        for (const Caption& caption : EntryCaptions()) (c_.*caption.label)->setBuddy(c_.*caption.box);
        c_.canvas = new WindowCanvas(client_);
        client_->setCanvas(c_.canvas);
        stackCanvasUnderInputs();
        setTabOrder();
        // A screen reader reads the banner's sentence once, not every tick.
        c_.LblNapis->setAccessibleName(QString::fromUtf8(Window().timerTag).trimmed());
        form_.resize(pixels(Window().clientWidth),
                     pixels(Window().clientHeight) + form_.menuBar()->sizeHint().height());
        // Smaller, it would only cut controls off.
        form_.setMinimumSize(form_.size());
        return c_;
    }

private:
    int pixels(int twips) const { return TwipsToPixels(twips, dpi_); }

    void buildMenus() {
        QMenu* menu = nullptr;
        for (const MenuEntry& entry : Menus()) {
            const QString caption = QString::fromUtf8(entry.caption);
            QObject* made = nullptr;
            if (auto* title = std::get_if<QMenu* Form1Controls::*>(&entry.slot)) {
                menu = c_.*(*title) = form_.menuBar()->addMenu(caption);
                made = menu;
            } else {
                QAction* item = caption == u"-" ? menu->addSeparator() : menu->addAction(caption);
                c_.*std::get<QAction* Form1Controls::*>(entry.slot) = item;
                made = item;
            }
            made->setObjectName(QString::fromUtf8(entry.name));
        }
    }

    QPushButton* make(QPushButton* Form1Controls::*, const Control& control) {
        auto* button = placed(new QPushButton(QString::fromUtf8(control.text), client_), control);
        button->setAutoDefault(false);
        return button;
    }

    EntryBox* make(EntryBox* Form1Controls::*, const Control& control) {
        auto* box = placed(new EntryBox(QString::fromUtf8(control.text), client_), control);
        box->setAlignment(Qt::AlignCenter);
        return box;
    }

    QLabel* make(QLabel* Form1Controls::*, const Control& control) {
        return captioned(new QLabel(client_), control);
    }

    ResultLine* make(ResultLine* Form1Controls::*, const Control& control) {
        return captioned(new ResultLine(client_), control);
    }

    template <typename L>
    L* captioned(L* label, const Control& control) {
        label->setTextFormat(Qt::PlainText);
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        label->setText(QString::fromUtf8(control.text));
        return placed(label, control);
    }

    QToolBar* make(QToolBar* Form1Controls::*, const Control& control) {
        auto* toolbar = placed(new QToolBar(client_), control);
        toolbar->setMovable(false);
        toolbar->setFloatable(false);
        toolbar->setIconSize(QSize(16, 16));
        toolbar->setToolButtonStyle(Qt::ToolButtonIconOnly);
        toolbar->layout()->setContentsMargins(0, 0, 0, 0);
        toolbar->layout()->setSpacing(0);
        client_->setToolbar(toolbar);
        return toolbar;
    }

    ImageList* make(ImageList* Form1Controls::*, const Control& control) {
        auto* images = new ImageList(&form_);
        images->setObjectName(QString::fromUtf8(control.name));
        return images;
    }

    TaggedTimer* make(TaggedTimer* Form1Controls::*, const Control& control) {
        auto* timer = new TaggedTimer(&form_);
        timer->setObjectName(QString::fromUtf8(control.name));
        timer->Tag = QString::fromUtf8(Window().timerTag);
        timer->setInterval(Window().timerInterval);
        timer->start();
        return timer;
    }

    template <typename W>
    W* placed(W* widget, const Control& control) {
        widget->setObjectName(QString::fromUtf8(control.name));
        const Twips& at = control.place;
        widget->setGeometry(pixels(at.left), pixels(at.top), pixels(at.width), pixels(at.height));
        if (control.toolTip) widget->setToolTip(QString::fromUtf8(control.toolTip));
        if (control.look != Look::None) applyLook(*widget, control.look);
        widgets_.push_back({control.tabIndex, widget});
        return widget;
    }

    // Once the image list exists, which is created after the toolbar.
    void addToolbarButtons() {
        const QSize buttonSize(pixels(Window().toolbarButtonWidth),
                               pixels(Window().toolbarButtonHeight));
        for (const ToolbarButton& button : ToolbarButtons()) {
            const QString toolTip = QString::fromUtf8(button.toolTip);
            // The text is never shown; screen readers announce it.
            QAction* action = c_.Toolbar1->addAction(c_.ImageList1->image(button.image), toolTip);
            action->setToolTip(toolTip);
            action->setData(QString::fromUtf8(button.key));
            c_.Toolbar1->widgetForAction(action)->setFixedSize(buttonSize);
        }
    }

    // The chart is drawn over the labels, the chart box among them, but the
    // boxes, buttons and toolbar stay above it.
    void stackCanvasUnderInputs() {
        c_.canvas->raise();
        for (const Placed& placed : widgets_) {
            if (!qobject_cast<QLabel*>(placed.widget)) placed.widget->raise();
        }
    }

    void setTabOrder() {
        std::vector<Placed> focusable;
        std::copy_if(widgets_.begin(), widgets_.end(), std::back_inserter(focusable),
                     [](const Placed& p) { return p.widget->focusPolicy() & Qt::TabFocus; });
        std::sort(focusable.begin(), focusable.end(),
                  [](const Placed& x, const Placed& y) { return x.tabIndex < y.tabIndex; });
        for (std::size_t i = 1; i < focusable.size(); ++i) {
            QWidget::setTabOrder(focusable[i - 1].widget, focusable[i].widget);
        }
    }

    struct Placed {
        int tabIndex;
        QWidget* widget;
    };

    QMainWindow& form_;
    Form1Controls c_;
    ClientArea* client_ = nullptr;
    std::vector<Placed> widgets_;
    double dpi_ = 96;
};

}  // namespace

Form1Controls BuildWindow(QMainWindow& form) { return Builder(form).build(); }

QFont LookFont(design::Look look) {
    const Font& designed = FontOf(StyleOf(look).font);
    QFont font;
    font.setFamilies({QString::fromUtf8(designed.faces[0]), QString::fromUtf8(designed.faces[1])});
    font.setStyleHint(designed.italic ? QFont::Serif : QFont::SansSerif);
    font.setPointSizeF(designed.points);
    font.setBold(true);
    font.setItalic(designed.italic);
    return font;
}

}  // namespace app
