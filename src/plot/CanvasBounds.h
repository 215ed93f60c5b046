#pragma once

#include "framework/core/WinTypes.h"

// Keeping the legend box and the annotations within reach: at least
// kKeepOnCanvas units of each (all of it when it is smaller) stay on the
// canvas, the area the scroll bars reach.
inline constexpr int kKeepOnCanvas = 10;

// How far rect must move so that keep units of it (all of it when it is
// smaller) lie on a canvas of the given size; (0, 0) when they already do.
CPoint OffsetOntoCanvas(const CRect& rect, CSize canvas, int keep = kKeepOnCanvas);
