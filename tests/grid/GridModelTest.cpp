// The grid's model: construction, row and column counts, selection clamping,
// the cell store's ownership and the text cell's measuring.
#include "GridTestSupport.h"

#include "grid/CCellStore.h"
#include "grid/CTextCell.h"
#include "grid/GridText.h"

#include <QApplication>
#include <QFontMetrics>

#include <gtest/gtest.h>

namespace {

TEST(GridModel, NewGridSelectsFirstDataCellAndSizesRowsFromTheDesktopFont)
{
    CGridView grid(2, 2, 1, 1);
    EXPECT_EQ(grid.GetSelection(), CellRange(1, 1, 1, 1));
    const QFontMetrics fm(QApplication::font());
    for (int r = 0; r < 2; ++r)
        EXPECT_EQ(grid.GetRowHeight(r), fm.height() + 4);
    EXPECT_EQ(grid.GetColWidth(1), 12 * fm.averageCharWidth() + 4);
}

TEST(GridModel, SettingTheSameRowCountDoesNotRepaint)
{
    TestGrid grid(5, 3);
    ShowGrid(grid);
    const int before = grid.paints;
    grid.SetRowCount(5);
    Settle();
    EXPECT_EQ(grid.paints, before);
    grid.SetRowCount(6);
    Settle();
    EXPECT_GT(grid.paints, before);
}

TEST(GridModel, GrowingKeepsOldHeightsAndGivesNewRowsTheDefault)
{
    TestGrid grid(5, 3);
    grid.SetRowHeight(2, 57);
    grid.SetRowCount(8);
    ASSERT_EQ(grid.GetRowCount(), 8);
    EXPECT_EQ(grid.GetRowHeight(2), 57);
    EXPECT_EQ(grid.GetRowHeight(4), 20);
    for (int r = 5; r < 8; ++r)
        EXPECT_EQ(grid.GetRowHeight(r), grid.GetDefaultRowHeight());
    grid.SetColCount(5);
    EXPECT_EQ(grid.GetColWidth(1), 88);
    EXPECT_EQ(grid.GetColWidth(4), grid.GetDefaultColWidth());
}

TEST(GridModel, ShrinkingCutsOrResetsTheSelection)
{
    TestGrid grid(10, 4);
    grid.GetSelection() = CellRange(3, 1, 8, 2);
    grid.SetRowCount(6);
    EXPECT_EQ(grid.GetSelection(), CellRange(3, 1, 5, 2));

    grid.GetSelection() = CellRange(4, 3, 5, 3);
    grid.SetRowCount(4);
    EXPECT_EQ(grid.GetSelection(), CellRange(1, 1, 1, 1));
    grid.GetSelection() = CellRange(2, 3, 3, 3);
    grid.SetColCount(3);
    EXPECT_EQ(grid.GetSelection(), CellRange(1, 1, 1, 1));
}

TEST(GridModel, AnEmptyGridPaintsAndAnswersWithoutCells)
{
    TestGrid grid(5, 3);
    grid.SetRowCount(0);
    EXPECT_EQ(grid.GetSelection(), CellRange(1, 1, 1, 1));
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
        EXPECT_EQ(store.GetCell(1, 1), nullptr);

        store.SetCell(2, 0, std::make_unique<CountedCell>(deleted));
        store.SetCell(0, 1, std::make_unique<CountedCell>(deleted));
        store.SetRowCount(2); // drops row 2 from the end
        EXPECT_EQ(deleted, 3);
        store.SetColCount(4);
        EXPECT_NE(store.GetCell(0, 1), nullptr);
        EXPECT_EQ(store.GetCell(1, 3), nullptr);
        EXPECT_EQ(store.GetCell(5, 5), nullptr);
        store.SetCell(9, 9, std::make_unique<CountedCell>(deleted)); // outside: dropped at once
        EXPECT_EQ(deleted, 4);
        store.SetCell(1, 3, std::make_unique<CountedCell>(deleted));
        store.RemoveColumn(3);
        EXPECT_EQ(deleted, 5);
    }
    EXPECT_EQ(deleted, 6); // the store's destructor takes the last one
}

TEST(TextCell, NullTextIsEmptyAndExtentCoversEveryLine)
{
    QImage image(100, 40, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter dc(&image);
    const QFontMetrics fm = dc.fontMetrics();

    CTextCell empty(static_cast<const char*>(nullptr));
    EXPECT_TRUE(empty.GetText().isEmpty());
    EXPECT_EQ(empty.GetExtent(dc), CTextCell(QString()).GetExtent(dc));
    EXPECT_EQ(empty.GetExtent(dc).cx, 0);
    dc.setPen(Qt::black);
    empty.DrawInRect(dc, 0, 0, 100, 40);
    empty.Draw(dc, 0, 0);
    dc.end();
    EXPECT_TRUE(InkBounds(image).isEmpty());

    QPainter dc2(&image);
    CTextCell twoLines(QStringLiteral("ab\nc"));
    const CSize extent = twoLines.GetExtent(dc2);
    EXPECT_EQ(
        extent.cx, std::max(fm.horizontalAdvance(QStringLiteral("ab")), fm.horizontalAdvance(QStringLiteral("c"))));
    EXPECT_EQ(extent.cy, 2 * fm.height());
    EXPECT_EQ(twoLines.GetFormat(), 0x2Au);
}

TEST(TextCell, DefaultFormatDrawsOneLineRightAlignedOnTheBottom)
{
    QImage image(100, 40, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter dc(&image);
    dc.setPen(Qt::black);
    CTextCell cell(QStringLiteral("88"));
    cell.DrawInRect(dc, 0, 0, 100, 40);
    dc.end();
    // Ink only in the right half and the lower half.
    const QRect ink = InkBounds(image);
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_GT(ink.left(), 50);
    EXPECT_GT(ink.top(), 15);
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
