#include <QAccessible>
#include <QClipboard>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScreen>
#include <QWindow>
#include <QtTest>

#include "FormFixture.h"
#include "ModalAnswerer.h"
#include "app/ImageList.h"
#include "app/EntryBox.h"
#include "app/ResultLine.h"
#include "app/TaggedTimer.h"
#include "app/WindowBuilder.h"
#include "app/WindowDescription.h"

namespace {

const QStringList resultLines{"LblDelta", "LblX1", "LblX2"};

// Within the chart's square, below the chart box's red caption.
bool hasColour(const QImage& image, QRgb colour) {
    for (int y = 98; y < 400; ++y) {
        for (int x = 260; x < 570; ++x) {
            if (image.pixel(x, y) == colour) return true;
        }
    }
    return false;
}

}  // namespace

class Form1Test : public QObject {
    Q_OBJECT

    FormFixture f;

    // A right click on the control: its press, then the menu it asks for.
    static QMenu* contextMenuOf(QWidget* widget) {
        const QPoint point(20, 10);
        QTest::mouseClick(widget, Qt::RightButton, {}, point);
        QContextMenuEvent event(QContextMenuEvent::Mouse, point, widget->mapToGlobal(point));
        QCoreApplication::sendEvent(widget, &event);
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu) qFatal("no context menu");
        return menu;
    }

    static QPushButton* buttonOf(QWidget* window, const QString& text) {
        for (auto* button : window->findChildren<QPushButton*>()) {
            if (button->text() == text) return button;
        }
        qFatal("no button %s", qPrintable(text));
    }

    bool chartShowsRed() const {
        return hasColour(f.form->centralWidget()->grab().toImage(), qRgb(255, 0, 0));
    }

private slots:
    void initTestCase() { FormFixture::configure(); }
    void init() { f.create(); }
    void cleanup() { f.destroy(); }

    void titleHasTwoBlanks() {
        QCOMPARE(f.form->windowTitle(), QStringLiteral("Funkcja  kwadratowa"));
    }

    // Every control where, and as, the window's design has it, in figures
    // worked out from it by hand: pixels at 96 DPI are twips / 15.
    void controlsAsDesigned_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("place");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("toolTip");
        QTest::addColumn<double>("points");
        QTest::addColumn<QColor>("background");  // invalid: not filled
        QTest::addColumn<QColor>("ink");         // invalid: the system's
        const QColor none, result(128, 128, 255), yellow(255, 255, 0), teal(0, 128, 128), black(0, 0, 0),
            darkRed(192, 0, 0);
        const auto row = [](const char* name) { return &(QTest::newRow(name) << QString(name)); };
        *row("Command1") << QRect(16, 336, 233, 25) << "Wyczyść wykres" << "" << 8.25 << none << none;
        *row("Toolbar1") << QRect(0, 0, 594, 28) << "" << "" << 0.0 << none << none;
        *row("CmdWykres") << QRect(128, 272, 121, 25) << "Pokaż na wykresie"
                          << "Pokazuje miejsca zerowe na wykresie" << 8.25 << none << none;
        *row("CmdKoniec") << QRect(128, 304, 121, 25) << "Koniec" << "Kończy program" << 8.25 << none << none;
        *row("CmdNowaFunkcja") << QRect(16, 304, 105, 25) << "Nowa funkcja"
                               << "Czyści formularz z wprowadzonych danych" << 8.25 << none << none;
        *row("CmdOblicz") << QRect(16, 272, 105, 25) << "Oblicz" << "Oblicza miejsca zerowe funkcji" << 8.25
                          << none << none;
        *row("TxtC") << QRect(160, 144, 49, 25) << "" << "Podaj parametr c funkcji" << 12.0 << none << darkRed;
        *row("TxtB") << QRect(160, 112, 49, 25) << "" << "Podaj parametr b funkcji" << 12.0 << none << darkRed;
        *row("TxtA") << QRect(160, 80, 49, 25) << "" << "Podaj parametr a funkcji" << 12.0 << none << darkRed;
        *row("Label5") << QRect(16, 376, 233, 33) << "Przyjemnej pracy !" << "" << 15.75 << none << yellow;
        *row("Label4") << QRect(256, 80, 321, 329) << "Wykres funkcji" << "" << 8.25 << QColor(128, 64, 64)
                       << QColor(255, 0, 0);
        *row("LblX2") << QRect(16, 240, 233, 25) << "" << "" << 9.75 << result << yellow;
        *row("LblX1") << QRect(16, 208, 233, 25) << "" << "" << 9.75 << result << yellow;
        *row("LblDelta") << QRect(16, 176, 233, 25) << "" << "" << 9.75 << result << yellow;
        *row("Label3") << QRect(16, 144, 137, 25) << "Podaj parametr c " << "" << 9.75 << teal << black;
        *row("Label2") << QRect(16, 112, 137, 25) << "Podaj parametr b" << "" << 9.75 << teal << black;
        *row("Label1") << QRect(16, 80, 137, 25) << "Podaj parametr a" << "" << 9.75 << teal << black;
        *row("LblNapis") << QRect(16, 40, 561, 25) << "" << "" << 12.0 << QColor(255, 192, 128)
                         << QColor(0, 0, 192);
    }

    void controlsAsDesigned() {
        QFETCH(QString, name);
        QFETCH(QRect, place);
        QFETCH(QString, text);
        QFETCH(QString, toolTip);
        QFETCH(double, points);
        QFETCH(QColor, background);
        QFETCH(QColor, ink);
        QCOMPARE(f.form->logicalDpiX(), 96);
        auto* widget = f.named(name.toUtf8());
        QCOMPARE(widget->parentWidget(), f.form->centralWidget());
        QCOMPARE(widget->geometry(), place);
        QCOMPARE(widget->toolTip(), toolTip);
        if (auto* button = qobject_cast<QPushButton*>(widget)) {
            QCOMPARE(button->text(), text);
            QVERIFY(!button->isDefault() && !button->autoDefault());
        } else if (widget->inherits("QLabel") || widget->inherits("QLineEdit")) {
            QCOMPARE(f.text(name.toUtf8()), text);
        }
        if (points > 0) {
            QCOMPARE(widget->font().pointSizeF(), points);
            QVERIFY(widget->font().bold());
            QCOMPARE(widget->font().italic(), name == "Label5");
        }
        QCOMPARE(widget->autoFillBackground(), background.isValid());
        if (background.isValid()) QCOMPARE(widget->palette().color(QPalette::Window), background);
        const auto inkRole = qobject_cast<QLineEdit*>(widget) ? QPalette::Text : QPalette::WindowText;
        if (ink.isValid()) QCOMPARE(widget->palette().color(inkRole), ink);
    }

    // Rounded, not cut: 1440 twips to the inch at any logical resolution.
    void twipsToPixels_data() {
        QTest::addColumn<int>("twips");
        QTest::addColumn<double>("dpi");
        QTest::addColumn<int>("pixels");
        QTest::newRow("96 dpi, exact") << 8910 << 96.0 << 594;
        QTest::newRow("96 dpi, 7 twips rounds down") << 7 << 96.0 << 0;
        QTest::newRow("96 dpi, 8 twips rounds up") << 8 << 96.0 << 1;
        QTest::newRow("120 dpi, 375 twips") << 375 << 120.0 << 31;   // 31.25
        QTest::newRow("120 dpi, 6 twips") << 6 << 120.0 << 1;  // 0.5 rounds away from zero
        QTest::newRow("144 dpi, 375 twips") << 375 << 144.0 << 38;   // 37.5
        QTest::newRow("144 dpi, 1815 twips") << 1815 << 144.0 << 182;  // 181.5
        QTest::newRow("144 dpi, 13 twips") << 13 << 144.0 << 1;  // 1.3
    }

    void twipsToPixels() {
        QFETCH(int, twips);
        QFETCH(double, dpi);
        QFETCH(int, pixels);
        QCOMPARE(app::design::TwipsToPixels(twips, dpi), pixels);
    }

    // Where no control lies, the window's own lavender shows.
    void clientAreaColour() {
        const QImage image = f.form->centralWidget()->grab().toImage();
        QCOMPARE(QColor(image.pixel(5, 200)), QColor(192, 192, 255));  // left of the column
        QCOMPARE(QColor(image.pixel(252, 300)), QColor(192, 192, 255));  // between column and chart
    }

    // The greeting is the serif italic face, yellow on the lavender itself.
    void greetingFace() {
        auto* greeting = f.named<QLabel>("Label5");
        const QFontInfo face(greeting->font());
        QCOMPARE(face.family(), QStringLiteral("Liberation Serif"));
        QVERIFY(face.italic() && face.bold());
        const QImage image = f.form->centralWidget()->grab().toImage();
        QCOMPARE(QColor(image.pixel(greeting->geometry().topLeft() + QPoint(2, 2))), QColor(192, 192, 255));
    }

    void clientAreaAndToolbarFollowWidth() {
        QCOMPARE(f.form->centralWidget()->size(), QSize(594, 419));
        f.form->resize(700, f.form->height() + 50);
        QTRY_COMPARE(f.named("Toolbar1")->width(), 700);
        QCOMPARE(f.named("Label4")->geometry(), QRect(256, 80, 321, 329));
        QCOMPARE(f.named("Toolbar1")->height(), 28);
    }

    // What the pupil types may hold letters the designed face lacks: they
    // are drawn from another face instead of as empty boxes.
    void textBoxesDrawLettersTheirFaceLacks() {
        const QChar fourthRoot(0x221C);
        for (const char* name : {"TxtA", "TxtB", "TxtC"}) {
            const QFont font = f.named(name)->font();
            QCOMPARE(QFontInfo(font).family(), QStringLiteral("Liberation Sans"));
            QFont designedFaceOnly = font;
            designedFaceOnly.setStyleStrategy(QFont::NoFontMerging);
            QVERIFY(!QFontMetrics(designedFaceOnly).inFont(fourthRoot));
            QVERIFY(QFontMetrics(font).inFont(fourthRoot));
        }
    }

    // A caption too wide for its label is drawn smaller, but starts where
    // its neighbours' captions start.
    void fittedCaptionStartsLikeTheOthers() {
        f.enterCoefficients("1", "2", "1");
        f.form->Calculate();
        const auto firstInkRow = [this](const char* name) {
            const QImage image = f.named(name)->grab().toImage();
            for (int y = 0; y < image.height(); ++y) {
                for (int x = 0; x < image.width(); ++x) {
                    if (image.pixel(x, y) == qRgb(255, 255, 0)) return y;
                }
            }
            return -1;
        };
        QVERIFY(QFontMetrics(app::LookFont(app::design::Look::Result)).horizontalAdvance(f.text("LblX1")) >
                f.named<QLabel>("LblX1")->contentsRect().width());
        const int fitted = firstInkRow("LblX1");
        QVERIFY(fitted >= 0);
        QVERIFY2(qAbs(fitted - firstInkRow("LblDelta")) <= 1, qPrintable(QString::number(fitted)));
        QVERIFY(f.named("LblX1")->font().pointSizeF() < 9.75);
        // A shorter caption next has the designed size again.
        f.enterCoefficients("1", "-3", "2");
        f.form->Calculate();
        QCOMPARE(f.named("LblX1")->font().pointSizeF(), 9.75);
    }

    // The result lines can be copied into homework: selected with the mouse,
    // with Qt's Polish context menu, which also opens the worked solution.
    void resultLinesCanBeCopied() {
        f.enterCoefficients("1", "-3", "2");
        f.form->Calculate();
        auto* line = f.named<QLabel>("LblX1");
        QVERIFY(line->textInteractionFlags() & Qt::TextSelectableByMouse);
        QMenu* menu = contextMenuOf(line);
        QStringList items;
        for (QAction* action : menu->actions()) {
            if (action->isSeparator()) continue;
            const QString key = action->shortcut().toString(QKeySequence::NativeText);
            items << action->text().remove('&') + (key.isEmpty() ? "" : "\t" + key);
        }
        menu->actions()[2]->trigger();  // select all
        menu->close();
        QCOMPARE(items, (QStringList{"Skopiuj\tCtrl+C", "Zaznacz wszystko\tCtrl+A",
                                     "Rozwiązanie krok po kroku…\tCtrl+R"}));  // Qt's Polish words
        QCOMPARE(line->selectedText(), QStringLiteral("X1 =  1"));
        // Skopiuj takes the selection, not the whole line.
        line->setSelection(0, 2);
        menu = contextMenuOf(line);
        menu->actions().first()->trigger();
        menu->close();
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("X1"));
    }

    // The worked solution opens from a result line's menu or by Ctrl+R from
    // a box (which types nothing), without blocking the window, before any
    // calculation for a task typed in its line; it follows each successful
    // calculation, not the boxes.
    void workedSolutionFollowsCalculate() {
        auto* boxA = f.named<QLineEdit>("TxtA");
        const auto dialog = [&]() -> QDialog* {
            for (QWidget* window : QApplication::topLevelWidgets()) {
                if (auto* found = qobject_cast<QDialog*>(window)) return found;
            }
            return nullptr;
        };
        // As a reader takes it: the joiners that keep numbers on one line say nothing.
        const auto shown = [&] {
            return dialog()->findChild<QPlainTextEdit*>()->toPlainText().remove(QChar(0x2060)).split('\n');
        };
        QTest::keyClick(boxA, Qt::Key_R, Qt::ControlModifier);
        QVERIFY(dialog() && dialog()->isVisible() && !dialog()->isModal());
        auto* task = dialog()->findChild<QLineEdit*>();
        QVERIFY(task->text().isEmpty() && dialog()->focusWidget() == task);
        QVERIFY(shown() == QStringList{""});

        f.enterCoefficients("2", "-4", "-2");
        f.form->Calculate();
        QTest::keyClick(boxA, Qt::Key_R, Qt::ControlModifier);
        QCOMPARE(task->text(), QStringLiteral("f(x) = 2x² − 4x − 2"));
        QCOMPARE(boxA->text(), QStringLiteral("2"));
        QCOMPARE(dialog()->windowTitle(), QStringLiteral("Rozwiązanie krok po kroku"));
        QCOMPARE(shown().size(), 19);
        // A window of its own, which the main window can come in front of,
        // on the screen and clear of the boxes, result lines and buttons.
        QVERIFY(!dialog()->windowHandle()->transientParent());
        QVERIFY(f.form->screen()->availableGeometry().contains(dialog()->frameGeometry()));
        for (const char* name : {"TxtA", "TxtC", "LblX2", "CmdWykres", "CmdKoniec", "Command1"}) {
            const QWidget* control = f.named(name);
            QVERIFY2(!dialog()->frameGeometry().intersects(QRect(control->mapToGlobal(QPoint()), control->size())),
                     name);
        }

        f.enterCoefficients("1", "-3", "2");
        QCOMPARE(shown().first(), task->text());
        f.form->Calculate();
        const QStringList solved = shown();
        QCOMPARE(solved.first(), QStringLiteral("f(x) = x² − 3x + 2"));
        // The chart follows too, and says in words what the text's last line says.
        QWidget* chart = nullptr;
        for (QWidget* w : dialog()->findChildren<QWidget*>()) {
            if (w->accessibleName() == QStringLiteral("Wykres funkcji")) chart = w;
        }
        QVERIFY(chart);
        QCOMPARE("Opis wykresu: " + chart->accessibleDescription(), shown().last());
        QVERIFY(chart->accessibleDescription().contains("miejsca zerowe 1 i 2"));
        f.type("TxtA", "abc");
        ModalAnswerer ok("OK");
        f.form->Calculate();
        QVERIFY(ok.answered);
        QCOMPARE(shown(), solved);

        QApplication::clipboard()->clear();
        QTest::mouseClick(buttonOf(dialog(), "Kopiuj wszystko"), Qt::LeftButton);
        QCOMPARE(QApplication::clipboard()->text().split('\n'), shown());

        // A task typed in its line, solved by Enter; one that cannot be read
        // leaves the solution, says why beside the line and puts the cursor there.
        task->setText("x^2 - 5x <= 14");
        QTest::keyClick(task, Qt::Key_Return);
        QVERIFY(dialog()->isVisible());
        QVERIFY(shown().contains(QStringLiteral("Odpowiedź: x ∈ ⟨−2; 7⟩")));
        task->setText("x² + 2 # 3");
        QTest::mouseClick(buttonOf(dialog(), "Rozwiąż"), Qt::LeftButton);
        QVERIFY(shown().contains(QStringLiteral("Odpowiedź: x ∈ ⟨−2; 7⟩")));
        QCOMPARE(task->accessibleDescription(), QStringLiteral("Nie rozumiem znaku „#” (znak 8)."));
        QVERIFY(dialog()->findChild<QLabel*>(QString(), Qt::FindDirectChildrenOnly) != nullptr);
        QCOMPARE(task->cursorPosition(), 7);

        QTest::mouseClick(buttonOf(dialog(), "Zamknij"), Qt::LeftButton);
        QVERIFY(!dialog()->isVisible());
        // A calculation while it is closed is what it opens with.
        f.type("TxtA", "1");
        f.form->Calculate();

        QMenu* menu = contextMenuOf(f.named<QLabel>("LblDelta"));
        menu->actions().last()->trigger();
        menu->close();
        QVERIFY(dialog()->isVisible());
        QCOMPARE(shown(), solved);
    }

    void windowIsNeverSmallerThanDesigned() {
        const QSize designed = f.form->size();
        f.form->resize(100, 19);
        QCOMPARE(f.form->size(), designed);
    }

    // Its sentence, once: the ticks change what it shows, not its name.
    void bannerNameIsItsSentence() {
        f.form->OnTimerTick();
        QAccessibleInterface* banner = QAccessible::queryAccessibleInterface(f.named("LblNapis"));
        QCOMPARE(banner->text(QAccessible::Name), QStringLiteral("Program wyznacza miejsca zerowe funkcji kwadratowej"));
    }

    // Both menus in order, every item a plain command as the design has it.
    void menus() {
        QStringList seen;
        for (QAction* title : f.form->menuBar()->actions()) {
            seen << title->menu()->objectName() + ":" + title->text();
            for (QAction* item : title->menu()->actions()) {
                seen << item->objectName() + ":" + (item->isSeparator() ? "-" : item->text());
                QVERIFY(item->isEnabled() && item->isVisible() && !item->isCheckable());
                QVERIFY(item->shortcut().isEmpty());
            }
        }
        QCOMPARE(seen, (QStringList{"mnuPlik:Plik", "mnuNowafunkcja:Nowa funkcja", "mnuOblicz:Oblicz", "mnuseparator:-",
                                    "mnuKoniec:Koniec", "mnuWykres:Wykres", "mnuPokaż:Pokaż na wykresie",
                                    "mnuWyczyść:Wyczyść wykres"}));
    }

    // Five plain 23 × 22 buttons from the left, the Nth showing image N.
    void toolbarButtons() {
        auto* toolbar = f.named<QToolBar>("Toolbar1");
        const auto* images = f.named<app::ImageList>("ImageList1");
        QStringList keys;
        int left = -1;
        for (int i = 0; i < toolbar->actions().size(); ++i) {
            QAction* action = toolbar->actions()[i];
            keys << action->data().toString();
            QCOMPARE(action->icon().cacheKey(), images->image(i + 1).cacheKey());
            QWidget* button = toolbar->widgetForAction(action);
            QCOMPARE(button->size(), QSize(23, 22));
            QVERIFY(button->x() > left);
            left = button->x();
            QVERIFY(!action->isCheckable());
        }
        QCOMPARE(keys, (QStringList{"oblicz", "nowa", "wykres", "koniec", "wyczyść"}));
        QCOMPARE(toolbar->toolButtonStyle(), Qt::ToolButtonIconOnly);
    }

    void tabOrderFromTxtA() {
        QTRY_COMPARE(QApplication::focusWidget(), f.named("TxtA"));
        QStringList order;
        QWidget* widget = f.named("TxtA");
        for (int i = 0; i < 8; ++i) {
            order << widget->objectName();
            do {
                widget = widget->nextInFocusChain();
            } while (!(widget->focusPolicy() & Qt::TabFocus) || !widget->isVisible());
        }
        QCOMPARE(order, (QStringList{"TxtA", "TxtB", "TxtC", "CmdOblicz", "CmdNowaFunkcja",
                                     "CmdKoniec", "CmdWykres", "Command1"}));
        QCOMPARE(widget->objectName(), QStringLiteral("TxtA"));
        QTest::keyClick(f.named("TxtA"), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), f.named("TxtB"));
    }

    void entryBoxesAreCaptionedForScreenReaders() {
        QCOMPARE(f.named<QLabel>("Label1")->buddy(), f.named("TxtA"));
        QCOMPARE(f.named<QLabel>("Label2")->buddy(), f.named("TxtB"));
        QCOMPARE(f.named<QLabel>("Label3")->buddy(), f.named("TxtC"));
    }

    void timerCarriesTheBanner() {
        auto* timer = f.named<app::TaggedTimer>("Timer1");
        QVERIFY(timer->isActive());
        f.form->OnTimerTick();
        QCOMPARE(f.text("LblNapis"),
                 QStringLiteral("    Program wyznacza miejsca zerowe funkcji kwadratowej     "));
        for (int i = 1; i < 61; ++i) f.form->OnTimerTick();
        QCOMPARE(timer->Tag,
                 QStringLiteral("     Program wyznacza miejsca zerowe funkcji kwadratowej     "));
    }

    // TxtA is empty: the message stays open until a tick has come.
    void bannerTicksWhileAMessageIsOpen() {
        ModalAnswerer ok(QStringLiteral("OK"), [this] { return !f.text("LblNapis").isEmpty(); });
        f.form->Calculate();
        QVERIFY(ok.answered);
        QCOMPARE(ok.text, QStringLiteral("Podaj parametr a funkcji"));
    }

    // Each command from its button, its menu item and its toolbar button,
    // found as the pupil finds it (the caption, the menu and item, the
    // tooltip) and judged by what the window shows after the click.
    void routing_data() {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("control");  // the button's or item's name; the toolbar button's key
        QTest::addColumn<QString>("caption");  // the caption, "menu/item", or the tooltip
        QTest::addColumn<QString>("effect");
        QTest::newRow("Oblicz, button") << "button" << "CmdOblicz" << "Oblicz" << "calculates";
        QTest::newRow("Oblicz, menu") << "menu" << "mnuOblicz" << "Plik/Oblicz" << "calculates";
        QTest::newRow("Oblicz, toolbar") << "toolbar" << "oblicz" << "Oblicz" << "calculates";
        QTest::newRow("Nowa funkcja, button") << "button" << "CmdNowaFunkcja" << "Nowa funkcja" << "empties";
        QTest::newRow("Nowa funkcja, menu") << "menu" << "mnuNowafunkcja" << "Plik/Nowa funkcja" << "empties";
        QTest::newRow("Nowa funkcja, toolbar") << "toolbar" << "nowa" << "Nowa funkcja" << "empties";
        QTest::newRow("Pokaż, button") << "button" << "CmdWykres" << "Pokaż na wykresie" << "draws";
        QTest::newRow("Pokaż, menu") << "menu" << "mnuPokaż" << "Wykres/Pokaż na wykresie" << "draws";
        QTest::newRow("Pokaż, toolbar") << "toolbar" << "wykres" << "Pokaż miejsca zerowe na wykresie" << "draws";
        QTest::newRow("Koniec, button") << "button" << "CmdKoniec" << "Koniec" << "asks";
        QTest::newRow("Koniec, menu") << "menu" << "mnuKoniec" << "Plik/Koniec" << "asks";
        QTest::newRow("Koniec, toolbar") << "toolbar" << "koniec" << "Zakończ program" << "asks";
        QTest::newRow("Wyczyść, button") << "button" << "Command1" << "Wyczyść wykres" << "erases";
        QTest::newRow("Wyczyść, menu") << "menu" << "mnuWyczyść" << "Wykres/Wyczyść wykres" << "erases";
        QTest::newRow("Wyczyść, toolbar") << "toolbar" << "wyczyść" << "Wyczyść wykres" << "erases";
    }

    void routing() {
        QFETCH(QString, source);
        QFETCH(QString, control);
        QFETCH(QString, caption);
        QFETCH(QString, effect);
        const auto click = [&] {
            if (source == "button") {
                auto* button = f.named<QPushButton>(qPrintable(control));
                QCOMPARE(button->text(), caption);
                QTest::mouseClick(button, Qt::LeftButton);
            } else if (source == "menu") {
                auto* item = f.form->findChild<QAction*>(control);
                QVERIFY(item);
                const auto* menu = qobject_cast<QMenu*>(item->associatedObjects().value(0));
                QCOMPARE(menu->title() + "/" + item->text(), caption);
                item->trigger();
            } else {
                QToolButton* button = f.toolbarButton(control);
                QCOMPARE(button->defaultAction()->toolTip(), caption);
                QTest::mouseClick(button, Qt::LeftButton);
            }
        };
        // Only Koniec asks; a box from any other command is answered and counted.
        ModalAnswerer no("Nie");
        f.enterCoefficients("1", "-3", "2");
        if (effect == "calculates") {
            click();
            QCOMPARE(f.text("LblDelta"), QStringLiteral("Delta wynosi  1"));
            QCOMPARE(f.text("LblX1"), QStringLiteral("X1 =  1"));
            QCOMPARE(f.text("LblX2"), QStringLiteral("X2 =  2"));
        } else if (effect == "empties") {
            f.form->Calculate();
            click();
            for (const char* name : {"TxtA", "TxtB", "TxtC", "LblDelta", "LblX1", "LblX2"}) {
                QCOMPARE(f.text(name), QString());
            }
            QCOMPARE(f.module->solution.x1, 1.0);
        } else if (effect == "draws") {
            QVERIFY(!chartShowsRed());
            click();
            QVERIFY(chartShowsRed());
        } else if (effect == "asks") {
            click();
            QVERIFY(no.answered);
            QCOMPARE(no.text, QStringLiteral("Czy napewno chcesz zakończyć program ?"));
            QCOMPARE(no.title, QStringLiteral("Koniec programu"));
            QCOMPARE(no.icon, QMessageBox::Question);
            QCOMPARE(no.buttons, (QStringList{"Tak", "Nie"}));
            QCOMPARE(no.defaultButton, QStringLiteral("Tak"));
            QVERIFY(f.form->isVisible());
            QCOMPARE(f.text("TxtB"), QStringLiteral("-3"));
        } else {
            f.form->ShowOnChart();
            QVERIFY(chartShowsRed());
            click();
            QVERIFY(!chartShowsRed());
        }
        if (effect != "asks") QCOMPARE(no.answered, 0);
    }

    void calculateMessages_data() {
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("focus");
        QTest::newRow("missing a") << "" << "1" << "Podaj parametr a funkcji" << "TxtA";
        QTest::newRow("b not a number") << "1" << "dwa" << "Parametr b musi być liczbą" << "TxtB";
        QTest::newRow("a zero") << "0" << "1" << "Parametr a musi być różny od zera" << "TxtA";
    }

    void calculateMessages() {
        QFETCH(QString, a);
        QFETCH(QString, b);
        QFETCH(QString, message);
        QFETCH(QString, focus);
        f.enterCoefficients("1", "-3", "2");
        f.form->Calculate();
        const app::Module1 before = *f.module;
        f.enterCoefficients(a, b, "1");
        f.named("CmdWykres")->setFocus();
        ModalAnswerer ok("OK");
        QTest::mouseClick(f.named<QPushButton>("CmdOblicz"), Qt::LeftButton);
        QVERIFY(ok.answered);
        QCOMPARE(ok.text, message);
        QCOMPARE(ok.title, QStringLiteral("Zerowik"));
        QCOMPARE(ok.buttons, QStringList{"OK"});
        QCOMPARE(ok.icon, QMessageBox::NoIcon);
        QCOMPARE(f.form->focusWidget(), f.named(focus.toUtf8()));
        QVERIFY(f.module->solution == before.solution);
        QCOMPARE(f.text("LblX2"), QStringLiteral("X2 =  2"));
    }

    void captionsAreReplacedNotAppended() {
        f.enterCoefficients("1", "2", "1");
        f.form->Calculate();
        f.form->Calculate();
        QCOMPARE(f.text("LblX2"), QStringLiteral("Xo = -1"));
        f.enterCoefficients("1", "0", "1");
        f.form->Calculate();
        QCOMPARE(f.text("LblDelta"), QStringLiteral("Delta wynosi -4"));
        QCOMPARE(f.text("LblX1"), QStringLiteral("Delta mniejsza od zera"));
        QCOMPARE(f.text("LblX2"), QStringLiteral("Brak miejsc zeowych"));
        QCOMPARE(f.module->solution.x0, -1.0);
    }

    void newFunctionKeepsChartBannerAndFocus() {
        f.enterCoefficients("1", "0", "-4");
        f.form->Calculate();
        f.form->ShowOnChart();
        f.form->OnTimerTick();
        const QString banner = f.text("LblNapis");
        f.named("TxtB")->setFocus();
        f.form->NewFunction();
        QVERIFY(chartShowsRed());
        QCOMPARE(f.text("LblNapis"), banner);
        QCOMPARE(QApplication::focusWidget(), f.named("TxtB"));
    }

    // Pasted over a selection, short or long, the text is taken whole where
    // the selection was; only the short paste can be undone step by step.
    void pasteReplacesTheSelection_data() {
        QTest::addColumn<int>("length");
        QTest::addColumn<bool>("undoable");
        QTest::newRow("short") << 12 << true;
        QTest::newRow("a megabyte") << 1'000'000 << false;
    }

    void pasteReplacesTheSelection() {
        QFETCH(int, length);
        QFETCH(bool, undoable);
        auto* box = f.named<QLineEdit>("TxtB");
        box->setText(QStringLiteral("1 2 3"));
        box->setSelection(2, 1);  // the "2"
        const QString pasted(length, '7');
        QApplication::clipboard()->setText(pasted);
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(box->text(), "1 " + pasted + " 3");
        QCOMPARE(box->cursorPosition(), 2 + length);
        QCOMPARE(box->isUndoAvailable(), undoable);
    }

    // A paste past a mebibyte is refused, saying so, and the box keeps its
    // text; a box left shows where its text begins, the sign.
    void longPasteIsRefusedAndALeftBoxShowsItsSign() {
        auto* box = f.named<QLineEdit>("TxtB");
        box->setText(QStringLiteral("1 2 3"));
        box->setSelection(2, 1);
        QApplication::clipboard()->setText(QString((1 << 20) - 4 + 1, '7'));
        ModalAnswerer ok("OK");
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(ok.text, QStringLiteral("Tekst jest za długi: pole mieści najwyżej 1\u202f048\u202f576 znaków."));
        QCOMPARE(box->text(), QStringLiteral("1 2 3"));

        f.type("TxtA", "-100000000000000000000000000000000000000000");
        f.form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f.form.get()));
        f.named("TxtA")->setFocus();
        QCOMPARE(f.named<QLineEdit>("TxtA")->cursorPosition(), 43);
        QTest::keyClick(f.named("TxtA"), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), f.named("TxtB"));
        QCOMPARE(f.named<QLineEdit>("TxtA")->cursorPosition(), 0);
    }
};

QTEST_MAIN(Form1Test)
#include "tst_form1.moc"
