#include "app/Batch.h"
#include "app/CommandLine.h"

#include "support/TestSupport.h"

#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

constexpr const char* kSoils = "Sample,Clay,Sand,Silt\n"
                               "On a line,27,45,28\n"
                               "Doubled,54,90,56\n"
                               "Sandy,5,90,5\n";

} // namespace

TEST(ClassifyBatchTest, SaveAsAddsTheClassColumnAndThePlotKeepsTheDiagram)
{
    QTemporaryDir dir;
    const QString soils = dir.filePath("soils.csv");
    const QString fields = dir.filePath("fields.csv");
    ASSERT_TRUE(WriteFileBytes(soils, kSoils));
    ASSERT_TRUE(WriteFileBytes(fields, "Field,Top,Left,Right\nFine,25,75,0\nFine,25,0,75\nFine,100,0,0\n"));
    MessageBoxRecorder boxes;

    EXPECT_EQ(RunSaveAs(soils, dir.filePath("usda.csv"), "usda-texture"), ExitOk);
    EXPECT_EQ(ReadFileBytes(dir.filePath("usda.csv")),
        "Sample,Clay,Sand,Silt,Color,Symbol,Class\n"
        "On a line,27,45,28,0,0,Clay loam\n"
        "Doubled,54,90,56,0,0,Clay loam\n"
        "Sandy,5,90,5,0,0,Sand\n");
    EXPECT_EQ(RunSaveAs(soils, dir.filePath("byfields.csv"), fields), ExitOk);
    EXPECT_TRUE(ReadFileBytes(dir.filePath("byfields.csv")).ends_with(",Fine\nSandy,5,90,5,0,0,\n"));

    EXPECT_EQ(RunSaveAs(soils, dir.filePath("qap.tpf"), "qap"), ExitOk);
    const std::string plot = ReadFileBytes(dir.filePath("qap.tpf"));
    EXPECT_NE(plot.find("ROW=m_classDiagram;qap\nEND"), std::string::npos);
    EXPECT_NE(plot.find("ROW=top;Clay;"), std::string::npos) << "titles from the file stay";

    EXPECT_TRUE(boxes.Boxes().empty());
    EXPECT_EQ(RunSaveAs(soils, dir.filePath("none.csv"), dir.filePath("missing.csv")), ExitFailure);
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("none.csv")));
    ASSERT_EQ(boxes.Texts().size(), 1u);
    EXPECT_TRUE(boxes.Texts()[0].contains(dir.filePath("missing.csv")));
}

TEST(ClassifyBatchTest, ExportDrawsTheFields)
{
    QTemporaryDir dir;
    ASSERT_TRUE(WriteFileBytes(dir.filePath("soils.csv"), kSoils));
    MessageBoxRecorder boxes;
    ASSERT_EQ(RunExport(dir.filePath("soils.csv"), dir.filePath("plain.png"), 1.0), ExitOk);
    ASSERT_EQ(RunExport(dir.filePath("soils.csv"), dir.filePath("usda.png"), 1.0, "usda-texture"), ExitOk);
    // The boundaries: many more black pixels than the plain plot has.
    auto dark = [](const QImage& image) {
        int n = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                n += qGray(image.pixel(x, y)) < 40;
        return n;
    };
    EXPECT_GT(dark(QImage(dir.filePath("usda.png"))), dark(QImage(dir.filePath("plain.png"))) + 1000);
}
