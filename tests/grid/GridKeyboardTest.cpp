// The grid under the keyboard: moving the current cell, Shift blocks, paging,
// Home and End, type-over editing, the scroll codes and the selection
// operations other views call.
#include "GridTestSupport.h"

#include <QKeyEvent>

#include <gtest/gtest.h>

namespace {

// One key press without the modifier key presses QTest adds, so a Shift
// held down stays the same press.
void Key(CGridView& grid, int key, Qt::KeyboardModifiers mods = Qt::NoModifier, const QString& text = QString())
{
    QKeyEvent event(QEvent::KeyPress, key, mods, text);
    QCoreApplication::sendEvent(&grid, &event);
}

struct GridKeys : ::testing::Test {
    TestGrid grid { 40, 5, 400, 300 };
    void SetUp() override { ShowGrid(grid); }
    void Select(int row, int col) { grid.GetSelection() = CellRange(row, col, row, col); }
    // Repaints caused by f, counted after the queued paints ran.
    template <typename F> int PaintsDuring(F f)
    {
        Settle();
        const int before = grid.paints;
        f();
        Settle();
        return grid.paints - before;
    }
};

TEST_F(GridKeys, ArrowsTabAndEnterMoveTheCurrentCell)
{
    Select(3, 2);
    QTest::keyClick(&grid, Qt::Key_Down);
    EXPECT_EQ(grid.GetSelection(), CellRange(4, 2, 4, 2));
    QTest::keyClick(&grid, Qt::Key_Right);
    QTest::keyClick(&grid, Qt::Key_Tab);
    EXPECT_EQ(grid.GetSelection(), CellRange(4, 4, 4, 4));
    QTest::keyClick(&grid, Qt::Key_Return);
    EXPECT_EQ(grid.GetSelection(), CellRange(5, 4, 5, 4));
    QTest::keyClick(&grid, Qt::Key_Up);
    QTest::keyClick(&grid, Qt::Key_Left);
    EXPECT_EQ(grid.GetSelection(), CellRange(4, 3, 4, 3));
    EXPECT_TRUE(grid.hasFocus() || !grid.isActiveWindow()); // Tab did not move the focus away
}

TEST_F(GridKeys, KeysAtTheEdgesChangeAndRepaintNothingButStoreTheEdit)
{
    Select(39, 1);
    EXPECT_EQ(PaintsDuring([&] { QTest::keyClick(&grid, Qt::Key_Down); }), 0);
    EXPECT_EQ(grid.GetSelection(), CellRange(39, 1, 39, 1));
    Select(5, 1);
    QTest::keyClick(&grid, Qt::Key_7);
    ASSERT_TRUE(grid.IsEditing());
    QTest::keyClick(&grid, Qt::Key_Left);
    EXPECT_EQ(grid.GetSelection(), CellRange(5, 1, 5, 1));
    EXPECT_FALSE(grid.IsEditing());
    EXPECT_EQ(grid.GetCellText(5, 1), QStringLiteral("7"));
    Select(1, 4);
    QTest::keyClick(&grid, Qt::Key_Up);
    QTest::keyClick(&grid, Qt::Key_Right);
    EXPECT_EQ(grid.GetSelection(), CellRange(1, 4, 1, 4));
}

TEST_F(GridKeys, ShiftHeldExtendsABlockFromTheStartingCell)
{
    Select(3, 2);
    Key(grid, Qt::Key_Shift, Qt::ShiftModifier);
    for (int i = 0; i < 3; ++i)
        Key(grid, Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(grid.GetSelection(), CellRange(3, 2, 6, 2));
    Key(grid, Qt::Key_Left, Qt::ShiftModifier);
    EXPECT_EQ(grid.GetSelection(), CellRange(3, 1, 6, 2));
    Key(grid, Qt::Key_Up, Qt::ShiftModifier);
    Key(grid, Qt::Key_Up, Qt::ShiftModifier);
    Key(grid, Qt::Key_Up, Qt::ShiftModifier);
    Key(grid, Qt::Key_Up, Qt::ShiftModifier); // the moving corner passes the fixed one
    EXPECT_EQ(grid.GetSelection(), CellRange(2, 1, 3, 2));
    // Without Shift the block falls back to one cell next to the current one.
    Key(grid, Qt::Key_Down);
    EXPECT_EQ(grid.GetSelection(), CellRange(3, 1, 3, 1));
}

TEST_F(GridKeys, ShiftWithoutItsOwnPressStartsFromTheSelection)
{
    Select(3, 2);
    Key(grid, Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(grid.GetSelection(), CellRange(3, 2, 4, 2));
}

TEST_F(GridKeys, TypingReplacesTheTextBackspaceEscAndEnter)
{
    grid.texts[{ 3, 2 }] = QStringLiteral("old");
    Select(3, 2);
    QTest::keyClicks(&grid, QStringLiteral("12"));
    EXPECT_TRUE(grid.IsEditing());
    EXPECT_EQ(grid.GetEditText(), QStringLiteral("12"));
    EXPECT_EQ(grid.GetCellText(3, 2), QStringLiteral("old")); // stored only at the end
    QTest::keyClick(&grid, Qt::Key_Backspace);
    EXPECT_EQ(grid.GetEditText(), QStringLiteral("1"));
    QTest::keyClick(&grid, Qt::Key_Escape);
    EXPECT_FALSE(grid.IsEditing());
    EXPECT_EQ(grid.GetCellText(3, 2), QStringLiteral("old"));
    EXPECT_EQ(grid.GetSelection(), CellRange(3, 2, 3, 2));

    QTest::keyClicks(&grid, QStringLiteral("12"));
    QTest::keyClick(&grid, Qt::Key_Backspace);
    QTest::keyClick(&grid, Qt::Key_Return);
    EXPECT_FALSE(grid.IsEditing());
    EXPECT_EQ(grid.GetCellText(3, 2), QStringLiteral("1"));
    EXPECT_EQ(grid.GetSelection(), CellRange(4, 2, 4, 2));

    // Backspace takes back a whole character, also one outside the basic plane.
    QTest::keyClicks(&grid, QStringLiteral("x"));
    Key(grid, Qt::Key_unknown, Qt::NoModifier, QStringLiteral("\U0001F600"));
    EXPECT_EQ(grid.GetEditText().size(), 3);
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
    EXPECT_TRUE(grid.IsEditing());
    EXPECT_EQ(grid.GetEditText(), QStringLiteral("ab"));
    QTest::keyClicks(&grid, QStringLiteral("c"));
    EXPECT_EQ(grid.GetEditText(), QStringLiteral("abc"));
    QTest::keyClick(&grid, Qt::Key_Tab);
    EXPECT_EQ(grid.GetCellText(3, 2), QStringLiteral("abc"));

    grid.SetEditEnabled(false);
    QTest::keyClicks(&grid, QStringLiteral("x"));
    EXPECT_FALSE(grid.IsEditing());
    grid.SetEditEnabled(true);
    grid.GetSelection() = CellRange(3, 1, 4, 1); // a block is never typed over
    QTest::keyClicks(&grid, QStringLiteral("x"));
    EXPECT_FALSE(grid.IsEditing());
}

TEST_F(GridKeys, TypingIntoAPartlyVisibleCellDoesNothing)
{
    grid.resize(400, 290); // row 14 spans 280 .. 300: cut by the bottom edge
    Settle();
    Select(14, 1);
    QTest::keyClicks(&grid, QStringLiteral("5"));
    EXPECT_FALSE(grid.IsEditing());
    Select(13, 1);
    QTest::keyClicks(&grid, QStringLiteral("5"));
    EXPECT_TRUE(grid.IsEditing());
}

TEST_F(GridKeys, PageDownWhileTypingStoresIntoTheTypedCell)
{
    Select(3, 2);
    QTest::keyClicks(&grid, QStringLiteral("9"));
    QTest::keyClick(&grid, Qt::Key_PageDown);
    EXPECT_EQ(grid.GetCellText(3, 2), QStringLiteral("9"));
    const int v = grid.GetVScrollPos();
    EXPECT_GT(v, 0);
    EXPECT_EQ(grid.GetSelection(), CellRange(1 + v, 2, 1 + v, 2));
    EXPECT_TRUE(grid.texts.count(std::make_pair(1 + v, 2)) == 0);
}

TEST_F(GridKeys, PageDownMovesByTheRowsOnScreenLessOneButAtLeastOne)
{
    grid.resize(400, 210); // data rows 1 .. 9 whole, the tenth cut
    Settle();
    QTest::keyClick(&grid, Qt::Key_PageDown);
    EXPECT_EQ(grid.GetVScrollPos(), 9);
    QTest::keyClick(&grid, Qt::Key_PageUp);
    EXPECT_EQ(grid.GetVScrollPos(), 0);

    grid.resize(400, 30); // one data row, cut
    Settle();
    QTest::keyClick(&grid, Qt::Key_PageDown);
    EXPECT_EQ(grid.GetVScrollPos(), 1);
    EXPECT_EQ(grid.GetSelection(), CellRange(2, 1, 2, 1));
}

TEST_F(GridKeys, HomeAndEnd)
{
    Select(7, 3);
    QTest::keyClick(&grid, Qt::Key_End);
    EXPECT_EQ(grid.GetVScrollPos(), grid.GetMaxVScroll());
    EXPECT_EQ(grid.GetSelection(), CellRange(39, 1, 39, 1));
    QTest::keyClick(&grid, Qt::Key_Home);
    EXPECT_EQ(grid.GetVScrollPos(), 0);
    EXPECT_EQ(grid.GetSelection(), CellRange(1, 1, 1, 1));

    TestGrid small(5, 3);
    small.GetSelection() = CellRange(3, 2, 3, 2);
    QTest::keyClick(&small, Qt::Key_End); // all rows fit: the first data row
    EXPECT_EQ(small.GetSelection(), CellRange(1, 1, 1, 1));
}

TEST_F(GridKeys, ArrowsScrollOneStepTowardsACellOutOfViewTabAndEnterDoNot)
{
    ASSERT_EQ(grid.GetLastVisibleRow(), 14);
    Select(14, 1);
    QTest::keyClick(&grid, Qt::Key_Down);
    EXPECT_EQ(grid.GetVScrollPos(), 1);
    QTest::keyClick(&grid, Qt::Key_Return);
    EXPECT_EQ(grid.GetSelection(), CellRange(16, 1, 16, 1));
    EXPECT_EQ(grid.GetVScrollPos(), 1);
    Select(2, 1);
    QTest::keyClick(&grid, Qt::Key_Up);
    EXPECT_EQ(grid.GetVScrollPos(), 0);
}

TEST_F(GridKeys, ScrollBarActionsFollowTheScrollCodes)
{
    grid.verticalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(grid.GetVScrollPos(), 1);
    grid.verticalScrollBar()->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(grid.GetVScrollPos(), 1 + 13); // rows 2 .. 15 on screen, 15 cut
    grid.verticalScrollBar()->triggerAction(QAbstractSlider::SliderPageStepSub);
    EXPECT_EQ(grid.GetVScrollPos(), 1);
    grid.verticalScrollBar()->triggerAction(QAbstractSlider::SliderToMaximum);
    EXPECT_EQ(grid.GetVScrollPos(), 38);
    grid.OnVScroll(CGridView::SB_THUMBTRACK, 20);
    EXPECT_EQ(grid.GetVScrollPos(), 20);
    grid.OnVScroll(CGridView::SB_TOP);
    EXPECT_EQ(grid.GetVScrollPos(), 0);

    TestGrid wide(5, 12, 400, 300);
    ASSERT_EQ(wide.GetMaxHScroll(), 10);
    wide.OnHScroll(CGridView::SB_PAGERIGHT);
    EXPECT_EQ(wide.GetHScrollPos(), 4); // visible columns 1 .. 5, 5 cut
    wide.horizontalScrollBar()->triggerAction(QAbstractSlider::SliderToMaximum);
    EXPECT_EQ(wide.GetHScrollPos(), 4); // no "right end" horizontally
    wide.OnHScroll(CGridView::SB_LINELEFT);
    EXPECT_EQ(wide.GetHScrollPos(), 3);
    wide.OnHScroll(CGridView::SB_PAGELEFT);
    EXPECT_EQ(wide.GetHScrollPos(), 0);

    TestGrid narrow(5, 6, 100, 300); // one column on screen, cut: paging still moves
    narrow.OnHScroll(CGridView::SB_PAGERIGHT);
    EXPECT_EQ(narrow.GetHScrollPos(), 1);
}

TEST_F(GridKeys, SelectRowAndScrollRowIntoView)
{
    grid.SelectRow(40);
    EXPECT_EQ(grid.GetSelection(), CellRange(1, 1, 1, 1));
    Select(3, 2);
    QTest::keyClicks(&grid, QStringLiteral("4"));
    grid.SelectRow(30);
    EXPECT_EQ(grid.GetCellText(3, 2), QStringLiteral("4"));
    EXPECT_EQ(grid.GetSelection(), CellRange(30, 1, 30, 4));
    grid.ScrollRowIntoView(30);
    EXPECT_EQ(grid.GetVScrollPos(), 29);
    grid.ScrollRowIntoView(35); // already in view
    EXPECT_EQ(grid.GetVScrollPos(), 29);
    grid.ScrollRowIntoView(40);
    EXPECT_EQ(grid.GetVScrollPos(), 29);
}

} // namespace
