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

#include <QAbstractButton>
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
        // Colour request n takes RGB(200, 0, n) and defines custom colour slot n.
        answers.color = [this](COLORREF& c, CustomColors* list, unsigned) {
            c = RGB(200, 0, colorRequests);
            if (list)
                (*list)[colorRequests] = RGB(1, 2, colorRequests);
            ++colorRequests;
            return true;
        };
        // The first font request asks for 30 points, later ones for 6; both
        // beyond the sizes the page takes.
        answers.font = [this](QFont& f) {
            f = QFont(QStringLiteral("DejaVu Serif"), fontRequests++ == 0 ? 30 : 6, QFont::Bold, true);
            f.setUnderline(true);
            f.setStrikeOut(true);
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
    int fontRequests = 0;
    OptionsSheetRunner runner;
    CTernaryDoc doc;
    CMainFrame frame { &doc };
};

// Changes every field of every page but the Diagram and Density pages,
// leaving the Legend page in front. Colours are asked for in this order:
// grid lines, background, the annotations' text, the legend's background.
void ChangeEveryPage(CAxisPropSheet& sheet)
{
    ClickTab(sheet, CAxisPropSheet::TopAxis);
    Type(sheet.AxisPage(0)->TitleEdit(), QStringLiteral("SiO2"));
    Type(sheet.AxisPage(0)->MaxEdit(), QStringLiteral("60"));
    Type(sheet.AxisPage(0)->MinEdit(), QStringLiteral("20"));
    Type(sheet.AxisPage(0)->IncrementEdit(), QStringLiteral("5"));
    ClickTab(sheet, CAxisPropSheet::Grids);
    CGridOptionsPage* grids = sheet.GridPage();
    for (QAbstractButton* button : std::initializer_list<QAbstractButton*> { grids->DrawGridsBox(),
             grids->DrawTicksBox(), grids->TickOutsideButton(), grids->DashedButton(), grids->EquilateralBox(),
             grids->LineColorButton(), grids->BgColorButton() })
        QTest::mouseClick(button, Qt::LeftButton);
    ClickTab(sheet, CAxisPropSheet::Fonts);
    QTest::mouseClick(sheet.FontPage()->FontButton(CFontPage::Legend), Qt::LeftButton);
    QTest::mouseClick(sheet.FontPage()->FontButton(CFontPage::Annotations), Qt::LeftButton);
    QTest::mouseClick(sheet.FontPage()->ColorButton(CFontPage::Annotations), Qt::LeftButton);
    ClickTab(sheet, CAxisPropSheet::Legend);
    QTest::mouseClick(sheet.LegendPage()->DrawLegendBox(), Qt::LeftButton);
    QTest::mouseClick(sheet.LegendPage()->DrawShadowBox(), Qt::LeftButton);
    QTest::mouseClick(sheet.LegendPage()->BackColorButton(), Qt::LeftButton);
}

} // namespace

TEST_F(WriteBackTest, OptionsMenuOpensTheSheetOnItsPage)
{
    const std::pair<int, int> commands[] = { { ID_FORMAT_AXIS, 0 }, { ID_FORMAT_GRIDS, 3 }, { ID_FORMAT_FONTS, 4 },
        { ID_FORMAT_LEGEND, 5 }, { ID_FORMAT_DIAGRAM, 6 }, { ID_FORMAT_DENSITY, 7 } };
    for (auto [id, page] : commands)
        EXPECT_EQ(RunCommand(id, [](CAxisPropSheet& sheet) { sheet.reject(); }), page) << id;
    // The table's pane being active changes nothing.
    frame.SetActiveView(frame.Table());
    EXPECT_EQ(RunCommand(ID_FORMAT_GRIDS, [](CAxisPropSheet& sheet) { sheet.reject(); }), 3);
}

TEST_F(WriteBackTest, OkWritesEveryFieldBackAndAnUnchangedOkOrACancelLeavesEveryField)
{
    doc.m_rightAxis.title = std::string(80, 'x'); // longer than the field holds
    doc.m_legend.m_drawShadow = 0; // clicked on, while Draw Legend is clicked off
    const QImage plot = Plot();
    const std::string original = SavePlotFileBytes(doc);
    RunCommand(ID_FORMAT_AXIS, [](CAxisPropSheet& sheet) {
        ChangeEveryPage(sheet);
        sheet.accept();
    });
    CTernaryDoc want;
    want.OnNewDocument();
    want.m_topAxis = { "SiO2", 20, 60, 5 };
    want.m_leftAxis.max = want.m_rightAxis.max = 80; // lowered by the cross-check
    want.m_rightAxis.title = std::string(80, 'x'); // shown, not edited, not cut
    std::tie(want.m_drawGrids, want.m_drawTicks, want.m_tickSide, want.m_lineStyle, want.m_equilateral)
        = std::tuple(0, 1, 0, 1, 1);
    std::tie(want.m_lineColor, want.m_bgColor) = std::pair(RGB(200, 0, 0), RGB(200, 0, 1));
    // 30 points brought to 24, 6 to 8; the font dialog has no colour.
    for (auto [font, pixels] : { std::pair { &want.m_legendFont, -32 }, std::pair { &want.m_annotFont, -11 } }) {
        font->height = pixels;
        font->weight = 700;
        font->italic = font->underline = font->strikeOut = 1;
        font->faceName = "DejaVu Serif";
    }
    want.m_annotFont.color = RGB(200, 0, 2);
    want.m_drawLegend = 0;
    want.m_legend.m_drawShadow = 1;
    want.m_legend.m_backColor = RGB(200, 0, 3);
    want.m_legend.m_position = doc.m_legend.m_position;
    // Defined on the Grids page: kept; on the Legend page: dropped.
    want.m_customColors[0] = RGB(1, 2, 0);
    want.m_customColors[1] = RGB(1, 2, 1);
    // The file's bytes, and the fonts and custom colours whole.
    auto state = [](CTernaryDoc& d) {
        return std::tuple(SavePlotFileBytes(d), d.m_annotFont, d.m_axisFont, d.m_legendFont, d.m_customColors);
    };
    EXPECT_EQ(state(doc), state(want));
    EXPECT_TRUE(doc.IsModified());
    doc.GetUndoStack()->undo();
    EXPECT_EQ(SavePlotFileBytes(doc), original) << "one step takes every field back";
    doc.GetUndoStack()->redo();
    EXPECT_EQ(frame.Table()->GetCellText(0, CTernaryTable::kTopCol), QStringLiteral("SiO2"));
    EXPECT_NE(Plot(), plot);

    // Every page shows what the document holds: OK without a change writes it back as it was.
    const QImage changed = Plot();
    RunCommand(ID_FORMAT_AXIS, [](CAxisPropSheet& sheet) {
        for (int page = CAxisPropSheet::TopAxis; page < CAxisPropSheet::kPages; ++page)
            ClickTab(sheet, page);
        sheet.accept();
    });
    RunCommand(ID_FORMAT_AXIS, [](CAxisPropSheet& sheet) {
        ChangeEveryPage(sheet);
        sheet.reject();
    });
    EXPECT_EQ(state(doc), state(want));
    EXPECT_EQ(doc.GetUndoStack()->count(), 1);
    EXPECT_EQ(Plot(), changed);
}

TEST_F(WriteBackTest, TheDensityPageWritesEveryFieldAndTheViewMenuChangesTheModeOneStepEach)
{
    RunCommand(ID_FORMAT_DENSITY, [](CAxisPropSheet& sheet) {
        CDensityPage* page = sheet.DensityPage();
        page->ModeBox()->setCurrentIndex(DensitySettings::Kernel);
        page->BinsBox()->setValue(50);
        page->findChildren<QComboBox*>().at(1)->setCurrentIndex(DensitySettings::Magma);
        for (QAbstractButton* button : page->findChildren<QAbstractButton*>())
            if (button->text() != QLatin1String("Linear"))
                QTest::mouseClick(button, Qt::LeftButton);
        Type(page->BandwidthField(), QStringLiteral("3"));
        Type(page->LowField(), QStringLiteral("0.5"));
        Type(page->HighField(), QStringLiteral("2"));
        sheet.accept();
    });
    const DensitySettings want { DensitySettings::Kernel, 50, 3, 1, DensitySettings::Magma, 1, 1, 0.5, 2, 0 };
    EXPECT_EQ(doc.m_density, want);
    EXPECT_TRUE(doc.IsModified());
    // Shown again as it is, an unchanged OK keeps every field and is no step.
    RunCommand(ID_FORMAT_DENSITY, [](CAxisPropSheet& sheet) { sheet.accept(); });
    EXPECT_EQ(doc.m_density, want);

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
