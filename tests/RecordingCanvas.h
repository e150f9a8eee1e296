#pragma once

#include <QString>
#include <QStringList>

#include <vector>

#include "chart/ChartCanvas.h"

// Keeps every canvas call as one line of text, and the dots with their pen,
// so tests can compare whole drawing sequences.
class RecordingCanvas : public chart::ChartCanvas {
public:
    struct Dot {
        float x, y;
        int width;
        chart::Rgb colour;
    };

    QStringList calls;
    std::vector<Dot> dots;
    int penWidth = 1;
    chart::Rgb penColour{};

    void SetPenWidth(int pixels) override {
        penWidth = pixels;
        calls << QStringLiteral("width %1").arg(pixels);
    }
    void SetPenColour(chart::Rgb colour) override {
        penColour = colour;
        calls << QStringLiteral("colour %1 %2 %3").arg(colour.r).arg(colour.g).arg(colour.b);
    }
    void MoveTo(float x, float y) override { calls << QStringLiteral("move %1 %2").arg(x).arg(y); }
    void LineTo(float x, float y) override { calls << QStringLiteral("line %1 %2").arg(x).arg(y); }
    void PlotPoint(float x, float y) override {
        dots.push_back({x, y, penWidth, penColour});
        calls << QStringLiteral("dot");
    }
    void Hide() override { calls << QStringLiteral("hide"); }
    void Show() override { calls << QStringLiteral("show"); }

    std::vector<Dot> dotsOf(chart::Rgb colour) const {
        std::vector<Dot> found;
        for (const Dot& dot : dots) {
            if (dot.colour == colour) found.push_back(dot);
        }
        return found;
    }
};
