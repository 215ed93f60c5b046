#pragma once

#include "grid/CGridView.h"
#include "grid/GridText.h"
#include "support/TestSupport.h"

#include <QImage>
#include <QPainter>
#include <QTest>

#include <map>
#include <ostream>
#include <utility>

// A grid with known geometry for driving with QTest: no frame, rows 20 high,
// the header column 30 wide, data columns 88 wide, texts kept in a map.
class TestGrid : public CGridView {
public:
    TestGrid(int rows, int cols, int width = 400, int height = 300)
        : CGridView(rows, cols, 1, 1)
    {
        setFrameShape(QFrame::NoFrame);
        for (int r = 0; r < rows; ++r)
            SetRowHeight(r, 20);
        SetColWidth(0, 30);
        for (int c = 1; c < cols; ++c)
            SetColWidth(c, 88);
        SetEditEnabled(true);
        resize(width, height);
        show();
        (void)QTest::qWaitForWindowExposed(this);
    }

    // Only the texts the test put in the map are drawn.
    void DrawCell(int row, int col, QPainter& dc, int x, int y) override
    {
        auto it = texts.find({ row, col });
        if (it != texts.end())
            GridDrawText(dc, it->second,
                CRect { x, y, x + GetColWidth(col) - 2 * m_cellMargin, y + GetRowHeight(row) - 2 * m_cellMargin },
                DT_CENTER);
    }
    void SetCellText(int row, int col, const QString& text) override { texts[{ row, col }] = text; }
    QString GetCellText(int row, int col) override
    {
        auto it = texts.find({ row, col });
        return it == texts.end() ? QString() : it->second;
    }

    // Paints what the window shows into an image first filled with marker.
    QImage Render(QColor marker = QColor(255, 0, 255))
    {
        QImage image(viewport()->size(), QImage::Format_RGB32);
        image.fill(marker);
        QPainter dc(&image);
        dc.setPen(Qt::black);
        OnDraw(dc);
        return image;
    }

    using CGridView::m_anchor;
    using CGridView::m_trackLine;

    std::map<std::pair<int, int>, QString> texts;
};

// Mouse helpers in viewport coordinates.
inline void Move(TestGrid& g, int x, int y) { QTest::mouseMove(g.viewport(), QPoint(x, y)); }
inline void Press(TestGrid& g, int x, int y, Qt::KeyboardModifiers mods = Qt::NoModifier)
{
    QTest::mousePress(g.viewport(), Qt::LeftButton, mods, QPoint(x, y));
}
inline void Release(TestGrid& g, int x, int y) { QTest::mouseRelease(g.viewport(), Qt::LeftButton, {}, QPoint(x, y)); }
inline void Click(TestGrid& g, int x, int y, Qt::KeyboardModifiers mods = Qt::NoModifier)
{
    Move(g, x, y);
    Press(g, x, y, mods);
    Release(g, x, y);
}

inline std::ostream& operator<<(std::ostream& os, const CellRange& r)
{
    return os << "(" << r.top << ", " << r.left << ", " << r.bottom << ", " << r.right << ")";
}
inline std::ostream& operator<<(std::ostream& os, const CellCoord& c)
{
    return os << "(" << c.row << ", " << c.col << ")";
}
