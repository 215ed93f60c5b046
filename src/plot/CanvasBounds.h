#pragma once

#include "framework/core/WinTypes.h"

// Keeping the legend box and the annotations within reach: at least
// kKeepOnCanvas units of each (all of it when it is smaller) stay on the
// canvas, the area the scroll bars reach.
inline constexpr int kKeepOnCanvas = 10;

// How far rect must move so that enough of it lies on a canvas of the given
// size; (0, 0) when it already does.
CPoint OffsetOntoCanvas(const CRect& rect, CSize canvas);
