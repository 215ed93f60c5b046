#include "tables/TernaryTableFixture.h"

#include "document/PlotFile.h"
#include "document/SampleCsv.h"
#include "framework/core/CommandIds.h"
#include "framework/core/ISampleTable.h"
#include "framework/core/TextEncoding.h"
#include "framework/gui/CStatusBar.h"
#include "framework/gui/PrintDialogs.h"
#include "grid/CTextCell.h"
#include "tables/RowNotDrawn.h"

#include <QFontMetrics>
#include <QImage>
#include <QPrinter>
#include <QTemporaryDir>

TEST_F(TernaryTableTest, InitialUpdateBuildsTheTableFromTheDocument)
{
    // Wide enough for the usual texts in the grid font.
    const char* usual[] = { " 2000", "Granite A", "33.3333", "33.3333", "33.3333", "Symbol" };
    const QFontMetrics fm(table.GetGridLogFont());
    for (int col = 0; col < 6; ++col)
        EXPECT_LE(fm.horizontalAdvance(QLatin1String(usual[col])) + 2 * table.GetCellMargin(), table.GetColWidth(col))
            << usual[col];
    // The headers, centred, and the new document's first sample (48: colour 3, symbol 0).
    EXPECT_EQ(Row(0).section(" = ", 0, 0), "Sample|Top|Left|Right|Symbol");
    EXPECT_EQ(Row(1), "Spl#1|20|30|50|48 = 20 30 50 3 0 used");
    for (int col = 1; col <= 5; ++col)
        EXPECT_EQ(dynamic_cast<CTextCell&>(*table.GetCell(0, col)).GetFormat(), 1u) << "centred header " << col;
}

TEST_F(TernaryTableTest, AutoAddFillsTheThirdValueInEveryOrderAndGivesTheDefaultSymbol)
{
    const int updates = plot.updates;
    // Two of top 30, left 20 and right 50 typed in each of the six orders, one row each.
    const int orders[6][2] = { { 2, 3 }, { 3, 2 }, { 2, 4 }, { 4, 2 }, { 3, 4 }, { 4, 3 } };
    const QString typed[] = { "", "", "30", "20", "50" };
    for (int i = 0; i < 6; ++i) {
        for (int col : orders[i])
            Type(5 + i, col, typed[col]);
        EXPECT_EQ(Row(5 + i), "|30|20|50|0 = 30 20 50 0 0 used") << i;
    }
    EXPECT_TRUE(doc.IsModified());
    EXPECT_GT(plot.updates, updates) << "every change updates the other views";

    // Clearing the filled cell leaves it empty until top or left changes.
    Type(5, 4, "");
    EXPECT_EQ(Rec(5).right, EMPTY_VALUE);
    Type(5, 3, "25");
    EXPECT_EQ(Text(5, 4), "45");
    EXPECT_EQ(doc.m_legend.UseCount(0, 0), 6) << "the row keeps its symbol, counted once";
    Type(5, 1, "Named late");
    EXPECT_EQ(doc.m_legend.ItemText(0, 0), "Named late") << "the new entry takes the name typed after the values";

    // Not checked against the range; switched off it fills nothing.
    Type(16, 2, "70");
    Type(16, 3, "50");
    EXPECT_EQ(Rec(16).right, -20.0f);
    doc.m_autoAdd = 0;
    Type(17, 2, "70");
    Type(17, 3, "10");
    EXPECT_EQ(Text(17, 4), "");
    EXPECT_EQ(table.GetRowSymbol(17), -1) << "an incomplete row gets no symbol";
}

TEST_F(TernaryTableTest, ClearingFreesTheRowKeepsTheHeadersAndNeverAutoAdds)
{
    Type(9, 1, "only a name");
    EXPECT_EQ(Row(9), "only a name|||| = -999.99 -999.99 -999.99 -1 -1 used");
    Type(9, 2, "40");
    Type(9, 5, "33");
    Select(9, 1, 9, 5);
    table.ClearSelection();
    EXPECT_EQ(Row(9), "|||| = -999.99 -999.99 -999.99 -1 -1 free");

    Type(10, 2, "10");
    Type(10, 3, "20");
    Select(10, 3, 10, 4);
    table.ClearSelection();
    EXPECT_EQ(Row(10), "|10|||0 = 10 -999.99 -999.99 0 0 used") << "top and the symbol remain";
    EXPECT_EQ(doc.m_autoAdd, 1) << "auto-add is restored";

    // Headers are the table's own: neither typing nor clearing changes them.
    doc.SetModifiedFlag(false);
    Type(0, 2, "x");
    Type(0, 5, "35");
    EXPECT_EQ(Rec(0).row, -1);
    EXPECT_EQ(Text(0, 5), "Symbol");
    EXPECT_FALSE(doc.IsModified());
    Select(0, 0, 2, 5);
    table.ClearSelection();
    EXPECT_EQ(Text(0, 1), "Sample");
    EXPECT_EQ(Text(1, 0), " 1");
    EXPECT_EQ(Rec(1).row, -1);
    EXPECT_EQ(doc.m_legend.UseCount(0, 3), 0);
}

TEST_F(TernaryTableTest, PastedBlocksFillTheRowsASpreadsheetBlockAsTheSameFileImports)
{
    CStatusBar bar(&table);
    const std::string block = "Sample\tTop\tLeft\tRight\tSymbol\r\n"
                              "Shale, grey\t33,3333\t33,3333\t\t17\r\n"
                              "B\t1,234.5\t2\t3\t\r\n"
                              "C\t10\t20\t70\t18\r\n";
    Paste(40, 1, QString::fromStdString(block));
    EXPECT_EQ(
        bar.MessageText(), "The first line, \"Sample Top Left Right Symbol\", was taken for a header and not pasted.");
    EXPECT_EQ(Rec(40).name, "Shale, grey");
    EXPECT_EQ(Text(40, 2), "33,3333");
    EXPECT_EQ(Rec(40).top, 33.3333f);
    EXPECT_EQ(Rec(41).top, 1234.5f);
    // Each line's own symbol names its new legend entry after its sample.
    EXPECT_EQ(std::tuple(doc.m_legend.ItemText(1, 1), doc.m_legend.ItemText(0, 0), doc.m_legend.ItemText(2, 1)),
        std::tuple("Shale, grey", "B", "C"));

    QTemporaryDir dir;
    const QString path = dir.filePath("block.tsv");
    ASSERT_TRUE(WriteFileBytes(path, block));
    CTernaryDoc imported;
    imported.OnNewDocument();
    ASSERT_EQ(imported.ImportSampleFile(path).first, 3);
    EXPECT_EQ(SamplesToCsv(imported), SamplesToCsv(doc)) << "names, values, colours and symbols";

    // Two value fields without a number make a header; one does not.
    Paste(50, 3, "Left\tRight\n10\t20\n");
    EXPECT_EQ((std::pair { Rec(50).left, Rec(50).right }), (std::pair { 10.f, 20.f }));
    Paste(60, 1, "Sample\tTop\nA\t5\n");
    EXPECT_EQ(Rec(60).name + "|" + Rec(61).name, "Sample|A");

    // Fields right of the table are dropped; a symbol number gives colour and symbol.
    Paste(20, 1, "a\t20\t30\t\t35\textra\nb");
    EXPECT_EQ(Row(20), "a|20|30|50|35 = 20 30 50 2 3 used") << "auto-add runs for pasted values";
    EXPECT_EQ(Row(21), "b|||| = -999.99 -999.99 -999.99 -1 -1 used") << "the next line, without a line end";
}

TEST_F(TernaryTableTest, APastedGroupColumnGivesEachGroupItsLookAndLegendEntry)
{
    // The new document's samples use colour 3 symbol 0 and colour 1 symbol 3.
    Paste(3, 1,
        "Sample\tTop\tLeft\tRight\tGroup\n"
        "A\t10\t20\t70\tGranite\nB\t10\t20\t70\tBasalt\nC\t10\t20\t70\tGranite\n");
    const std::pair<int, int> looks[] = { { 1, 0 }, { 2, 0 }, { 1, 0 } };
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ((std::pair { Rec(3 + i).colorId, Rec(3 + i).symbolId }), looks[i]) << i;
    EXPECT_EQ(Text(3, 5), "16") << "the group is no symbol number";
    EXPECT_EQ(doc.m_legend.ItemText(0, 1), "Granite");
    EXPECT_EQ(doc.m_legend.UseCount(0, 1), 2);
    EXPECT_EQ(doc.m_legend.ItemText(0, 2), "Basalt");
}

TEST_F(TernaryTableTest, LongNamesTypedOrPastedAreCutToWhatThePlotFileReadsBack)
{
    const QString longName(600, QChar(0xE9)); // two bytes each in UTF-8
    const QString kept = longName.left(511); // 1,022 bytes: the next character would not fit whole
    Type(5, 1, longName);
    Type(6, 1, kept);
    Paste(7, 1, longName + "\t1\t2\t97\n" + longName + "\nshort");
    EXPECT_EQ(boxes.Texts(),
        (std::vector<QString> { "1 text was longer than a plot file holds and was cut to its first 1,023 bytes.",
            "2 texts were longer than a plot file holds and were cut to their first 1,023 bytes." }));
    for (int row : { 5, 6, 7, 8 })
        EXPECT_EQ((std::pair { Text(row, 1), Rec(row).name }), (std::pair { kept, EncodeText(kept) })) << row;

    QTemporaryDir dir;
    ASSERT_TRUE(doc.OnSaveDocument(dir.filePath("long.tpf")));
    CTernaryDoc reopened;
    ASSERT_TRUE(reopened.OnOpenDocument(dir.filePath("long.tpf")));
    EXPECT_EQ(SamplesToCsv(reopened), SamplesToCsv(doc));
    EXPECT_EQ(reopened.m_legend.ItemText(0, 0), EncodeText(kept)) << "the legend entry named after row 7";
}

TEST_F(TernaryTableTest, PaletteMessagesRightClicksAndFillDownReachEverySelectedRowAndTheLegendFollows)
{
    Select(50, 1, 52, 2);
    table.OnTableSetColor(7);
    EXPECT_EQ(Row(52), "||||112 = -999.99 -999.99 -999.99 7 0 used") << "a new symbol cell takes symbol 0";
    table.OnTableSetSymbol(12);
    for (int row = 50; row <= 52; ++row)
        EXPECT_EQ(Row(row), "||||124 = -999.99 -999.99 -999.99 7 12 used") << row;
    EXPECT_EQ(doc.m_legend.UseCount(12, 7), 3);

    ASSERT_EQ(doc.m_legend.UseCount(0, 3), 1);
    Type(1, 5, "35"); // colour 2, symbol 3
    EXPECT_EQ(doc.m_legend.UseCount(0, 3), 0);
    Type(2, 5, "35");
    EXPECT_EQ(doc.m_legend.UseCount(3, 2), 2);
    Select(1, 5, 2, 5);
    table.ClearSelection();
    EXPECT_EQ(doc.m_legend.UseCount(3, 2), 0);

    // Fill Down copies the top row; an empty symbol becomes colour and symbol 0.
    Type(30, 1, "x");
    Select(30, 1, 32, 5);
    EXPECT_TRUE(table.OnCmdMsg(ID_EDIT_FILL_DOWN));
    for (int row : { 31, 32 })
        EXPECT_EQ(Row(row), "x||||0 = -999.99 -999.99 -999.99 0 0 used");
    EXPECT_EQ(Row(30), "x|||| = -999.99 -999.99 -999.99 -1 -1 used") << "the top row is not changed";

    // A right click in the symbol column keeps a selection that holds its row, from the first to the last.
    for (int row : { 3, 5, 6 }) {
        Select(3, 1, 5, 5);
        QTest::mouseClick(table.viewport(), Qt::RightButton, {}, Centre(row, 5));
        EXPECT_EQ(table.GetSelection(), row == 6 ? CellRange(6, 1, 6, 5) : CellRange(3, 1, 5, 5)) << row;
    }
}

TEST_F(TernaryTableTest, ALoadedSharedPairKeepsItsEntryUntilItsLastSampleIsRecoloured)
{
    LoadPlotFileBytes(doc,
        "TABLE=PlotData\nCOLUMNS=[sampleId;top;left;right;colorId;symbolId;row]\n"
        "ROW=A;30;40;30;1;0;1\nROW=B;20;50;30;1;0;2\nROW=C;10;60;30;1;0;3\nEND\n"
        "TABLE=LegendItems\nCOLUMNS=[symbolId;colorId;text]\nROW=0;1;Granites\nROW=4;4;Spare\nEND\n");
    doc.SendInitialUpdate();
    auto legendRows = [&] {
        const std::string bytes = SavePlotFileBytes(doc);
        const std::size_t from = bytes.find("ROW=", bytes.find("TABLE=LegendItems"));
        return bytes.substr(from, bytes.find("END", from) - from);
    };
    // Rows 1 to 3 are recoloured one at a time; the entry the file lists
    // without samples stays.
    const char* const expected[] = {
        "ROW=0;1;Granites\nROW=4;4;Spare\nROW=0;7;Granites\n",
        "ROW=0;1;Granites\nROW=4;4;Spare\nROW=0;7;Granites\n",
        "ROW=4;4;Spare\nROW=0;7;Granites\n",
    };
    for (int row = 1; row <= 3; ++row) {
        Select(row, 1, row, 5);
        table.OnTableSetColor(7);
        EXPECT_EQ(legendRows(), expected[row - 1]) << row;
    }
}

TEST_F(TernaryTableTest, RowsThePlotLeavesOutAreTintedAndSelectingOneSaysWhy)
{
    CStatusBar bar(&table); // the status bar of the table's window
    doc.m_autoBalance = 0;
    doc.GetSample(1) = { "drawn", 30, 40, 30, 1, 0, NOT_PLOTTED, NOT_PLOTTED, 1 };
    doc.GetSample(2) = { "sum", 50, 50, 20, 1, 0, NOT_PLOTTED, NOT_PLOTTED, 2 };
    doc.GetSample(3) = { "bare", 20, 30, 50, -1, -1, NOT_PLOTTED, NOT_PLOTTED, 3 };
    doc.GetSample(4) = { "part", 20, EMPTY_VALUE, 50, 1, 0, NOT_PLOTTED, NOT_PLOTTED, 4 };
    doc.GetSample(5) = { "zero", 0, 0, 0, 1, 0, NOT_PLOTTED, NOT_PLOTTED, 5 };
    table.LoadRowsFromDocument(1, 5);
    auto tinted = [&](int row) {
        const QImage image = table.viewport()->grab().toImage();
        return image.pixelColor(table.GetColLeft(3) + 3, table.GetRowTop(row) + 3) == kRowNotDrawnTint;
    };
    Select(6, 1, 6, 1);
    const std::pair<int, const char*> steps[] = {
        { Qt::Key_Up, "Row 5 is not drawn: its values sum to 0" },
        { Qt::Key_Up, "Ready" }, // row 4 is no whole sample
        { Qt::Key_Up, "Row 3 is not drawn: it has no symbol" },
        { Qt::Key_Up, "Row 2 is not drawn: its values sum to 120" },
        { Qt::Key_Up, "Ready" },
    };
    bar.SetMessageText("Ready");
    for (auto [key, message] : steps) {
        QTest::keyClick(&table, static_cast<Qt::Key>(key));
        EXPECT_EQ(bar.MessageText(), message);
    }
    auto tints = [&] { return std::vector<bool> { tinted(1), tinted(2), tinted(3), tinted(4), tinted(5) }; };
    EXPECT_EQ(tints(), (std::vector<bool> { false, true, true, false, true }));
    doc.m_autoBalance = 1; // a sum other than 100, but not 0, is scaled to 100 and drawn
    table.viewport()->update();
    EXPECT_EQ(tints(), (std::vector<bool> { false, false, true, false, true }));
    EXPECT_EQ(doc.GetSample(2).right, 20) << "nothing in the row changes";
}

TEST_F(TernaryTableTest, ThePlotShowsASampleRowAfterTheRunningEditIsCommitted)
{
    Select(3, 1, 3, 1);
    table.OpenCellEdit(3, 1);
    table.GetCellEdit()->setText("typed");
    static_cast<ISampleTable&>(table).ShowSampleRow(500);
    EXPECT_EQ(Text(3, 1), "typed");
    EXPECT_EQ(table.GetSelection(), CellRange(500, 1, 500, 5));
    EXPECT_TRUE(table.IsRowVisible(500));
}

TEST_F(TernaryTableTest, AnEditEndedWithoutAChangeLeavesTheDocumentUnmodified)
{
    const QPoint cell = Centre(1, 2);
    QTest::mouseDClick(table.viewport(), Qt::LeftButton, Qt::NoModifier, cell);
    ASSERT_NE(table.GetCellEdit(), nullptr);
    QTest::keyClick(table.GetCellEdit(), Qt::Key_Escape);
    QTest::mouseClick(table.viewport(), Qt::LeftButton, Qt::NoModifier, cell + QPoint(0, 40));
    QTest::keyClick(&table, Qt::Key_Escape); // type-over: Esc starts and ends on the cell's own text
    QTest::keyClick(&table, Qt::Key_Down);
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(Text(1, 2), "20");
}

TEST_F(TernaryTableTest, PrintAndPreviewShowTheVisibleCellsFourTimesLarger)
{
    Select(2, 1, 3, 2);
    QImage screen(table.viewport()->size(), QImage::Format_RGB32);
    table.viewport()->render(&screen);
    QImage page(screen.size() * 4, QImage::Format_RGB32);
    page.fill(Qt::white);
    QTemporaryDir dir;
    PrintDialogHandlers handlers;
    handlers.preview = [&](QPrinter&, QWidget*, const PaintPagesFunction& paint) { paint(&page); };
    handlers.print = [&](QPrinter& printer, QWidget*) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath("table.pdf"));
        return true;
    };
    const PrintDialogHandlers previous = SetPrintDialogHandlers(handlers);
    EXPECT_TRUE(table.OnCmdMsg(ID_FILE_PRINT_PREVIEW));
    EXPECT_TRUE(table.OnCmdMsg(ID_FILE_PRINT));
    SetPrintDialogHandlers(previous);
    // Each cell's middle has the colour of the screen's cell at a quarter of its place.
    for (const auto& [row, col] : { std::pair { 1, 1 }, { 2, 1 }, { 3, 2 }, { 0, 3 }, { 5, 4 } }) {
        const CRect r = table.GetCellRect(row, col);
        const QPoint middle((r.left + r.right) / 2, r.top + 2);
        EXPECT_EQ(page.pixel(middle * 4 + QPoint(1, 1)), screen.pixel(middle)) << row << "," << col;
    }
    EXPECT_EQ(ReadFileBytes(dir.filePath("table.pdf")).rfind("%PDF-", 0), 0u);
}
