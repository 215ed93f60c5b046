#include "framework/gui/PictureSizeDialog.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QSpinBox>
#include <QTest>

#include <gtest/gtest.h>

TEST(PictureSizeDialog, FieldsRefuseSizesOutOfRangeAndUnitsConvertTheWidth)
{
    CPictureSizeDialog dialog({ PictureSize::Unit::Millimetres, 84, 600 }, true, 0.5, 573, nullptr);
    EXPECT_EQ(dialog.WidthField()->value(), 84);
    EXPECT_EQ(dialog.HeightText(), "42.0 mm");
    EXPECT_TRUE(dialog.DpiField()->isEnabled());

    // Typing past the largest width stops at the last digit that fits.
    QLineEdit* width = dialog.WidthField()->findChild<QLineEdit*>();
    width->selectAll();
    QTest::keyClicks(width, "50000");
    EXPECT_EQ(dialog.Size().width, 500);
    QLineEdit* dpi = dialog.DpiField()->findChild<QLineEdit*>();
    dpi->selectAll();
    QTest::keyClicks(dpi, "3000");
    EXPECT_EQ(dialog.Size().dpi, 300);

    // The same width on paper in pixels at the resolution, and in inches.
    dialog.UnitField()->setCurrentIndex(2);
    EXPECT_EQ(dialog.Size().unit, PictureSize::Unit::Pixels);
    EXPECT_EQ(dialog.Size().width, 5906);
    dialog.UnitField()->setCurrentIndex(1);
    EXPECT_NEAR(dialog.Size().width, 19.69, 1e-9);
    EXPECT_EQ(dialog.HeightText(), "9.85 in");

    // A natural size starts as the drawing's pixels at 96 dpi; vectors take no resolution.
    CPictureSizeDialog vector(PictureSize {}, false, 0.5, 573, nullptr);
    EXPECT_EQ(vector.Size().unit, PictureSize::Unit::Pixels);
    EXPECT_EQ(vector.Size().width, 573);
    EXPECT_EQ(vector.Size().dpi, 96);
    EXPECT_FALSE(vector.DpiField()->isEnabled());
}
