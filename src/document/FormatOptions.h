#pragma once

#include "document/AxisSettings.h"
#include "document/ClassDiagramSettings.h"
#include "document/DensitySettings.h"
#include "document/FontSettings.h"
#include "framework/core/WinTypes.h"

#include <array>

// Every value the "Format Axis & Titles" sheet edits, copied out of the
// document before the sheet runs and written back only when it ends with OK.
struct FormatOptions {
    // Top, left and right; the sheet edits title, min, max and increment.
    std::array<AxisSettings, 3> axes;

    // Grids page.
    int drawGrids = 0;
    int equilateral = 0;
    int drawTicks = 0;
    int tickSide = -1; // radio index; -1 none chosen
    int lineStyle = -1;
    COLORREF lineColor = 0;
    COLORREF bgColor = 0;
    // The colour dialogs' custom colours: in, the document's; out, the
    // Grids page's list (the Legend page works on a copy of its own).
    std::array<COLORREF, 16> customColors {};

    // Fonts page: face, size, style and colour of each text.
    FontSettings annotFont;
    FontSettings axisFont;
    FontSettings legendFont;

    // Legend page.
    int drawLegend = 0;
    int drawShadow = 0;
    COLORREF legendBackColor = 0;

    // Diagram page: all but the fields of a diagram from a file, which the
    // page only keeps or drops.
    ClassDiagramSettings diagram;
    // Density page.
    DensitySettings density;
};
