// The framework's dialogs and widgets: the colour and font dialogs, the
// picture size dialog, the link label, and the SVG writer.
#include "framework/gui/CDC.h"
#include "framework/gui/CUrlLabel.h"
#include "framework/gui/CommonDialogs.h"
#include "framework/gui/PictureSizeDialog.h"
#include "framework/gui/SvgWriter.h"
#include "support/TestSupport.h"

#include <QApplication>
#include <QColorDialog>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFile>
#include <QFont>
#include <QFontDialog>
#include <QLineEdit>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

TEST(CommonDialogs, ColourDialogOffersTheGivenCustomColoursAndPutsTheUsersBack)
{
    QColorDialog::setCustomColor(0, QColor(9, 9, 9));
    CustomColors list {};
    list[0] = RGB(1, 2, 3);
    for (bool ok : { false, true }) {
        QColor offered;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QColorDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            offered = QColorDialog::customColor(0);
            QColorDialog::setCustomColor(1, QColor(4, 5, 6)); // the user defines a colour
            dialog->setCurrentColor(QColor(10, 20, 30));
            ok ? dialog->accept() : dialog->reject();
        });
        COLORREF color = RGB(200, 0, 0);
        EXPECT_EQ(ChooseColor(color, &list, CC_DEFAULT, nullptr), ok);
        EXPECT_EQ(offered, QColor(1, 2, 3));
        EXPECT_EQ(color, ok ? RGB(10, 20, 30) : RGB(200, 0, 0));
        EXPECT_EQ(list[1], ok ? RGB(4, 5, 6) : 0u) << "the list changes only on OK";
        EXPECT_EQ(QColorDialog::customColor(0), QColor(9, 9, 9)) << "the user's own list is back";
    }
}

TEST(CommonDialogs, FontDialogChangesOnlyWhatTheUserChanged)
{
    struct Case {
        const char* face;
        const char* picked; // null: the family is left as the dialog shows it
        const char* saved;
    };
    const Case cases[] = {
        { "No Such Family 7", nullptr, "No Such Family 7" },
        { "No Such Family 7", "DejaVu Serif", "DejaVu Serif" },
        { "DejaVu Sans", nullptr, "DejaVu Sans" },
        { "DejaVu Sans", "DejaVu Serif", "DejaVu Serif" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.face) + " " + (c.picked ? c.picked : "-"));
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QFontDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            QFont font = dialog->currentFont();
            if (c.picked)
                font.setFamily(QString::fromLatin1(c.picked));
            font.setPointSize(18);
            dialog->setCurrentFont(font);
            dialog->accept();
        });
        LogicalFont font;
        font.height = -16;
        font.faceName = c.face;
        ASSERT_TRUE(ChooseFont(font, 6, 72, nullptr));
        EXPECT_EQ(font.faceName, c.saved);
        EXPECT_EQ(font.height, -24);
    }
}

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

TEST(UrlLabel, OpensItsLinkMarksItVisitedAndReportsFailures)
{
    MessageBoxRecorder boxes;
    CUrlLabel label;
    label.SetUrl("https://ternary.example.org/");
    const COLORREF unvisited = label.CurrentColor();
    QStringList opened;
    CUrlLabel::SetOpener([&](const QString& url) {
        opened << url;
        return true;
    });
    label.OpenUrl();
    EXPECT_EQ(opened, QStringList({ "https://ternary.example.org/" }));
    EXPECT_TRUE(label.IsVisited());
    EXPECT_NE(label.CurrentColor(), unvisited);

    CUrlLabel::SetOpener([](const QString&) { return false; });
    CUrlLabel other;
    other.SetUrl("https://ternary.example.org/help");
    other.OpenUrl();
    CUrlLabel::SetOpener({});
    ASSERT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_TRUE(boxes.Texts()[0].startsWith("Unable to open hyperlink:\n\n"));
    EXPECT_FALSE(other.IsVisited());

    // The desktop's own opener failing (no browser) is a failure too.
    QTemporaryDir bin;
    ASSERT_TRUE(WriteFileBytes(bin.filePath("xdg-open"), "#!/bin/sh\nexit 3\n"));
    QFile::setPermissions(bin.filePath("xdg-open"), QFile::ReadOwner | QFile::ExeOwner);
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", bin.path().toUtf8() + ":" + path);
    other.OpenUrl();
    qputenv("PATH", path);
    EXPECT_EQ(boxes.Boxes().size(), 2u);
    EXPECT_FALSE(other.IsVisited());
}

TEST(SvgWriter, StatesItsSizeAndKeepsEveryStyleOfLineAndText)
{
    SvgWriter svg(QSize(192, 96), CPoint { 10, 5 }, 96, "a <plot>");
    svg.Line({ 0, 0 }, { 50, 0 }, CPen { PS_DOT, 1, RGB(255, 0, 0) });
    svg.Line({ 0, 10 }, { 50, 10 }, CPen { PS_SOLID, 2, RGB(0, 0, 255) });
    QFont font("DejaVu Sans");
    font.setPixelSize(12);
    font.setItalic(true);
    font.setUnderline(true);
    font.setWeight(QFont::Bold);
    svg.Text(3, 40, "x & y", font, RGB(1, 2, 3));
    EXPECT_EQ(svg.Finish().toStdString(),
        "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"no\"?>\n"
        "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"50.8mm\" height=\"25.4mm\" "
        "viewBox=\"0 0 192 96\">\n<title>a &lt;plot&gt;</title>\n<style>\n"
        "path{fill-rule:evenodd;stroke-linecap:square;stroke-linejoin:miter}\ntext{white-space:pre}\n"
        ".s0{fill:none;stroke:#ff0000;stroke-linecap:butt;stroke-dasharray:1 2}\n"
        ".s1{fill:none;stroke:#0000ff;stroke-width:2}\n"
        ".s2{font-family:'DejaVu Sans',sans-serif;font-size:12px;font-weight:700;font-style:italic;"
        "text-decoration:underline;fill:#010203}\n</style>\n<g transform=\"translate(-10 -5)\">\n<g id=\"drawing\">\n"
        "<path class=\"s0\" d=\"M0.5 0.5L50.5 0.5\"/>\n<path class=\"s1\" d=\"M0 10L50 10\"/>\n"
        "<text class=\"s2\" x=\"3\" y=\"40\">x &amp; y</text>\n</g>\n</g>\n</svg>\n");
}
