#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

// Answers the next modal message box by pressing the button with the given
// text, and remembers what the box showed.
class ModalAnswerer : public QObject {
public:
    explicit ModalAnswerer(QString buttonText) : buttonText_(std::move(buttonText)) {
        connect(&poll_, &QTimer::timeout, this, &ModalAnswerer::answer);
        poll_.start(10);
    }

    bool answered = false;
    QString title, text;
    QStringList buttons;
    QString defaultButton;
    QMessageBox::Icon icon = QMessageBox::NoIcon;

private:
    void answer() {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || answered) return;
        answered = true;
        poll_.stop();
        title = box->windowTitle();
        text = box->text();
        icon = box->icon();
        if (box->defaultButton()) defaultButton = box->defaultButton()->text();
        QAbstractButton* chosen = nullptr;
        for (QAbstractButton* button : box->buttons()) {
            buttons << button->text();
            if (button->text() == buttonText_) chosen = button;
        }
        if (chosen) {
            chosen->click();
        } else {
            box->reject();
        }
    }

    QString buttonText_;
    QTimer poll_;
};
