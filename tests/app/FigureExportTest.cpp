// Figures at a size: the width and resolution each picture type states,
// embedded fonts, a legend of every colour and symbol, fitted axes.
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

struct FigureFixture : ::testing::Test {
    QTemporaryDir dir;
    MessageBoxRecorder boxes;

    QString Path(const QString& name) const { return dir.filePath(name); }
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

TEST_F(FigureFixture, EachTypeStatesTheWidthAndResolutionAskedFor)
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

// A legend of every colour and symbol exports whole, and a PDF embeds every font it uses.
TEST_F(FigureFixture, ALegendOfEveryLookExportsWholeWithItsFontsEmbedded)
{
    CTernaryDoc doc;
    doc.OnNewDocument();
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

    QFile file(Path("legend.svg"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&file);
    QString layer;
    int texts = 0;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("g"))
            layer = xml.attributes().value(QLatin1String("id")).toString();
        if (xml.name() != QLatin1String("text") || layer != QLatin1String("legend"))
            continue;
        ++texts;
        const double x = xml.attributes().value(QLatin1String("x")).toDouble();
        const double y = xml.attributes().value(QLatin1String("y")).toDouble();
        EXPECT_TRUE(x > 0 && x < viewBox[0] && y > 0 && y < viewBox[1]) << x << "," << y;
    }
    EXPECT_EQ(texts, 256);
}

TEST_F(FigureFixture, FitDrawsTheFittedAxesFramed)
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
