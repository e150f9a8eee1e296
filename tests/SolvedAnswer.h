#pragma once

// The answer line of a task solved as the program solves it, or its refusal.
#include <QString>
#include <QStringList>

#include "task/Task.h"
#include "task/TaskSolution.h"

inline QString solvedAnswer(const QString& text) {
    const auto read = task::ReadTask(text.toStdString());
    if (const auto* error = std::get_if<task::TaskError>(&read)) return "błąd: " + QString::fromStdString(error->message);
    const QStringList lines = QString::fromStdString(task::SolveTask(std::get<task::Problem>(read)).text).split('\n');
    return lines.filter(QStringLiteral("Odpowiedź: ")).value(0);
}
