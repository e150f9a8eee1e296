#pragma once

#include <QPlainTextEdit>

namespace app {

// The worked solution's text as shown: kept together by invisible joiners
// and no-break spaces where a line must not break, and copied as the pupil
// reads it, with plain spaces and without the joiners.
class SolutionText : public QPlainTextEdit {
    Q_OBJECT

public:
    using QPlainTextEdit::QPlainTextEdit;

    // TEXT as a pupil's document should receive it.
    static QString plain(QString text);

protected:
    QMimeData* createMimeDataFromSelection() const override;
};

}  // namespace app
