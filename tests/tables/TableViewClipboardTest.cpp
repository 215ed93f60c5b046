// Copy, Cut and Paste of blocks as tab-separated text with CR LF after every row.
#include "TableViewTestSupport.h"

#include "support/TestSupport.h"

#include <QClipboard>
#include <QGuiApplication>

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

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

// A paste at a corner cell; cells are given as (row, col, expected text).
struct PasteCase {
    const char* what;
    int rows, cols;
    QString text;
    int top, left;
    std::vector<std::tuple<int, int, QString>> expected;
};

TEST(TableClipboardPaste, FieldsFillTheBlockFromTheSelectionCornerAndNeverGrowTheTable)
{
    const QString none = QStringLiteral("<none>");
    const QString longField(5000, QLatin1Char('q'));
    const PasteCase cases[] = {
        { "an empty field leaves its cell but takes a column", 10, 5, "1\t\t3\r\n", 2, 1,
            { { 2, 1, "1" }, { 2, 2, "keep" }, { 2, 3, "3" } } },
        { "the paste stops at the last column", 10, 3, "1\t\t3\r\n4\r\n", 2, 1,
            { { 2, 1, "1" }, { 2, 2, "keep" }, { 3, 1, none } } },
        { "no final line end: the last field is stored", 10, 5, "x\ty\r\nz\tlast", 5, 2,
            { { 5, 2, "x" }, { 5, 3, "y" }, { 6, 2, "z" }, { 6, 3, "last" } } },
        { "rows beyond the table are dropped", 10, 5, "r8\nr9\nr10\nr11\n", 8, 4, { { 8, 4, "r8" }, { 9, 4, "r9" } } },
        { "a field longer than any buffer is kept whole", 10, 5, longField + "\tnext\r\n", 4, 1,
            { { 4, 1, longField }, { 4, 2, "next" } } },
    };
    for (const PasteCase& c : cases) {
        TestTable table(c.rows, c.cols);
        table.SetTextCell(2, 2, QStringLiteral("keep"));
        SetClipboard(c.text);
        table.Select(c.top, c.left);
        table.OnEditPaste();
        for (const auto& [row, col, text] : c.expected)
            EXPECT_EQ(table.Text(row, col), text) << c.what << " at " << row << "," << col;
        EXPECT_EQ(table.GetRowCount(), c.rows) << c.what;
        EXPECT_EQ(table.GetCellStore().GetColCount(), c.cols) << c.what;
    }
}

TEST_F(TableClipboard, PasteEndsARunningEditCopyAndCutWriteTabsAndCrLfAfterEveryRow)
{
    table.Select(4, 2);
    QTest::keyClicks(&table, QStringLiteral("typed"));
    ASSERT_TRUE(table.IsEditing());
    table.Select(6, 2);
    SetClipboard(QStringLiteral("p"));
    table.OnEditPaste();
    EXPECT_FALSE(table.IsEditing());
    EXPECT_EQ(table.Text(6, 2), QStringLiteral("p"));

    table.Select(-1, -1, -1, -1);
    table.OnEditPaste();
    QGuiApplication::clipboard()->clear();
    table.Select(2, 1);
    table.OnEditPaste();
    EXPECT_EQ(table.Text(2, 1), QStringLiteral("a"));

    // Copy and Cut write tabs between cells and CR LF after every row.
    const struct {
        CellRange selection;
        const char* text;
    } cases[] = {
        { CellRange(2, 1, 2, 1), "a\r\n" },
        { CellRange(2, 1, 3, 3), "a\t\tc\r\n\tb\t\r\n" }, // empty cells give empty fields
        { CellRange(3, 2, 2, 2), "" }, // an invalid selection copies an empty text
    };
    for (const auto& c : cases) {
        SetClipboard(QStringLiteral("before"));
        table.GetSelection() = c.selection;
        table.OnEditCopy();
        EXPECT_EQ(Clipboard(), QString::fromLatin1(c.text)) << c.selection.top << "," << c.selection.left;
    }
    table.Select(2, 1, 2, 3);
    table.OnEditCut();
    EXPECT_EQ(Clipboard(), QStringLiteral("a\t\tc\r\n"));
    EXPECT_EQ(table.Text(2, 1) + table.Text(2, 3) + table.Text(3, 2), QStringLiteral("<none><none>b"));

    MessageBoxRecorder boxes;
    table.clipboardFails = true;
    table.OnEditCopy();
    EXPECT_EQ(boxes.Texts(), std::vector<QString> { QStringLiteral("Unable to set Clipboard data") });
}

} // namespace
