// The grid's model (row and column counts, selection clamping, the cell
// store's ownership and the text cell's drawing), its layout, scroll ranges,
// painting and printing.
#include "GridTestSupport.h"

#include "grid/CCellStore.h"
#include "grid/CTextCell.h"

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

TEST(GridModel, GrowingKeepsOldSizesAndShrinkingCutsOrResetsTheSelection)
{
    TestGrid grid(5, 3);
    grid.SetRowHeight(2, 57);
    grid.SetRowCount(10);
    EXPECT_EQ(grid.GetRowHeight(2), 57);
    EXPECT_EQ(grid.GetRowHeight(9), grid.GetDefaultRowHeight());
    grid.SetColCount(5);
    EXPECT_EQ(grid.GetColWidth(1), 88);
    EXPECT_EQ(grid.GetColWidth(4), grid.GetDefaultColWidth());

    grid.GetSelection() = CellRange(3, 1, 8, 2);
    grid.SetRowCount(6);
    EXPECT_EQ(grid.GetSelection(), CellRange(3, 1, 5, 2));
    grid.GetSelection() = CellRange(4, 3, 5, 3);
    grid.SetRowCount(4);
    EXPECT_EQ(grid.GetSelection(), CellRange(1, 1, 1, 1));
    grid.GetSelection() = CellRange(2, 4, 3, 4);
    grid.SetColCount(4);
    EXPECT_EQ(grid.GetSelection(), CellRange(1, 1, 1, 1));
}

TEST(GridModel, AnEmptyGridPaintsAndAnswersWithoutCells)
{
    TestGrid grid(5, 3);
    grid.SetRowCount(0);
    grid.Render();
    Click(grid, 40, 30);
    QTest::keyClick(&grid, Qt::Key_Down);
    QTest::keyClick(&grid, Qt::Key_End);
    QTest::keyClicks(&grid, QStringLiteral("x"));
    EXPECT_FALSE(grid.IsEditing());
    grid.SetColCount(0);
    grid.Render();
    EXPECT_EQ(grid.HitTest(CPoint { 5, 5 }), CellCoord(-1, -1));
}

// A cell that counts its deletions.
struct CountedCell : CGridCell {
    explicit CountedCell(int& deleted)
        : m_deleted(deleted)
    {
    }
    ~CountedCell() override { ++m_deleted; }
    int& m_deleted;
};

TEST(CellStore, OwnsItsCellsAndDeletesReplacedAndRemovedOnes)
{
    int deleted = 0;
    {
        CCellStore store(3, 2);
        store.SetCell(1, 1, std::make_unique<CountedCell>(deleted));
        store.SetCell(1, 1, std::make_unique<CountedCell>(deleted));
        EXPECT_EQ(deleted, 1);
        store.SetCell(1, 1, nullptr);
        EXPECT_EQ(deleted, 2);
        store.SetCell(2, 0, std::make_unique<CountedCell>(deleted));
        store.SetCell(0, 1, std::make_unique<CountedCell>(deleted));
        store.SetRowCount(2); // drops row 2 from the end
        EXPECT_EQ(deleted, 3);
        store.SetColCount(4);
        EXPECT_NE(store.GetCell(0, 1), nullptr);
        EXPECT_EQ(store.GetCell(5, 5), nullptr);
        store.SetCell(9, 9, std::make_unique<CountedCell>(deleted)); // outside: dropped at once
        EXPECT_EQ(deleted, 4);
        store.SetCell(1, 3, std::make_unique<CountedCell>(deleted));
        store.RemoveColumn(3);
        EXPECT_EQ(deleted, 5);
    }
    EXPECT_EQ(deleted, 6); // the store's destructor takes the last one
}

TEST(TextCell, NullTextDrawsNothingAndTheDefaultFormatSitsBottomRight)
{
    auto draw = [](CTextCell&& cell) {
        QImage image(100, 40, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter dc(&image);
        dc.setPen(Qt::black);
        cell.DrawInRect(dc, 0, 0, 100, 40);
        return image;
    };
    const QImage white = draw(CTextCell(QString()));
    EXPECT_EQ(draw(CTextCell(static_cast<const char*>(nullptr))), white);
    const QImage text = draw(CTextCell(QStringLiteral("88")));
    EXPECT_EQ(text.copy(0, 0, 51, 40), white.copy(0, 0, 51, 40)) << "nothing in the left half";
    EXPECT_EQ(text.copy(0, 0, 100, 16), white.copy(0, 0, 100, 16)) << "nor in the top rows";
}

TEST(TextCell, TextTooWideForItsCellKeepsItsStartAndEndsInAnEllipsis)
{
    // The same text right-aligned in a narrow cell and left-aligned in a
    // wide one: the first columns of ink are the same letters.
    const QString text = QStringLiteral("Wide sample name 12345");
    auto draw = [&](int width, unsigned format) {
        QImage image(200, 20, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter dc(&image);
        dc.setPen(Qt::black);
        GridDrawText(dc, text, CRect { 0, 0, width, 20 }, format);
        dc.end();
        return image.copy(0, 0, 12, 20);
    };
    EXPECT_EQ(draw(50, DT_RIGHT | DT_SINGLELINE), draw(200, DT_LEFT | DT_SINGLELINE));
    EXPECT_EQ(draw(50, DT_CENTER | DT_SINGLELINE), draw(200, DT_LEFT | DT_SINGLELINE));
}

} // namespace
