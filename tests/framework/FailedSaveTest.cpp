// Saves whose writing fails half way, whoever runs the test: the process may
// not write files larger than a few bytes while the save runs. Outputs below
// 16 KiB fit in the file's buffer and reach the disk only when it is flushed
// at the end, larger ones fail while they are written.
#include "framework/core/CArchive.h"
#include "framework/core/CDocument.h"

#include "support/TestSupport.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class BigDocument : public CDocument {
public:
    std::size_t size = 0;
    void Serialize(CArchive& ar) override
    {
        if (ar.IsStoring())
            ar.WriteString(std::string(size, 'x'));
    }
};

} // namespace

TEST(FailedSaveTest, AWriteErrorKeepsTheOldFileAndTheModifiedFlag)
{
    for (const std::size_t size : { 4100, 5000, 100000 }) {
        QTemporaryDir dir;
        const QString path = dir.filePath("keep.tpf");
        ASSERT_TRUE(WriteFileBytes(path, "previous\n"));
        MessageBoxRecorder boxes;
        BigDocument doc;
        doc.size = size;
        doc.SetModifiedFlag();
        bool saved = true;
        {
            FileSizeLimit limit(4096);
            ASSERT_TRUE(limit.ok());
            saved = doc.OnSaveDocument(path);
        }
        EXPECT_FALSE(saved) << size;
        ASSERT_EQ(boxes.Boxes().size(), 1u);
        EXPECT_EQ(boxes.Texts()[0].toStdString(),
            ("Unable to save the file \"" + path + "\".\nFile too large").toStdString());
        EXPECT_TRUE(doc.IsModified());
        EXPECT_TRUE(doc.GetPathName().isEmpty());
        EXPECT_EQ(ReadFileBytes(path), "previous\n");
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList { "keep.tpf" }); // no temporary left
    }
}
