// Every file the command line writes, written on a disk that fills up half
// way: the old file stays byte for byte, no temporary file remains, the
// status is 1 and the message names the file and the system's reason.
#include "app/Batch.h"
#include "app/CommandLine.h"

#include "document/CTernaryDoc.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QTemporaryDir>

#include <string>

#include <gtest/gtest.h>

TEST(OutputFileTest, AFullDiskKeepsTheOldFileForEveryOutput)
{
    QTemporaryDir dir;
    MessageBoxRecorder boxes;
    CTernaryDoc doc; // a bare plot (two samples, no grid, labels or legend), then a busy one
    doc.OnNewDocument();
    doc.m_drawGrids = doc.m_drawLegend = 0;
    doc.m_topAxis.increment = doc.m_leftAxis.increment = doc.m_rightAxis.increment = 100;
    const QString bare = dir.filePath("bare.tpf");
    ASSERT_TRUE(doc.OnSaveDocument(bare));
    doc.m_showId = 1;
    for (int slot = 1; slot <= 600; ++slot)
        doc.GetSample(slot) = { "Sample number " + std::to_string(slot), float(slot % 97), float(slot % 89), 10.0f,
            slot % 16, slot % 16, NOT_PLOTTED, NOT_PLOTTED, slot };
    const QString busy = dir.filePath("busy.tpf");
    ASSERT_TRUE(doc.OnSaveDocument(busy));

    for (const QString& input : { bare, busy }) {
        for (const char* type : { "tpf", "csv", "png", "svg", "pdf" }) {
            const QString output = QDir(dir.path()).absoluteFilePath(QStringLiteral("out.") + type);
            auto run = [&] {
                return QLatin1String(type) == "tpf" || QLatin1String(type) == "csv" ? RunSaveAs(input, output)
                                                                                    : RunExport(input, output, 1.0);
            };
            ASSERT_EQ(run(), ExitOk) << type;
            const qint64 size = QFileInfo(output).size();
            ASSERT_TRUE(WriteFileBytes(output, "old"));
            boxes.Clear();
            int exit = ExitOk;
            {
                FileSizeLimit limit(static_cast<rlim_t>(size / 2));
                ASSERT_TRUE(limit.ok());
                exit = run();
            }
            EXPECT_EQ(exit, ExitFailure) << type << " of " << size << " bytes";
            EXPECT_EQ(ReadFileBytes(output), "old") << type << " of " << size << " bytes";
            EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files),
                (QStringList { "bare.tpf", "busy.tpf", "out." + QString(type) }));
            const QString message = boxes.Texts().empty() ? QString() : boxes.Texts().back();
            EXPECT_TRUE(message.contains("\"" + output + "\".\nFile too large")) << message.toStdString();
            QFile::remove(output);
        }
    }
}
