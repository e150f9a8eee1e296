#include "app/WindowBuilder.h"

#include <QAction>
#include <QIcon>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMainWindow>
#include <QMap>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QToolBar>
#include <QToolButton>

#include <algorithm>
#include <limits>
#include <vector>

#include "app/ClientArea.h"
#include "app/FittingLabel.h"
#include "app/ImageList.h"
#include "app/TaggedTimer.h"
#include "app/WindowDescription.h"
#include "chart/ChartLayer.h"

namespace app {

namespace {

using namespace design;

QColor qColour(Rgb rgb) { return QColor(rgb.r, rgb.g, rgb.b); }

QFont qFont(const Font& font) {
    QFont qfont;
    qfont.setFamilies({QString::fromUtf8(font.faces[0]), QString::fromUtf8(font.faces[1])});
    qfont.setStyleHint(font.italic ? QFont::Serif : QFont::SansSerif);
    qfont.setPointSizeF(font.points);
    qfont.setBold(true);
    qfont.setItalic(font.italic);
    // Drawn in the faces' own shapes and widths, as Qt does on dense screens
    // anyway: fitting them to the pixel grid first (the auto-hinter) costs
    // start-up time for every face and every glyph.
    qfont.setHintingPreference(QFont::PreferNoHinting);
    // Letters set side by side, without kerning; a script that needs shaping
    // still gets it. Preparing the shaper for each face and size cost
    // start-up time.
    qfont.setStyleStrategy(QFont::PreferNoShaping);
    return qfont;
}

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

    chart::ChartLayer& build() {
        form_.setObjectName(QStringLiteral("Form1"));
        form_.setWindowTitle(QString::fromUtf8(Window().title));
        buildMenus();
        client_ = new ClientArea(qColour(Window().background), &form_);
        form_.setCentralWidget(client_);
        dpi_ = client_->logicalDpiX();
        for (const Control& control : Controls()) buildControl(control);
        addToolbarButtons();
        for (const Caption& caption : EntryCaptions()) {
            named<QLabel>(caption.label)->setBuddy(named<QWidget>(caption.box));
        }
        auto* sheet = new chart::ChartLayer(client_);
        client_->setSheet(sheet);
        stackSheetUnderInputs(*sheet);
        setTabOrder();
        form_.resize(pixels(Window().clientWidth),
                     pixels(Window().clientHeight) + form_.menuBar()->sizeHint().height());
        return *sheet;
    }

private:
    int pixels(int twips) const { return TwipsToPixels(twips, dpi_); }

    QRect place(const Twips& twips) const {
        return QRect(pixels(twips.left), pixels(twips.top), pixels(twips.width),
                     pixels(twips.height));
    }

    template <typename T>
    T* named(const char* name) const {
        return form_.findChild<T*>(QString::fromUtf8(name));
    }

    void buildMenus() {
        QMap<QString, QMenu*> menus;
        for (const MenuEntry& entry : Menus()) {
            const QString caption = QString::fromUtf8(entry.caption);
            QAction* action = nullptr;
            switch (entry.kind) {
            case MenuKind::Title: {
                QMenu* menu = form_.menuBar()->addMenu(caption);
                menu->setObjectName(QString::fromUtf8(entry.name));
                menus.insert(menu->objectName(), menu);
                continue;
            }
            case MenuKind::Command:
                action = menus.value(QString::fromUtf8(entry.menu))->addAction(caption);
                break;
            case MenuKind::Separator:
                action = menus.value(QString::fromUtf8(entry.menu))->addSeparator();
                break;
            }
            action->setObjectName(QString::fromUtf8(entry.name));
        }
    }

    void buildControl(const Control& control) {
        QWidget* widget = nullptr;
        switch (control.kind) {
        case Kind::CommandButton: {
            auto* button = new QPushButton(QString::fromUtf8(control.text), client_);
            button->setAutoDefault(false);
            widget = button;
            break;
        }
        case Kind::TextBox: {
            auto* box = new QLineEdit(QString::fromUtf8(control.text), client_);
            box->setMaxLength(std::numeric_limits<int>::max());
            box->setAlignment(Qt::AlignCenter);
            widget = box;
            break;
        }
        case Kind::Label: {
            auto* label = new FittingLabel(QString::fromUtf8(control.text), client_);
            label->setTextFormat(Qt::PlainText);
            label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
            widget = label;
            break;
        }
        case Kind::Toolbar:
            widget = buildToolbar();
            break;
        case Kind::Timer:
            buildTimer(control.name);
            return;
        case Kind::ImageList:
            images_ = new ImageList(&form_);
            images_->setObjectName(QString::fromUtf8(control.name));
            return;
        }
        widget->setObjectName(QString::fromUtf8(control.name));
        widget->setGeometry(place(control.place));
        if (control.toolTip) widget->setToolTip(QString::fromUtf8(control.toolTip));
        if (control.look != Look::None) applyLook(*widget, control.look);
    }

    QToolBar* buildToolbar() {
        auto* toolbar = new QToolBar(client_);
        toolbar->setMovable(false);
        toolbar->setFloatable(false);
        toolbar->setIconSize(QSize(16, 16));
        toolbar->setToolButtonStyle(Qt::ToolButtonIconOnly);
        toolbar->layout()->setContentsMargins(0, 0, 0, 0);
        toolbar->layout()->setSpacing(0);
        client_->setToolbar(toolbar);
        toolbar_ = toolbar;
        return toolbar;
    }

    // Once the image list exists, which is created after the toolbar.
    void addToolbarButtons() {
        const QSize buttonSize(pixels(Window().toolbarButtonWidth),
                               pixels(Window().toolbarButtonHeight));
        for (const ToolbarButton& button : ToolbarButtons()) {
            const QString toolTip = QString::fromUtf8(button.toolTip);
            // The text is never shown; screen readers announce it.
            QAction* action = toolbar_->addAction(images_->image(button.image), toolTip);
            action->setToolTip(toolTip);
            action->setData(QString::fromUtf8(button.key));
            toolbar_->widgetForAction(action)->setFixedSize(buttonSize);
        }
    }

    void buildTimer(const char* name) {
        auto* timer = new TaggedTimer(&form_);
        timer->setObjectName(QString::fromUtf8(name));
        timer->Tag = QString::fromUtf8(Window().timerTag);
        timer->setInterval(Window().timerInterval);
        timer->start();
    }

    // The chart is drawn over the labels, the chart box among them, but the
    // boxes, buttons and toolbar stay above it.
    void stackSheetUnderInputs(QWidget& sheet) {
        sheet.raise();
        for (const Control& control : Controls()) {
            if (control.kind == Kind::CommandButton || control.kind == Kind::TextBox ||
                control.kind == Kind::Toolbar) {
                named<QWidget>(control.name)->raise();
            }
        }
    }

    void setTabOrder() {
        std::vector<const Control*> focusable;
        for (const Control& control : Controls()) {
            if (control.kind == Kind::CommandButton || control.kind == Kind::TextBox) {
                focusable.push_back(&control);
            }
        }
        std::sort(focusable.begin(), focusable.end(),
                  [](const Control* x, const Control* y) { return x->tabIndex < y->tabIndex; });
        for (std::size_t i = 1; i < focusable.size(); ++i) {
            QWidget::setTabOrder(named<QWidget>(focusable[i - 1]->name),
                                 named<QWidget>(focusable[i]->name));
        }
    }

    QMainWindow& form_;
    ClientArea* client_ = nullptr;
    QToolBar* toolbar_ = nullptr;
    ImageList* images_ = nullptr;
    double dpi_ = 96;
};

}  // namespace

chart::ChartLayer& BuildWindow(QMainWindow& form) { return Builder(form).build(); }

QFont LookFont(design::Look look) {
    QFont font = qFont(FontOf(StyleOf(look).font));
    // Only a text box shows what the pupil types; every other text is the
    // program's own and its faces have all its letters, so no other face
    // need be looked for, which costs start-up time for each face. A text
    // box names its first face alone: Qt then looks for other faces only
    // when a letter is missing, instead of listing them all at start-up.
    if (look != Look::Entry) {
        font.setStyleStrategy(QFont::StyleStrategy(font.styleStrategy() | QFont::NoFontMerging));
    } else {
        font.setFamilies({font.families().first()});
    }
    return font;
}

}  // namespace app
