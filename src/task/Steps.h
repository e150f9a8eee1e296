#pragma once

#include <gmpxx.h>

#include <optional>
#include <string>
#include <vector>

#include "sketch/Sketch.h"
#include "solution/Facts.h"
#include "solution/Graph.h"
#include "task/Task.h"

// What the parts of a task's solution share: its numbers written and drawn,
// its polynomials' values and graphs, and the steps they add up to.
namespace task {

// The steps of a task and what its chart shows.
struct Steps {
    std::vector<std::string> lines;
    std::optional<solution::Graph> graph;
};

std::string NumberText(const mpq_class& q);  // "−2,5", "1/3"
double Nearest(const mpq_class& q);          // where the chart draws it
std::string PolynomialText(const Polynomial& p);
mpq_class ValueAt(const Polynomial& p, const mpq_class& x);
solution::Facts PolynomialFacts(const Polynomial& p);
sketch::Curve CurveOf(const Polynomial& p);
std::string LetterOf(const Task& task);

// The steps written in x said in the task's own LETTER: every x that stands
// alone ("x₁", "2x²", "f(x)", "x ∈"), never one inside a word ("max"); the
// chart's labels and its axis too.
void InLetter(Steps& steps, const std::string& letter);
std::string InLetter(const std::string& text, const std::string& letter);

}  // namespace task
