// The device context keeps the drawing conventions the plot code relies on:
// excluded right and bottom edges, one-pixel lines, text alignment, opaque
// text cells, bounds and the isotropic mapping.
#include "framework/gui/CDC.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace {

struct Canvas {
    QImage image;
    QPainter painter;
    CDC dc;
    explicit Canvas(int w = 60, int h = 40)
        : image(w, h, QImage::Format_RGB32)
        , painter((image.fill(Qt::white), &image))
        , dc(&painter)
    {
    }
    QImage Done()
    {
        painter.end();
        return image;
    }
};

bool IsBlack(const QImage& img, int x, int y) { return img.pixel(x, y) == qRgb(0, 0, 0); }
bool IsWhite(const QImage& img, int x, int y) { return img.pixel(x, y) == qRgb(255, 255, 255); }

} // namespace

TEST(CDCTest, RectangleOutlineRunsFromLeftTopToRightBottomMinusOne)
{
    Canvas c;
    c.dc.SelectBrush({ BS_SOLID, RGB(255, 0, 0) });
    c.dc.Rectangle(10, 10, 20, 16);
    const QImage img = c.Done();
    EXPECT_TRUE(IsBlack(img, 10, 10));
    EXPECT_TRUE(IsBlack(img, 19, 15));
    EXPECT_TRUE(IsBlack(img, 19, 10));
    EXPECT_TRUE(IsWhite(img, 20, 10));
    EXPECT_TRUE(IsWhite(img, 10, 16));
    EXPECT_EQ(img.pixel(15, 12), qRgb(255, 0, 0));
}

TEST(CDCTest, FillAndFrameRectCoverExactlyTheRectangle)
{
    Canvas c;
    c.dc.FillRect({ 5, 5, 9, 8 }, RGB(0, 0, 255));
    c.dc.FrameRect({ 20, 20, 25, 24 }, RGB(0, 0, 0));
    const QImage img = c.Done();
    EXPECT_EQ(img.pixel(5, 5), qRgb(0, 0, 255));
    EXPECT_EQ(img.pixel(8, 7), qRgb(0, 0, 255));
    EXPECT_TRUE(IsWhite(img, 9, 7));
    EXPECT_TRUE(IsWhite(img, 8, 8));
    EXPECT_TRUE(IsBlack(img, 20, 20));
    EXPECT_TRUE(IsBlack(img, 24, 23));
    EXPECT_TRUE(IsWhite(img, 22, 22));
    EXPECT_TRUE(IsWhite(img, 25, 23));
}

TEST(CDCTest, LinesKeepACurrentPositionAndAreOnePixelWide)
{
    Canvas c;
    c.dc.MoveTo(5, 5);
    c.dc.LineTo(30, 5);
    c.dc.LineTo(30, 20);
    EXPECT_EQ(c.dc.GetCurrentPosition(), (CPoint { 30, 20 }));
    c.dc.SelectPen({ PS_SOLID, 0, RGB(0, 0, 0) });
    c.dc.MoveTo(5, 30);
    c.dc.LineTo(20, 30);
    const QImage img = c.Done();
    EXPECT_TRUE(IsBlack(img, 5, 5));
    EXPECT_TRUE(IsBlack(img, 29, 5));
    EXPECT_TRUE(IsWhite(img, 17, 4));
    EXPECT_TRUE(IsWhite(img, 17, 6));
    EXPECT_TRUE(IsBlack(img, 30, 12));
    EXPECT_TRUE(IsBlack(img, 12, 30));
    EXPECT_TRUE(IsWhite(img, 12, 31));
    EXPECT_TRUE(IsWhite(img, 20, 30)); // the end point is not drawn
}

TEST(CDCTest, DottedPenLeavesGaps)
{
    Canvas c;
    c.dc.SelectPen({ PS_DOT, 1, RGB(0, 0, 0) });
    c.dc.MoveTo(0, 10);
    c.dc.LineTo(50, 10);
    const QImage img = c.Done();
    int black = 0;
    for (int x = 0; x < 50; ++x)
        black += IsBlack(img, x, 10);
    EXPECT_GT(black, 10);
    EXPECT_LT(black, 40);
}

TEST(CDCTest, TextAlignmentPlacesTheCell)
{
    CDC dc;
    dc.SelectFont({ 14, 400, false, false, false, "Arial" });
    const TextMetrics tm = dc.GetTextMetrics();
    EXPECT_NEAR(tm.height, 14, 1);
    const CSize extent = dc.GetTextExtent(QStringLiteral("Blank"));
    EXPECT_GT(extent.cx, 20);

    dc.SetTextAlign(TA_LEFT | TA_TOP);
    dc.TextOut(100, 100, QStringLiteral("Blank"));
    EXPECT_EQ(dc.GetBounds(), (CRect { 100, 100, 100 + extent.cx, 100 + tm.height }));

    dc.ResetBounds();
    dc.SetTextAlign(TA_RIGHT | TA_BASELINE);
    dc.TextOut(100, 100, QStringLiteral("Blank"));
    EXPECT_EQ(dc.GetBounds(), (CRect { 100 - extent.cx, 100 - tm.ascent, 100, 100 + tm.descent }));

    dc.ResetBounds();
    dc.SetTextAlign(TA_CENTER | TA_BOTTOM);
    dc.TextOut(100, 100, QStringLiteral("Blank"));
    EXPECT_EQ(dc.GetBounds(), (CRect { 100 - extent.cx / 2, 100 - tm.height, 100 - extent.cx / 2 + extent.cx, 100 }));
}

TEST(CDCTest, NegativeFontHeightIsTheCharacterHeight)
{
    CDC dc;
    dc.SelectFont({ -14, 400, false, false, false, "Arial" });
    EXPECT_GT(dc.GetTextMetrics().height, 14);
    dc.SelectFont({ 1 << 30, 700, false, false, false, "Arial" });
    EXPECT_LT(dc.GetTextMetrics().height, 2000);
}

TEST(CDCTest, OpaqueBackgroundFillsTheTextCellTransparentDoesNot)
{
    Canvas c(120, 40);
    c.painter.fillRect(0, 0, 120, 40, Qt::green);
    c.dc.SetBkColor(RGB(255, 255, 255));
    c.dc.TextOut(2, 2, QStringLiteral("..."));
    c.dc.SetBkMode(TRANSPARENT);
    c.dc.TextOut(60, 2, QStringLiteral("..."));
    const QImage img = c.Done();
    EXPECT_TRUE(IsWhite(img, 3, 3));
    EXPECT_EQ(img.pixel(61, 3), qRgb(0, 255, 0));
}

TEST(CDCTest, IsotropicMappingScalesWithOneFactor)
{
    Canvas c(100, 100);
    c.dc.SetMapMode(MM_ISOTROPIC);
    c.dc.SetWindowExt({ 50, 20 });
    c.dc.SetViewportExt({ 100, 100 }); // factor 2 from the width
    EXPECT_DOUBLE_EQ(c.dc.MappingScale(), 2.0);
    c.dc.FillRect({ 10, 10, 20, 20 }, RGB(0, 0, 0));
    EXPECT_EQ(c.dc.GetBounds(), (CRect { 10, 10, 20, 20 }));
    const QImage img = c.Done();
    EXPECT_TRUE(IsBlack(img, 20, 20));
    EXPECT_TRUE(IsBlack(img, 39, 39));
    EXPECT_TRUE(IsWhite(img, 40, 40));
    EXPECT_TRUE(IsWhite(img, 19, 19));
}

TEST(CDCTest, RecorderAndBoundsWorkWithoutAPainter)
{
    std::vector<std::string> log;
    CDC dc;
    dc.SetRecorder(&log);
    dc.MoveTo(1, 2);
    dc.LineTo(3, 4);
    dc.Ellipse(0, 0, 11, 11);
    ASSERT_EQ(log.size(), 2u);
    EXPECT_EQ(log[0], "LineTo 1 2 3 4");
    EXPECT_EQ(log[1], "Ellipse 0 0 11 11");
    EXPECT_EQ(dc.GetBounds(), (CRect { 0, 0, 11, 11 }));
}

TEST(CDCTest, DisplayTextFallsBackToWindows1252)
{
    EXPECT_EQ(CDC::DisplayText("caf\xc3\xa9"), QString::fromUtf8("caf\xc3\xa9"));
    EXPECT_EQ(CDC::DisplayText("caf\xe9 \x80"), QString::fromUtf8("caf\xc3\xa9 \xe2\x82\xac"));
}
