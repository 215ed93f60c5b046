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
    EXPECT_EQ(std::tuple(vector.Size().unit, vector.Size().width, vector.Size().dpi),
        std::tuple(PictureSize::Unit::Pixels, 573.0, 96.0));
    EXPECT_FALSE(vector.DpiField()->isEnabled());
}

TEST(PictureSize, WidthsAndResolutionsAreTakenUpToTheirLimitsInclusive)
{
    const std::pair<const char*, bool> widths[] = { { "10mm", true }, { "9.99mm", false }, { "2000 MM", true },
        { "2000.1mm", false }, { "10px", true }, { "20000px", true }, { "20001px", false }, { "0.4in", true },
        { "0.39in", false }, { "78.74in", true }, { "78.75in", false }, { "84", false }, { "84cm", false } };
    for (const auto& [text, ok] : widths) {
        PictureSize size;
        QString error;
        EXPECT_EQ(ParsePictureWidth(QLatin1String(text), &size, &error), ok) << text;
        EXPECT_EQ(error.isEmpty(), ok) << text;
    }
    EXPECT_EQ(PictureWidthError(PictureSize::Unit::Inches, 0.3), "The width must be from 0.4 to 78.74 inches.");
    const std::pair<double, bool> resolutions[] = { { 50, true }, { 49.9, false }, { 2400, true }, { 2400.1, false } };
    for (const auto& [dpi, ok] : resolutions)
        EXPECT_EQ(PictureDpiError(dpi).isEmpty(), ok) << dpi;
}
