// The table view's cells, headers, sizes and clearing.
#include "TableViewTestSupport.h"

#include <QImage>

#include <gtest/gtest.h>

namespace {

TEST(TableView, InitialUpdateLabelsTheHeadersCountsResizeTheStoreAndCellsDrawInside)
{
    TestTable table(4, 3);
    EXPECT_TRUE(table.IsEditEnabled());
    // Row numbers are drawn, not stored: a table of a million rows holds no label cells.
    EXPECT_EQ(table.GetCellText(3, 0), QStringLiteral(" 3"));
    EXPECT_EQ(table.GetCell(3, 0), nullptr);
    EXPECT_EQ(table.Text(0, 2), QStringLiteral("Column 2"));
    EXPECT_EQ(table.Text(0, 0), QStringLiteral("<none>"));

    table.SetCellText(3, 2, QStringLiteral("x"));
    table.SetRowCount(3);
    table.SetRowCount(6);
    EXPECT_EQ(table.Text(3, 2), QStringLiteral("<none>")); // the old row went, the new one is empty
    table.SetColCount(8);
    table.SetTextCell(5, 7, QStringLiteral("y"));
    EXPECT_EQ(table.GetCellText(5, 7), QStringLiteral("y"));
    table.EmptyDataCells();
    EXPECT_EQ(table.GetCellText(5, 7), QString());
    EXPECT_EQ(table.GetCellText(2, 0), QStringLiteral(" 2")); // headers stay

    // Cells draw inside their rectangles.
    TestTable drawn;
    drawn.SetTextCell(2, 2, QStringLiteral("8888"));
    const QImage image = drawn.viewport()->grab().toImage();
    auto inkIn = [&](int row, int col) {
        const CRect r = drawn.GetCellRect(row, col);
        const QImage cell = image.copy(r.left + 2, r.top + 2, r.Width() - 4, r.Height() - 4);
        QImage white(cell.size(), cell.format());
        white.fill(Qt::white);
        return cell != white;
    };
    EXPECT_TRUE(inkIn(2, 2));
    EXPECT_FALSE(inkIn(2, 3)); // the empty neighbour stays white
}

TEST(TableView, DeleteClearAndCutEmptyEverySelectedCellThroughClearSelection)
{
    TestTable table;
    for (int r = 2; r <= 4; ++r)
        for (int c = 1; c <= 3; ++c)
            table.SetTextCell(r, c, QStringLiteral("v"));
    table.Select(2, 1, 3, 2);
    QTest::keyClick(&table, Qt::Key_Delete);
    EXPECT_EQ(table.Text(3, 2) + table.Text(3, 3) + table.Text(4, 1), QStringLiteral("<none>vv"));
    EXPECT_FALSE(table.IsEditing()); // Delete types nothing
    table.Select(4, 1, 4, 3);
    table.OnEditClear();
    EXPECT_EQ(table.Text(4, 3), QStringLiteral("<none>"));

    // A derived table's own ClearSelection runs for all three.
    struct Derived : TestTable {
        int clears = 0;
        void ClearSelection() override { ++clears; }
    } derived;
    derived.SetTextCell(2, 1, QStringLiteral("v"));
    derived.Select(2, 1);
    QTest::keyClick(&derived, Qt::Key_Delete);
    derived.OnEditClear();
    derived.OnEditCut();
    EXPECT_EQ(derived.clears, 3);
    EXPECT_EQ(derived.Text(2, 1), QStringLiteral("v"));
}

} // namespace
