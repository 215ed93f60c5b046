// The grid under the keyboard: moving the current cell, Shift blocks, paging,
// Home and End, type-over editing, the scroll codes and the selection
// operations other views call; and under the mouse: sizing cursors, resizing
// by dragging, selection by cell, header and corner presses, Shift presses,
// dragging and the notifications to the parent.
#include "GridTestSupport.h"

#include <QKeyEvent>
#include <QScrollBar>
#include <QSignalSpy>

#include <gtest/gtest.h>

namespace {

// One key press without the modifier key presses QTest adds, so a Shift
// held down stays the same press.
void Key(CGridView& grid, int key, Qt::KeyboardModifiers mods = Qt::NoModifier, const QString& text = QString())
{
    QKeyEvent event(QEvent::KeyPress, key, mods, text);
    QCoreApplication::sendEvent(&grid, &event);
}

// 40 rows of 20, columns [0,30) [30,118) [118,206) [206,294) [294,382);
// the client area is 300 high beside a vertical scroll bar (no horizontal one).
struct GridKeys : ::testing::Test {
    TestGrid grid { 40, 5, 400, 300 };
    void SetUp() override { Settle(); }
    void Select(int row, int col) { grid.GetSelection() = CellRange(row, col, row, col); }
};

TEST_F(GridKeys, KeysMoveTheCurrentCellAndArrowsScrollTowardsIt)
{
    // Rows 1 .. 14 are on screen unscrolled.
    const struct {
        int row, col, scroll, key, toRow, toCol, toScroll;
    } cases[] = {
        { 3, 2, 0, Qt::Key_Down, 4, 2, 0 },
        { 3, 2, 0, Qt::Key_Return, 4, 2, 0 },
        { 3, 2, 0, Qt::Key_Up, 2, 2, 0 },
        { 3, 2, 0, Qt::Key_Right, 3, 3, 0 },
        { 3, 2, 0, Qt::Key_Tab, 3, 3, 0 },
        { 3, 2, 0, Qt::Key_Left, 3, 1, 0 },
        { 39, 1, 30, Qt::Key_Down, 39, 1, 30 }, // the edges hold
        { 1, 4, 0, Qt::Key_Up, 1, 4, 0 },
        { 1, 4, 0, Qt::Key_Right, 1, 4, 0 },
        { 1, 1, 0, Qt::Key_Left, 1, 1, 0 },
        { 14, 1, 0, Qt::Key_Down, 15, 1, 1 }, // one step towards a cell out of view
        { 14, 1, 0, Qt::Key_Return, 15, 1, 0 }, // Tab and Enter do not scroll
        { 2, 1, 1, Qt::Key_Up, 1, 1, 0 },
    };
    for (const auto& c : cases) {
        grid.OnVScroll(CGridView::SB_THUMBTRACK, c.scroll);
        Select(c.row, c.col);
        QTest::keyClick(&grid, Qt::Key(c.key));
        EXPECT_EQ(grid.GetSelection(), CellRange(c.toRow, c.toCol, c.toRow, c.toCol)) << c.row << "," << c.col;
        EXPECT_EQ(grid.GetVScrollPos(), c.toScroll) << c.row << "," << c.col;
    }
    EXPECT_TRUE(grid.hasFocus() || !grid.isActiveWindow()); // Tab did not move the focus away

    // A key that cannot move still stores the running edit.
    Select(5, 1);
    QTest::keyClick(&grid, Qt::Key_7);
    QTest::keyClick(&grid, Qt::Key_Left);
    EXPECT_FALSE(grid.IsEditing());
    EXPECT_EQ(grid.GetCellText(5, 1), QStringLiteral("7"));
}

TEST_F(GridKeys, ShiftExtendsABlockFromTheStartingCell)
{
    Select(3, 2);
    Key(grid, Qt::Key_Down, Qt::ShiftModifier); // Shift held before the grid saw it go down
    EXPECT_EQ(grid.GetSelection(), CellRange(3, 2, 4, 2));
    Select(3, 2);
    Key(grid, Qt::Key_Shift, Qt::ShiftModifier);
    for (int i = 0; i < 3; ++i)
        Key(grid, Qt::Key_Down, Qt::ShiftModifier);
    Key(grid, Qt::Key_Left, Qt::ShiftModifier);
    EXPECT_EQ(grid.GetSelection(), CellRange(3, 1, 6, 2));
    for (int i = 0; i < 4; ++i)
        Key(grid, Qt::Key_Up, Qt::ShiftModifier); // the moving corner passes the fixed one
    EXPECT_EQ(grid.GetSelection(), CellRange(2, 1, 3, 2));
    // Without Shift the block falls back to one cell next to the current one.
    Key(grid, Qt::Key_Down);
    EXPECT_EQ(grid.GetSelection(), CellRange(3, 1, 3, 1));
    // Shift+Tab comes as Backtab; the moving corner stops at the first data
    // row, so one Down after two Ups is back on the starting row.
    Select(2, 2);
    Key(grid, Qt::Key_Shift, Qt::ShiftModifier);
    for (int key : { Qt::Key_Backtab, Qt::Key_Up, Qt::Key_Up })
        Key(grid, key, Qt::ShiftModifier);
    EXPECT_EQ(grid.GetSelection(), CellRange(1, 2, 2, 3));
    Key(grid, Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(grid.GetSelection(), CellRange(2, 2, 2, 3));
}

TEST_F(GridKeys, TypingReplacesTheTextBackspaceEscAndEnter)
{
    grid.texts[{ 3, 2 }] = QStringLiteral("old");
    Select(3, 2);
    QTest::keyClicks(&grid, QStringLiteral("12"));
    EXPECT_EQ(grid.GetEditText(), QStringLiteral("12"));
    EXPECT_EQ(grid.GetCellText(3, 2), QStringLiteral("old")); // stored only at the end
    QTest::keyClick(&grid, Qt::Key_Escape);
    EXPECT_FALSE(grid.IsEditing());
    EXPECT_EQ(grid.GetCellText(3, 2), QStringLiteral("old"));

    QTest::keyClicks(&grid, QStringLiteral("12"));
    QTest::keyClick(&grid, Qt::Key_Backspace);
    QTest::keyClick(&grid, Qt::Key_Return);
    EXPECT_EQ(grid.GetCellText(3, 2), QStringLiteral("1"));
    EXPECT_EQ(grid.GetSelection(), CellRange(4, 2, 4, 2));

    // Backspace takes back a whole character, also one outside the basic plane.
    QTest::keyClicks(&grid, QStringLiteral("x"));
    Key(grid, Qt::Key_unknown, Qt::NoModifier, QStringLiteral("\U0001F600"));
    QTest::keyClick(&grid, Qt::Key_Backspace);
    EXPECT_EQ(grid.GetEditText(), QStringLiteral("x"));
}

TEST_F(GridKeys, WhatStartsAnEditAndWhatDoesNot)
{
    grid.texts[{ 3, 2 }] = QStringLiteral("ab");
    Select(3, 2);
    QTest::keyClick(&grid, Qt::Key_Backspace);
    EXPECT_FALSE(grid.IsEditing());
    // An Esc with no edit running starts one on the present text; typing appends.
    QTest::keyClick(&grid, Qt::Key_Escape);
    QTest::keyClicks(&grid, QStringLiteral("c"));
    QTest::keyClick(&grid, Qt::Key_Tab);
    EXPECT_EQ(grid.GetCellText(3, 2), QStringLiteral("abc"));

    grid.SetEditEnabled(false);
    QTest::keyClicks(&grid, QStringLiteral("x"));
    EXPECT_FALSE(grid.IsEditing());
    grid.SetEditEnabled(true);
    grid.GetSelection() = CellRange(3, 1, 4, 1); // a block is never typed over
    QTest::keyClicks(&grid, QStringLiteral("x"));
    EXPECT_FALSE(grid.IsEditing());
    grid.resize(400, 290); // row 14 spans 280 .. 300: cut by the bottom edge
    Settle();
    Select(14, 1);
    QTest::keyClicks(&grid, QStringLiteral("5"));
    EXPECT_FALSE(grid.IsEditing());
    Select(13, 1);
    QTest::keyClicks(&grid, QStringLiteral("5"));
    EXPECT_TRUE(grid.IsEditing());
}

TEST_F(GridKeys, PagingStoresTheEditAndMovesByTheWholeRowsOnScreenHomeAndEndGoToTheEnds)
{
    Select(3, 2);
    QTest::keyClicks(&grid, QStringLiteral("9"));
    grid.resize(400, 210); // data rows 1 .. 9 whole, the tenth cut
    Settle();
    QTest::keyClick(&grid, Qt::Key_PageDown);
    EXPECT_EQ(grid.GetCellText(3, 2), QStringLiteral("9"));
    EXPECT_EQ(std::pair(grid.GetVScrollPos(), grid.GetSelection()), std::pair(9, CellRange(10, 2, 10, 2)));
    EXPECT_EQ(grid.texts.count(std::make_pair(10, 2)), 0u);
    QTest::keyClick(&grid, Qt::Key_PageUp);
    EXPECT_EQ(grid.GetVScrollPos(), 0);

    grid.resize(400, 30); // one data row, cut: still one row
    Settle();
    QTest::keyClick(&grid, Qt::Key_PageDown);
    EXPECT_EQ(grid.GetVScrollPos(), 1);

    grid.resize(400, 300);
    Settle();
    QTest::keyClick(&grid, Qt::Key_End);
    EXPECT_EQ(
        std::pair(grid.GetVScrollPos(), grid.GetSelection()), std::pair(grid.GetMaxVScroll(), CellRange(39, 1, 39, 1)));
    QTest::keyClick(&grid, Qt::Key_Home);
    EXPECT_EQ(std::pair(grid.GetVScrollPos(), grid.GetSelection()), std::pair(0, CellRange(1, 1, 1, 1)));

    TestGrid small(5, 3);
    small.GetSelection() = CellRange(3, 2, 3, 2);
    QTest::keyClick(&small, Qt::Key_End); // all rows fit: the first data row
    EXPECT_EQ(small.GetSelection(), CellRange(1, 1, 1, 1));
}

TEST_F(GridKeys, ScrollBarActionsFollowTheScrollCodes)
{
    QScrollBar* bar = grid.verticalScrollBar();
    bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(grid.GetVScrollPos(), 1 + 13); // rows 2 .. 15 on screen, 15 cut
    bar->triggerAction(QAbstractSlider::SliderPageStepSub);
    EXPECT_EQ(grid.GetVScrollPos(), 1);
    bar->triggerAction(QAbstractSlider::SliderToMaximum);
    EXPECT_EQ(grid.GetVScrollPos(), 38);

    TestGrid wide(5, 12, 400, 300);
    wide.OnHScroll(CGridView::SB_PAGERIGHT);
    EXPECT_EQ(wide.GetHScrollPos(), 4); // visible columns 1 .. 5, 5 cut
    wide.OnHScroll(CGridView::SB_LINELEFT);
    wide.OnHScroll(CGridView::SB_PAGELEFT);
    EXPECT_EQ(wide.GetHScrollPos(), 0);
    wide.OnHScroll(CGridView::SB_PAGERIGHT);
    QTest::keyClick(&wide, Qt::Key_Home);
    EXPECT_EQ(wide.GetHScrollPos(), 0) << "Home goes back to the first column too";

    TestGrid narrow(5, 6, 100, 300); // one column on screen, cut: paging still moves
    narrow.OnHScroll(CGridView::SB_PAGERIGHT);
    EXPECT_EQ(narrow.GetHScrollPos(), 1);
}

TEST_F(GridKeys, SelectRowAndScrollRowIntoView)
{
    grid.SelectRow(40); // past the last row: nothing changes
    EXPECT_EQ(grid.GetSelection(), CellRange(1, 1, 1, 1));
    Select(3, 2);
    QTest::keyClicks(&grid, QStringLiteral("4"));
    grid.SelectRow(30);
    EXPECT_EQ(grid.GetCellText(3, 2), QStringLiteral("4")) << "the typed text is stored first";
    EXPECT_EQ(grid.GetSelection(), CellRange(30, 1, 30, 4));
    grid.ScrollRowIntoView(30);
    EXPECT_EQ(grid.GetVScrollPos(), 29);
    grid.ScrollRowIntoView(35); // already in view
    EXPECT_EQ(grid.GetVScrollPos(), 29);
}

using GridMouse = GridKeys;

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
        { false, 10, 110, CellRange(2, 1, 5, 4) }, { false, 10, 30, CellRange(1, 1, 2, 4) }, // and back above
        { false, 10, 10, CellRange(1, 1, 2, 4) }, // header row: rows stay
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
