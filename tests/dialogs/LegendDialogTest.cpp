// The Legend dialog: the legend's entries in its grid, keys kept by the
// grid, OK writing edited texts back and Cancel leaving them.
#include "document/PlotLegend.h"
#include "dialogs/CLegendDialog.h"
#include "dialogs/CLegendGrid.h"
#include "tables/CSymbolCell.h"

#include <QTest>

#include <gtest/gtest.h>

TEST(LegendDialogTest, ShowsTheEntriesOkWritesTextsBackAndCancelDoesNot)
{
    PlotLegend legend;
    legend.AddItem(0, 3, "sample #1");
    legend.AddItem(3, 1, "sample #2");
    CLegendDialog dialog { legend };
    dialog.show();
    (void)QTest::qWaitForWindowExposed(&dialog);
    CLegendGrid& grid = *dialog.Grid();
    EXPECT_EQ(grid.GetCellText(2, 2), "sample #2");
    auto* symbol = dynamic_cast<CSymbolCell*>(grid.GetCell(2, 1));
    ASSERT_NE(symbol, nullptr);
    EXPECT_EQ((std::pair { symbol->GetColorId(), symbol->GetSymbolId() }), (std::pair { 1, 3 }));
    // The grid keeps its keys: neither Enter nor Esc closes the dialog.
    for (Qt::Key key : { Qt::Key_Return, Qt::Key_Escape, Qt::Key_Tab, Qt::Key_Down })
        QTest::keyClick(&grid, key);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_TRUE(grid.hasFocus());

    grid.SetCellText(1, 2, QStringLiteral("changed"));
    dialog.reject();
    EXPECT_EQ(legend.Item(0).text, "sample #1");

    grid.SetCellText(1, 2, QStringLiteral("Basalt; Andesite"));
    grid.SetCellText(3, 2, QStringLiteral("beyond the entries"));
    dialog.accept();
    EXPECT_EQ(legend.Item(0).text, "Basalt, Andesite");
    EXPECT_EQ(legend.Item(1).text, "sample #2");
    EXPECT_EQ(legend.Count(), 2);
    EXPECT_TRUE(dialog.Changed());
}
