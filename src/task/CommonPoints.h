#pragma once

#include "task/Steps.h"

namespace task {

// A point where two graphs meet, exactly and where the chart draws it.
struct CommonPoint {
    std::string x, y;
    double nearestX = 0, nearestY = 0;
};

// The points at the zeros of MOVED, in increasing x, with y from SIDE.
std::vector<CommonPoint> CommonPointsOf(const Polynomial& moved, const Polynomial& side);

// How the common points join the answer: after the solutions of an
// equation ("x = −2 lub x = 6; punkty wspólne wykresów: …"), as the answer
// itself ("punkty wspólne: …"), or in a line after an inequality's answer.
enum class PointsAnswer { AfterSolutions, Alone, AfterSet };

// After the answer of an equation or inequality with x on both sides, whose
// moved side is MOVED: y at each common point from the simpler side, the
// points in the answer as HOW says, and both graphs with the points marked.
void AddCommonPoints(const Task& task, const Polynomial& moved, Steps& steps, PointsAnswer how);

}  // namespace task
