#pragma once

#include <QFont>

#include "app/WindowDescription.h"

class QMainWindow;

namespace chart {
class ChartLayer;
}

namespace app {

// Creates the menus, the controls, the toolbar and the timer of the main
// window from its description; returns the sheet the chart is drawn on.
chart::ChartLayer& BuildWindow(QMainWindow& form);

// The font of the controls of one look.
QFont LookFont(design::Look look);

}  // namespace app
