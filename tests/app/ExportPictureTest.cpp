// Pictures from the command line: RunExport draws a plot file into PNG, SVG
// or PDF as the plot view draws it; samples and polygon corners land where
// the geometry puts them; failures write nothing.
#include "app/Batch.h"
#include "app/CommandLine.h"

#include "document/CTernaryDoc.h"
#include "plot/PlotGeometry.h"
#include "support/TestSupport.h"

#include <QImage>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

namespace {

constexpr QRgb kBlack = qRgb(0, 0, 0);
constexpr QRgb kSample2 = qRgb(245, 0, 0); // sample 2 of a new document: a filled square of colour 1

struct ExportFixture : ::testing::Test {
    QTemporaryDir dir;
    MessageBoxRecorder boxes;

    QString Path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }

    // True when a pixel of the colour lies within one pixel of (x, y).
    static bool Near(const QImage& image, int x, int y, QRgb colour)
    {
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                if (image.valid(x + dx, y + dy) && image.pixel(x + dx, y + dy) == colour)
                    return true;
        return false;
    }
    // True when column x, or with x < 0 row y, of the image is all white.
    static bool Blank(const QImage& image, int x, int y)
    {
        const QRect area = x >= 0 ? QRect(x, 0, 1, image.height()) : QRect(0, y, image.width(), 1);
        for (int j = area.top(); j <= area.bottom(); ++j)
            for (int i = area.left(); i <= area.right(); ++i)
                if (image.pixel(i, j) != qRgb(255, 255, 255))
                    return false;
        return true;
    }
};

} // namespace

TEST_F(ExportFixture, SamplesAndCornersLandWhereTheGeometryPutsThem)
{
    // Filled circles at known compositions on cut axes.
    CTernaryDoc doc;
    doc.OnNewDocument();
    const float samples[][3] = { { 20, 30, 50 }, { 45, 25, 30 }, { 30, 55, 15 }, { 15, 40, 45 }, { 50, 20, 30 } };
    for (int slot = 1; slot <= 5; ++slot) {
        const float* s = samples[slot - 1];
        doc.GetSample(slot)
            = { "S" + std::to_string(slot), s[0], s[1], s[2], slot + 4, 1, NOT_PLOTTED, NOT_PLOTTED, slot };
    }
    doc.m_topAxis.min = 10;
    doc.m_topAxis.max = 60;
    doc.m_leftAxis.min = 10;
    doc.m_leftAxis.max = 70;
    doc.m_rightAxis.min = 5;
    doc.m_rightAxis.max = 60;
    doc.m_drawLegend = doc.m_drawGrids = 0;
    ASSERT_TRUE(doc.OnSaveDocument(Path("cut.tpf")));
    ASSERT_EQ(RunExport(Path("cut.tpf"), Path("cut.png"), 1.0), ExitOk);
    const QImage image(Path("cut.png"));
    ASSERT_FALSE(image.isNull());

    PlotGeometry g;
    g.SetCanvasFromDpi(96);
    g.LayoutPlot();
    g.ComputeCorners(doc.m_topAxis, doc.m_leftAxis, doc.m_rightAxis);
    for (const PlotCorner& c : g.m_corners)
        EXPECT_TRUE(Near(image, c.x, c.y, kBlack)) << c.x << "," << c.y;
    const QRgb colours[] = { qRgb(0, 128, 0), qRgb(0, 255, 0), qRgb(0, 204, 255), qRgb(51, 102, 255), qRgb(0, 0, 255) };
    for (int slot = 1; slot <= 5; ++slot) {
        const SampleRecord& s = doc.GetSample(slot);
        const int x = g.PlotX(s.top, s.right), y = g.PlotY(s.top);
        EXPECT_TRUE(Near(image, x, y, colours[slot - 1])) << "sample " << slot << " at " << x << "," << y;
    }
}

TEST_F(ExportFixture, PngEndsTwentyUnitsPastTheDrawingScalesAndKeepsALongLeftTitleWhole)
{
    ASSERT_EQ(RunExport(QString(), Path("new.png"), 1.0), ExitOk);
    const QImage image(Path("new.png"));
    ASSERT_FALSE(image.isNull());
    for (int i = 1; i <= 19; ++i) {
        EXPECT_TRUE(Blank(image, image.width() - i, -1)) << i;
        EXPECT_TRUE(Blank(image, -1, image.height() - i)) << i;
    }
    // The last thing drawn ends there: a text cell may end a few units below its ink.
    bool inkColumn = false, inkRow = false;
    for (int i = 20; i <= 26; ++i) {
        inkColumn = inkColumn || !Blank(image, image.width() - i, -1);
        inkRow = inkRow || !Blank(image, -1, image.height() - i);
    }
    EXPECT_TRUE(inkColumn);
    EXPECT_TRUE(inkRow);
    EXPECT_EQ(image.pixel(139, 320), kSample2);

    ASSERT_EQ(RunExport(QString(), Path("big.png"), 2.0), ExitOk);
    const QImage big(Path("big.png"));
    EXPECT_EQ(big.size(), 2 * image.size());
    EXPECT_EQ(big.pixel(278, 640), kSample2);
    EXPECT_TRUE(Near(big, 100, 698, kBlack)); // bottom-left corner (50, 349) doubled

    // A long left title: the frame starts 20 units left of it, the drawing
    // moves right by as much as the picture grows, the first 20 columns are blank.
    CTernaryDoc doc;
    doc.OnNewDocument();
    doc.m_leftAxis.title = "Component B (left)";
    ASSERT_TRUE(doc.OnSaveDocument(Path("long.tpf")));
    ASSERT_EQ(RunExport(Path("long.tpf"), Path("long.png"), 1.0), ExitOk);
    ASSERT_EQ(RunExport(Path("long.tpf"), Path("long.svg"), 1.0), ExitOk);
    const QImage longTitle(Path("long.png"));
    const int shift = longTitle.width() - image.width();
    EXPECT_GT(shift, 20);
    EXPECT_EQ(longTitle.height(), image.height());
    for (int x = 0; x < 20; ++x)
        EXPECT_TRUE(Blank(longTitle, x, -1)) << x;
    EXPECT_FALSE(Blank(longTitle, 20, -1) && Blank(longTitle, 21, -1) && Blank(longTitle, 22, -1)
        && Blank(longTitle, 23, -1));
    EXPECT_EQ(longTitle.pixel(139 + shift, 320), kSample2);
    const std::string viewBox
        = "viewBox=\"0 0 " + std::to_string(longTitle.width()) + " " + std::to_string(longTitle.height());
    EXPECT_NE(ReadFileBytes(Path("long.svg")).find(viewBox), std::string::npos);
    EXPECT_TRUE(boxes.Boxes().empty());
}

TEST_F(ExportFixture, SvgHoldsWholeTextsAndOneElementASample)
{
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
    EXPECT_TRUE(texts.contains(QStringLiteral("sample #1"))) << "the legend's texts stay texts";
    EXPECT_NE(ReadFileBytes(Path("odd.svg")).find("<title>TPlot Graph</title>"), std::string::npos);
}

TEST_F(ExportFixture, FailuresWriteNothingAndKeepTheOldFile)
{
    const QString out = Path("keep.png");
    ASSERT_TRUE(WriteFileBytes(out, "old picture"));
    EXPECT_EQ(RunExport(Path("missing.tpf"), out, 1.0), ExitFailure);
    EXPECT_EQ(ReadFileBytes(out), "old picture");
    ASSERT_FALSE(boxes.Boxes().empty());
    EXPECT_TRUE(boxes.Boxes().back().text.contains(Path("missing.tpf")));
    EXPECT_EQ(RunExport(QString(), Path("out.png"), 9.0), ExitUsage);
    EXPECT_FALSE(QFile::exists(Path("out.png")));
}
