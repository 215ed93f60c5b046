// The grid under the mouse: sizing cursors, resizing by dragging, selection
// by cell, header and corner presses, Shift presses, dragging and the
// notifications to the parent.
#include "GridTestSupport.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

namespace {

// 40 rows of 20, columns [0,30) [30,118) [118,206) [206,294) [294,382);
// the client area is 300 high beside a vertical scroll bar (no horizontal one).
struct GridMouse : ::testing::Test {
    TestGrid grid { 40, 5, 400, 300 };
    void SetUp() override { Settle(); }
};

TEST_F(GridMouse, SizingCursorsShowWithinThreeUnitsOfAHeaderBoundary)
{
    // 115 and 121 lie 3 from the edge at 118, 38 is 2 above row 1's bottom;
    // column 0's left edge is no boundary, and a data cell never sizes.
    const struct {
        int x, y;
        Qt::CursorShape shape;
    } cases[] = { { 60, 10, Qt::ArrowCursor }, { 115, 10, Qt::SizeHorCursor }, { 121, 10, Qt::SizeHorCursor },
        { 122, 10, Qt::ArrowCursor }, { 1, 10, Qt::ArrowCursor }, { 10, 38, Qt::SizeVerCursor },
        { 10, 1, Qt::ArrowCursor }, { 115, 50, Qt::ArrowCursor } };
    for (const auto& c : cases) {
        Move(grid, c.x, c.y);
        EXPECT_EQ(grid.viewport()->cursor().shape(), c.shape) << c.x << "," << c.y;
    }
}

TEST_F(GridMouse, DraggingAnEdgeResizesTheColumnLeftOrTheRowAboveButNeverBelowNothing)
{
    Move(grid, 60, 60);
    Press(grid, 118, 10); // column 2's left edge, without a move there first: column 1 is resized
    EXPECT_EQ(grid.m_trackLine, (CRect { 118, 0, 120, 300 }));
    Move(grid, 138, 10);
    EXPECT_EQ(grid.m_trackLine, (CRect { 138, 0, 140, 300 }));
    Release(grid, 138, 10);
    EXPECT_EQ(grid.GetColWidth(1), 108);
    EXPECT_TRUE(grid.m_trackLine.IsRectEmpty());
    EXPECT_EQ(grid.GetMaxHScroll(), 3); // 402 wide no longer fits
    EXPECT_EQ(grid.GetSelection(), CellRange(1, 1, 1, 1)); // a resize selects nothing

    Move(grid, 10, 41);
    Press(grid, 10, 41); // 1 below row 1's bottom: row 1 is resized
    Move(grid, 10, 70);
    Release(grid, 10, 70);
    EXPECT_EQ(grid.GetRowHeight(1), 50);
    EXPECT_EQ(grid.GetRowHeight(2), 20);

    Move(grid, 225, 10);
    Press(grid, 225, 10); // column 2's right edge
    Move(grid, 40, 10); // far left of column 2's left edge (138)
    EXPECT_EQ(grid.m_trackLine.left, 138);
    Release(grid, 20, 10);
    EXPECT_EQ(grid.GetColWidth(2), 0);
    EXPECT_EQ(grid.GetColWidth(1), 108);
    EXPECT_EQ(grid.HitTest(CPoint { 138, 50 }).col, 3); // a zero-wide column is never hit
}

TEST_F(GridMouse, CornerRowAndColumnHeadersSelectWholeBlocks)
{
    // A press (then moves) in the corner, the header of row 2 and the header of column 3.
    const struct {
        bool press;
        int x, y;
        CellRange selection;
    } steps[] = { { true, 1, 10, CellRange(1, 1, 39, 4) }, // also at column 0's left edge
        { false, 150, 150, CellRange(1, 1, 39, 4) }, { true, 10, 50, CellRange(2, 1, 2, 4) },
        { false, 10, 110, CellRange(2, 1, 5, 4) }, { false, 10, 10, CellRange(2, 1, 5, 4) }, // header row: rows stay
        { true, 250, 10, CellRange(1, 3, 39, 3) }, { false, 150, 60, CellRange(1, 2, 39, 3) } };
    for (const auto& step : steps) {
        if (step.press)
            Release(grid, step.x, step.y);
        Move(grid, step.x, step.y);
        if (step.press)
            Press(grid, step.x, step.y);
        EXPECT_EQ(grid.GetSelection(), step.selection) << step.x << "," << step.y;
    }
}

TEST_F(GridMouse, ShiftPressExtendsFromTheOldCurrentCellWhichStaysFixed)
{
    Click(grid, 150, 90); // (4, 2)
    Move(grid, 250, 150);
    Press(grid, 250, 150, Qt::ShiftModifier); // (7, 3)
    EXPECT_EQ(grid.GetSelection(), CellRange(4, 2, 7, 3));
    Move(grid, 60, 110); // (5, 1)
    EXPECT_EQ(grid.GetSelection(), CellRange(4, 1, 5, 2));
    Release(grid, 60, 110);
}

TEST_F(GridMouse, DraggingBelowTheWindowScrollsOneRowPerMoveButNeverUp)
{
    Move(grid, 150, 50);
    Press(grid, 150, 50); // (2, 2)
    Move(grid, 150, 310);
    EXPECT_EQ(grid.GetVScrollPos(), 1);
    Move(grid, 150, 312);
    EXPECT_EQ(grid.GetVScrollPos(), 2);
    EXPECT_GT(grid.GetSelection().bottom, 15);
    Move(grid, 150, -15);
    Move(grid, 150, 25);
    EXPECT_EQ(grid.GetVScrollPos(), 2);
    Release(grid, 150, 25);
    EXPECT_EQ(grid.GetSelection(), CellRange(2, 2, 3, 2));
}

TEST_F(GridMouse, ANewDragOntoTheCellWhereTheLastOneEndedExtends)
{
    Move(grid, 150, 110);
    Press(grid, 150, 110); // (5, 2)
    Move(grid, 250, 150); // (7, 3)
    Release(grid, 250, 150);
    Move(grid, 60, 70);
    Press(grid, 60, 70); // (3, 1)
    Move(grid, 250, 150);
    EXPECT_EQ(grid.GetSelection(), CellRange(3, 1, 7, 3));
    Release(grid, 250, 150);
}

TEST_F(GridMouse, ClicksOnCellsNotifyTheParentAndStoreARunningEdit)
{
    QSignalSpy clicked(&grid, &CGridView::GridClicked);
    QSignalSpy doubleClicked(&grid, &CGridView::GridDoubleClicked);
    Click(grid, 60, 50);
    EXPECT_EQ(clicked.count(), 1);
    Click(grid, 390, 50); // right of the last column: no cell
    EXPECT_EQ(clicked.count(), 1);
    EXPECT_EQ(grid.GetSelection(), CellRange(2, 1, 2, 1));
    QTest::keyClicks(&grid, QStringLiteral("ab"));
    Click(grid, 60, 70);
    EXPECT_EQ(grid.GetCellText(2, 1), QStringLiteral("ab"));
    EXPECT_EQ(grid.texts.count(std::make_pair(3, 1)), 0u);
    QTest::mouseDClick(grid.viewport(), Qt::LeftButton, {}, QPoint(60, 70));
    EXPECT_EQ(doubleClicked.count(), 1);
    EXPECT_EQ(grid.GetSelection(), CellRange(3, 1, 3, 1));
}

} // namespace
