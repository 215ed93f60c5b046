#pragma once

#include <string>

// One axis of the plot; copied by value by the option sheet and the plot view.
// The ranges are checked by the axis pages, not here.
struct AxisSettings {
    std::string title;
    float min = 0.0f; // lowest value shown, percent
    float max = 100.0f; // highest value shown, percent
    float increment = 10.0f; // spacing of grid lines, ticks and labels
    int labelGap = 6; // pixels between the plot edge and the tick labels

    void SetTitle(const std::string& text) { title = text; }
    void SetMin(float value) { min = value; }
    void SetMax(float value) { max = value; }
};
