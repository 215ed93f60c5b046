#include "framework/gui/CColorSwatch.h"

#include <QImage>
#include <QTest>

#include <gtest/gtest.h>

TEST(ColorSwatch, FillsItsWholeAreaWithTheColourItIsGiven)
{
    CColorSwatch swatch;
    swatch.resize(30, 20);
    swatch.show();
    (void)QTest::qWaitForWindowExposed(&swatch);
    swatch.SetColor(RGB(100, 180, 250));
    const QImage image = swatch.grab().toImage();
    EXPECT_EQ(image.pixelColor(0, 0), QColor(100, 180, 250)) << "no outline";
    EXPECT_EQ(image.pixelColor(29, 19), QColor(100, 180, 250));
}
