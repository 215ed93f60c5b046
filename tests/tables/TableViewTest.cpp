// The table view's cells, headers, sizes and clearing, the in-place editor a
// double click opens, and Copy, Cut and Paste of blocks as tab-separated text
// with CR LF after every row.
#include "TableViewTestSupport.h"

#include "tables/CCellEdit.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QKeySequence>

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

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

struct CellEditing : ::testing::Test {
    TestTable table;
    void SetUp() override { table.SetTextCell(3, 2, QStringLiteral("old")); }
    void Click(int row, int col) { QTest::mouseClick(table.viewport(), Qt::LeftButton, {}, table.Centre(row, col)); }
    void DoubleClick(int row, int col)
    {
        Click(row, col);
        QTest::mouseDClick(table.viewport(), Qt::LeftButton, {}, table.Centre(row, col));
    }
};

TEST_F(CellEditing, DoubleClickOpensTheEditorEachCommitKeyStoresAndTypingStopsAt64Characters)
{
    QString text = QStringLiteral("old");
    for (Qt::Key key : { Qt::Key_Return, Qt::Key_Enter, Qt::Key_Tab, Qt::Key_Backtab }) {
        DoubleClick(3, 2);
        CCellEdit* edit = table.GetCellEdit();
        ASSERT_NE(edit, nullptr);
        EXPECT_TRUE(edit->isVisible());
        EXPECT_EQ(edit->text(), text);
        const CRect r = table.GetCellRect(3, 2);
        EXPECT_EQ(edit->geometry(), QRect(r.left, r.top, r.Width(), r.Height()));
        text = QKeySequence(key).toString();
        edit->selectAll();
        QTest::keyClicks(edit, text);
        QTest::keyClick(edit, key);
        EXPECT_EQ(table.Text(3, 2), text);
        EXPECT_EQ(table.GetSelection(), CellRange(3, 2, 3, 2));
        EXPECT_EQ(table.GetCellEdit(), nullptr) << text.toStdString();
        Settle(); // the closed editor is deleted later
    }

    // Typing stops at 64 characters, but a longer text already in the cell survives.
    DoubleClick(5, 1);
    QTest::keyClicks(table.GetCellEdit(), QString(80, QLatin1Char('w')));
    QTest::keyClick(table.GetCellEdit(), Qt::Key_Enter);
    EXPECT_EQ(table.Text(5, 1), QString(64, QLatin1Char('w')));

    const QString pasted(100, QLatin1Char('p'));
    table.SetTextCell(6, 1, pasted);
    DoubleClick(6, 1);
    EXPECT_EQ(table.GetCellEdit()->text(), pasted);
    QTest::keyClick(table.GetCellEdit(), Qt::Key_Return);
    EXPECT_EQ(table.Text(6, 1), pasted);
}

TEST_F(CellEditing, EscKeepsTheOldTextAClickElsewhereCommitsAndAHeaderOpensNone)
{
    DoubleClick(3, 2);
    table.GetCellEdit()->selectAll();
    QTest::keyClicks(table.GetCellEdit(), QStringLiteral("gone"));
    QTest::keyClick(table.GetCellEdit(), Qt::Key_Escape);
    ASSERT_NE(table.GetCellEdit(), nullptr);
    EXPECT_FALSE(table.GetCellEdit()->isVisible());
    Click(6, 3);
    EXPECT_EQ(table.Text(3, 2), QStringLiteral("old"));
    EXPECT_EQ(table.GetCellEdit(), nullptr);
    EXPECT_EQ(table.GetSelection(), CellRange(6, 3, 6, 3));

    DoubleClick(3, 2);
    table.GetCellEdit()->setText(QStringLiteral("clicked"));
    Click(7, 1);
    EXPECT_EQ(table.Text(3, 2) + table.Text(7, 1), QStringLiteral("clicked<none>"));
    DoubleClick(0, 2);
    DoubleClick(4, 0);
    EXPECT_EQ(table.GetCellEdit(), nullptr);
}

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
