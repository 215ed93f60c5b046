// The in-place editor opened by a double click.
#include "TableViewTestSupport.h"

#include "tables/CCellEdit.h"

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

TEST_F(CellEditing, DoubleClickOpensTheEditorOnTheCellWithItsText)
{
    DoubleClick(3, 2);
    CCellEdit* edit = table.GetCellEdit();
    ASSERT_NE(edit, nullptr);
    EXPECT_TRUE(edit->isVisible());
    EXPECT_EQ(edit->text(), QStringLiteral("old"));
    const CRect r = table.GetCellRect(3, 2);
    EXPECT_EQ(edit->geometry(), QRect(r.left, r.top, r.Width(), r.Height()));
}

TEST_F(CellEditing, EnterAndTabCommitWithoutMovingTheCurrentCell)
{
    DoubleClick(3, 2);
    CCellEdit* edit = table.GetCellEdit();
    ASSERT_NE(edit, nullptr);
    edit->selectAll();
    QTest::keyClicks(edit, QStringLiteral("new"));
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(table.Text(3, 2), QStringLiteral("new"));
    EXPECT_EQ(table.GetSelection(), CellRange(3, 2, 3, 2));
    EXPECT_EQ(table.GetCellEdit(), nullptr);

    DoubleClick(4, 1);
    ASSERT_NE(table.GetCellEdit(), nullptr);
    QTest::keyClicks(table.GetCellEdit(), QStringLiteral("t"));
    QTest::keyClick(table.GetCellEdit(), Qt::Key_Tab);
    EXPECT_EQ(table.Text(4, 1), QStringLiteral("t"));
    EXPECT_EQ(table.GetSelection(), CellRange(4, 1, 4, 1));
    Settle(); // the closed editor is deleted later
}

TEST_F(CellEditing, TypingStopsAt64CharactersButALongerTextInTheCellSurvives)
{
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

TEST_F(CellEditing, EscKeepsTheOldTextAlsoAfterTheNextClick)
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
}

TEST_F(CellEditing, AClickElsewhereCommitsTheEditIntoItsCellAHeaderOpensNone)
{
    DoubleClick(3, 2);
    table.GetCellEdit()->setText(QStringLiteral("clicked"));
    Click(7, 1);
    EXPECT_EQ(table.Text(3, 2), QStringLiteral("clicked"));
    EXPECT_EQ(table.Text(7, 1), QStringLiteral("<none>"));
    DoubleClick(0, 2);
    DoubleClick(4, 0);
    EXPECT_EQ(table.GetCellEdit(), nullptr);
}

} // namespace
