#pragma once

#include <optional>
#include <span>

#include <QStringView>

#include "app/Form1Controls.h"

namespace app {

enum class Command { Calculate, NewFunction, ShowOnChart, Exit, ClearChart };

// Each command's three sources; the rows are in the order in which the
// toolbar's keys are tried.
struct CommandSources {
    Command command;
    QPushButton* Form1Controls::* button;
    QAction* Form1Controls::* menuItem;
    const char* toolbarKey;
};

std::span<const CommandSources> CommandTable();

// The command of a toolbar button's key: exact, whole and case-sensitive;
// none for any other key.
std::optional<Command> CommandForToolbarKey(QStringView key);

}  // namespace app
