#include "framework/core/CArchive.h"
#include "framework/core/CDocument.h"
#include "framework/core/CView.h"

#include "LinesDocument.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class CountingView : public CView {
public:
    int updates = 0;
    int initialUpdates = 0;
    void OnUpdate(CView*, long, void*) override { ++updates; }
    void OnInitialUpdate() override { ++initialUpdates; }
};

} // namespace

TEST(DocumentLifeCycleTest, SaveThenOpenRoundTripsAndClearsTheModifiedFlag)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("a.txt");
    LinesDocument doc;
    doc.lines = { "one", "two" };
    doc.SetModifiedFlag();
    ASSERT_TRUE(doc.OnSaveDocument(path));
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(doc.GetTitle(), "a.txt");
    EXPECT_EQ(ReadFileBytes(path), "one\ntwo\n");

    LinesDocument other;
    other.lines = { "old" };
    ASSERT_TRUE(other.OnOpenDocument(path));
    EXPECT_EQ(other.deleteCount, 1);
    EXPECT_EQ(other.lines, (std::vector<std::string> { "one", "two" }));
    EXPECT_EQ(other.GetPathName(), path);
}

TEST(DocumentLifeCycleTest, OpeningAMissingFileOrAFolderReportsItAndKeepsTheContents)
{
    MessageBoxRecorder boxes;
    QTemporaryDir dir;
    LinesDocument doc;
    doc.lines = { "kept" };
    EXPECT_FALSE(doc.OnOpenDocument(dir.filePath("x.tpf")));
    EXPECT_FALSE(doc.OnOpenDocument(dir.path()));
    ASSERT_EQ(boxes.Boxes().size(), 2u);
    EXPECT_TRUE(boxes.Boxes()[0].text.contains("x.tpf"));
    EXPECT_EQ(doc.deleteCount, 0);
    EXPECT_EQ(doc.lines, (std::vector<std::string> { "kept" }));
}

TEST(DocumentLifeCycleTest, RunningOutOfMemoryWhileLoadingEndsTheLoadWithAMessage)
{
    class GreedyDocument : public LinesDocument {
    public:
        void Serialize(CArchive& ar) override
        {
            LinesDocument::Serialize(ar);
            if (ar.IsLoading())
                throw std::bad_alloc();
        }
    };
    MessageBoxRecorder boxes;
    QTemporaryDir dir;
    const QString path = dir.filePath("big.txt");
    ASSERT_TRUE(WriteFileBytes(path, "one\n"));
    GreedyDocument doc;
    EXPECT_FALSE(doc.OnOpenDocument(path));
    ASSERT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_EQ(boxes.Texts()[0].toStdString(),
        ("Unable to open the file \"" + path + "\".\nNot enough memory.").toStdString());
    EXPECT_EQ(doc.lines, (std::vector<std::string> { "new" })); // what was half read is gone
}

TEST(DocumentLifeCycleTest, UpdateAllViewsSkipsTheSender)
{
    LinesDocument doc;
    CountingView a, b;
    doc.AddView(&a);
    doc.AddView(&b);
    doc.UpdateAllViews(&a);
    EXPECT_EQ(a.updates, 0);
    EXPECT_EQ(b.updates, 1);
    doc.SendInitialUpdate();
    EXPECT_EQ(a.initialUpdates, 1);
    EXPECT_EQ(b.GetDocument(), &doc);
}
