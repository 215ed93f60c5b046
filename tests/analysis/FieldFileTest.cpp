#include "analysis/FieldFile.h"
#include "analysis/ClassCounts.h"
#include "analysis/ClassDiagram.h"
#include "document/CTernaryDoc.h"

#include "support/TestSupport.h"

#include <QDir>
#include <QTemporaryDir>

#include <algorithm>

#include <gtest/gtest.h>

namespace {

// Two overlapping fields (the lower half of the triangle and a band across
// its middle), lines that are no corner, and a field with two corners.
constexpr const char* kFields = "Field,Top,Left,Right\n"
                                "Low,0,100,0\n"
                                "Low,0,0,100\n"
                                "Low,50,0,50\n"
                                "Low,50,50,0\n"
                                "Band,40,60,0\n"
                                "Band,40,0,60\n"
                                "Band,bad,0,40\n"
                                "Band,60,0,40\n"
                                "Band,60,40,0\n"
                                "Pair,-1,50,51\n"
                                "Two,1,2,97\n"
                                "Two,2,1,97\n";

} // namespace

TEST(FieldFile, BadLinesShortFieldsAndOverlapsFirstListedWins)
{
    const FieldFileContents contents = ParseFieldFile(kFields);
    EXPECT_EQ(contents.badLines, (std::vector<int> { 8, 11 }));
    EXPECT_EQ(contents.shortFields, (std::vector<std::string> { "Two" }));
    ASSERT_EQ(contents.fields.size(), 2u);
    EXPECT_EQ(contents.fields[1].vertices.size(), 4u);

    const auto diagram = MakePolygonDiagram(contents.fields);
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

TEST(FieldFile, FileWithoutUsableFieldIsRefusedNamingItsPath)
{
    QTemporaryDir dir;
    const QString empty = dir.filePath("empty.csv");
    const QString good = dir.filePath("good.csv");
    ASSERT_TRUE(WriteFileBytes(empty, "Field,Top,Left,Right\nOnly,1,2,x\n"));
    ASSERT_TRUE(WriteFileBytes(good, kFields));
    MessageBoxRecorder boxes;

    EXPECT_TRUE(LoadFieldFile(empty).empty());
    EXPECT_TRUE(LoadFieldFile(dir.filePath("missing.csv")).empty());
    EXPECT_EQ(LoadFieldFile(good).size(), 2u);
    ASSERT_EQ(boxes.Texts().size(), 3u);
    EXPECT_TRUE(boxes.Texts()[0].contains(empty)) << boxes.Texts()[0];
    EXPECT_TRUE(boxes.Texts()[0].contains("no usable field"));
    EXPECT_TRUE(boxes.Texts()[1].contains(dir.filePath("missing.csv")));
    EXPECT_TRUE(
        boxes.Texts()[2].contains("2 lines without a field name and three numbers that are not negative: 8, 11."))
        << boxes.Texts()[2];
    EXPECT_TRUE(boxes.Texts()[2].contains("\"Two\" has fewer than three corners"));
}

TEST(ClassCounts, EveryFieldWithItsCountAndShareAsTabSeparatedText)
{
    CTernaryDoc doc;
    const float samples[][3] = { { 20, 52, 28 }, { 40, 104, 56 }, { 95, 5, 0 }, { EMPTY_VALUE, 1, 1 } };
    int slot = 1;
    for (const auto& values : samples) {
        SampleRecord& s = doc.GetSample(slot);
        s.row = slot++;
        s.top = values[0];
        s.left = values[1];
        s.right = values[2];
    }
    const auto diagram = MakeQapDiagram();
    const std::string text = ClassCountsText(CountClasses(doc, *diagram));
    EXPECT_TRUE(text.starts_with(
        "Class\tSamples\tPer cent\r\n1a Quartzolite\t1\t25.0\r\n1b Quartz-rich granitoid\t0\t0.0\r\n"));
    EXPECT_NE(text.find("\r\n3b Monzogranite\t2\t50.0\r\n"), std::string::npos);
    EXPECT_TRUE(text.ends_with("\r\nNo class\t1\t25.0\r\n"));
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 1 + 17 + 1);
}
