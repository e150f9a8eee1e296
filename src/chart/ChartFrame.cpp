#include "chart/ChartFrame.h"

namespace chart {

namespace {

struct Stroke {
    float fromX, fromY, toX, toY;
};

// Axes first, then the arrowheads at their tips.
constexpr Stroke axesAndArrows[] = {
    {70, 65, 150, 65},   // x axis
    {110, 25, 110, 105}, // y axis
    {110, 25, 108, 28},  // y arrowhead, left
    {110, 25, 112, 28},  // y arrowhead, right
    {150, 65, 147, 63},  // x arrowhead, upper
    {150, 65, 147, 67},  // x arrowhead, lower
};

constexpr int gridLeft = 70, gridRight = 150, gridTop = 25, gridBottom = 105;
constexpr int columnStep = 4;

void stroke(ChartCanvas& canvas, float fromX, float fromY, float toX, float toY) {
    canvas.MoveTo(fromX, fromY);
    canvas.LineTo(toX, toY);
}

}  // namespace

void DrawChartFrame(ChartCanvas& canvas, int rowStep) {
    canvas.SetPenWidth(2);
    for (const Stroke& s : axesAndArrows) stroke(canvas, s.fromX, s.fromY, s.toX, s.toY);
    for (int gx = gridLeft; gx <= gridRight; gx += columnStep) {
        canvas.SetPenWidth(1);
        stroke(canvas, gx, gridTop, gx, gridBottom);
    }
    for (int gy = gridTop; gy <= gridBottom; gy += rowStep) {
        canvas.SetPenWidth(1);
        stroke(canvas, gridLeft, gy, gridRight, gy);
    }
}

void DrawActivationFrame(ChartCanvas& canvas) { DrawChartFrame(canvas, 4); }

void ClearChart(ChartCanvas& canvas) {
    canvas.Hide();
    canvas.Show();
    canvas.SetPenWidth(2);
    canvas.SetPenColour(Black);
    DrawChartFrame(canvas, 5);
    // Showing the window again activates it; that activation's frame comes
    // after the command, in the black just set, so no earlier colour survives.
    DrawActivationFrame(canvas);
}

}  // namespace chart
