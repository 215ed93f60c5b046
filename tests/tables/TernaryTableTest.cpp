#include "tables/TernaryTableFixture.h"

#include "document/SampleCsv.h"
#include "framework/core/CommandIds.h"
#include "framework/gui/CStatusBar.h"
#include "framework/gui/PrintDialogs.h"
#include "grid/CTextCell.h"

#include <QClipboard>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QPrinter>
#include <QTemporaryDir>

#include <cstring>

namespace {
std::uint32_t Bits(float f)
{
    std::uint32_t b;
    std::memcpy(&b, &f, sizeof b);
    return b;
}
} // namespace

TEST_F(TernaryTableTest, InitialUpdateBuildsTheTableFromTheNewDocument)
{
    EXPECT_EQ(table.GetColCount(), 6);
    EXPECT_EQ(table.GetRowCount(), 2001);
    EXPECT_EQ(doc.m_tableView, &table);
    const QStringList headers = { "Sample", "Top", "Left", "Right", "Symbol" };
    // At least the designed widths, and wide enough for the usual texts in
    // the grid font: the value column's "33.3333", "Granite A", " 2000".
    const int widths[] = { 30, 55, 45, 45, 45, 42 };
    const char* usual[] = { " 2000", "Granite A", "33.3333", "33.3333", "33.3333", "Symbol" };
    const QFontMetrics fm(table.GetGridLogFont());
    for (int col = 0; col < 6; ++col) {
        EXPECT_GE(table.GetColWidth(col), widths[col]) << col;
        EXPECT_LE(fm.horizontalAdvance(QLatin1String(usual[col])) + 2 * table.GetCellMargin(), table.GetColWidth(col))
            << usual[col];
    }
    for (int col = 1; col <= 5; ++col) {
        EXPECT_EQ(Text(0, col), headers[col - 1]);
        auto* cell = dynamic_cast<CTextCell*>(table.GetCell(0, col));
        ASSERT_NE(cell, nullptr);
        EXPECT_EQ(cell->GetFormat(), 1u) << "centred header " << col;
    }
    EXPECT_EQ(Text(2000, 0), " 2000");
    EXPECT_EQ(Text(1, 1), "Spl#1");
    EXPECT_EQ(Text(1, 2), "20");
    EXPECT_EQ(Text(1, 3), "30");
    EXPECT_EQ(Text(1, 4), "50");
    EXPECT_EQ(Text(1, 5), "48"); // colour 3, symbol 0
    EXPECT_EQ(Text(2, 1), "Spl#2");
    EXPECT_EQ(Text(2, 5), "19"); // colour 1, symbol 3
    EXPECT_EQ(Text(3, 1), "");
    EXPECT_EQ(Text(3, 5), "");
}

TEST_F(TernaryTableTest, InitialUpdateAfterOpenForgetsTheOldCells)
{
    Type(7, 1, "left over");
    doc.DeleteContents();
    doc.GetSample(4).row = 4;
    doc.GetSample(4).top = 12.5f;
    doc.GetSample(4).colorId = 2;
    doc.GetSample(4).symbolId = 9;
    doc.SendInitialUpdate();
    EXPECT_EQ(Text(7, 1), "");
    EXPECT_EQ(Text(1, 1), "");
    EXPECT_EQ(Text(4, 2), "12.5");
    EXPECT_EQ(Text(4, 3), "");
    EXPECT_EQ(Text(4, 5), "41");
}

TEST_F(TernaryTableTest, AutoAddFillsTheThirdValueAndGivesTheDefaultSymbol)
{
    const int updates = plot.updates;
    Type(5, 2, "30");
    EXPECT_EQ(Text(5, 4), "");
    EXPECT_TRUE(doc.IsModified());
    EXPECT_GT(plot.updates, updates) << "every change updates the other views";
    Type(5, 3, "20");
    EXPECT_EQ(Text(5, 4), "50");
    EXPECT_EQ(Rec(5).right, 50.0f);
    EXPECT_EQ(Rec(5).row, 5);
    EXPECT_EQ(table.GetRowColor(5), 0);
    EXPECT_EQ(table.GetRowSymbol(5), 0);
    EXPECT_EQ(Rec(5).colorId, 0);
    EXPECT_EQ(Rec(5).symbolId, 0);
    EXPECT_EQ(doc.m_legend.UseCount(0, 0), 1);

    // Clearing the filled cell leaves it empty until top or left changes.
    Type(5, 4, "");
    EXPECT_EQ(Text(5, 4), "");
    EXPECT_EQ(Bits(Rec(5).right), 0xC479FF5Cu);
    Type(5, 3, "25");
    EXPECT_EQ(Text(5, 4), "45");
    EXPECT_EQ(doc.m_legend.UseCount(0, 0), 1) << "the row keeps its symbol, counted once";
}

TEST_F(TernaryTableTest, AutoAddIsNotCheckedAgainstTheRangeAndOffFillsNothing)
{
    Type(6, 2, "70");
    Type(6, 3, "50");
    EXPECT_EQ(Text(6, 4), "-20");
    EXPECT_EQ(Rec(6).right, -20.0f);

    doc.m_autoAdd = 0;
    Type(7, 2, "70");
    Type(7, 3, "10");
    EXPECT_EQ(Text(7, 4), "");
    EXPECT_EQ(table.GetRowSymbol(7), -1) << "an incomplete row gets no symbol";
}

TEST_F(TernaryTableTest, NamesKeepTheirCommasAndValuesReadADecimalComma)
{
    Type(8, 1, "quartz, fine");
    Type(8, 2, "12,5");
    Type(8, 3, "1,234.5");
    EXPECT_EQ(Text(8, 2), "12,5") << "the cell keeps what was typed";
    EXPECT_EQ(Rec(8).name, "quartz, fine");
    EXPECT_EQ(Rec(8).top, 12.5f);
    EXPECT_EQ(Rec(8).left, 1234.5f);
    EXPECT_EQ(doc.m_legend.ItemText(0, 0), "quartz, fine");
}

TEST_F(TernaryTableTest, ANameAloneUsesTheRowAndClearingEverythingFreesIt)
{
    Type(9, 1, "only a name");
    EXPECT_EQ(Rec(9).row, 9);
    Type(9, 2, "40");
    Type(9, 5, "33");
    EXPECT_EQ(Rec(9).colorId, 2);
    EXPECT_EQ(Rec(9).symbolId, 1);
    Select(9, 1, 9, 5);
    table.ClearSelection();
    EXPECT_EQ(Rec(9).row, -1);
    EXPECT_EQ(Rec(9).name, "");
    EXPECT_EQ(Rec(9).colorId, -1);
    EXPECT_EQ(Bits(Rec(9).top), 0xC479FF5Cu);
}

TEST_F(TernaryTableTest, ClearingABlockNeverAutoAdds)
{
    Type(10, 2, "10");
    Type(10, 3, "20");
    ASSERT_EQ(Text(10, 4), "70");
    Select(10, 3, 10, 4);
    table.ClearSelection();
    EXPECT_EQ(Text(10, 3), "");
    EXPECT_EQ(Text(10, 4), "");
    EXPECT_EQ(Bits(Rec(10).left), 0xC479FF5Cu);
    EXPECT_EQ(Bits(Rec(10).right), 0xC479FF5Cu);
    EXPECT_EQ(doc.m_autoAdd, 1) << "auto-add is restored";
    EXPECT_EQ(Rec(10).row, 10) << "top and the symbol remain";
}

TEST_F(TernaryTableTest, ClearingASelectionThatTakesInTheHeadersKeepsThem)
{
    Select(0, 0, 2, 5);
    table.ClearSelection();
    EXPECT_EQ(Text(0, 1), "Sample");
    EXPECT_EQ(Text(1, 0), " 1");
    EXPECT_EQ(Text(1, 1), "");
    EXPECT_EQ(Rec(1).row, -1);
    EXPECT_EQ(doc.m_legend.UseCount(0, 3), 0);
}

TEST_F(TernaryTableTest, PastedNumbersInTheSymbolColumnSplitIntoColourAndSymbol)
{
    QGuiApplication::clipboard()->setText("35\r\n0\r\n");
    Select(11, 5, 11, 5);
    table.OnEditPaste();
    EXPECT_EQ(table.GetRowColor(11), 2);
    EXPECT_EQ(table.GetRowSymbol(11), 3);
    EXPECT_EQ(Rec(11).colorId, 2);
    EXPECT_EQ(Rec(11).symbolId, 3);
    EXPECT_EQ(table.GetRowColor(12), 0);
    EXPECT_EQ(table.GetRowSymbol(12), 0);
    EXPECT_EQ(Text(12, 5), "0");
}

TEST_F(TernaryTableTest, PasteStoresEveryFieldThroughTheDocumentAndDropsWhatIsRightOfTheTable)
{
    QGuiApplication::clipboard()->setText("a,1\t20\t30\t\t17\textra\nb\t\t\t5\r\nc");
    Select(20, 1, 20, 1);
    table.OnEditPaste();
    EXPECT_EQ(Text(20, 1), "a,1");
    EXPECT_EQ(Rec(20).name, "a,1");
    EXPECT_EQ(Text(20, 4), "50") << "auto-add runs for pasted values";
    EXPECT_EQ(Text(20, 5), "17");
    EXPECT_EQ(Rec(20).colorId, 1);
    EXPECT_EQ(Rec(20).symbolId, 1);
    EXPECT_EQ(Text(21, 1), "b");
    EXPECT_EQ(Text(21, 4), "5");
    EXPECT_EQ(Text(22, 1), "c") << "the last field is stored without a line end";
}

TEST_F(TernaryTableTest, ASpreadsheetBlockPastesAsTheSameFileImports)
{
    CStatusBar bar(&table);
    const std::string block = "Sample\tTop\tLeft\tRight\tSymbol\r\n"
                              "Shale, grey\t33,3333\t33,3333\t\t17\r\n"
                              "B\t1,234.5\t2\t3\t\r\n"
                              "C\t10\t20\t70\t18\r\n";
    QGuiApplication::clipboard()->setText(QString::fromStdString(block));
    Select(40, 1, 40, 1);
    table.OnEditPaste();
    EXPECT_EQ(
        bar.MessageText(), "The first line, \"Sample Top Left Right Symbol\", was taken for a header and not pasted.");
    EXPECT_EQ(Text(40, 1), "Shale, grey");
    EXPECT_EQ(Text(40, 2), "33,3333");
    EXPECT_EQ(Rec(40).top, 33.3333f);
    EXPECT_EQ(Rec(41).top, 1234.5f);
    EXPECT_FALSE(Rec(43).InUse());
    // Each line's own symbol names its new legend entry after its sample.
    EXPECT_EQ(doc.m_legend.ItemText(1, 1), "Shale, grey");
    EXPECT_EQ(doc.m_legend.ItemText(0, 0), "B");
    EXPECT_EQ(doc.m_legend.ItemText(2, 1), "C");

    QTemporaryDir dir;
    const QString path = dir.filePath("block.tsv");
    ASSERT_TRUE(WriteFileBytes(path, block));
    CTernaryDoc imported;
    imported.OnNewDocument();
    ASSERT_EQ(imported.ImportSampleFile(path).first, 3);
    EXPECT_EQ(SamplesToCsv(imported), SamplesToCsv(doc)) << "names, values, colours and symbols";
    const auto legend = [](const CTernaryDoc& d) {
        std::string text;
        for (int i = 0; i < d.m_legend.Count(); ++i)
            text += d.m_legend.Item(i).text + "/" + std::to_string(d.m_legend.Item(i).useCount) + " ";
        return text;
    };
    EXPECT_EQ(legend(imported), legend(doc));
}

TEST_F(TernaryTableTest, FillDownCopiesTheTopRowAndAnEmptySymbolBecomesColourAndSymbolZero)
{
    Type(30, 1, "x");
    Select(30, 1, 32, 5);
    EXPECT_TRUE(table.OnCmdMsg(ID_EDIT_FILL_DOWN));
    for (int row = 31; row <= 32; ++row) {
        EXPECT_EQ(Text(row, 1), "x");
        EXPECT_EQ(table.GetRowColor(row), 0);
        EXPECT_EQ(table.GetRowSymbol(row), 0);
        EXPECT_EQ(Rec(row).row, row);
    }
    EXPECT_EQ(table.GetRowSymbol(30), -1) << "the top row is not changed";
}

TEST_F(TernaryTableTest, TheLegendFollowsEveryChange)
{
    ASSERT_EQ(doc.m_legend.UseCount(0, 3), 1);
    Type(1, 5, "35"); // colour 2, symbol 3
    EXPECT_EQ(doc.m_legend.UseCount(0, 3), 0);
    EXPECT_EQ(doc.m_legend.UseCount(3, 2), 1);
    Type(2, 5, "35");
    EXPECT_EQ(doc.m_legend.UseCount(3, 2), 2);
    Select(1, 5, 2, 5);
    table.ClearSelection();
    EXPECT_EQ(doc.m_legend.UseCount(3, 2), 0);
}

TEST_F(TernaryTableTest, TheHeaderRowNeverChangesARecord)
{
    Type(0, 2, "x");
    Type(0, 5, "35");
    EXPECT_EQ(Rec(0).row, -1);
    EXPECT_EQ(Text(0, 5), "Symbol");
    EXPECT_FALSE(doc.IsModified());
}

TEST_F(TernaryTableTest, TypedKeysTravelToTheDocument)
{
    Type(5, 3, "20");
    Select(5, 2, 5, 2);
    table.setFocus();
    QTest::keyClicks(&table, "30");
    QTest::keyClick(&table, Qt::Key_Return);
    EXPECT_EQ(Text(5, 2), "30");
    EXPECT_EQ(Rec(5).top, 30.0f);
    EXPECT_EQ(Text(5, 4), "50");
}

TEST_F(TernaryTableTest, PaletteMessagesReachEverySelectedRowWhateverItsColumns)
{
    Select(50, 1, 52, 2);
    table.OnTableSetColor(7);
    for (int row = 50; row <= 52; ++row) {
        EXPECT_EQ(table.GetRowColor(row), 7);
        EXPECT_EQ(table.GetRowSymbol(row), 0);
        EXPECT_EQ(Rec(row).colorId, 7);
        EXPECT_EQ(Rec(row).row, row);
    }
    table.OnTableSetSymbol(12);
    EXPECT_EQ(Text(51, 5), QString::number(7 * 16 + 12));
    EXPECT_EQ(doc.m_legend.UseCount(12, 7), 3);
}

TEST_F(TernaryTableTest, ThePlotShowsASampleRowThroughTheTableInterface)
{
    ISampleTable* sampleTable = nullptr;
    for (CView* view : doc.GetViews()) {
        if (auto* t = dynamic_cast<ISampleTable*>(view))
            sampleTable = t;
    }
    ASSERT_EQ(sampleTable, static_cast<ISampleTable*>(&table));
    Select(3, 1, 3, 1);
    table.OpenCellEdit(3, 1);
    table.GetCellEdit()->setText("typed");
    sampleTable->ShowSampleRow(500);
    EXPECT_EQ(Text(3, 1), "typed") << "the running edit is committed first";
    EXPECT_EQ(table.GetSelection(), CellRange(500, 1, 500, 5));
    EXPECT_TRUE(table.IsRowVisible(500));
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

TEST_F(TernaryTableTest, AnEditEndedWithoutAChangeLeavesTheDocumentUnmodified)
{
    const QPoint cell = [&] {
        const CRect r = table.GetCellRect(1, 2);
        return QPoint((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    }();
    QTest::mouseDClick(table.viewport(), Qt::LeftButton, Qt::NoModifier, cell);
    ASSERT_NE(table.GetCellEdit(), nullptr);
    QTest::keyClick(table.GetCellEdit(), Qt::Key_Escape);
    QTest::mouseClick(table.viewport(), Qt::LeftButton, Qt::NoModifier, cell + QPoint(0, 40));
    QTest::keyClick(&table, Qt::Key_Escape); // type-over: Esc starts and ends on the cell's own text
    QTest::keyClick(&table, Qt::Key_Down);
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(Text(1, 2), "20");
}
