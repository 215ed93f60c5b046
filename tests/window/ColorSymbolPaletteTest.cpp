#include "tables/TernaryTableFixture.h"

#include "framework/core/CCmdUI.h"
#include "framework/core/CommandIds.h"
#include "window/CColorGrid.h"
#include "window/CColorSymbolPalette.h"
#include "window/CSymbolGrid.h"

#include <QFontMetrics>
#include <QImage>
#include <QTabWidget>

TEST(PaletteGeometry, GapsBelongToTheSwatchUpperLeftAndTheMarginPicksNothing)
{
    // A gap goes to the swatch left of and above it (27, 27 and, on a wider
    // page, 93, 10); the margins and a wider page's room beyond the 16
    // swatches pick nothing.
    const struct {
        int x, y, size, index;
    } cases[] = { { 6, 6, 100, 0 }, { 27, 27, 100, 0 }, { 28, 6, 100, 1 }, { 6, 28, 100, 4 }, { 89, 89, 100, 15 },
        { 5, 10, 100, -1 }, { 10, 5, 100, -1 }, { 94, 10, 100, -1 }, { 10, 94, 100, -1 }, { 93, 10, 200, 3 },
        { 95, 10, 200, -1 } };
    for (const auto& c : cases)
        EXPECT_EQ(CPaletteGrid::IndexAt(c.x, c.y, c.size, c.size), c.index) << c.x << "," << c.y;
}

TEST(PaletteGeometry, ColourPagePaintsTheColourTableAndTheHoverFrame)
{
    CColorGrid grid;
    grid.resize(100, 100);
    grid.show();
    (void)QTest::qWaitForWindowExposed(&grid);
    QTest::mouseMove(&grid, QPoint(30, 10)); // swatch 1
    QImage image(grid.size(), QImage::Format_RGB32);
    grid.render(&image);
    // 18 x 18 swatches at a pitch of 22 with a margin of 6, on grey.
    EXPECT_EQ(image.pixelColor(5, 5), QColor(200, 200, 200));
    EXPECT_EQ(image.pixelColor(23, 23), QColor(0, 0, 0)) << "colour 0";
    EXPECT_EQ(image.pixelColor(24, 23), QColor(200, 200, 200)) << "gap";
    EXPECT_EQ(image.pixelColor(89, 89), QColor(128, 0, 128)) << "colour 15 ends at 90";
    EXPECT_EQ(image.pixelColor(90, 89), QColor(200, 200, 200));
    EXPECT_EQ(image.pixelColor(37, 37), QColor(0, 128, 0)) << "colour 5 in swatch 5";
    EXPECT_EQ(grid.HoverIndex(), 1);
    EXPECT_EQ(grid.toolTip(), "red") << "the name a copied sample's look is given in";
    EXPECT_EQ(image.pixelColor(28, 6), QColor(255, 255, 200)) << "frame of the hovered swatch";
    EXPECT_EQ(image.pixelColor(37, 15), QColor(245, 0, 0)) << "inside of swatch 1";
}

class PaletteTest : public TernaryTableTest {
protected:
    void SetUp() override
    {
        TernaryTableTest::SetUp();
        m_palette = AttachPalette(&table);
    }
    void TearDown() override
    {
        table.Palette()->Destroy();
        TernaryTableTest::TearDown();
    }
    QPoint CellCentre(int row, int col)
    {
        const CRect r = table.GetCellRect(row, col);
        return QPoint((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    }
    CColorSymbolPalette* palette() { return m_palette; }
    CColorSymbolPalette* m_palette = nullptr;
};

TEST_F(PaletteTest, APickColoursEverySelectedRow)
{
    Select(3, 1, 5, 3);
    palette()->Show(CColorSymbolPalette::ColorPage);
    ASSERT_TRUE(palette()->IsShown());
    EXPECT_EQ(palette()->Window()->windowTitle(), "Color & Symbol");
    QFont bold = palette()->Window()->font();
    bold.setBold(true);
    EXPECT_GT(palette()->Window()->width(), QFontMetrics(bold).horizontalAdvance("Color & Symbol") + 40)
        << "room for the whole caption";
    QTest::mouseClick(palette()->ColorGrid(), Qt::LeftButton, {}, QPoint(50, 30)); // swatch 6
    Settle();
    for (int row = 3; row <= 5; ++row)
        EXPECT_EQ(Rec(row).colorId, 6) << row;
    EXPECT_TRUE(palette()->IsShown()) << "the palette stays open";

    palette()->Show(CColorSymbolPalette::SymbolPage);
    QTest::mouseClick(palette()->SymbolGrid(), Qt::LeftButton, {}, QPoint(8, 30)); // swatch 4
    Settle();
    EXPECT_EQ(table.GetRowSymbol(4), 4);
    EXPECT_EQ(table.GetRowColor(4), 6);
    QTest::mouseClick(palette()->SymbolGrid(), Qt::LeftButton, {}, QPoint(3, 30)); // margin
    Settle();
    EXPECT_EQ(table.GetRowSymbol(4), 4);
}

TEST_F(PaletteTest, RightClickAndDoubleClickInTheSymbolColumnOpenTheirPages)
{
    QTest::mouseClick(table.viewport(), Qt::RightButton, {}, CellCentre(3, 2));
    EXPECT_FALSE(palette()->IsShown()) << "other columns do nothing";
    QTest::mouseClick(table.viewport(), Qt::RightButton, {}, CellCentre(3, 5));
    ASSERT_TRUE(palette()->IsShown());
    EXPECT_EQ(table.GetSelection(), CellRange(3, 1, 3, 5)) << "the row clicked is the one the pick goes to";
    EXPECT_EQ(palette()->Tabs()->currentIndex(), CColorSymbolPalette::SymbolPage);
    QWidget* window = palette()->Window();
    const QPoint where = window->pos();
    QTest::mouseDClick(table.viewport(), Qt::LeftButton, {}, CellCentre(4, 5));
    EXPECT_EQ(palette()->Window(), window) << "an open palette only switches its page";
    EXPECT_EQ(window->pos(), where);
    EXPECT_EQ(palette()->Tabs()->currentIndex(), CColorSymbolPalette::ColorPage);
}

TEST_F(PaletteTest, TheToggleCommandShowsTheSymbolPageAndDestroysTheWindow)
{
    CCmdUI ui(ID_TOGGLE_PALETTE);
    ASSERT_TRUE(table.OnUpdateCmdUI(ui));
    EXPECT_FALSE(ui.m_checked);
    table.OnCmdMsg(ID_TOGGLE_PALETTE);
    ASSERT_TRUE(palette()->IsShown());
    EXPECT_EQ(palette()->CurrentPage(), CColorSymbolPalette::SymbolPage);
    table.OnUpdateCmdUI(ui);
    EXPECT_TRUE(ui.m_checked);
    table.OnCmdMsg(ID_TOGGLE_PALETTE);
    EXPECT_FALSE(palette()->IsShown());
    table.OnCmdMsg(ID_SHOW_COLOR_PALETTE);
    EXPECT_EQ(palette()->Tabs()->currentIndex(), CColorSymbolPalette::ColorPage);
    palette()->Window()->close();
    Settle();
    EXPECT_FALSE(palette()->IsShown()) << "closing the window destroys it";
}
