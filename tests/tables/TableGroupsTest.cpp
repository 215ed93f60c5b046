// A pasted block whose header names a Group column.
#include "tables/TernaryTableFixture.h"

#include <QClipboard>
#include <QGuiApplication>

TEST_F(TernaryTableTest, APastedGroupColumnGivesEachGroupItsLookAndLegendEntry)
{
    // The new document's samples use colour 3 symbol 0 and colour 1 symbol 3.
    QGuiApplication::clipboard()->setText("Sample\tTop\tLeft\tRight\tGroup\n"
                                          "A\t10\t20\t70\tGranite\nB\t10\t20\t70\tBasalt\nC\t10\t20\t70\tGranite\n");
    Select(3, 1, 3, 1);
    table.OnEditPaste();
    const std::pair<int, int> looks[] = { { 1, 0 }, { 2, 0 }, { 1, 0 } };
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ((std::pair { Rec(3 + i).colorId, Rec(3 + i).symbolId }), looks[i]) << i;
    EXPECT_EQ(Text(3, 5), "16") << "the group is no symbol number";
    EXPECT_EQ(doc.m_legend.ItemText(0, 1), "Granite");
    EXPECT_EQ(doc.m_legend.UseCount(0, 1), 2);
    EXPECT_EQ(doc.m_legend.ItemText(0, 2), "Basalt");
}
