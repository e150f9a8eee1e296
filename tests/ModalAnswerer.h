#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <functional>

// Answers modal message boxes by pressing the button with the given text
// ("Return" presses that key, so the default button answers; a box without
// such a button is rejected), and remembers what the last box showed. It
// answers the next box only, or every box; and only once READY holds, if
// given.
class ModalAnswerer : public QObject {
public:
    explicit ModalAnswerer(QString buttonText, std::function<bool()> ready = {}, bool everyBox = false)
        : buttonText_(std::move(buttonText)), ready_(std::move(ready)), everyBox_(everyBox) {
        connect(&poll_, &QTimer::timeout, this, &ModalAnswerer::answer);
        poll_.start(everyBox ? 0 : 10);
    }

    int answered = 0;
    QString title, text;
    QStringList buttons;
    QString defaultButton;
    QMessageBox::Icon icon = QMessageBox::NoIcon;

private:
    void answer() {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || (ready_ && !ready_())) return;
        ++answered;
        if (!everyBox_) poll_.stop();
        title = box->windowTitle();
        text = box->text();
        icon = box->icon();
        defaultButton = box->defaultButton() ? box->defaultButton()->text() : QString();
        buttons.clear();
        QAbstractButton* chosen = nullptr;
        for (QAbstractButton* button : box->buttons()) {
            buttons << button->text();
            if (button->text() == buttonText_) chosen = button;
        }
        if (buttonText_ == u"Return") {
            QTest::keyClick(box, Qt::Key_Return);
        } else if (chosen) {
            chosen->click();
        } else {
            box->reject();
        }
    }

    QString buttonText_;
    std::function<bool()> ready_;
    bool everyBox_;
    QTimer poll_;
};
