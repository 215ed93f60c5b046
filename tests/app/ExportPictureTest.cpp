// Pictures from the command line: RunExport draws a plot file into PNG, SVG
// or PDF as the plot view draws it; samples and polygon corners land where
// the geometry puts them; failures write nothing.
#include "app/Batch.h"
#include "app/CommandLine.h"

#include "document/CTernaryDoc.h"
#include "plot/PlotGeometry.h"
#include "support/TestSupport.h"

#include <QElapsedTimer>
#include <QImage>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

struct ExportFixture : ::testing::Test {
    QTemporaryDir dir;
    MessageBoxRecorder boxes;

    QString Path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }

    // A plot file of filled circles at known compositions on cut axes.
    QString WriteCutPlot(CTernaryDoc& doc)
    {
        doc.OnNewDocument();
        const float samples[][3] = { { 20, 30, 50 }, { 45, 25, 30 }, { 30, 55, 15 }, { 15, 40, 45 }, { 50, 20, 30 } };
        int slot = 1;
        for (const auto& s : samples) {
            SampleRecord& r = doc.GetSample(slot);
            r = { "S" + std::to_string(slot), s[0], s[1], s[2], slot + 4, 1, NOT_PLOTTED, NOT_PLOTTED, slot };
            ++slot;
        }
        doc.m_topAxis.min = 10;
        doc.m_topAxis.max = 60;
        doc.m_leftAxis.min = 10;
        doc.m_leftAxis.max = 70;
        doc.m_rightAxis.min = 5;
        doc.m_rightAxis.max = 60;
        doc.m_drawLegend = 0;
        doc.m_drawGrids = 0;
        const QString path = Path("cut.tpf");
        EXPECT_TRUE(doc.OnSaveDocument(path));
        return path;
    }

    static PlotGeometry Geometry(const CTernaryDoc& doc)
    {
        PlotGeometry g;
        g.SetCanvasFromDpi(96);
        g.LayoutPlot();
        g.ComputeCorners(doc.m_topAxis, doc.m_leftAxis, doc.m_rightAxis);
        return g;
    }

    // True when a pixel of the colour lies within one pixel of (x, y).
    static bool Near(const QImage& image, int x, int y, QRgb colour)
    {
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                if (image.valid(x + dx, y + dy) && image.pixel(x + dx, y + dy) == colour)
                    return true;
        return false;
    }
};

constexpr QRgb kBlack = qRgb(0, 0, 0);

QRgb Colour(COLORREF c) { return qRgb(GetRValue(c), GetGValue(c), GetBValue(c)); }

} // namespace

TEST_F(ExportFixture, SamplesAndCornersLandWhereTheGeometryPutsThem)
{
    CTernaryDoc doc;
    const QString input = WriteCutPlot(doc);
    ASSERT_EQ(RunExport(input, Path("cut.png"), 1.0), ExitOk);
    const QImage image(Path("cut.png"));
    ASSERT_FALSE(image.isNull());

    const PlotGeometry g = Geometry(doc);
    for (const PlotCorner& c : g.m_corners)
        EXPECT_TRUE(Near(image, c.x, c.y, kBlack)) << c.x << "," << c.y;
    const COLORREF table[] = { RGB(0, 128, 0), RGB(0, 255, 0), RGB(0, 204, 255), RGB(51, 102, 255), RGB(0, 0, 255) };
    for (int slot = 1; slot <= 5; ++slot) {
        const SampleRecord& s = doc.GetSample(slot);
        const int x = g.PlotX(s.top, s.right), y = g.PlotY(s.top);
        EXPECT_TRUE(Near(image, x, y, Colour(table[slot - 1]))) << "sample " << slot << " at " << x << "," << y;
    }
}

TEST_F(ExportFixture, PngEndsTwentyUnitsPastTheDrawingAndScales)
{
    ASSERT_EQ(RunExport(QString(), Path("new.png"), 1.0), ExitOk);
    const QImage image(Path("new.png"));
    ASSERT_FALSE(image.isNull());
    EXPECT_LE(image.width(), 768);
    EXPECT_LE(image.height(), 960);
    auto blank = [&](const QRect& area) {
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                if (image.pixel(x, y) != qRgb(255, 255, 255))
                    return false;
        return true;
    };
    auto columnBlank = [&](int x) { return blank(QRect(x, 0, 1, image.height())); };
    auto rowBlank = [&](int y) { return blank(QRect(0, y, image.width(), 1)); };
    for (int i = 1; i <= 19; ++i) {
        EXPECT_TRUE(columnBlank(image.width() - i)) << i;
        EXPECT_TRUE(rowBlank(image.height() - i)) << i;
    }
    // The last thing drawn ends there: a text cell may end a few units below its ink.
    bool inkColumn = false, inkRow = false;
    for (int i = 20; i <= 26; ++i) {
        inkColumn = inkColumn || !columnBlank(image.width() - i);
        inkRow = inkRow || !rowBlank(image.height() - i);
    }
    EXPECT_TRUE(inkColumn);
    EXPECT_TRUE(inkRow);
    // Sample 2 of a new document: a filled square of colour 1 at (139, 320).
    EXPECT_EQ(image.pixel(139, 320), qRgb(245, 0, 0));

    ASSERT_EQ(RunExport(QString(), Path("big.png"), 2.0), ExitOk);
    const QImage big(Path("big.png"));
    EXPECT_EQ(big.width(), 2 * image.width());
    EXPECT_EQ(big.height(), 2 * image.height());
    EXPECT_EQ(big.pixel(278, 640), qRgb(245, 0, 0));
    EXPECT_TRUE(Near(big, 100, 698, kBlack)); // bottom-left corner (50, 349) doubled
    EXPECT_TRUE(boxes.Boxes().empty());
}

TEST_F(ExportFixture, ALongLeftTitleStaysWholeInsideThePicture)
{
    CTernaryDoc doc;
    doc.OnNewDocument();
    doc.m_leftAxis.title = "Component B (left)";
    const QString input = Path("long.tpf");
    ASSERT_TRUE(doc.OnSaveDocument(input));
    ASSERT_EQ(RunExport(input, Path("long.png"), 1.0), ExitOk);
    ASSERT_EQ(RunExport(input, Path("long.svg"), 1.0), ExitOk);
    ASSERT_EQ(RunExport(QString(), Path("plain.png"), 1.0), ExitOk);
    const QImage image(Path("long.png")), plain(Path("plain.png"));
    ASSERT_FALSE(image.isNull());
    // The frame starts 20 units left of the title: the drawing moves right
    // by as much as the picture grows, and the first 20 columns are blank.
    const int shift = image.width() - plain.width();
    EXPECT_GT(shift, 20);
    EXPECT_EQ(image.height(), plain.height());
    auto columnBlank = [&](int x) {
        for (int y = 0; y < image.height(); ++y)
            if (image.pixel(x, y) != qRgb(255, 255, 255))
                return false;
        return true;
    };
    for (int x = 0; x < 20; ++x)
        EXPECT_TRUE(columnBlank(x)) << x;
    bool ink = false;
    for (int x = 20; x < 24; ++x)
        ink = ink || !columnBlank(x);
    EXPECT_TRUE(ink);
    EXPECT_EQ(image.pixel(139 + shift, 320), qRgb(245, 0, 0)); // sample 2, as in the plain picture
    const std::string viewBox = "viewBox=\"0 0 " + std::to_string(image.width()) + " " + std::to_string(image.height());
    EXPECT_NE(ReadFileBytes(Path("long.svg")).find(viewBox), std::string::npos);
}

TEST_F(ExportFixture, SvgHoldsVectorPathsAndTheTitlePdfIsAPdf)
{
    ASSERT_EQ(RunExport(QString(), Path("new.svg"), 1.0), ExitOk);
    // Any text a file holds, and any face name, leaves well-formed XML
    // whose texts are whole.
    CTernaryDoc odd;
    odd.OnNewDocument();
    odd.m_topAxis.title = "Fe<sub> & \"O\"\x01";
    odd.m_axisFont.faceName = "Evil'}</style><x>";
    odd.GetSample(1).symbolId = 11; // a circle with a plus
    odd.GetSample(2).symbolId = 15; // a diamond with a plus
    ASSERT_TRUE(odd.OnSaveDocument(Path("odd.tpf")));
    ASSERT_EQ(RunExport(Path("odd.tpf"), Path("odd.svg"), 1.0), ExitOk);
    QFile oddSvg(Path("odd.svg"));
    ASSERT_TRUE(oddSvg.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&oddSvg);
    QStringList texts;
    QString layer;
    int samplePaths = 0;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("g"))
            layer = xml.attributes().value(QLatin1String("id")).toString();
        else if (xml.name() == QLatin1String("text"))
            texts << xml.readElementText();
        else if (xml.name() == QLatin1String("path") && layer == QLatin1String("samples"))
            ++samplePaths;
    }
    EXPECT_EQ(samplePaths, 2) << "one element a sample";
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    EXPECT_TRUE(texts.contains(QStringLiteral("Fe<sub> & \"O\" ")));

    ASSERT_EQ(RunExport(QString(), Path("new.png"), 1.0), ExitOk);
    const std::string svg = ReadFileBytes(Path("new.svg"));
    const QImage png(Path("new.png"));
    EXPECT_NE(svg.find("<title>TPlot Graph</title>"), std::string::npos);
    EXPECT_NE(svg.find("<path"), std::string::npos);
    // The texts stay texts (the legend's first entry).
    EXPECT_TRUE(svg.find("Spl") != std::string::npos || svg.find("sample #1") != std::string::npos);
    const std::string viewBox = "viewBox=\"0 0 " + std::to_string(png.width()) + " " + std::to_string(png.height());
    EXPECT_NE(svg.find(viewBox), std::string::npos);

    ASSERT_EQ(RunExport(QString(), Path("new.pdf"), 1.0), ExitOk);
    const std::string pdf = ReadFileBytes(Path("new.pdf"));
    EXPECT_EQ(pdf.rfind("%PDF-", 0), 0u);
    EXPECT_NE(pdf.find("%%EOF"), std::string::npos);
}

TEST_F(ExportFixture, FailuresWriteNothingAndKeepTheOldFile)
{
    const QString out = Path("keep.png");
    ASSERT_TRUE(WriteFileBytes(out, "old picture"));
    EXPECT_EQ(RunExport(Path("missing.tpf"), out, 1.0), ExitFailure);
    EXPECT_EQ(ReadFileBytes(out), "old picture");
    ASSERT_FALSE(boxes.Boxes().empty());
    EXPECT_TRUE(boxes.Boxes().back().text.contains("missing.tpf"));

    EXPECT_EQ(RunExport(QString(), Path("no/such/folder/out.png"), 1.0), ExitFailure);
    EXPECT_FALSE(QFile::exists(Path("no/such/folder/out.png")));
    EXPECT_EQ(RunExport(QString(), Path("out.jpg"), 1.0), ExitUsage);
    EXPECT_EQ(RunExport(QString(), Path("out.png"), 9.0), ExitUsage);
    EXPECT_FALSE(QFile::exists(Path("out.jpg")));
    EXPECT_FALSE(QFile::exists(Path("out.png")));
}

TEST_F(ExportFixture, DegenerateAxesExportWithinSeconds)
{
    CTernaryDoc doc;
    doc.OnNewDocument();
    doc.m_topAxis.increment = 0;
    doc.m_leftAxis.increment = -5;
    doc.m_rightAxis.increment = 1e-9f;
    doc.m_rightAxis.min = 80;
    doc.m_rightAxis.max = 20;
    doc.m_leftAxis.min = -1e30f;
    doc.m_drawTicks = 1;
    const QString input = Path("degenerate.tpf");
    ASSERT_TRUE(doc.OnSaveDocument(input));
    QElapsedTimer timer;
    timer.start();
    EXPECT_EQ(RunExport(input, Path("degenerate.png"), 1.0), ExitOk);
    EXPECT_EQ(RunExport(input, Path("degenerate.svg"), 1.0), ExitOk);
    EXPECT_LT(timer.elapsed(), 5000);
    EXPECT_FALSE(QImage(Path("degenerate.png")).isNull());
}
