#pragma once

#include "framework/core/WinTypes.h"

#include <QString>

class QPainter;

// Format flags of GridDrawText, with the values and meaning of the classic
// DrawText flags the cells store.
enum : unsigned {
    DT_LEFT = 0x00,
    DT_CENTER = 0x01,
    DT_RIGHT = 0x02,
    DT_VCENTER = 0x04,
    DT_BOTTOM = 0x08,
    DT_WORDBREAK = 0x10,
    DT_SINGLELINE = 0x20,
    DT_NOCLIP = 0x100,
};

// Writes text into rect (right and bottom excluded) with the painter's font
// and pen. Without DT_SINGLELINE the text breaks at line feeds and starts at
// the top; DT_VCENTER and DT_BOTTOM apply to single lines only. The text is
// clipped to the rectangle unless DT_NOCLIP is given.
void GridDrawText(QPainter& painter, const QString& text, const CRect& rect, unsigned format);

// Writes text with its top-left corner at (x, y).
void GridTextOut(QPainter& painter, int x, int y, const QString& text);
