#pragma once

#include <optional>
#include <span>

#include <QStringView>

namespace app {

enum class Command { Calculate, NewFunction, ShowOnChart, Exit, ClearChart };

// Each command's three sources; the rows are in the order in which the
// toolbar's keys are tried.
struct CommandSources {
    Command command;
    const char* button;
    const char* menuItem;
    const char* toolbarKey;
};

std::span<const CommandSources> CommandTable();

// The command of a toolbar button's key: exact, whole and case-sensitive;
// none for any other key.
std::optional<Command> CommandForToolbarKey(QStringView key);

}  // namespace app
