#pragma once

#include "framework/core/WinTypes.h"

#include <string>
#include <vector>

// One corner of a classification field, in percent of the top, left and
// right components as the field file gave them.
struct FieldVertex {
    double top = 0;
    double left = 0;
    double right = 0;
    friend bool operator==(const FieldVertex&, const FieldVertex&) = default;
};

// A named field: its corners in order, the last joined back to the first.
struct FieldPolygon {
    std::string name;
    std::vector<FieldVertex> vertices;
    friend bool operator==(const FieldPolygon&, const FieldPolygon&) = default;
};

// The most corners a diagram from a file keeps, all fields together, so that
// no file can make a paint or a classification crawl.
inline constexpr int kMaxFieldCorners = 10000;

enum class DiagramKind { None = 0, SoilTexture, Qap, FromFile };

// The classification diagram drawn under the samples and the direction the
// axes are read in. Saved as optional rows and a table that older builds
// skip; a plot left at these defaults saves exactly as before.
struct ClassDiagramSettings {
    DiagramKind kind = DiagramKind::None;
    // The fields of a diagram from a file, kept in the plot so that it opens
    // the same on another machine.
    std::vector<FieldPolygon> fileFields;
    int labelNumbers = 0; // 0: each field shows its name, 1: its number
    COLORREF lineColor = RGB(0, 0, 0);
    int lineStyle = 0; // boundaries 0 solid, 1 dashed
    int clockwise = 0; // 1: Top's labels on the left edge, Right's on the right, Left's at the bottom

    friend bool operator==(const ClassDiagramSettings&, const ClassDiagramSettings&) = default;
};

// The names of the diagrams on the command line and in the plot file.
inline constexpr const char* kSoilTextureName = "usda-texture";
inline constexpr const char* kQapName = "qap";
inline constexpr const char* kFieldFileName = "file";
