// The in-place editor opened by a double click.
#include "TableViewTestSupport.h"

#include "tables/CCellEdit.h"

#include <QKeySequence>

#include <gtest/gtest.h>

namespace {

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

} // namespace
