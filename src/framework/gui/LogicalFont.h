#pragma once

#include <QFont>

class QPaintDevice;

#include <string>

// A font described the way the plot's documents store it. height > 0 is the
// cell height (ascent + descent) in logical units, height < 0 the character
// height (cell height less the internal leading), 0 a default of 16 units.
// weight is 100 to 900, 400 normal and 700 bold; 0 means normal.
struct LogicalFont {
    int height = 0;
    int weight = 400;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    std::string faceName;

    friend bool operator==(const LogicalFont&, const LogicalFont&) = default;
};

// The Qt font of that description, sized in pixels. Absurd heights from a
// file are held to 1..1000 pixels so that text never becomes a hang.
QFont MakeQFont(const LogicalFont& font);

// The one device all text is measured on, so that a layout is the same on
// the screen, in an image, an SVG or a PDF.
const QPaintDevice* FontMeasureDevice();
