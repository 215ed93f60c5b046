// Layout, scroll ranges, painting and printing of the grid.
#include "GridTestSupport.h"

#include <QFile>
#include <QScrollBar>
#include <QStyle>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const QColor kCyan(0, 255, 255);
const QColor kHeader(225, 225, 220);
const QColor kLine(200, 200, 200);
const QColor kMarker(255, 0, 255);

bool HasColor(const QImage& image, const QRect& area, const QColor& color)
{
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.pixelColor(x, y) == color)
                return true;
    return false;
}

TEST(GridLayout, BoundariesBelongToTheCellRightOfAndBelowThemAndScrolledOutRowsTakeNoRoom)
{
    TestGrid grid(40, 4);
    const std::pair<CPoint, CellCoord> hits[] = { { { 30, 20 }, { 1, 1 } }, { { 29, 19 }, { 0, 0 } },
        { { -1, -1 }, { -1, -1 } }, { { 30 + 88 * 3, 25 }, { 1, -1 } }, // right of the last column
        { { 30 + 88 * 3 - 1, 25 }, { 1, 3 } } };
    for (const auto& [point, cell] : hits)
        EXPECT_EQ(grid.HitTest(point), cell) << point.x << "," << point.y;
    EXPECT_EQ(TestGrid(10, 4).HitTest(CPoint { 40, 200 }).row, -1); // below the last row
    EXPECT_FALSE(grid.IsCellVisible(0, 1)); // headers never count
    EXPECT_FALSE(grid.IsCellVisible(3, 0));
    grid.verticalScrollBar()->setValue(3);
    EXPECT_EQ(grid.GetRowTop(2), 20);
    EXPECT_EQ(grid.GetRowTop(6), 60);
    EXPECT_EQ(grid.HitTest(CPoint { 40, 20 }), CellCoord(4, 1));
    EXPECT_EQ(grid.GetRangeRect(CellRange(4, 1, 5, 2)), (CRect { 30, 20, 206, 60 }));
    ASSERT_EQ(grid.viewport()->height(), 300);
    EXPECT_EQ(grid.GetVisibleRange(), CellRange(4, 1, 17, 3)); // row 17 ends at 300
    EXPECT_TRUE(grid.IsCellVisible(17, 3));
    EXPECT_FALSE(grid.IsCellVisible(18, 3));
    EXPECT_FALSE(grid.IsCellVisible(3, 1)); // scrolled out above
    EXPECT_FALSE(grid.IsRowVisible(3));
}

TEST(GridLayout, ScrollRangesFollowWhatFitsWithAndWithoutTheOtherBar)
{
    const int bar = TestGrid(2, 2).style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    struct Case {
        int rows, cols, width, height, maxV, maxH;
        const char* what;
    };
    const Case cases[] = { { 10, 3, 300, 200, 8, 0, "rows adding up to the height exactly do not fit" },
        { 40, 4, 300, 200, 38, 2, "columns (294) fit in 300 but not beside the vertical bar" },
        { 5, 4, 300, 400, 0, 0, "everything fits" },
        { 10, 6, 300, 200 + bar - 1, 8, 4, "rows fit only without the horizontal bar" },
        { 30, 8, 100, 60, 28, 6, "nothing fits" } };
    for (const Case& c : cases) {
        TestGrid grid(c.rows, c.cols, c.width, c.height);
        EXPECT_EQ(grid.verticalScrollBar()->maximum(), c.maxV) << c.what;
        EXPECT_EQ(grid.horizontalScrollBar()->maximum(), c.maxH) << c.what;
    }

    TestGrid grid(10, 3, 300, 200);
    grid.SetRowHeight(9, 19);
    grid.UpdateScrollRanges();
    EXPECT_EQ(grid.GetMaxVScroll(), 0) << "one unit less than the height fits";
    grid.resize(100, 60);
    EXPECT_EQ(grid.GetMaxVScroll(), 8) << "a resize recomputes the ranges";
}

TEST(GridPaint, SelectionShowsOnlyOnVisibleDataCells)
{
    TestGrid grid(40, 4);
    Settle();
    grid.GetSelection() = CellRange(1, 2, 39, 2); // a whole column
    QImage image = grid.Render();
    EXPECT_EQ(image.pixelColor(150, 50), kCyan);
    EXPECT_EQ(image.pixelColor(10, 50), kHeader);
    EXPECT_FALSE(HasColor(image, QRect(0, 0, image.width(), 20), kCyan));
    EXPECT_EQ(image.pixelColor(60, 50), QColor(Qt::white));

    grid.GetSelection() = CellRange(2, 1, 4, 3);
    grid.verticalScrollBar()->setValue(10);
    image = grid.Render();
    EXPECT_FALSE(HasColor(image, image.rect(), kCyan));
}

TEST(GridPaint, LinesEdgesAndTheAreaBelowTheLastRow)
{
    TestGrid grid(4, 3); // rows end at 80, columns at 206
    Settle();
    grid.GetSelection() = CellRange(-1, -1, -1, -1);
    const QImage image = grid.Render(kMarker);
    // The area below the last row and right of the last column is left alone.
    EXPECT_FALSE(HasColor(image, QRect(0, 81, image.width(), image.height() - 81), kLine));
    EXPECT_EQ(image.pixelColor(50, 81), kMarker);
    EXPECT_EQ(image.pixelColor(220, 30), kMarker);
    // Grid lines on the first pixel of the next cell; outer border black.
    EXPECT_EQ(image.pixelColor(50, 40), kLine);
    EXPECT_EQ(image.pixelColor(118, 50), kLine);
    EXPECT_EQ(image.pixelColor(50, 0), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(0, 50), QColor(Qt::black));
    // Raised white edge inside a header cell, one pixel in from its corner.
    EXPECT_EQ(image.pixelColor(31 + 5, 1), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(31 + 5, 2), kHeader);
}

TEST(GridPrint, ThePageShowsTheWindowFourTimesLarger)
{
    TestGrid grid(40, 4, 300, 200);
    Settle();
    grid.verticalScrollBar()->setValue(5);
    grid.GetSelection() = CellRange(7, 2, 7, 2);
    QImage page(grid.viewport()->size() * 4, QImage::Format_RGB32);
    page.fill(kMarker);
    {
        QPainter dc(&page);
        grid.RenderPrintPage(dc);
    }
    const CRect cyan = grid.GetCellRect(7, 2);
    EXPECT_EQ(page.pixelColor(cyan.left * 4 + 20, cyan.top * 4 + 8), kCyan);
    EXPECT_EQ(page.pixelColor(10 * 4, 30 * 4 + 8), kHeader);
    EXPECT_EQ(page.pixelColor(118 * 4, 70 * 4 + 10), kLine); // lines grow with the page

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("grid.pdf"));
    ASSERT_TRUE(grid.PrintToPdf(path));
    QFile pdf(path);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.read(5) == "%PDF-");
    EXPECT_FALSE(grid.PrintToPdf(dir.filePath(QStringLiteral("missing/dir/grid.pdf"))));
}

} // namespace
