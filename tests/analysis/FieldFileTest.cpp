#include "analysis/FieldFile.h"
#include "analysis/ClassDiagram.h"

#include "support/TestSupport.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// Two overlapping fields (the lower half of the triangle and a band across
// its middle), lines that are no corner (more than a message lists), and a
// field with two corners.
constexpr const char* kFields = "Field,Top,Left,Right\n"
                                "Low,0,100,0\nLow,0,0,100\nLow,50,0,50\nLow,50,50,0\n"
                                "Band,40,60,0\nBand,40,0,60\nBand,bad,0,40\nBand,60,0,40\nBand,60,40,0\n"
                                "Pair,-1,50,51\n"
                                "Two,1,2,97\nTwo,2,1,97\nx\nx\nx\nx\nx\nx\nx\nx\nx\nx\n";

} // namespace

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
