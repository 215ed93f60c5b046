// The Legend dialog: the legend's entries in its grid, keys kept by the
// grid, OK writing edited texts back and Cancel leaving them.
#include "document/PlotLegend.h"
#include "tables/CLegendDialog.h"
#include "tables/CLegendGrid.h"
#include "tables/CSymbolCell.h"

#include <QTest>

#include <gtest/gtest.h>

namespace {

class LegendDialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        legend.AddItem(0, 3, "sample #1");
        legend.AddItem(3, 1, "sample #2");
        dialog.show();
        (void)QTest::qWaitForWindowExposed(&dialog);
    }
    CLegendGrid& Grid() { return *dialog.Grid(); }

    PlotLegend legend;
    CLegendDialog dialog { legend };
};

} // namespace

TEST_F(LegendDialogTest, ShowsOneRowPerEntryInTheGridsColumns)
{
    EXPECT_EQ(dialog.windowTitle(), "Legend");
    EXPECT_EQ(Grid().GetRowCount(), 51);
    EXPECT_EQ(Grid().GetColCount(), 3);
    EXPECT_EQ(Grid().GetColWidth(0), 25);
    EXPECT_EQ(Grid().GetColWidth(1), 55);
    EXPECT_EQ(Grid().GetColWidth(2), Grid().GetClientRect().Width() - 80);
    EXPECT_EQ(Grid().GetCellText(0, 2), "Legend Text");
    EXPECT_EQ(Grid().GetCellText(2, 2), "sample #2");
    auto* symbol = dynamic_cast<CSymbolCell*>(Grid().GetCell(2, 1));
    ASSERT_NE(symbol, nullptr);
    EXPECT_EQ((std::pair { symbol->GetColorId(), symbol->GetSymbolId() }), (std::pair { 1, 3 }));
    EXPECT_TRUE(Grid().hasFocus());
}

TEST_F(LegendDialogTest, TheGridKeepsEnterEscAndTabAndOkWritesTextsBack)
{
    for (Qt::Key key : { Qt::Key_Return, Qt::Key_Escape, Qt::Key_Tab, Qt::Key_Down })
        QTest::keyClick(&Grid(), key);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_TRUE(Grid().hasFocus());

    Grid().SetCellText(1, 2, QStringLiteral("Basalt; Andesite"));
    Grid().SetCellText(3, 2, QStringLiteral("beyond the entries"));
    dialog.accept();
    EXPECT_EQ(legend.Item(0).text, "Basalt, Andesite");
    EXPECT_EQ(legend.Item(1).text, "sample #2");
    EXPECT_EQ(legend.Count(), 2);
    EXPECT_TRUE(dialog.Changed());
}

TEST_F(LegendDialogTest, CancelChangesNothing)
{
    Grid().SetCellText(1, 2, QStringLiteral("changed"));
    dialog.reject();
    EXPECT_EQ(legend.Item(0).text, "sample #1");
}
