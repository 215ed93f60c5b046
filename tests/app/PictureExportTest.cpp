// Pictures from the command line: RunExport draws a plot file into PNG, SVG
// or PDF as the plot view draws it, at a scale or at the width and
// resolution asked for, states that size in the file, embeds its fonts, keeps
// every text whole.
#include "app/Batch.h"
#include "app/CommandLine.h"

#include "analysis/AxisFit.h"
#include "document/CTernaryDoc.h"
#include "plot/PlotPicture.h"
#include "support/TestSupport.h"

#include <QImage>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

namespace {

constexpr QRgb kSample2 = qRgb(245, 0, 0); // sample 2 of a new document: a filled square of colour 1

struct PictureFixture : ::testing::Test {
    QTemporaryDir dir;
    MessageBoxRecorder boxes;

    QString Path(const QString& name) const { return dir.filePath(name); }
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
    // The numbers of the first match of pattern in the file.
    std::vector<double> Numbers(const QString& path, const char* pattern) const
    {
        const QString text = QString::fromStdString(ReadFileBytes(path));
        const QRegularExpressionMatch m = QRegularExpression(QLatin1String(pattern)).match(text);
        std::vector<double> numbers;
        for (int i = 1; i <= m.lastCapturedIndex(); ++i)
            numbers.push_back(m.captured(i).toDouble());
        return numbers;
    }
    // The elements of an SVG file that must be well-formed: each with the
    // id of the group it lies in, its text and its x and y.
    struct SvgElement {
        QString layer, name, text;
        double x, y;
    };
    std::vector<SvgElement> SvgElements(const QString& path) const
    {
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path;
        QXmlStreamReader xml(&file);
        std::vector<SvgElement> elements;
        QString layer;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement)
                continue;
            const auto attribute = [&xml](const char* name) { return xml.attributes().value(QLatin1String(name)); };
            if (xml.name() == QLatin1String("g"))
                layer = attribute("id").toString();
            SvgElement e { layer, xml.name().toString(), {}, attribute("x").toDouble(), attribute("y").toDouble() };
            if (e.name == QLatin1String("text"))
                e.text = xml.readElementText();
            elements.push_back(e);
        }
        EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
        return elements;
    }
};

PictureSize Size(const char* width, double dpi)
{
    PictureSize size;
    QString error;
    EXPECT_TRUE(ParsePictureWidth(QLatin1String(width), &size, &error)) << error.toStdString();
    size.dpi = dpi;
    return size;
}

} // namespace

TEST_F(PictureFixture, PngEndsTwentyUnitsPastTheDrawingScalesAndKeepsALongLeftTitleWhole)
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
    EXPECT_FALSE(
        Blank(longTitle, 20, -1) && Blank(longTitle, 21, -1) && Blank(longTitle, 22, -1) && Blank(longTitle, 23, -1));
    EXPECT_EQ(longTitle.pixel(139 + shift, 320), kSample2);
    EXPECT_EQ(Numbers(Path("long.svg"), "viewBox=\"0 0 (\\d+) (\\d+)\""),
        (std::vector<double> { double(longTitle.width()), double(longTitle.height()) }));
    EXPECT_TRUE(boxes.Boxes().empty());
}

TEST_F(PictureFixture, EachTypeStatesTheWidthAndResolutionAskedFor)
{
    ASSERT_EQ(RunExport(QString(), Path("natural.svg"), 1.0), ExitOk);
    const std::vector<double> viewBox = Numbers(Path("natural.svg"), "viewBox=\"0 0 (\\d+) (\\d+)\"");
    ASSERT_EQ(viewBox.size(), 2u);
    const double aspect = viewBox[1] / viewBox[0];

    struct Case {
        const char* width;
        double dpi;
        int pixels; // PNG width
        double pngDpi;
        double millimetres; // SVG and PDF width
    };
    const Case cases[] = { { "84mm", 0, 992, 300, 84 }, { "3.5in", 600, 2100, 600, 88.9 },
        { "1200px", 0, 1200, 96, 317.5 }, { "1200px", 600, 1200, 600, 50.8 }, { "10mm", 50, 20, 50, 10 } };
    for (const Case& c : cases) {
        const std::string label = std::string(c.width) + " at " + std::to_string(c.dpi);
        for (const char* type : { "png", "svg", "pdf" })
            ASSERT_EQ(RunExport(QString(), Path(QStringLiteral("f.") + type), Size(c.width, c.dpi), false), ExitOk)
                << label;
        const QImage png(Path("f.png"));
        EXPECT_EQ(png.width(), c.pixels) << label;
        EXPECT_NEAR(png.height(), c.pixels * aspect, 1) << label;
        EXPECT_NEAR(png.dotsPerMeterX() * 0.0254, c.pngDpi, 0.02) << label;
        EXPECT_EQ(png.dotsPerMeterY(), png.dotsPerMeterX()) << label;

        const std::vector<double> svg = Numbers(Path("f.svg"), "width=\"([0-9.]+)mm\" height=\"([0-9.]+)mm\"");
        ASSERT_EQ(svg.size(), 2u) << label;
        EXPECT_NEAR(svg[0], c.millimetres, 1e-3) << label;
        EXPECT_NEAR(svg[1], c.millimetres * aspect, 1e-2) << label;

        const std::vector<double> page = Numbers(Path("f.pdf"), "/MediaBox \\[0 0 ([0-9.]+) ([0-9.]+) *\\]");
        ASSERT_EQ(page.size(), 2u) << label;
        EXPECT_NEAR(page[0], c.millimetres / 25.4 * 72, 1e-4) << label;
        EXPECT_NEAR(page[1], c.millimetres / 25.4 * 72 * aspect, 1e-2) << label;
    }
    EXPECT_TRUE(boxes.Boxes().empty());

    // Out of range: a usage error, nothing written.
    EXPECT_EQ(
        RunExport(QString(), Path("no.pdf"), PictureSize { PictureSize::Unit::Millimetres, 9.9, 0 }, false), ExitUsage);
    EXPECT_EQ(
        RunExport(QString(), Path("no.png"), PictureSize { PictureSize::Unit::Pixels, 800, 2401 }, false), ExitUsage);
    EXPECT_FALSE(QFile::exists(Path("no.pdf")) || QFile::exists(Path("no.png")));
}

TEST_F(PictureFixture, SvgKeepsEveryTextWholeAndALegendOfEveryLookWithinTheViewAndAPdfEmbedsItsFonts)
{
    // Any text a file holds, and any face name, leaves well-formed XML
    // whose texts are whole.
    CTernaryDoc doc;
    doc.OnNewDocument();
    doc.m_topAxis.title = "Fe<sub> & \"O\"\x01";
    doc.m_axisFont.faceName = "Evil'}</style><x>";
    doc.GetSample(1).symbolId = 11; // a circle with a plus
    doc.GetSample(2).symbolId = 15; // a diamond with a plus
    ASSERT_TRUE(doc.OnSaveDocument(Path("odd.tpf")));
    ASSERT_EQ(RunExport(Path("odd.tpf"), Path("odd.svg"), 1.0), ExitOk);
    QStringList texts;
    int samplePaths = 0;
    for (const SvgElement& e : SvgElements(Path("odd.svg"))) {
        texts << e.text;
        samplePaths += e.name == QLatin1String("path") && e.layer == QLatin1String("samples");
    }
    EXPECT_EQ(samplePaths, 2) << "one element a sample";
    EXPECT_TRUE(texts.contains(QStringLiteral("Fe<sub> & \"O\" ")));
    EXPECT_TRUE(texts.contains(QStringLiteral("sample #1"))) << "the legend's texts stay texts";
    EXPECT_NE(ReadFileBytes(Path("odd.svg")).find("<title>TPlot Graph</title>"), std::string::npos);

    doc.m_axisFont.faceName = "DejaVu Serif";
    doc.m_legend.Clear();
    for (int i = 0; i < 256; ++i)
        doc.m_legend.AddItem(i / 16, i % 16, "entry " + std::to_string(i));
    ASSERT_TRUE(doc.OnSaveDocument(Path("legend.tpf")));
    ASSERT_EQ(RunExport(Path("legend.tpf"), Path("fonts.pdf"), Size("84mm", 0), false), ExitOk);
    const std::string pdf = ReadFileBytes(Path("fonts.pdf"));
    auto count = [&pdf](const std::string& what) {
        size_t n = 0;
        for (size_t at = pdf.find(what); at != std::string::npos; at = pdf.find(what, at + 1))
            ++n;
        return n;
    };
    EXPECT_GE(count("/Type /FontDescriptor"), 1u);
    EXPECT_EQ(count("/FontFile"), count("/Type /FontDescriptor"));
    EXPECT_EQ(count("/Subtype /Type3"), 0u) << "no font drawn as bitmaps";

    ASSERT_EQ(RunExport(Path("legend.tpf"), Path("legend.svg"), 1.0), ExitOk);
    const std::vector<double> viewBox = Numbers(Path("legend.svg"), "viewBox=\"0 0 (\\d+) (\\d+)\"");
    ASSERT_EQ(viewBox.size(), 2u);
    int legendTexts = 0;
    for (const SvgElement& e : SvgElements(Path("legend.svg")))
        if (e.name == QLatin1String("text") && e.layer == QLatin1String("legend")) {
            ++legendTexts;
            EXPECT_TRUE(e.x > 0 && e.x < viewBox[0] && e.y > 0 && e.y < viewBox[1]) << e.x << "," << e.y;
        }
    EXPECT_EQ(legendTexts, 256);
}

TEST_F(PictureFixture, FitDrawsTheFittedAxesFramed)
{
    CTernaryDoc doc;
    doc.OnNewDocument();
    doc.GetSample(1) = { "a", 70, 20, 10, 0, 0, NOT_PLOTTED, NOT_PLOTTED, 1 };
    doc.GetSample(2) = { "b", 80, 10, 10, 0, 0, NOT_PLOTTED, NOT_PLOTTED, 2 };
    ASSERT_TRUE(doc.OnSaveDocument(Path("corner.tpf")));
    ASSERT_EQ(RunExport(Path("corner.tpf"), Path("fit.png"), PictureSize {}, true), ExitOk);
    ASSERT_TRUE(FitAxesToData(doc));
    EXPECT_EQ(doc.m_topAxis.min, 70);
    PlotGeometry framed = PlotPicture(doc).Geometry();
    framed.FrameCorners(doc.m_topAxis, doc.m_leftAxis, doc.m_rightAxis);
    EXPECT_GT(framed.m_scale, 1.0f);
    QByteArray expected;
    ASSERT_TRUE(EncodePlotPicture(doc, PictureType::Png, PictureSize {}, &expected, &framed));
    EXPECT_EQ(ReadFileBytes(Path("fit.png")), expected.toStdString());
}
