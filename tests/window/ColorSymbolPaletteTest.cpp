#include "tables/TernaryTableFixture.h"

#include "framework/core/CCmdUI.h"
#include "framework/core/CommandIds.h"
#include "window/CColorGrid.h"
#include "window/CColorSymbolPalette.h"
#include "window/CSymbolGrid.h"

#include <QApplication>
#include <QFontMetrics>
#include <QImage>
#include <QMouseEvent>
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
    const std::tuple<int, int, QColor, const char*> pixels[]
        = { { 5, 5, QColor(200, 200, 200), "ground" }, { 23, 23, QColor(0, 0, 0), "colour 0" },
              { 24, 23, QColor(200, 200, 200), "gap" }, { 89, 89, QColor(128, 0, 128), "colour 15 ends at 90" },
              { 90, 89, QColor(200, 200, 200), "ground" }, { 37, 37, QColor(0, 128, 0), "colour 5 in swatch 5" },
              { 28, 6, QColor(255, 255, 200), "hover frame" }, { 37, 15, QColor(245, 0, 0), "inside of swatch 1" } };
    for (const auto& [x, y, colour, what] : pixels)
        EXPECT_EQ(image.pixelColor(x, y), colour) << what;
    EXPECT_EQ(grid.HoverIndex(), 1);
    EXPECT_EQ(grid.toolTip(), "red") << "the name a copied sample's look is given in";
    CSymbolGrid symbols;
    symbols.resize(100, 100);
    QMouseEvent move(QEvent::MouseMove, QPointF(30, 10), QPointF(30, 10), Qt::NoButton, Qt::NoButton, {});
    QApplication::sendEvent(&symbols, &move);
    EXPECT_EQ(symbols.toolTip(), "filled circle");
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
    CColorSymbolPalette* m_palette = nullptr;
};

TEST_F(PaletteTest, APickColoursEverySelectedRow)
{
    Select(3, 1, 5, 3);
    m_palette->Show(CColorSymbolPalette::ColorPage);
    ASSERT_TRUE(m_palette->IsShown());
    EXPECT_EQ(m_palette->Window()->windowTitle(), "Color & Symbol");
    QFont bold = m_palette->Window()->font();
    bold.setBold(true);
    EXPECT_GT(m_palette->Window()->width(), QFontMetrics(bold).horizontalAdvance("Color & Symbol") + 40)
        << "room for the whole caption";
    QTest::mouseClick(m_palette->ColorGrid(), Qt::LeftButton, {}, QPoint(50, 30)); // swatch 6
    Settle();
    for (int row = 3; row <= 5; ++row)
        EXPECT_EQ(Rec(row).colorId, 6) << row;
    EXPECT_TRUE(m_palette->IsShown()) << "the palette stays open";

    m_palette->Show(CColorSymbolPalette::SymbolPage);
    QTest::mouseClick(m_palette->SymbolGrid(), Qt::LeftButton, {}, QPoint(8, 30)); // swatch 4
    Settle();
    EXPECT_EQ(table.GetRowSymbol(4), 4);
    EXPECT_EQ(table.GetRowColor(4), 6);
    QTest::mouseClick(m_palette->SymbolGrid(), Qt::LeftButton, {}, QPoint(3, 30)); // margin
    Settle();
    EXPECT_EQ(table.GetRowSymbol(4), 4);
}

TEST_F(PaletteTest, RightClickAndDoubleClickInTheSymbolColumnOpenTheirPages)
{
    QTest::mouseClick(table.viewport(), Qt::RightButton, {}, Centre(3, 2));
    EXPECT_FALSE(m_palette->IsShown()) << "other columns do nothing";
    QTest::mouseClick(table.viewport(), Qt::RightButton, {}, Centre(3, 5));
    ASSERT_TRUE(m_palette->IsShown());
    EXPECT_EQ(table.GetSelection(), CellRange(3, 1, 3, 5)) << "the row clicked is the one the pick goes to";
    EXPECT_EQ(m_palette->Tabs()->currentIndex(), CColorSymbolPalette::SymbolPage);
    QWidget* window = m_palette->Window();
    const QPoint where = window->pos();
    QTest::mouseDClick(table.viewport(), Qt::LeftButton, {}, Centre(4, 5));
    EXPECT_EQ(m_palette->Window(), window) << "an open palette only switches its page";
    EXPECT_EQ(window->pos(), where);
    EXPECT_EQ(m_palette->Tabs()->currentIndex(), CColorSymbolPalette::ColorPage);
}

TEST_F(PaletteTest, TheToggleCommandShowsTheSymbolPageAndDestroysTheWindow)
{
    CCmdUI ui(ID_TOGGLE_PALETTE);
    ASSERT_TRUE(table.OnUpdateCmdUI(ui));
    EXPECT_FALSE(ui.m_checked);
    table.OnCmdMsg(ID_TOGGLE_PALETTE);
    ASSERT_TRUE(m_palette->IsShown());
    EXPECT_EQ(m_palette->CurrentPage(), CColorSymbolPalette::SymbolPage);
    table.OnUpdateCmdUI(ui);
    EXPECT_TRUE(ui.m_checked);
    table.OnCmdMsg(ID_TOGGLE_PALETTE);
    EXPECT_FALSE(m_palette->IsShown());
    table.OnCmdMsg(ID_SHOW_COLOR_PALETTE);
    EXPECT_EQ(m_palette->Tabs()->currentIndex(), CColorSymbolPalette::ColorPage);
    m_palette->Window()->close();
    Settle();
    EXPECT_FALSE(m_palette->IsShown()) << "closing the window destroys it";
}
