#include "analysis/ClassCounts.h"
#include "analysis/ClassDiagram.h"
#include "analysis/FieldFile.h"
#include "document/CTernaryDoc.h"
#include "support/TestSupport.h"

#include <QTemporaryDir>

#include <cmath>

#include <gtest/gtest.h>

namespace {

struct Case {
    float top, left, right;
    const char* expected; // "" for no class
};

void ExpectClasses(const ClassDiagram& diagram, std::initializer_list<Case> cases)
{
    for (const Case& c : cases)
        EXPECT_EQ(diagram.ClassName(c.top, c.left, c.right), c.expected) << c.top << " " << c.left << " " << c.right;
}

// Two overlapping fields (the lower half of the triangle and a band across
// its middle), lines that are no corner (more than a message lists), and a
// field with two corners.
constexpr const char* kFields = "Field,Top,Left,Right\n"
                                "Low,0,100,0\nLow,0,0,100\nLow,50,0,50\nLow,50,50,0\n"
                                "Band,40,60,0\nBand,40,0,60\nBand,bad,0,40\nBand,60,0,40\nBand,60,40,0\n"
                                "Pair,-1,50,51\n"
                                "Two,1,2,97\nTwo,2,1,97\nx\nx\nx\nx\nx\nx\nx\nx\nx\nx\n";

} // namespace

// Each line between two classes with a sample on it (the finer class) and one
// just across it; clay, sand, silt.
TEST(SoilTexture, EachLineFromBothSides)
{
    ExpectClasses(*MakeSoilTextureDiagram(),
        { { 0, 86, 14, "Sand" }, { 0, 85, 15, "Loamy sand" }, { 10, 90, 0, "Loamy sand" }, { 0, 71, 29, "Loamy sand" },
            { 0, 70, 30, "Sandy loam" }, { 15, 53, 32, "Sandy loam" }, { 15, 52, 33, "Loam" },
            { 6, 51, 43, "Sandy loam" }, { 7, 50, 43, "Loam" }, { 3, 48, 49, "Sandy loam" }, { 3, 47, 50, "Silt loam" },
            { 15, 36, 49, "Loam" }, { 15, 35, 50, "Silt loam" }, { 5, 16, 79, "Silt loam" }, { 5, 15, 80, "Silt" },
            { 11, 0, 89, "Silt" }, { 12, 0, 88, "Silt loam" }, { 19, 61, 20, "Sandy loam" },
            { 20, 60, 20, "Sandy clay loam" }, { 24, 49, 27, "Sandy clay loam" }, { 24, 48, 28, "Loam" },
            { 26, 41, 33, "Loam" }, { 27, 40, 33, "Clay loam" }, { 27, 45, 28, "Clay loam" },
            { 26, 10, 64, "Silt loam" }, { 27, 10, 63, "Silty clay loam" }, { 30, 21, 49, "Clay loam" },
            { 30, 20, 50, "Silty clay loam" }, { 30, 46, 24, "Sandy clay loam" }, { 30, 45, 25, "Clay loam" },
            { 34, 51, 15, "Sandy clay loam" }, { 35, 50, 15, "Sandy clay" }, { 39, 31, 30, "Clay loam" },
            { 40, 30, 30, "Clay" }, { 39, 10, 51, "Silty clay loam" }, { 40, 10, 50, "Silty clay" },
            { 45, 16, 39, "Clay" }, { 45, 15, 40, "Silty clay" }, { 45, 46, 9, "Sandy clay" }, { 45, 45, 10, "Clay" },
            // Rows not summing to 100 are closed first; some have no class.
            { 54, 90, 56, "Clay loam" }, { 13.5f, 22.5f, 14, "Clay loam" }, { EMPTY_VALUE, 50, 50, "" },
            { 30, -1, 71, "" }, { 0, 0, 0, "" }, { 5, 5, NAN, "" } });
}

// Quartz, alkali feldspar, plagioclase: the quartz limits and the ratio cuts
// r = 0.10, 0.35, 0.65, 0.90 of every band, each field holding its lower line.
TEST(Qap, EachLineFromBothSides)
{
    ExpectClasses(*MakeQapDiagram(),
        { { 90, 5, 5, "1a Quartzolite" }, { 89, 6, 5, "1b Quartz-rich granitoid" },
            { 60, 20, 20, "1b Quartz-rich granitoid" }, { 59, 20, 21, "3b Monzogranite" },
            { 20, 72.5f, 7.5f, "2 Alkali-feldspar granite" }, { 20, 72, 8, "3a Syenogranite" },
            { 20, 52.5f, 27.5f, "3a Syenogranite" }, { 20, 52, 28, "3b Monzogranite" },
            { 20, 28.5f, 51.5f, "3b Monzogranite" }, { 20, 28, 52, "4 Granodiorite" },
            { 20, 8.5f, 71.5f, "4 Granodiorite" }, { 20, 8, 72, "5 Tonalite" },
            { 19, 40.5f, 40.5f, "8* Quartz monzonite" }, { 20, 40, 40, "3b Monzogranite" },
            { 10, 81.5f, 8.5f, "6* Quartz alkali-feldspar syenite" }, { 10, 81, 9, "7* Quartz syenite" },
            { 10, 9, 81, "10* Quartz diorite / quartz gabbro / quartz anorthosite" }, { 4, 48, 48, "8 Monzonite" },
            { 5, 47.5f, 47.5f, "8* Quartz monzonite" }, { 0, 100, 0, "6 Alkali-feldspar syenite" },
            { 0, 65.5f, 34.5f, "7 Syenite" }, { 0, 35, 65, "9 Monzodiorite / monzogabbro" },
            { 0, 10, 90, "10 Diorite / gabbro / anorthosite" }, { 40, 104, 56, "3b Monzogranite" },
            { 100, 0, 0, "1a Quartzolite" }, { 5, 5, EMPTY_VALUE, "" } });
}

// The drawn polygons agree with the rules: the centre of each field is
// classified as that field.
TEST(ClassDiagram, FieldCentresFallInTheirOwnFields)
{
    for (const auto& diagram : { MakeSoilTextureDiagram(), MakeQapDiagram() }) {
        const auto& fields = diagram->Fields();
        for (std::size_t i = 0; i < fields.size(); ++i) {
            double top = 0, left = 0, right = 0;
            for (const FieldVertex& v : fields[i].polygon) {
                top += v.top;
                left += v.left;
                right += v.right;
            }
            const double n = double(fields[i].polygon.size());
            EXPECT_EQ(diagram->Classify(float(top / n), float(left / n), float(right / n)), int(i)) << fields[i].name;
        }
    }
    EXPECT_EQ(MakeSoilTextureDiagram()->Fields().size(), 12u);
    EXPECT_EQ(MakeQapDiagram()->Fields()[3].number, "3a");
}

TEST(ClassCounts, EveryFieldInItsOrderThenTheSamplesWithoutOne)
{
    const auto soil = MakeSoilTextureDiagram();
    CTernaryDoc doc;
    doc.OnNewDocument();
    const float samples[][3] = { { 15, 36, 49 }, { 15, 36, 49 }, { 0, 86, 14 }, { EMPTY_VALUE, 50, 50 } };
    for (int slot : { 1, 2, 3, 5 }) { // slot 4 is not in use
        const float* s = samples[slot < 5 ? slot - 1 : 3];
        doc.GetSample(slot) = { "s", s[0], s[1], s[2], 0, 0, NOT_PLOTTED, NOT_PLOTTED, slot };
    }
    std::string expected = "Class\tSamples\tPer cent\r\n";
    for (const ClassField& f : soil->Fields())
        expected += f.name + (f.name == "Loam" ? "\t2\t50.0\r\n" : f.name == "Sand" ? "\t1\t25.0\r\n" : "\t0\t0.0\r\n");
    EXPECT_EQ(ClassCountsText(CountClasses(doc, *soil)), expected + "No class\t1\t25.0\r\n");
    doc.GetSample(5).Empty();
    EXPECT_EQ(ClassCountsText(CountClasses(doc, *soil)).find("No class"), std::string::npos);
}

TEST(FieldFile, BadLinesAndShortFieldsAreReportedWithThePathAndOverlapsFirstListedWins)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("fields.csv");
    ASSERT_TRUE(WriteFileBytes(path, kFields));
    MessageBoxRecorder boxes;
    const std::vector<FieldPolygon> fields = LoadFieldFile(path);
    EXPECT_EQ(boxes.Texts(),
        std::vector<QString> { "Read 2 fields from \"" + path
            + "\".\n"
              "Skipped 12 lines without a field name and three numbers that are not negative: 8, 11, 14, 15, "
              "16, 17, 18, 19, 20, 21 and 2 more.\n"
              "The field \"Two\" has fewer than three corners." });
    ASSERT_EQ(fields.size(), 2u);
    EXPECT_EQ(fields[1].vertices.size(), 4u);

    const auto diagram = MakePolygonDiagram(fields);
    struct Case {
        float top, left, right;
        int field;
    } cases[] = {
        { 45, 25, 30, 0 }, // in both: the first listed
        { 50, 25, 25, 0 }, // on Low's top edge, inside Band
        { 55, 25, 20, 1 }, // Band only
        { 60, 20, 20, 1 }, // on Band's top edge
        { 61, 19, 20, -1 }, // just above
        { 15, 20, 15, 0 }, // closed to 30, 40, 30
        { EMPTY_VALUE, 1, 1, -1 },
    };
    for (const Case& c : cases)
        EXPECT_EQ(diagram->Classify(c.top, c.left, c.right), c.field) << c.top << " " << c.left;
}
