#pragma once

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolBar>
#include <QToolButton>
#include <QTranslator>
#include <QtTest>

#include <memory>

#include "app/Application.h"
#include "app/Form1.h"

// A fresh window and its shared state for every test, shown on the
// offscreen platform.
class FormFixture {
public:
    static void configure() {
        static QTranslator translation;
        app::ConfigureApplication(*qApp, translation);
    }

    void create() {
        module = std::make_unique<app::Module1>();
        form = std::make_unique<app::Form1>(*module);
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    }

    void destroy() {
        form.reset();
        module.reset();
    }

    template <typename T = QWidget>
    T* named(const char* name) const {
        T* found = form->findChild<T*>(QString::fromUtf8(name));
        if (!found) qFatal("no control %s", name);
        return found;
    }

    QString text(const char* name) const {
        if (auto* box = form->findChild<QLineEdit*>(QString::fromUtf8(name))) return box->text();
        return named<QLabel>(name)->text();
    }

    void type(const char* box, const QString& text) {
        named<QLineEdit>(box)->clear();
        QTest::keyClicks(named<QLineEdit>(box), text);
    }

    void enterCoefficients(const QString& a, const QString& b, const QString& c) {
        type("TxtA", a);
        type("TxtB", b);
        type("TxtC", c);
    }

    QToolButton* toolbarButton(const QString& key) const {
        auto* toolbar = named<QToolBar>("Toolbar1");
        for (QAction* action : toolbar->actions()) {
            if (action->data().toString() == key) {
                return qobject_cast<QToolButton*>(toolbar->widgetForAction(action));
            }
        }
        qFatal("no toolbar button %s", qPrintable(key));
    }

    // Clicks the source of a command, as the user would: "button", "menu"
    // or "toolbar", as the command table names them.
    void give(const QString& source, const app::CommandSources& row) {
        if (source == "button") {
            QTest::mouseClick(form->controls().*row.button, Qt::LeftButton);
        } else if (source == "menu") {
            (form->controls().*row.menuItem)->trigger();
        } else {
            QTest::mouseClick(toolbarButton(QString::fromUtf8(row.toolbarKey)), Qt::LeftButton);
        }
    }

    std::unique_ptr<app::Module1> module;
    std::unique_ptr<app::Form1> form;
};
