#include "app/CommandTable.h"

#include <QString>

namespace app {

namespace {

constexpr CommandSources commands[] = {
    {Command::Calculate, "CmdOblicz", "mnuOblicz", "oblicz"},
    {Command::NewFunction, "CmdNowaFunkcja", "mnuNowafunkcja", "nowa"},
    {Command::ShowOnChart, "CmdWykres", "mnuPokaż", "wykres"},
    {Command::Exit, "CmdKoniec", "mnuKoniec", "koniec"},
    {Command::ClearChart, "Command1", "mnuWyczyść", "wyczyść"},
};

}  // namespace

std::span<const CommandSources> CommandTable() { return commands; }

std::optional<Command> CommandForToolbarKey(QStringView key) {
    for (const CommandSources& row : commands) {
        if (key == QString::fromUtf8(row.toolbarKey)) return row.command;
    }
    return std::nullopt;
}

}  // namespace app
