// Whole rows in the sample table: insert, delete and sort (one undo step
// each), Select All, Find, Copy as HTML, and growing past 2,000 rows.
#include "tables/TernaryTableFixture.h"

#include "document/PlotFile.h"

#include <QMimeData>
#include <QUndoStack>

namespace {

// Rows 1 to 7 as the table shows them, one letter per row: the name, or '.'
// for a row not in use; the document's slots must agree.
std::string Rows(CTernaryTable& table, CTernaryDoc& doc)
{
    std::string rows;
    for (int r = 1; r <= 7; ++r) {
        const SampleRecord& rec = doc.GetSample(r);
        EXPECT_EQ(rec.InUse() ? rec.row : r, r) << "slot " << r;
        EXPECT_EQ(table.GetCellText(r, 1), QString::fromStdString(rec.name)) << "row " << r;
        rows += rec.InUse() ? (rec.name.empty() ? '?' : rec.name[0]) : '.';
    }
    return rows;
}

} // namespace

TEST_F(TernaryTableTest, InsertAndDeleteMoveWholeRowsAndAreOneStepEach)
{
    doc.EnableUndo();
    // A and D share colour 1, B is alone on colour 2, C has no symbol.
    Paste(1, 1, "A\t10\t20\t70\t16\nB\t10\t20\t70\t32\nC\nD\t1\t1\t98\t16\n");
    ASSERT_EQ(Rows(table, doc), "ABCD...");
    doc.GetUndoStack()->clear();
    const std::string bytes = SavePlotFileBytes(doc);

    const struct {
        int top, bottom;
        bool insert;
        const char* rows;
        int redCount, blueCount; // the legend's counts of colours 1 and 2
    } cases[] = {
        { 2, 3, true, "A..BCD.", 2, 1 },
        { 4, 6, true, "ABC...D", 2, 1 }, // the empty row 5 and 6 add to the count
        { 5, 5, true, "ABCD...", 2, 1 }, // below the last sample: nothing moves
        { 2, 3, false, "AD.....", 2, 0 },
        { 4, 9, false, "ABC....", 1, 1 },
        { 1, 1, false, "BCD....", 1, 1 },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.rows);
        Select(c.top, 2, c.bottom, 3);
        c.insert ? table.OnInsertRows() : table.OnDeleteRows();
        EXPECT_EQ(Rows(table, doc), c.rows);
        EXPECT_EQ(doc.m_legend.UseCount(0, 1), c.redCount);
        EXPECT_EQ(doc.m_legend.UseCount(0, 2), c.blueCount);
        const bool changed = std::string(c.rows) != "ABCD...";
        EXPECT_EQ(doc.GetUndoStack()->count(), changed ? 1 : 0);
        doc.GetUndoStack()->undo();
        EXPECT_EQ(SavePlotFileBytes(doc), bytes);
        EXPECT_EQ(Rows(table, doc), "ABCD...");
        doc.GetUndoStack()->clear();
    }

    // Past row 2,000 the table follows its last sample, one empty row below.
    Type(2000, 1, "Z");
    Select(1, 1, 3, 1);
    table.OnInsertRows();
    EXPECT_EQ((std::pair { Text(2003, 1), table.GetRowCount() }), (std::pair { QString("Z"), 2005 }));
    Select(1, 1, 4, 1);
    table.OnDeleteRows();
    EXPECT_EQ((std::pair { Text(1999, 1), table.GetRowCount() }), (std::pair { QString("Z"), 2001 }));
    doc.GetUndoStack()->undo();
    EXPECT_EQ(table.GetRowCount(), 2005);
    doc.GetUndoStack()->undo();
    EXPECT_EQ((std::pair { Text(2000, 1), table.GetRowCount() }), (std::pair { QString("Z"), 2002 }));
}

TEST_F(TernaryTableTest, SortIsOneStepOverAllSamplesOrTheSelectedRows)
{
    doc.EnableUndo();
    // Row 5 has no name.
    Paste(1, 1, "S10\t1\nS2\t3\n\nS1\t2\n\t5\n");
    doc.GetUndoStack()->clear();
    ASSERT_EQ(Rows(table, doc), "SS.S?..");
    const std::string bytes = SavePlotFileBytes(doc);

    table.SortRows(1, 0, { { SortColumn::Name, false } });
    EXPECT_EQ(Text(1, 1) + "|" + Text(2, 1) + "|" + Text(3, 1), "S1|S2|S10");
    EXPECT_EQ(Rows(table, doc), "SSS?...");
    EXPECT_EQ(doc.GetUndoStack()->count(), 1);
    doc.GetUndoStack()->undo();
    EXPECT_EQ(SavePlotFileBytes(doc), bytes);

    // Only rows 2 to 4, by the top value descending: the empty row ends the range.
    Select(2, 1, 4, 5);
    const auto [first, last] = table.SelectedRowSpan();
    table.SortRows(first, last, { { SortColumn::Top, true } });
    EXPECT_EQ(Rows(table, doc), "SSS.?..");
    EXPECT_EQ(Text(1, 1) + "|" + Text(2, 1) + "|" + Text(3, 1), "S10|S2|S1");
}

TEST_F(TernaryTableTest, SelectAllTakesTheRowsInUseAndFindWalksTheNamesRoundToTheTop)
{
    Paste(4, 1, "Granite A\nBasalt\nGRANITE B\n");
    table.OnSelectAll();
    EXPECT_EQ(table.GetSelection(), CellRange(1, 1, 6, 5));

    Select(5, 1, 5, 1);
    EXPECT_TRUE(table.FindSample("granite"));
    EXPECT_EQ(table.GetSelection(), CellRange(6, 1, 6, 5));
    const int expected[] = { 4, 6, 4 };
    for (int row : expected) {
        EXPECT_TRUE(table.FindNext());
        EXPECT_EQ(table.GetSelection().top, row);
    }
    EXPECT_FALSE(table.FindSample("gabbro"));
    EXPECT_EQ(boxes.Texts(), std::vector<QString> { "No sample name holds \"gabbro\"." });
    EXPECT_EQ(table.GetSelection().top, 4);
}

TEST_F(TernaryTableTest, CopyOffersAnHtmlTableWithHeadersNumbersAndSymbolNames)
{
    Type(3, 1, "<b>&1");
    Type(3, 2, "33,5"); // a decimal comma: the number is 33.5
    Type(3, 3, "abc"); // no number: stays text (the document holds 0)
    Type(3, 5, "18"); // colour 1, symbol 2
    Select(3, 1, 4, 5);
    table.OnEditCopy();

    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    EXPECT_EQ(data->text(), "<b>&1\t33,5\tabc\t66.5\t18\r\n\t\t\t\t\r\n");
    const QString text = "<td sdnum=\"1033;0;@\" style=\"mso-number-format:'\\@'\">%1</td>";
    const QString number = "<td sdval=\"%1\" sdnum=\"1033;\" x:num=\"%1\">%1</td>";
    const QString html = "<html><head><meta charset=\"utf-8\"></head><body><table>\n"
                         "<tr><th>Sample</th><th>Top</th><th>Left</th><th>Right</th><th>Symbol</th></tr>\n<tr>"
        + text.arg("&lt;b&gt;&amp;1") + number.arg("33.5") + text.arg("abc") + number.arg("66.5")
        + text.arg("red square") + "</tr>\n<tr>" + text.arg("").repeated(5) + "</tr>\n</table></body></html>\n";
    EXPECT_EQ(data->html(), html);
}

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
    Paste(2001, 1, "p\t10\t20\nq\t30\t30\nr\t1\t1\t98\n");
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
    EXPECT_EQ(boxes.Texts(),
        std::vector<QString> { "Unable to insert 1 row: the samples below would move past row "
                               "1,000,000, the last row of the table." });
    EXPECT_EQ(Text(1000000, 1), "b");

    doc.OnNewDocument();
    doc.SendInitialUpdate();
    EXPECT_EQ(table.GetRowCount(), 2001);
    EXPECT_EQ(table.GetColWidth(0), standardHeader);
}
