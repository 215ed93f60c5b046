#pragma once

#include "grid/CGridCell.h"
#include "grid/GridText.h"

#include <QString>

#include <memory>

// A cell holding a text, drawn with GridDrawText format flags.
// The default format puts one line right-aligned on the bottom of the cell.
class CTextCell : public CGridCell {
public:
    static constexpr unsigned kDefaultFormat = DT_RIGHT | DT_BOTTOM | DT_SINGLELINE; // 0x2A

    explicit CTextCell(const QString& text = QString());
    // UTF-8 bytes; a null pointer gives the empty text.
    explicit CTextCell(const char* text);

    void Draw(QPainter& dc, int x, int y) override;
    void DrawInRect(QPainter& dc, int x, int y, int width, int height) override;
    // Widest line by the sum of the lines' heights; lines end at line feeds.
    CSize GetExtent(QPainter& dc) override;

    const QString& GetText() const { return m_text; }
    unsigned GetFormat() const { return m_format; }
    void SetFormat(unsigned format) { m_format = format; }

private:
    QString m_text;
    unsigned m_format = kDefaultFormat;
    // Glyphs of the last draw, made on the first one.
    std::unique_ptr<GridTextLine> m_line;
};
