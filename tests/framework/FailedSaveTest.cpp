// A save whose writing fails half way, whoever runs the test: the process
// may not write files larger than a few bytes while the save runs.
#include "framework/core/CArchive.h"
#include "framework/core/CDocument.h"

#include "support/TestSupport.h"

#include <QTemporaryDir>

#include <csignal>
#include <sys/resource.h>

#include <gtest/gtest.h>

namespace {

class BigDocument : public CDocument {
public:
    void Serialize(CArchive& ar) override
    {
        if (ar.IsStoring())
            ar.WriteString(std::string(100000, 'x'));
    }
};

// Limits the size of files this process writes, for its lifetime.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_old);
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_old;
        limit.rlim_cur = bytes;
        m_ok = setrlimit(RLIMIT_FSIZE, &limit) == 0;
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_oldHandler);
    }
    bool ok() const { return m_ok; }

private:
    rlimit m_old {};
    void (*m_oldHandler)(int) = nullptr;
    bool m_ok = false;
};

} // namespace

TEST(FailedSaveTest, AWriteErrorKeepsTheOldFileAndTheModifiedFlag)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("keep.tpf");
    ASSERT_TRUE(WriteFileBytes(path, "previous\n"));
    MessageBoxRecorder boxes;
    BigDocument doc;
    doc.SetModifiedFlag();
    bool saved = true;
    {
        FileSizeLimit limit(1000);
        ASSERT_TRUE(limit.ok());
        saved = doc.OnSaveDocument(path);
    }
    EXPECT_FALSE(saved);
    ASSERT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_TRUE(boxes.Boxes()[0].text.contains("keep.tpf"));
    EXPECT_TRUE(doc.IsModified());
    EXPECT_TRUE(doc.GetPathName().isEmpty());
    EXPECT_EQ(ReadFileBytes(path), "previous\n");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList { "keep.tpf" }); // no temporary left
}
