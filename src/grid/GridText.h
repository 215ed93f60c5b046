#pragma once

#include "framework/core/WinTypes.h"

#include <QFont>
#include <QStaticText>
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

// The laid-out glyphs of one line of text, kept by a cell between paints so
// that a repaint does not shape the same text again. It is laid out anew
// when the painter's font differs from the one it was made with.
class GridTextLine {
public:
    // The line for text (DrawText's single-line form), prepared for font.
    const QStaticText& Get(const QString& line, const QFont& font);
    int Height() const { return m_height; }

private:
    QStaticText m_text;
    QFont m_font;
    int m_height = 0;
    bool m_ready = false;
};

// Writes text into rect (right and bottom excluded) with the painter's font
// and pen. Without DT_SINGLELINE the text breaks at line feeds and starts at
// the top; DT_VCENTER and DT_BOTTOM apply to single lines only. The text is
// clipped to the rectangle unless DT_NOCLIP is given. A caller that draws
// the same text again and again may pass a cache for it.
void GridDrawText(
    QPainter& painter, const QString& text, const CRect& rect, unsigned format, GridTextLine* cache = nullptr);

// Writes text with its top-left corner at (x, y).
void GridTextOut(QPainter& painter, int x, int y, const QString& text);
