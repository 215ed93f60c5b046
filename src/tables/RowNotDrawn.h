#pragma once

#include <QColor>
#include <QString>

class CTernaryDoc;

// A table row the plot leaves out although it holds a whole sample: its
// three values do not sum to 100 while Auto-100% is off (or sum to 0), or it
// has no symbol. The table tints its value cells and says why when the row
// is selected; nothing in the row is changed.

// "Row 7 is not drawn: its values sum to 120" (or "...: it has no symbol"),
// or an empty text when the plot draws the row or the row is not a whole
// sample.
QString RowNotDrawnReason(const CTernaryDoc& doc, int row);

// The tint of the value cells of such a row: light on screen, a grey of its
// own on paper.
inline const QColor kRowNotDrawnTint(255, 214, 170);
