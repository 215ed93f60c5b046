#pragma once

#include "document/AxisSettings.h"
#include "framework/core/WinTypes.h"

class PlotGeometry;

// What the pointer is over on the plot, as the mouse handlers see it:
// 1 to 6 an edge of the plot polygon (the edge Ci-1..Ci, numbered from
// C0-C1), 7 inside the polygon, 8 the text tool is active, 9 the legend took
// the button press.
enum PlotHit {
    HitNothing = 0,
    HitTopMin = 1, // edge C0-C1, where top = top min
    HitRightMax = 2, // C1-C2
    HitLeftMin = 3, // C2-C3
    HitTopMax = 4, // C3-C4
    HitRightMin = 5, // C4-C5
    HitLeftMax = 6, // C5-C0
    HitInside = 7,
    HitTextTool = 8,
    HitLegend = 9,
};

inline bool IsEdgeHit(int hit) { return hit >= HitTopMin && hit <= HitLeftMax; }

// The three axes an edge drag works on.
struct AxisTriple {
    AxisSettings& top;
    AxisSettings& left;
    AxisSettings& right;
};

// The two neighbouring limits an edge drag compares against, taken at the
// button press.
struct DragStartLimits {
    float g1 = 0;
    float g2 = 0;
};

// The edge (1 to 6) within 3 units of p, tried in the order C1-C2, C3-C4,
// C5-C0, C0-C1, C2-C3, C4-C5; else 7 when p lies inside the polygon (a
// non-zero winding number of C0 to C5 around it), else 0.
int HitTestPlot(const PlotGeometry& geo, CPoint p);

DragStartLimits EdgeDragStart(int hit, const AxisTriple& axes);

// The share under p that the dragged edge follows: top for the top edges,
// right for the right ones, left for the left ones.
double EdgeDragValue(int hit, const PlotGeometry& geo, CPoint p);

// Moves the dragged edge to v and its neighbours as far as they must go.
// Returns false, changing nothing, when v lies outside the edge's allowed
// window (the caller beeps).
bool ApplyEdgeDrag(int hit, double v, DragStartLimits start, const AxisTriple& axes);

// After the drag: the three limits the edge touched become multiples of the
// smallest increment, minimums rounded down and maximums up. With an
// increment that is not a positive number the limits stay as dragged.
void SnapEdgeDrag(int hit, const AxisTriple& axes);
