#pragma once

#include "framework/core/WinTypes.h"

#include <string>

// One free text label on the plot. rect is in canvas units: left and bottom
// anchor the text, right and top follow its size. Owned by AnnotationList.
struct Annotation {
    int selected = 0; // drawn with a frame; removed by DeleteSelected
    std::string text;
    CRect rect;
};
