#pragma once

#include <QString>

class QWidget;

namespace app {

// A modal message with an OK button and no icon, titled with the
// application's name.
void ShowMessage(QWidget* parent, const QString& text);

// A modal question with Yes and No, Yes the default; true for Yes.
bool AskYesNo(QWidget* parent, const QString& text, const QString& title);

}  // namespace app
