// The grid's model: row and column counts, selection clamping, the cell
// store's ownership and the text cell's drawing.
#include "GridTestSupport.h"

#include "grid/CCellStore.h"
#include "grid/CTextCell.h"
#include "grid/GridText.h"

#include <gtest/gtest.h>

namespace {

TEST(GridModel, GrowingKeepsOldSizesAndShrinkingCutsOrResetsTheSelection)
{
    TestGrid grid(5, 3);
    grid.SetRowHeight(2, 57);
    grid.SetRowCount(10);
    EXPECT_EQ(grid.GetRowHeight(2), 57);
    EXPECT_EQ(grid.GetRowHeight(9), grid.GetDefaultRowHeight());
    grid.SetColCount(5);
    EXPECT_EQ(grid.GetColWidth(1), 88);
    EXPECT_EQ(grid.GetColWidth(4), grid.GetDefaultColWidth());

    grid.GetSelection() = CellRange(3, 1, 8, 2);
    grid.SetRowCount(6);
    EXPECT_EQ(grid.GetSelection(), CellRange(3, 1, 5, 2));
    grid.GetSelection() = CellRange(4, 3, 5, 3);
    grid.SetRowCount(4);
    EXPECT_EQ(grid.GetSelection(), CellRange(1, 1, 1, 1));
    grid.GetSelection() = CellRange(2, 4, 3, 4);
    grid.SetColCount(4);
    EXPECT_EQ(grid.GetSelection(), CellRange(1, 1, 1, 1));
}

TEST(GridModel, AnEmptyGridPaintsAndAnswersWithoutCells)
{
    TestGrid grid(5, 3);
    grid.SetRowCount(0);
    grid.Render();
    Click(grid, 40, 30);
    QTest::keyClick(&grid, Qt::Key_Down);
    QTest::keyClick(&grid, Qt::Key_End);
    QTest::keyClicks(&grid, QStringLiteral("x"));
    EXPECT_FALSE(grid.IsEditing());
    grid.SetColCount(0);
    grid.Render();
    EXPECT_EQ(grid.HitTest(CPoint { 5, 5 }), CellCoord(-1, -1));
}

// A cell that counts its deletions.
struct CountedCell : CGridCell {
    explicit CountedCell(int& deleted)
        : m_deleted(deleted)
    {
    }
    ~CountedCell() override { ++m_deleted; }
    int& m_deleted;
};

TEST(CellStore, OwnsItsCellsAndDeletesReplacedAndRemovedOnes)
{
    int deleted = 0;
    {
        CCellStore store(3, 2);
        store.SetCell(1, 1, std::make_unique<CountedCell>(deleted));
        store.SetCell(1, 1, std::make_unique<CountedCell>(deleted));
        EXPECT_EQ(deleted, 1);
        store.SetCell(1, 1, nullptr);
        EXPECT_EQ(deleted, 2);
        store.SetCell(2, 0, std::make_unique<CountedCell>(deleted));
        store.SetCell(0, 1, std::make_unique<CountedCell>(deleted));
        store.SetRowCount(2); // drops row 2 from the end
        EXPECT_EQ(deleted, 3);
        store.SetColCount(4);
        EXPECT_NE(store.GetCell(0, 1), nullptr);
        EXPECT_EQ(store.GetCell(5, 5), nullptr);
        store.SetCell(9, 9, std::make_unique<CountedCell>(deleted)); // outside: dropped at once
        EXPECT_EQ(deleted, 4);
        store.SetCell(1, 3, std::make_unique<CountedCell>(deleted));
        store.RemoveColumn(3);
        EXPECT_EQ(deleted, 5);
    }
    EXPECT_EQ(deleted, 6); // the store's destructor takes the last one
}

TEST(TextCell, NullTextDrawsNothingAndTheDefaultFormatSitsBottomRight)
{
    auto draw = [](CTextCell&& cell) {
        QImage image(100, 40, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter dc(&image);
        dc.setPen(Qt::black);
        cell.DrawInRect(dc, 0, 0, 100, 40);
        return image;
    };
    const QImage white = draw(CTextCell(QString()));
    EXPECT_EQ(draw(CTextCell(static_cast<const char*>(nullptr))), white);
    const QImage text = draw(CTextCell(QStringLiteral("88")));
    EXPECT_EQ(text.copy(0, 0, 51, 40), white.copy(0, 0, 51, 40)) << "nothing in the left half";
    EXPECT_EQ(text.copy(0, 0, 100, 16), white.copy(0, 0, 100, 16)) << "nor in the top rows";
}

TEST(TextCell, TextTooWideForItsCellKeepsItsStartAndEndsInAnEllipsis)
{
    // The same text right-aligned in a narrow cell and left-aligned in a
    // wide one: the first columns of ink are the same letters.
    const QString text = QStringLiteral("Wide sample name 12345");
    auto draw = [&](int width, unsigned format) {
        QImage image(200, 20, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter dc(&image);
        dc.setPen(Qt::black);
        GridDrawText(dc, text, CRect { 0, 0, width, 20 }, format);
        dc.end();
        return image.copy(0, 0, 12, 20);
    };
    EXPECT_EQ(draw(50, DT_RIGHT | DT_SINGLELINE), draw(200, DT_LEFT | DT_SINGLELINE));
    EXPECT_EQ(draw(50, DT_CENTER | DT_SINGLELINE), draw(200, DT_LEFT | DT_SINGLELINE));
}

} // namespace
