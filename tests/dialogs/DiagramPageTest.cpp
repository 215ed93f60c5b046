#include "SheetTestSupport.h"

#include "dialogs/CDiagramPage.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QPushButton>
#include <QStandardItemModel>

#include <gtest/gtest.h>

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
    sheet.Fill(options);
    sheet.show();
    CDiagramPage* page = sheet.DiagramPage();
    auto* model = qobject_cast<QStandardItemModel*>(page->DiagramList()->model());
    EXPECT_TRUE(model->item(CDiagramPage::FromFile)->isEnabled()) << "the plot holds fields from a file";

    QTest::keyClick(page->DiagramList(), Qt::Key_Down);
    EXPECT_EQ(page->DiagramList()->currentIndex(), CDiagramPage::SoilTexture);
    EXPECT_EQ(page->DirectionGroup()->checkedId(), 1) << "clockwise";
    QTest::mouseClick(page->LineColorButton(), Qt::LeftButton);
    sheet.accept();
    sheet.Read(options);
    EXPECT_EQ(options.diagram, (ClassDiagramSettings { DiagramKind::SoilTexture, {}, 0, RGB(200, 0, 0), 0, 1 }));
}
