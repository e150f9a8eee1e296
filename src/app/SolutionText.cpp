#include "app/SolutionText.h"

#include <QMimeData>

namespace app {

QString SolutionText::plain(QString text) {
    text.remove(QChar(0x2060));
    text.replace(QChar(0x00a0), u' ');
    // The editor's own paragraph separator where a selection spans lines.
    text.replace(QChar::ParagraphSeparator, u'\n');
    return text;
}

QMimeData* SolutionText::createMimeDataFromSelection() const {
    auto* data = new QMimeData;
    data->setText(plain(textCursor().selectedText()));
    return data;
}

}  // namespace app
