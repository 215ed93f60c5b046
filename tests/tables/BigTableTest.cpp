#include "tables/TernaryTableFixture.h"

#include "document/PlotFile.h"

#include <QClipboard>
#include <QGuiApplication>

// Past 2,000 rows: the table keeps one empty row after the last sample, and
// its row header makes room for the numbers.
TEST_F(TernaryTableTest, TheTableGrowsPastTheLastSample)
{
    const int standardHeader = table.GetColWidth(0);
    // Typing into the empty row past the end adds the next one.
    Type(2000, 1, "last");
    EXPECT_EQ(table.GetRowCount(), 2002);
    EXPECT_EQ(Rec(2000).name, "last");

    // A paste runs on past the end, every line reaching the document.
    QGuiApplication::clipboard()->setText("p\t10\t20\nq\t30\t30\nr\t1\t1\t98\n");
    Select(2001, 1, 2001, 1);
    table.OnEditPaste();
    EXPECT_EQ(table.GetRowCount(), 2005);
    EXPECT_EQ(Rec(2003).name, "r");
    EXPECT_EQ(Text(2004, 0), " 2004");
    EXPECT_EQ(table.GetColWidth(0), standardHeader) << "four digits";

    // A document of a million samples: a million and one rows, seven-digit
    // numbers in a wider header; New gives today's table back.
    std::string file = "TABLE=PlotData\nDELIMITER=;\nCOLUMNS=[sampleId;top;left;right;colorId;symbolId;row]\n"
                       "ROW=a;10;20;70;1;2;5\nROW=b;20;20;60;3;4;1000000\n";
    LoadPlotFileBytes(doc, file);
    doc.SendInitialUpdate();
    EXPECT_EQ(table.GetRowCount(), CTernaryTable::kMaxRows);
    EXPECT_EQ(Text(1000000, 1), "b");
    EXPECT_EQ(Text(1000000, 0), " 1000000");
    EXPECT_EQ(Text(5, 5), "18") << "colour 1, symbol 2";
    Type(5, 1, "c");
    EXPECT_EQ(Text(5, 2) + Text(5, 4) + Text(5, 5), "107018") << "a row typed into keeps what it showed";
    EXPECT_EQ(Text(1, 1), "") << "nothing of the table before is left";
    EXPECT_GT(table.GetColWidth(0), standardHeader);
    // No row to insert: the last sample cannot move down.
    Select(1, 1, 1, 1);
    boxes.Clear();
    table.OnInsertRows();
    EXPECT_EQ(boxes.Texts(), std::vector<QString> { "Unable to insert 1 row: the samples below would move past row "
                                                     "1,000,000, the last row of the table." });
    EXPECT_EQ(Text(1000000, 1), "b");

    doc.OnNewDocument();
    doc.SendInitialUpdate();
    EXPECT_EQ(table.GetRowCount(), 2001);
    EXPECT_EQ(table.GetColWidth(0), standardHeader);
}
