#pragma once

class QApplication;
class QTranslator;

namespace app {

inline constexpr char Version[] = ZEROWIK_VERSION;

// Name, version and icon of the program, and Qt's own texts (the text boxes'
// context menu) in Polish whatever the system's language.
void ConfigureApplication(QApplication& application, QTranslator& qtTranslation);

}  // namespace app
