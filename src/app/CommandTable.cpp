#include "app/CommandTable.h"

#include <QString>

namespace app {

namespace {

using F = Form1Controls;

constexpr CommandSources commands[] = {
    {Command::Calculate, &F::CmdOblicz, &F::mnuOblicz, "oblicz"},
    {Command::NewFunction, &F::CmdNowaFunkcja, &F::mnuNowafunkcja, "nowa"},
    {Command::ShowOnChart, &F::CmdWykres, &F::mnuPokaż, "wykres"},
    {Command::Exit, &F::CmdKoniec, &F::mnuKoniec, "koniec"},
    {Command::ClearChart, &F::Command1, &F::mnuWyczyść, "wyczyść"},
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
