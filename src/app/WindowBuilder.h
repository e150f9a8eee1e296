#pragma once

#include <QFont>

#include "app/Form1Controls.h"
#include "app/WindowDescription.h"

class QMainWindow;

namespace app {

// Creates the menus, the controls, the toolbar, the timer and the chart's
// canvas of the main window from its description, as uic-made code would.
Form1Controls BuildWindow(QMainWindow& form);

// The font of the controls of one look.
QFont LookFont(design::Look look);

}  // namespace app
