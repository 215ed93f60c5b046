#include "SheetTestSupport.h"

#include "app/OptionsSheetRunner.h"
#include "dialogs/CDensityPage.h"
#include "dialogs/CFontPage.h"
#include "dialogs/CGridOptionsPage.h"
#include "dialogs/CLegendInfoPage.h"
#include "document/CTernaryDoc.h"
#include "document/PlotFile.h"
#include "framework/core/CommandIds.h"
#include "framework/gui/CCommandRouter.h"
#include "plot/CTernaryView.h"
#include "tables/CTernaryTable.h"
#include "window/CMainFrame.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTimer>
#include <QUndoStack>

#include <gtest/gtest.h>

namespace {

class WriteBackTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        frame.PlotView()->SetOptionsSheet(&runner);
        // Each colour request takes red and defines the next custom colour slot.
        answers.color = [this](COLORREF& c, CustomColors* list, unsigned) {
            c = RGB(200, 0, 0);
            (*list)[colorRequests++] = RGB(1, 2, 3);
            return true;
        };
        answers.font = [](QFont& f) {
            f.setFamily(QStringLiteral("DejaVu Serif"));
            f.setPointSize(30);
            return true;
        };
        doc.OnNewDocument();
        doc.SendInitialUpdate();
        frame.show();
        (void)QTest::qWaitForWindowExposed(&frame);
    }
    // Runs the menu command; act works on the sheet while it is open and
    // ends it. Returns the page that was in front when it opened.
    int RunCommand(int id, std::function<void(CAxisPropSheet&)> act)
    {
        int opened = -1;
        QTimer::singleShot(0, [&] {
            auto* sheet = qobject_cast<CAxisPropSheet*>(QApplication::activeModalWidget());
            if (!sheet)
                return;
            opened = sheet->GetActiveIndex();
            act(*sheet);
        });
        frame.Router()->Route(id);
        return opened;
    }
    QImage Plot() { return frame.PlotView()->viewport()->grab().toImage(); }

    MessageBoxRecorder boxes;
    DialogAnswers answers;
    int colorRequests = 0;
    OptionsSheetRunner runner;
    CTernaryDoc doc;
    CMainFrame frame { &doc };
};

// Changes something on every page, leaving the Legend page in front. The
// Grids page's colour request comes first, the Legend page's second.
void ChangeEveryPage(CAxisPropSheet& sheet)
{
    ClickTab(sheet, CAxisPropSheet::TopAxis);
    Type(sheet.AxisPage(0)->TitleEdit(), QStringLiteral("SiO2"));
    Type(sheet.AxisPage(0)->MaxEdit(), QStringLiteral("60"));
    Type(sheet.AxisPage(0)->MinEdit(), QStringLiteral("20"));
    ClickTab(sheet, CAxisPropSheet::Grids);
    QTest::mouseClick(sheet.GridPage()->DrawGridsBox(), Qt::LeftButton);
    QTest::mouseClick(sheet.GridPage()->DashedButton(), Qt::LeftButton);
    QTest::mouseClick(sheet.GridPage()->EquilateralBox(), Qt::LeftButton);
    QTest::mouseClick(sheet.GridPage()->LineColorButton(), Qt::LeftButton);
    ClickTab(sheet, CAxisPropSheet::Fonts);
    QTest::mouseClick(sheet.FontPage()->FontButton(CFontPage::Legend), Qt::LeftButton);
    ClickTab(sheet, CAxisPropSheet::Legend);
    QTest::mouseClick(sheet.LegendPage()->DrawShadowBox(), Qt::LeftButton);
    QTest::mouseClick(sheet.LegendPage()->BackColorButton(), Qt::LeftButton);
}

} // namespace

TEST_F(WriteBackTest, OptionsMenuOpensTheSheetOnItsPage)
{
    const std::pair<int, int> commands[]
        = { { ID_FORMAT_AXIS, 0 }, { ID_FORMAT_GRIDS, 3 }, { ID_FORMAT_FONTS, 4 }, { ID_FORMAT_LEGEND, 5 } };
    for (auto [id, page] : commands)
        EXPECT_EQ(RunCommand(id, [](CAxisPropSheet& sheet) { sheet.reject(); }), page) << id;
    // The table's pane being active changes nothing.
    frame.SetActiveView(frame.Table());
    EXPECT_EQ(RunCommand(ID_FORMAT_GRIDS, [](CAxisPropSheet& sheet) { sheet.reject(); }), 3);
}

TEST_F(WriteBackTest, CancelLeavesTheDocumentAndThePlotAsTheyWere)
{
    const std::string before = SavePlotFileBytes(doc);
    const QImage plot = Plot();
    const auto colors = doc.m_customColors;
    RunCommand(ID_FORMAT_AXIS, [](CAxisPropSheet& sheet) {
        ChangeEveryPage(sheet);
        sheet.reject();
    });
    EXPECT_EQ(SavePlotFileBytes(doc), before);
    EXPECT_EQ(doc.m_customColors, colors);
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(Plot(), plot);
}

TEST_F(WriteBackTest, OkWritesEveryPageBackAndMarksTheDocumentModified)
{
    doc.m_rightAxis.title = std::string(80, 'x'); // longer than the field holds
    const auto colors = doc.m_customColors;
    const COLORREF legendTextColor = doc.m_legendFont.color;
    const QImage plot = Plot();
    const int drawGrids = doc.m_drawGrids, drawShadow = doc.m_legend.m_drawShadow;
    RunCommand(ID_FORMAT_AXIS, [](CAxisPropSheet& sheet) {
        ChangeEveryPage(sheet);
        sheet.accept();
    });
    EXPECT_EQ(doc.m_topAxis.title, "SiO2");
    EXPECT_EQ(doc.m_topAxis.min, 20.0f);
    EXPECT_EQ(doc.m_topAxis.max, 60.0f);
    EXPECT_EQ(doc.m_leftAxis.max, 80.0f) << "lowered by the cross-check";
    EXPECT_EQ(doc.m_rightAxis.max, 80.0f);
    EXPECT_EQ(doc.m_rightAxis.title, std::string(80, 'x')) << "shown, not edited, not cut";
    EXPECT_EQ(doc.m_drawGrids, 1 - drawGrids);
    EXPECT_EQ(doc.m_lineStyle, 1);
    EXPECT_EQ(doc.m_equilateral, 1);
    EXPECT_EQ(doc.m_lineColor, RGB(200, 0, 0));
    EXPECT_EQ(doc.m_customColors[0], RGB(1, 2, 3)) << "defined on the Grids page: kept";
    EXPECT_EQ(doc.m_customColors[1], colors[1]) << "defined on the Legend page: dropped";
    EXPECT_EQ(doc.m_legendFont.faceName, "DejaVu Serif");
    EXPECT_EQ(doc.m_legendFont.height, -32) << "30 points brought to 24";
    EXPECT_EQ(doc.m_legendFont.color, legendTextColor) << "the font dialog has no colour";
    EXPECT_EQ(doc.m_legend.m_drawShadow, 1 - drawShadow);
    EXPECT_EQ(doc.m_legend.m_backColor, RGB(200, 0, 0));
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(frame.Table()->GetCellText(0, CTernaryTable::kTopCol), QStringLiteral("SiO2"));
    EXPECT_NE(Plot(), plot);
}

TEST_F(WriteBackTest, TheDensityPageAndTheViewMenuChangeTheDensityOneStepEach)
{
    const int opened = RunCommand(ID_FORMAT_DENSITY, [](CAxisPropSheet& sheet) {
        CDensityPage* page = sheet.DensityPage();
        page->ModeBox()->setCurrentIndex(DensitySettings::Kernel);
        page->BinsBox()->setValue(50);
        QTest::mouseClick(page->AutomaticBandwidthBox(), Qt::LeftButton);
        Type(page->BandwidthField(), QStringLiteral("0.2"));
        sheet.accept(); // refused: the sheet stays open
        Type(page->BandwidthField(), QStringLiteral("3"));
        QTest::mouseClick(page->FixedLimitsBox(), Qt::LeftButton);
        Type(page->LowField(), QStringLiteral("5"));
        Type(page->HighField(), QStringLiteral("2"));
        sheet.accept(); // refused again
        Type(page->LowField(), QStringLiteral("0.5"));
        sheet.accept();
    });
    EXPECT_EQ(opened, CAxisPropSheet::Density);
    EXPECT_EQ(boxes.Texts(),
        (std::vector<QString> { QStringLiteral("The bandwidth must be from 0.5 to 50."),
            QStringLiteral("The colour bar's lower limit must be below its upper limit.") }));
    DensitySettings want;
    want.mode = DensitySettings::Kernel;
    want.bins = 50;
    want.bandwidth = 3;
    want.fixedLimits = 1;
    want.low = 0.5;
    want.high = 2;
    EXPECT_EQ(doc.m_density, want);
    EXPECT_TRUE(doc.IsModified());

    frame.Router()->Route(ID_DENSITY_BINS);
    EXPECT_EQ(doc.m_density.mode, DensitySettings::Bins);
    QUndoStack* undo = doc.GetUndoStack();
    ASSERT_EQ(undo->count(), 2);
    EXPECT_EQ(undo->text(0), QStringLiteral("Change Options"));
    undo->undo();
    EXPECT_EQ(doc.m_density, want);
    undo->undo();
    EXPECT_EQ(doc.m_density, DensitySettings {});
}
