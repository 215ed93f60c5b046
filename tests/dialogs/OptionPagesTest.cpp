// The pages of the options sheet, the Legend and Sort dialogs: what each
// shows and enables, the rules a page is left by, the keys the Legend grid
// keeps, and what OK reads back.
#include "SheetTestSupport.h"

#include "dialogs/CDensityPage.h"
#include "dialogs/CDiagramPage.h"
#include "dialogs/CFontSample.h"
#include "dialogs/CGridOptionsPage.h"
#include "dialogs/CLegendDialog.h"
#include "dialogs/CLegendGrid.h"
#include "dialogs/CSortDialog.h"
#include "document/PlotLegend.h"
#include "framework/gui/CColorSwatch.h"
#include "tables/CSymbolCell.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardItemModel>

#include <gtest/gtest.h>

TEST(OptionPages, TheTickSideCanBeChosenOnlyWhileTicksAreDrawn)
{
    CAxisPropSheet sheet(nullptr, CAxisPropSheet::Grids); // no ticks
    sheet.show();
    CGridOptionsPage* page = sheet.GridPage();
    auto enabled = [page] {
        return std::pair { page->TickOutsideButton()->isEnabled(), page->TickInsideButton()->isEnabled() };
    };
    EXPECT_EQ(enabled(), std::pair(false, false)) << "no ticks at first";
    QTest::mouseClick(page->DrawTicksBox(), Qt::LeftButton);
    EXPECT_EQ(enabled(), std::pair(true, true));
    QTest::mouseClick(page->DrawTicksBox(), Qt::LeftButton);
    EXPECT_EQ(enabled(), std::pair(false, false)) << "at once";
    ClickTab(sheet, CAxisPropSheet::Fonts);
    ClickTab(sheet, CAxisPropSheet::Grids);
    EXPECT_EQ(enabled(), std::pair(false, false)) << "and on return";
}

TEST(OptionPages, FontSampleWritesTheFaceNameOnWhiteAboveItsBaseline)
{
    CFontSample sample;
    sample.resize(200, 40);
    sample.SetColor(RGB(255, 0, 0));
    const QImage image = sample.grab().toImage();
    QRect ink;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (const QColor c = image.pixelColor(x, y); c != Qt::white) {
                ink |= QRect(x, y, 1, 1);
                EXPECT_GT(c.red(), c.green());
            }
    EXPECT_TRUE(ink.left() >= 5 && ink.left() <= 7) << ink.left();
    EXPECT_EQ(ink.bottom(), 40 - 4 - 1) << "\"Helvetic\", the font it starts with, has no descender";
}

TEST(OptionPages, AWhiteSwatchHasABorderAroundItsColour)
{
    CColorSwatch swatch;
    swatch.resize(30, 16);
    swatch.SetColor(RGB(255, 255, 255));
    const QImage image = swatch.grab().toImage();
    for (QPoint edge : { QPoint(0, 0), QPoint(29, 8), QPoint(15, 15), QPoint(0, 15) })
        EXPECT_NE(image.pixelColor(edge), QColor(Qt::white)) << edge.x() << "," << edge.y();
    EXPECT_EQ(image.pixelColor(15, 8), QColor(Qt::white));
}

TEST(DiagramPage, SoilTextureTurnsTheAxesClockwiseAndOkReadsEveryChoice)
{
    DialogAnswers answers;
    answers.color = [](COLORREF& c, CustomColors*, unsigned) {
        c = RGB(200, 0, 0);
        return true;
    };
    CAxisPropSheet sheet(nullptr, CAxisPropSheet::Diagram);
    FormatOptions options;
    options.diagram.fileFields = { { "Kept", { { 0, 0, 100 }, { 0, 100, 0 }, { 100, 0, 0 } } } };
    options.diagram.labelNumbers = true; // kept: the page shows it and OK reads it back
    sheet.Fill(options);
    sheet.show();
    CDiagramPage* page = sheet.DiagramPage();
    auto* model = qobject_cast<QStandardItemModel*>(page->DiagramList()->model());
    EXPECT_TRUE(model->item(CDiagramPage::FromFile)->isEnabled()) << "the plot holds fields from a file";

    QTest::keyClick(page->DiagramList(), Qt::Key_Down); // the soil texture triangle, read clockwise
    QTest::mouseClick(page->LineColorButton(), Qt::LeftButton);
    sheet.accept();
    FormatOptions read; // every field from the page, none left from what was filled in
    sheet.Read(read);
    EXPECT_EQ(read.diagram, (ClassDiagramSettings { DiagramKind::SoilTexture, {}, 1, RGB(200, 0, 0), 0, 1 }));
}

TEST(SortDialog, OffersTheHeadersAsShownAndReturnsTheKeysAndRowsChosen)
{
    const QStringList headers { "Sample", "SiO2", "MgO", "FeO", "Symbol" };
    CSortDialog selected(headers, { 3, 9 });
    EXPECT_EQ(selected.SecondColumn()->itemText(5), "Symbol");
    EXPECT_EQ(selected.Keys(), (std::vector<SortKey> { { SortColumn::Name, false } }));
    EXPECT_EQ(selected.Rows(), (std::pair { 3, 9 })) << "a selection of rows is chosen at first";

    selected.FirstColumn()->setCurrentIndex(4);
    selected.FirstDescending()->setChecked(true);
    selected.SecondColumn()->setCurrentIndex(2);
    EXPECT_EQ(selected.Keys(), (std::vector<SortKey> { { SortColumn::Symbol, true }, { SortColumn::Top, false } }));

    // One row selected is no selection to sort.
    for (std::pair<int, int> rows : { std::pair { 1, 0 }, std::pair { 4, 4 } }) {
        CSortDialog all(headers, rows);
        EXPECT_FALSE(all.SelectedRowsOnly()->isEnabled());
        EXPECT_GT(all.Rows().first, all.Rows().second);
    }
}

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
    EXPECT_EQ(std::tuple(legend.Item(0).text, legend.Item(1).text, legend.Count()),
        std::tuple("Basalt, Andesite", "sample #2", 2));
    EXPECT_TRUE(dialog.Changed());
}

namespace {

class AxisPagesTest : public ::testing::Test {
protected:
    void Open(const FormatOptions& options, int page = 0)
    {
        sheet = std::make_unique<CAxisPropSheet>(nullptr, page);
        sheet->Fill(options);
        sheet->show();
        (void)QTest::qWaitForWindowExposed(sheet.get());
        sheet->activateWindow();
    }
    CAxisPropPage* Axis(int i) { return sheet->AxisPage(i); }
    // The three number fields of a page: an axis's max, min and increment,
    // the Density page's bandwidth and colour bar limits.
    std::array<QLineEdit*, 3> Fields(int page)
    {
        if (page == CAxisPropSheet::Density)
            return { sheet->DensityPage()->BandwidthField(), sheet->DensityPage()->LowField(),
                sheet->DensityPage()->HighField() };
        return { Axis(page)->MaxEdit(), Axis(page)->MinEdit(), Axis(page)->IncrementEdit() };
    }
    // Types the three fields of the page in front and leaves it for the Grids page.
    void EnterAndLeave(int page, const char* first, const char* second, const char* third)
    {
        const std::array<QLineEdit*, 3> fields = Fields(page);
        Type(fields[0], QLatin1String(first));
        Type(fields[1], QLatin1String(second));
        Type(fields[2], QLatin1String(third));
        ClickTab(*sheet, CAxisPropSheet::Grids);
    }

    MessageBoxRecorder boxes;
    std::unique_ptr<CAxisPropSheet> sheet;
};

} // namespace

TEST_F(AxisPagesTest, EachRuleStopsAtItsMessageWithTheFocusOnItsField)
{
    constexpr int kTop = CAxisPropSheet::TopAxis, kDensity = CAxisPropSheet::Density;
    const char* const kBandwidth = "The bandwidth must be from 0.5 to 50.";
    struct Case {
        int page;
        const char *first, *second, *third;
        const char* message; // null: the page may be left
        int field; // the one of the three with the focus
    };
    const Case cases[] = {
        { kTop, "100", "0", "10", nullptr, 0 },
        { kTop, "50", "50", "10", "Min should be less than Max", 1 },
        { kTop, "100.5", "0", "10", "Max must be <= 100 ", 0 },
        { kTop, "100", "-1", "10", "Minimum must be >=0 ", 1 },
        { kTop, "100", "0", "0", "Increment must be >0 ", 2 },
        { kTop, "62.5", "0", "0.0625", nullptr, 0 }, // exactly 1,000 lines
        { kTop, "100", "0", "0.099",
            "Top Axis: the increment must be at least 0.1, or the axis would need more than 1,000 grid lines", 2 },
        { kTop, "60", "20", "0.001",
            "Top Axis: the increment must be at least 0.04, or the axis would need more than 1,000 grid lines", 2 },
        // Several rules broken: the first in order speaks.
        { kTop, "150", "-5", "0", "Max must be <= 100 ", 0 },
        { kTop, "20", "30", "-1", "Min should be less than Max", 1 },
        { kTop, "abc", "0", "10", "Please enter a number.", 0 },
        // Fixed limits on a logarithmic colour bar.
        { kDensity, "0.5", "1", "2", nullptr, 0 },
        { kDensity, "0.49", "1", "2", kBandwidth, 0 },
        { kDensity, "50", "1", "2", nullptr, 0 },
        { kDensity, "50.01", "1", "2", kBandwidth, 0 },
        { kDensity, "5", "2", "2", "The colour bar's lower limit must be below its upper limit.", 1 },
        { kDensity, "5", "1.99", "2", nullptr, 0 },
        { kDensity, "5", "0", "2", "A logarithmic colour bar needs a lower limit above 0.", 1 },
        { kDensity, "5", "0.001", "2", nullptr, 0 },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.first + std::string(" ") + c.second + " " + c.third);
        FormatOptions options;
        options.density.fixedLimits = options.density.logScale = 1;
        options.density.bandwidth = 5;
        Open(options, c.page);
        const std::size_t before = boxes.Boxes().size();
        EnterAndLeave(c.page, c.first, c.second, c.third);
        if (!c.message) {
            EXPECT_EQ(boxes.Boxes().size(), before);
            EXPECT_EQ(sheet->GetActiveIndex(), CAxisPropSheet::Grids);
            continue;
        }
        ASSERT_EQ(boxes.Boxes().size(), before + 1);
        EXPECT_EQ(boxes.Boxes().back().text, QLatin1String(c.message));
        EXPECT_EQ(boxes.Boxes().back().icon, MsgIcon::Exclamation);
        EXPECT_EQ(sheet->GetActiveIndex(), c.page) << "the page stays in front";
        EXPECT_EQ(sheet->Tabs()->currentIndex(), c.page);
        EXPECT_EQ(QApplication::focusWidget(), Fields(c.page)[static_cast<std::size_t>(c.field)]);
        // OK refuses in the same way and keeps the sheet open.
        sheet->accept();
        EXPECT_TRUE(sheet->isVisible());
        EXPECT_EQ(boxes.Boxes().back().text, QLatin1String(c.message));
    }
}

TEST_F(AxisPagesTest, CrossCheckRefusesAConflictAndLowersTheOtherAxes)
{
    auto open = [this](float leftMin, float rightMin) {
        FormatOptions options;
        options.axes[1].min = leftMin;
        options.axes[2].min = rightMin;
        Open(options);
    };
    // Top minimum 20 leaves the others' minima below 80: 80 itself conflicts.
    for (float leftMin : { 30.0f, 80.0f }) {
        open(leftMin, 0);
        EnterAndLeave(0, "100", leftMin == 80 ? "20" : "80", "10");
        EXPECT_EQ(boxes.Texts().back(), QStringLiteral("Min Value conflicts with another axis  "));
        EXPECT_EQ(sheet->GetActiveIndex(), 0);
    }

    // Top 20..60 leaves 80 for the others' maxima and 40 for their minima.
    open(30, 45);
    EnterAndLeave(0, "60", "20", "10");
    EXPECT_EQ(sheet->GetActiveIndex(), CAxisPropSheet::Grids);
    EXPECT_EQ(std::make_pair(Axis(1)->minimum, Axis(1)->maximum), std::make_pair(30.0f, 80.0f));
    ClickTab(*sheet, CAxisPropSheet::RightAxis);
    EXPECT_EQ(Axis(2)->MinEdit()->text() + " " + Axis(2)->MaxEdit()->text(), QStringLiteral("40 80"));

    // The minimum travels truncated: 20.9 asks with 20, so 79.5 on the left fits below 80.
    open(79.5f, 0);
    EnterAndLeave(0, "100", "20.9", "10");
    EXPECT_EQ(sheet->GetActiveIndex(), CAxisPropSheet::Grids);
    EXPECT_EQ(Axis(1)->maximum, 80.0f);
}
