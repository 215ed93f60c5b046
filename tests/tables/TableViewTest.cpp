// The table view's cells, headers, sizes and clearing.
#include "TableViewTestSupport.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace {

TEST(TableView, InitialUpdateLabelsTheHeadersAndMakesTheTableEditable)
{
    TestTable table(4, 3);
    EXPECT_TRUE(table.IsEditEnabled());
    EXPECT_EQ(table.GetColWidth(0), 30);
    // Row numbers are drawn, not stored: a table of a million rows holds no label cells.
    EXPECT_EQ(table.GetCellText(1, 0), QStringLiteral(" 1"));
    EXPECT_EQ(table.GetCellText(3, 0), QStringLiteral(" 3"));
    EXPECT_EQ(table.GetCell(3, 0), nullptr);
    EXPECT_EQ(table.Text(0, 1), QStringLiteral("Column 1"));
    EXPECT_EQ(table.Text(0, 2), QStringLiteral("Column 2"));
    EXPECT_EQ(table.Text(0, 0), QStringLiteral("<none>"));
    EXPECT_EQ(dynamic_cast<CTextCell*>(table.GetCell(0, 2))->GetFormat(), 1u);
    EXPECT_EQ(table.Text(2, 2), QStringLiteral("<none>"));
}

TEST(TableView, CountsResizeTheStoreWithTheGrid)
{
    TestTable table(4, 3);
    table.SetCellText(3, 2, QStringLiteral("x"));
    table.SetRowCount(3);
    table.SetRowCount(6);
    EXPECT_EQ(table.GetCellStore().GetRowCount(), 6);
    EXPECT_EQ(table.Text(3, 2), QStringLiteral("<none>")); // the old row went, the new one is empty
    table.SetColCount(8);
    EXPECT_EQ(table.GetCellStore().GetColCount(), 8);
    table.SetTextCell(5, 7, QStringLiteral("y"));
    EXPECT_EQ(table.GetCellText(5, 7), QStringLiteral("y"));
    table.SetTextCell(2, 1, QStringLiteral("z"));
    table.EmptyDataCells();
    EXPECT_EQ(table.GetCellText(5, 7), QString());
    EXPECT_EQ(table.GetCellText(2, 0), QStringLiteral(" 2")); // headers stay
    EXPECT_EQ(table.GetCellText(99, 99), QString());
}

TEST(TableView, CellsDrawInsideTheirRectangles)
{
    TestTable table;
    table.SetTextCell(2, 2, QStringLiteral("8888"));
    table.Select(5, 4);
    QImage image(table.viewport()->size(), QImage::Format_RGB32);
    image.fill(Qt::magenta);
    {
        QPainter dc(&image);
        table.OnDraw(dc);
    }
    const CRect cell = table.GetCellRect(2, 2);
    bool inkInCell = false;
    for (int y = cell.top + 2; y < cell.bottom - 2; ++y)
        for (int x = cell.left + 2; x < cell.right - 2; ++x)
            inkInCell = inkInCell || qGray(image.pixel(x, y)) < 128;
    EXPECT_TRUE(inkInCell);
    // The empty neighbour stays white.
    const CRect empty = table.GetCellRect(2, 3);
    for (int y = empty.top + 2; y < empty.bottom - 2; ++y)
        for (int x = empty.left + 2; x < empty.right - 2; ++x)
            ASSERT_EQ(image.pixel(x, y), QColor(Qt::white).rgb());
}

TEST(TableView, DeleteAndClearEmptyEverySelectedCell)
{
    TestTable table;
    for (int r = 2; r <= 4; ++r)
        for (int c = 1; c <= 3; ++c)
            table.SetTextCell(r, c, QStringLiteral("v"));
    table.Select(2, 1, 3, 2);
    QTest::keyClick(&table, Qt::Key_Delete);
    EXPECT_EQ(table.Text(2, 1), QStringLiteral("<none>"));
    EXPECT_EQ(table.Text(3, 2), QStringLiteral("<none>"));
    EXPECT_EQ(table.Text(3, 3), QStringLiteral("v"));
    EXPECT_EQ(table.Text(4, 1), QStringLiteral("v"));
    EXPECT_FALSE(table.IsEditing()); // Delete types nothing
    table.Select(4, 1, 4, 3);
    table.OnEditClear();
    EXPECT_EQ(table.Text(4, 3), QStringLiteral("<none>"));
    EXPECT_EQ(table.Text(3, 3), QStringLiteral("v"));
}

TEST(TableView, ADerivedClearSelectionRunsForDeleteAndClear)
{
    struct Derived : TestTable {
        int clears = 0;
        void ClearSelection() override { ++clears; }
    } table;
    table.SetTextCell(2, 1, QStringLiteral("v"));
    table.Select(2, 1);
    QTest::keyClick(&table, Qt::Key_Delete);
    table.OnEditClear();
    table.OnEditCut();
    EXPECT_EQ(table.clears, 3);
    EXPECT_EQ(table.Text(2, 1), QStringLiteral("v"));
}

} // namespace
