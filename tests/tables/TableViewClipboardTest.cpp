// Copy, Cut and Paste of blocks as tab-separated text with CR LF after every row.
#include "TableViewTestSupport.h"

#include "support/TestSupport.h"

#include <QClipboard>
#include <QGuiApplication>

#include <gtest/gtest.h>

namespace {

QString Clipboard() { return QGuiApplication::clipboard()->text(); }
void SetClipboard(const QString& text) { QGuiApplication::clipboard()->setText(text); }

struct TableClipboard : ::testing::Test {
    TestTable table;
    void SetUp() override
    {
        table.SetTextCell(2, 1, QStringLiteral("a"));
        table.SetTextCell(2, 3, QStringLiteral("c"));
        table.SetTextCell(3, 2, QStringLiteral("b"));
    }
};

TEST_F(TableClipboard, CopyOfOneCellEndsWithCrLf)
{
    table.Select(2, 1);
    table.OnEditCopy();
    EXPECT_EQ(Clipboard(), QStringLiteral("a\r\n"));
}

TEST_F(TableClipboard, CopyOfABlockKeepsEmptyFieldsBetweenTheTabs)
{
    table.Select(2, 1, 3, 3);
    table.OnEditCopy();
    EXPECT_EQ(Clipboard(), QStringLiteral("a\t\tc\r\n\tb\t\r\n"));
}

TEST_F(TableClipboard, CopyOfAnInvalidSelectionLeavesAnEmptyText)
{
    SetClipboard(QStringLiteral("before"));
    table.Select(3, 2, 2, 2);
    table.OnEditCopy();
    EXPECT_EQ(Clipboard(), QString());
}

TEST_F(TableClipboard, AClipboardThatRefusesTheTextIsReported)
{
    MessageBoxRecorder boxes;
    table.clipboardFails = true;
    table.Select(2, 1);
    table.OnEditCopy();
    ASSERT_EQ(boxes.Texts().size(), 1u);
    EXPECT_EQ(boxes.Texts()[0], QStringLiteral("Unable to set Clipboard data"));
    EXPECT_EQ(boxes.Boxes()[0].buttons, MsgButtons::Ok);
}

TEST_F(TableClipboard, CutCopiesThenEmptiesTheBlock)
{
    table.Select(2, 1, 2, 3);
    table.OnEditCut();
    EXPECT_EQ(Clipboard(), QStringLiteral("a\t\tc\r\n"));
    EXPECT_EQ(table.Text(2, 1), QStringLiteral("<none>"));
    EXPECT_EQ(table.Text(2, 3), QStringLiteral("<none>"));
    EXPECT_EQ(table.Text(3, 2), QStringLiteral("b"));
}

TEST_F(TableClipboard, AnEmptyFieldLeavesItsCellButTakesAColumn)
{
    table.SetTextCell(2, 2, QStringLiteral("keep"));
    SetClipboard(QStringLiteral("1\t\t3\r\n"));
    table.Select(2, 1);
    table.OnEditPaste();
    EXPECT_EQ(table.Text(2, 1), QStringLiteral("1"));
    EXPECT_EQ(table.Text(2, 2), QStringLiteral("keep"));
    EXPECT_EQ(table.Text(2, 3), QStringLiteral("3"));
}

TEST(TableClipboardNarrow, PasteStopsAtTheLastColumn)
{
    TestTable table(10, 3);
    SetClipboard(QStringLiteral("1\t\t3\r\n4\r\n"));
    table.Select(2, 1);
    table.OnEditPaste();
    EXPECT_EQ(table.Text(2, 1), QStringLiteral("1"));
    EXPECT_EQ(table.Text(2, 2), QStringLiteral("<none>"));
    EXPECT_EQ(table.Text(3, 1), QStringLiteral("<none>")); // the paste stopped at the second tab
    EXPECT_EQ(table.GetColCount(), 3);
}

TEST_F(TableClipboard, PasteWithoutAFinalLineEndStoresTheLastField)
{
    SetClipboard(QStringLiteral("x\ty\r\nz\tlast"));
    table.Select(5, 2);
    table.OnEditPaste();
    EXPECT_EQ(table.Text(5, 2), QStringLiteral("x"));
    EXPECT_EQ(table.Text(5, 3), QStringLiteral("y"));
    EXPECT_EQ(table.Text(6, 2), QStringLiteral("z"));
    EXPECT_EQ(table.Text(6, 3), QStringLiteral("last"));
}

TEST_F(TableClipboard, RowsBeyondTheTableAreDroppedAndTheTableNeverGrows)
{
    SetClipboard(QStringLiteral("r8\nr9\nr10\nr11\n"));
    table.Select(8, 4);
    table.OnEditPaste();
    EXPECT_EQ(table.Text(8, 4), QStringLiteral("r8"));
    EXPECT_EQ(table.Text(9, 4), QStringLiteral("r9"));
    EXPECT_EQ(table.GetRowCount(), 10);
    EXPECT_EQ(table.GetCellStore().GetRowCount(), 10);
}

TEST_F(TableClipboard, AFieldLongerThanAnyBufferIsKeptWhole)
{
    const QString longField(5000, QLatin1Char('q'));
    SetClipboard(longField + QStringLiteral("\tnext\r\n"));
    table.Select(4, 1);
    table.OnEditPaste();
    EXPECT_EQ(table.Text(4, 1), longField);
    EXPECT_EQ(table.Text(4, 2), QStringLiteral("next"));
}

TEST_F(TableClipboard, PasteEndsARunningEditAndPastesFromTheSelectionCorner)
{
    table.Select(4, 2);
    QTest::keyClicks(&table, QStringLiteral("typed"));
    ASSERT_TRUE(table.IsEditing());
    table.Select(6, 2);
    SetClipboard(QStringLiteral("p"));
    table.OnEditPaste();
    EXPECT_FALSE(table.IsEditing());
    EXPECT_EQ(table.Text(6, 2), QStringLiteral("p"));
}

TEST_F(TableClipboard, NothingToPasteOrNowhereToPasteChangesNothing)
{
    QGuiApplication::clipboard()->clear();
    table.Select(2, 1);
    table.OnEditPaste();
    EXPECT_EQ(table.Text(2, 1), QStringLiteral("a"));
    SetClipboard(QStringLiteral("z"));
    table.Select(-1, -1, -1, -1);
    table.OnEditPaste();
    EXPECT_EQ(table.Text(2, 1), QStringLiteral("a"));
}

TEST_F(TableClipboard, CopyAndPasteCarryABlockAcross)
{
    table.Select(2, 1, 3, 3);
    table.OnEditCopy();
    table.Select(6, 2);
    table.OnEditPaste();
    EXPECT_EQ(table.Text(6, 2), QStringLiteral("a"));
    EXPECT_EQ(table.Text(6, 4), QStringLiteral("c"));
    EXPECT_EQ(table.Text(7, 3), QStringLiteral("b"));
    EXPECT_EQ(table.Text(7, 2), QStringLiteral("<none>"));
}

} // namespace
