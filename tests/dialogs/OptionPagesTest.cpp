#include "SheetTestSupport.h"

#include "dialogs/CFontSample.h"
#include "dialogs/CGridOptionsPage.h"
#include "framework/gui/CColorSwatch.h"

#include <QCheckBox>
#include <QRadioButton>

#include <gtest/gtest.h>

TEST(OptionPages, DrawTicksEnablesTheTickSideButtonsAtOnceAndOnReturn)
{
    CAxisPropSheet sheet(nullptr, CAxisPropSheet::Grids);
    FormatOptions options;
    options.drawTicks = 1;
    options.tickSide = 1;
    sheet.Fill(options);
    sheet.show();
    CGridOptionsPage* page = sheet.GridPage();
    auto enabled = [page] {
        EXPECT_EQ(page->TickOutsideButton()->isEnabled(), page->TickInsideButton()->isEnabled());
        return page->TickInsideButton()->isEnabled();
    };
    EXPECT_TRUE(page->TickInsideButton()->isChecked());
    EXPECT_TRUE(enabled());
    QTest::mouseClick(page->DrawTicksBox(), Qt::LeftButton);
    EXPECT_FALSE(enabled());
    ClickTab(sheet, CAxisPropSheet::Fonts);
    ClickTab(sheet, CAxisPropSheet::Grids);
    EXPECT_EQ(sheet.GetActiveIndex(), CAxisPropSheet::Grids);
    EXPECT_FALSE(enabled());
    QTest::mouseClick(page->DrawTicksBox(), Qt::LeftButton);
    EXPECT_TRUE(enabled());
}

TEST(OptionPages, FontSampleWritesTheFaceNameOnWhiteAboveItsBaseline)
{
    CFontSample sample;
    sample.resize(200, 40);
    sample.SetColor(RGB(255, 0, 0));
    const QImage image = sample.grab().toImage();
    int left = image.width(), bottom = -1;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (const QColor c = image.pixelColor(x, y); c != Qt::white) {
                left = std::min(left, x);
                bottom = std::max(bottom, y);
                EXPECT_GT(c.red(), c.green());
            }
    EXPECT_GE(left, 5);
    EXPECT_LE(left, 7);
    EXPECT_EQ(bottom, 40 - 4 - 1) << "\"Helvetic\", the font it starts with, has no descender";
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
