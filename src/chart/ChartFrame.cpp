#include "chart/ChartFrame.h"

#include "chart/ChartMapping.h"

namespace chart {

namespace {

struct GridPoint {
    int x, y;
};

struct Stroke {
    GridPoint from, to;
};

// Each arrowhead's strokes go 3 mm back from its tip and 2 mm to either side.
constexpr int arrowBack = 3, arrowSide = 2;

// Axes first, then the arrowheads at their tips.
constexpr Stroke axesAndArrows[] = {
    {{FrameLeft, OriginY}, {FrameRight, OriginY}},
    {{OriginX, FrameTop}, {OriginX, FrameBottom}},
    {{OriginX, FrameTop}, {OriginX - arrowSide, FrameTop + arrowBack}},
    {{OriginX, FrameTop}, {OriginX + arrowSide, FrameTop + arrowBack}},
    {{FrameRight, OriginY}, {FrameRight - arrowBack, OriginY - arrowSide}},
    {{FrameRight, OriginY}, {FrameRight - arrowBack, OriginY + arrowSide}},
};

void stroke(ChartCanvas& canvas, const Stroke& s) {
    canvas.MoveTo(float(s.from.x), float(s.from.y));
    canvas.LineTo(float(s.to.x), float(s.to.y));
}

}  // namespace

void DrawChartFrame(ChartCanvas& canvas, int rowStep) {
    canvas.SetPenWidth(2);
    for (const Stroke& s : axesAndArrows) stroke(canvas, s);
    for (int gx = FrameLeft; gx <= FrameRight; gx += MillimetresPerUnit) {
        canvas.SetPenWidth(1);
        stroke(canvas, {{gx, FrameTop}, {gx, FrameBottom}});
    }
    for (int gy = FrameTop; gy <= FrameBottom; gy += rowStep) {
        canvas.SetPenWidth(1);
        stroke(canvas, {{FrameLeft, gy}, {FrameRight, gy}});
    }
}

void DrawActivationFrame(ChartCanvas& canvas) { DrawChartFrame(canvas, MillimetresPerUnit); }

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
