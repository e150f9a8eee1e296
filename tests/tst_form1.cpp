#include <QMenu>
#include <QMenuBar>
#include <QtTest>

#include "FormFixture.h"
#include "ModalAnswerer.h"
#include "app/ImageList.h"
#include "app/TaggedTimer.h"

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

    void geometryAt96Dpi_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("pixels");
        // The designed twips divided by 15.
        QTest::newRow("Command1") << "Command1" << QRect(16, 336, 233, 25);
        QTest::newRow("CmdWykres") << "CmdWykres" << QRect(128, 272, 121, 25);
        QTest::newRow("CmdKoniec") << "CmdKoniec" << QRect(128, 304, 121, 25);
        QTest::newRow("CmdNowaFunkcja") << "CmdNowaFunkcja" << QRect(16, 304, 105, 25);
        QTest::newRow("CmdOblicz") << "CmdOblicz" << QRect(16, 272, 105, 25);
        QTest::newRow("TxtC") << "TxtC" << QRect(160, 144, 49, 25);
        QTest::newRow("TxtB") << "TxtB" << QRect(160, 112, 49, 25);
        QTest::newRow("TxtA") << "TxtA" << QRect(160, 80, 49, 25);
        QTest::newRow("Label5") << "Label5" << QRect(16, 376, 233, 33);
        QTest::newRow("Label4") << "Label4" << QRect(256, 80, 321, 329);
        QTest::newRow("LblX2") << "LblX2" << QRect(16, 240, 233, 25);
        QTest::newRow("LblX1") << "LblX1" << QRect(16, 208, 233, 25);
        QTest::newRow("LblDelta") << "LblDelta" << QRect(16, 176, 233, 25);
        QTest::newRow("Label3") << "Label3" << QRect(16, 144, 137, 25);
        QTest::newRow("Label2") << "Label2" << QRect(16, 112, 137, 25);
        QTest::newRow("Label1") << "Label1" << QRect(16, 80, 137, 25);
        QTest::newRow("LblNapis") << "LblNapis" << QRect(16, 40, 561, 25);
        QTest::newRow("Toolbar1") << "Toolbar1" << QRect(0, 0, 594, 28);
    }

    void geometryAt96Dpi() {
        QCOMPARE(f.form->logicalDpiX(), 96);
        QFETCH(QString, name);
        QFETCH(QRect, pixels);
        QCOMPARE(f.named(name.toUtf8())->geometry(), pixels);
        QCOMPARE(f.named(name.toUtf8())->parentWidget(), f.form->centralWidget());
    }

    void clientAreaAndToolbarFollowWidth() {
        QCOMPARE(f.form->centralWidget()->size(), QSize(594, 419));
        f.form->resize(700, f.form->height() + 50);
        QTRY_COMPARE(f.named("Toolbar1")->width(), 700);
        QCOMPARE(f.named("Label4")->geometry(), QRect(256, 80, 321, 329));
        QCOMPARE(f.named("Toolbar1")->height(), 28);
    }

    void textsAndToolTips_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("toolTip");
        QTest::newRow("Label1") << "Label1" << "Podaj parametr a" << "";
        QTest::newRow("Label2") << "Label2" << "Podaj parametr b" << "";
        QTest::newRow("Label3 keeps its blank") << "Label3" << "Podaj parametr c " << "";
        QTest::newRow("TxtA") << "TxtA" << "" << "Podaj parametr a funkcji";
        QTest::newRow("TxtB") << "TxtB" << "" << "Podaj parametr b funkcji";
        QTest::newRow("TxtC") << "TxtC" << "" << "Podaj parametr c funkcji";
        QTest::newRow("CmdOblicz") << "CmdOblicz" << "Oblicz" << "Oblicza miejsca zerowe funkcji";
        QTest::newRow("CmdNowaFunkcja") << "CmdNowaFunkcja" << "Nowa funkcja"
                                        << "Czyści formularz z wprowadzonych danych";
        QTest::newRow("CmdKoniec") << "CmdKoniec" << "Koniec" << "Kończy program";
        QTest::newRow("CmdWykres") << "CmdWykres" << "Pokaż na wykresie"
                                   << "Pokazuje miejsca zerowe na wykresie";
        QTest::newRow("Label4") << "Label4" << "Wykres funkcji" << "";
        QTest::newRow("Command1") << "Command1" << "Wyczyść wykres" << "";
        QTest::newRow("Label5") << "Label5" << "Przyjemnej pracy !" << "";
        QTest::newRow("LblNapis emptied") << "LblNapis" << "" << "";
        QTest::newRow("LblDelta emptied") << "LblDelta" << "" << "";
        QTest::newRow("LblX1 emptied") << "LblX1" << "" << "";
        QTest::newRow("LblX2 emptied") << "LblX2" << "" << "";
    }

    void textsAndToolTips() {
        QFETCH(QString, name);
        QFETCH(QString, text);
        QFETCH(QString, toolTip);
        const QByteArray id = name.toUtf8();
        if (auto* button = f.form->findChild<QPushButton*>(name)) {
            QCOMPARE(button->text(), text);
            QVERIFY(!button->isDefault() && !button->autoDefault());
        } else {
            QCOMPARE(f.text(id), text);
        }
        QCOMPARE(f.named(id)->toolTip(), toolTip);
    }

    void looks_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QColor>("background");
        QTest::addColumn<QColor>("textColour");
        QTest::addColumn<double>("points");
        QTest::addColumn<bool>("italic");
        const QColor none;
        QTest::newRow("banner") << "LblNapis" << QColor(255, 192, 128) << QColor(0, 0, 192) << 12.0 << false;
        QTest::newRow("prompt") << "Label2" << QColor(0, 128, 128) << QColor(Qt::black) << 9.75 << false;
        QTest::newRow("result") << "LblX1" << QColor(128, 128, 255) << QColor(255, 255, 0) << 9.75 << false;
        QTest::newRow("chart box") << "Label4" << QColor(128, 64, 64) << QColor(255, 0, 0) << 8.25 << false;
        QTest::newRow("greeting") << "Label5" << none << QColor(255, 255, 0) << 15.75 << true;
        QTest::newRow("entry") << "TxtB" << none << QColor(192, 0, 0) << 12.0 << false;
        QTest::newRow("button") << "CmdOblicz" << none << none << 8.25 << false;
    }

    void looks() {
        QFETCH(QString, name);
        QFETCH(QColor, background);
        QFETCH(QColor, textColour);
        QFETCH(double, points);
        QFETCH(bool, italic);
        QWidget* widget = f.named(name.toUtf8());
        QCOMPARE(widget->autoFillBackground(), background.isValid());
        if (background.isValid()) QCOMPARE(widget->palette().color(QPalette::Window), background);
        const auto textRole = qobject_cast<QLineEdit*>(widget) ? QPalette::Text : QPalette::WindowText;
        if (textColour.isValid()) QCOMPARE(widget->palette().color(textRole), textColour);
        QCOMPARE(widget->font().pointSizeF(), points);
        QVERIFY(widget->font().bold());
        QCOMPARE(widget->font().italic(), italic);
        if (auto* label = qobject_cast<QLabel*>(widget)) {
            QCOMPARE(label->alignment(), Qt::AlignHCenter | Qt::AlignTop);
        }
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
        QVERIFY(f.named<QLabel>("LblX1")->fontMetrics().horizontalAdvance(f.text("LblX1")) >
                f.named<QLabel>("LblX1")->contentsRect().width());
        const int fitted = firstInkRow("LblX1");
        QVERIFY(fitted >= 0);
        QVERIFY2(qAbs(fitted - firstInkRow("LblDelta")) <= 1, qPrintable(QString::number(fitted)));
    }

    void menus() {
        const QList<QAction*> titles = f.form->menuBar()->actions();
        QCOMPARE(titles.size(), 2);
        QStringList seen;
        for (QAction* title : titles) {
            seen << title->menu()->objectName() + ":" + title->text();
            for (QAction* item : title->menu()->actions()) {
                seen << item->objectName() + ":" + (item->isSeparator() ? "-" : item->text());
                QVERIFY(item->isEnabled() && item->isVisible() && !item->isCheckable());
                QVERIFY(item->shortcut().isEmpty());
                QVERIFY(!item->text().contains('&'));
            }
        }
        QCOMPARE(seen, (QStringList{"mnuPlik:Plik", "mnuNowafunkcja:Nowa funkcja", "mnuOblicz:Oblicz",
                                    "mnuseparator:-", "mnuKoniec:Koniec", "mnuWykres:Wykres",
                                    "mnuPokaż:Pokaż na wykresie", "mnuWyczyść:Wyczyść wykres"}));
    }

    void toolbarButtons() {
        auto* toolbar = f.named<QToolBar>("Toolbar1");
        const auto* images = f.named<app::ImageList>("ImageList1");
        QStringList seen;
        int left = -1;
        int image = 1;
        for (QAction* action : toolbar->actions()) {
            QCOMPARE(action->icon().cacheKey(), images->image(image++).cacheKey());
            seen << action->data().toString() + ":" + action->toolTip();
            QWidget* button = toolbar->widgetForAction(action);
            QCOMPARE(button->size(), QSize(23, 22));
            QVERIFY(button->x() > left);
            left = button->x();
            QVERIFY(!action->icon().pixmap(16, 16).isNull());
            QVERIFY(!action->isCheckable());
        }
        QCOMPARE(seen, (QStringList{"oblicz:Oblicz", "nowa:Nowa funkcja",
                                    "wykres:Pokaż miejsca zerowe na wykresie",
                                    "koniec:Zakończ program", "wyczyść:Wyczyść wykres"}));
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

    void qtTextsArePolish() {
        QCOMPARE(QCoreApplication::translate("QLineEdit", "&Undo"), QStringLiteral("&Cofnij"));
    }

    void entryBoxesAreCaptionedForScreenReaders() {
        QCOMPARE(f.named<QLabel>("Label1")->buddy(), f.named("TxtA"));
        QCOMPARE(f.named<QLabel>("Label2")->buddy(), f.named("TxtB"));
        QCOMPARE(f.named<QLabel>("Label3")->buddy(), f.named("TxtC"));
    }

    void timerCarriesTheBanner() {
        auto* timer = f.named<app::TaggedTimer>("Timer1");
        QVERIFY(timer->isActive());
        QCOMPARE(timer->interval(), 500);
        f.form->OnTimerTick();
        QCOMPARE(f.text("LblNapis"),
                 QStringLiteral("    Program wyznacza miejsca zerowe funkcji kwadratowej     "));
        for (int i = 1; i < 61; ++i) f.form->OnTimerTick();
        QCOMPARE(timer->Tag,
                 QStringLiteral("     Program wyznacza miejsca zerowe funkcji kwadratowej     "));
    }

    void bannerTicksWhileAMessageIsOpen() {
        QString captionSeen;
        QTimer poll;
        connect(&poll, &QTimer::timeout, [&] {
            if (auto* box = QApplication::activeModalWidget()) {
                if (!f.text("LblNapis").isEmpty()) {
                    captionSeen = f.text("LblNapis");
                    qobject_cast<QDialog*>(box)->accept();
                }
            }
        });
        poll.start(20);
        QTimer::singleShot(5000, [] {
            if (auto* box = QApplication::activeModalWidget()) qobject_cast<QDialog*>(box)->reject();
        });
        f.form->Calculate();  // TxtA is empty: the message stays open until a tick has come
        QVERIFY(!captionSeen.isEmpty());
    }

    // Each command from its button, menu item and toolbar button.
    void routing_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("source");
        for (const char* command : {"Calculate", "NewFunction", "ShowOnChart", "Exit", "ClearChart"}) {
            for (const char* source : {"button", "menu", "toolbar"}) {
                QTest::addRow("%s from %s", command, source) << command << source;
            }
        }
    }

    void routing() {
        QFETCH(QString, command);
        QFETCH(QString, source);
        f.enterCoefficients("1", "-3", "2");
        if (command == "Calculate") {
            f.give(source, app::Command::Calculate);
            QCOMPARE(f.text("LblDelta"), QStringLiteral("Delta wynosi  1"));
            QCOMPARE(f.text("LblX1"), QStringLiteral("X1 =  1"));
            QCOMPARE(f.text("LblX2"), QStringLiteral("X2 =  2"));
            QCOMPARE(f.module->solution.x2, 2.0f);
        } else if (command == "NewFunction") {
            f.form->Calculate();
            f.give(source, app::Command::NewFunction);
            for (const char* name : {"TxtA", "TxtB", "TxtC", "LblDelta", "LblX1", "LblX2"}) {
                QCOMPARE(f.text(name), QString());
            }
            QCOMPARE(f.module->solution.x1, 1.0);
        } else if (command == "ShowOnChart") {
            QVERIFY(!chartShowsRed());
            f.give(source, app::Command::ShowOnChart);
            QVERIFY(chartShowsRed());
        } else if (command == "Exit") {
            ModalAnswerer no("Nie");
            f.give(source, app::Command::Exit);
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
            f.give(source, app::Command::ClearChart);
            QVERIFY(!chartShowsRed());
        }
    }

    void unknownToolbarKeysDoNothing_data() {
        QTest::addColumn<QString>("key");
        QTest::newRow("capitalised") << "Oblicz";
        QTest::newRow("upper case") << "KONIEC";
        QTest::newRow("without Polish letters") << "wyczysc";
        QTest::newRow("with a blank") << "oblicz ";
        QTest::newRow("empty") << "";
    }

    void unknownToolbarKeysDoNothing() {
        QFETCH(QString, key);
        ModalAnswerer anyBox("OK");
        QAction stranger;
        stranger.setData(key);
        f.form->OnToolbarButtonClick(&stranger);
        QTest::qWait(50);
        QVERIFY(!anyBox.answered);  // Calculate or Exit would have asked
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

    void longPasteIsTakenWhole() {
        const QString longText(200'000, '7');
        f.named<QLineEdit>("TxtC")->setText(longText);
        QCOMPARE(f.text("TxtC").size(), longText.size());
    }
};

QTEST_MAIN(Form1Test)
#include "tst_form1.moc"
