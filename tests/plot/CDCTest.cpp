// The device context's conventions the plot relies on: excluded right and
// bottom edges, one-pixel lines, text cells and alignment, bounds, the
// isotropic mapping, and the same texts at any device pixel ratio.
#include "plot/RenderedPlot.h"

#include <QWidget>

#include <algorithm>
#include <cstring>

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

constexpr QRgb kBlack = qRgb(0, 0, 0);
constexpr QRgb kWhite = qRgb(255, 255, 255);

void ExpectPixels(const QImage& img, QRgb colour, std::initializer_list<QPoint> points)
{
    for (const QPoint& p : points)
        EXPECT_EQ(img.pixel(p), colour) << "at " << p.x() << "," << p.y();
}

} // namespace

TEST(CDCTest, RectanglesLeaveOutTheirRightAndBottomEdgesAndOpaqueTextFillsItsCell)
{
    Canvas c(120, 40);
    // Text on green: an opaque background fills the text cell, a transparent one does not.
    c.painter.fillRect(60, 0, 60, 40, Qt::green);
    c.dc.SetBkColor(RGB(255, 255, 255));
    c.dc.TextOut(62, 2, QStringLiteral("..."));
    c.dc.SetBkMode(TRANSPARENT);
    c.dc.TextOut(90, 2, QStringLiteral("..."));
    c.dc.SelectBrush({ BS_SOLID, RGB(255, 0, 0) });
    c.dc.Rectangle(10, 10, 20, 16);
    c.dc.FillRect({ 5, 5, 9, 8 }, RGB(0, 0, 255));
    c.dc.FrameRect({ 20, 20, 25, 24 }, RGB(0, 0, 0));
    const QImage img = c.Done();
    // Rectangle: outline from left-top to right-bottom minus one, brush inside;
    // FillRect and FrameRect cover exactly the rectangle.
    ExpectPixels(img, kBlack, { { 10, 10 }, { 19, 15 }, { 19, 10 }, { 20, 20 }, { 24, 23 } });
    ExpectPixels(img, kWhite, { { 20, 10 }, { 10, 16 }, { 9, 7 }, { 8, 8 }, { 22, 22 }, { 25, 23 }, { 63, 3 } });
    ExpectPixels(img, qRgb(255, 0, 0), { { 15, 12 } });
    ExpectPixels(img, qRgb(0, 0, 255), { { 5, 5 }, { 8, 7 } });
    ExpectPixels(img, qRgb(0, 255, 0), { { 91, 3 } });
}

TEST(CDCTest, LinesKeepACurrentPositionAreOnePixelWideAndDottedOnesLeaveGaps)
{
    Canvas c;
    c.dc.MoveTo(5, 5);
    c.dc.LineTo(30, 5);
    c.dc.LineTo(30, 20);
    EXPECT_EQ(c.dc.GetCurrentPosition(), (CPoint { 30, 20 }));
    c.dc.SelectPen({ PS_SOLID, 0, RGB(0, 0, 0) });
    c.dc.MoveTo(5, 30);
    c.dc.LineTo(20, 30);
    c.dc.SelectPen({ PS_DOT, 1, RGB(0, 0, 0) });
    c.dc.MoveTo(0, 35);
    c.dc.LineTo(50, 35);
    const QImage img = c.Done();
    ExpectPixels(img, kBlack, { { 5, 5 }, { 29, 5 }, { 30, 12 }, { 12, 30 } });
    ExpectPixels(img, kWhite, { { 17, 4 }, { 17, 6 }, { 12, 31 }, { 20, 30 } }); // the end point is not drawn
    int dots = 0;
    for (int x = 0; x < 50; ++x)
        dots += img.pixel(x, 35) == kBlack;
    EXPECT_GT(dots, 10);
    EXPECT_LT(dots, 40);
}

TEST(CDCTest, TextAlignmentPlacesTheCellAndFontsKeepTheirHeightsAndNames)
{
    CDC dc;
    dc.SelectFont({ 14, 400, false, false, false, "Arial" });
    const TextMetrics tm = dc.GetTextMetrics();
    EXPECT_NEAR(tm.height, 14, 1);
    const int w = dc.GetTextExtent(QStringLiteral("Blank")).cx;
    EXPECT_GT(w, 20);
    const std::pair<unsigned, CRect> cases[] = {
        { TA_LEFT | TA_TOP, { 100, 100, 100 + w, 100 + tm.height } },
        { TA_RIGHT | TA_BASELINE, { 100 - w, 100 - tm.ascent, 100, 100 + tm.descent } },
        { TA_CENTER | TA_BOTTOM, { 100 - w / 2, 100 - tm.height, 100 - w / 2 + w, 100 } },
    };
    for (const auto& [align, bounds] : cases) {
        dc.ResetBounds();
        dc.SetTextAlign(align);
        dc.TextOut(100, 100, QStringLiteral("Blank"));
        EXPECT_EQ(dc.GetBounds(), bounds) << align;
    }

    // A negative height is the character height; a huge one is held.
    dc.SelectFont({ -14, 400, false, false, false, "Arial" });
    EXPECT_GT(dc.GetTextMetrics().height, 14);
    dc.SelectFont({ 1 << 30, 700, false, false, false, "Arial" });
    EXPECT_LT(dc.GetTextMetrics().height, 2000);

    // A face name stored by an older file (Windows-1252) or a new one (UTF-8) keeps its accents.
    LogicalFont font;
    font.faceName = "Caf\xe9 Sans";
    EXPECT_EQ(MakeQFont(font).family(), QString::fromUtf8("Caf\xc3\xa9 Sans"));
    font.faceName = "Caf\xc3\xa9 Sans";
    EXPECT_EQ(MakeQFont(font).family(), QString::fromUtf8("Caf\xc3\xa9 Sans"));
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
    ExpectPixels(img, kBlack, { { 20, 20 }, { 39, 39 } });
    ExpectPixels(img, kWhite, { { 40, 40 }, { 19, 19 } });
}

namespace {

// Paints a new document's plot as the view does, on a widget's own painter,
// and records the texts the painter is handed.
struct RecordingPlot : QWidget {
    Plot plot;
    std::vector<std::string> log;
    RecordingPlot()
    {
        plot.doc.m_leftAxis.title = "Alkali feldspar";
        plot.doc.m_rightAxis.title = "Plagioclase";
        resize(plot.geo.m_canvasSize.cx, 500);
    }
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        CDC dc(&painter);
        dc.SetRecorder(&log);
        plot.Draw(dc);
    }
    std::vector<std::string> DrawnAt(double ratio)
    {
        log.clear();
        QImage image(size() * ratio, QImage::Format_RGB32);
        image.setDevicePixelRatio(ratio);
        render(&image);
        std::vector<std::string> drawn;
        for (const std::string& line : log)
            if (line.rfind("Drawn ", 0) == 0)
                drawn.push_back(line);
        return drawn;
    }
};

} // namespace

TEST(CDCTest, AWidgetShowsTheSameTextsAtEveryDevicePixelRatio)
{
    RecordingPlot plot;
    const std::vector<std::string> atOne = plot.DrawnAt(1);
    for (const char* text : { "Alkali feldspar", "Plagioclase", "sample #1", "sample #2", " 90" })
        EXPECT_TRUE(std::any_of(atOne.begin(), atOne.end(), [&](const std::string& line) {
            return line.size() >= std::strlen(text) && line.ends_with(text);
        })) << text;
    for (double ratio : { 1.5, 2.0 })
        EXPECT_EQ(plot.DrawnAt(ratio), atOne) << "at ratio " << ratio;
}
