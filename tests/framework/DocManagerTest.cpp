#include "framework/core/CArchive.h"
#include "framework/core/CDocManager.h"
#include "framework/core/CDocument.h"
#include "framework/core/CProfile.h"
#include "framework/core/CRecentFileList.h"
#include "framework/core/CView.h"

#include "support/TestSupport.h"

#include <QDir>
#include <QTemporaryDir>

#include <atomic>
#include <chrono>
#include <new>
#include <thread>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

namespace {

// A document whose contents are lines of text, one per file line; New gives
// the single line "new". With failLoading, a load runs out of memory half way.
struct LinesDocument : CDocument {
    std::vector<std::string> lines;
    bool failLoading = false;
    void DeleteContents() override { lines.clear(); }
    bool OnNewDocument() override
    {
        if (!CDocument::OnNewDocument())
            return false;
        lines = { "new" };
        return true;
    }
    void Serialize(CArchive& ar) override
    {
        if (ar.IsStoring()) {
            for (const std::string& line : lines)
                ar.WriteString(line + "\n");
        } else {
            std::string line;
            while (ar.ReadString(line))
                lines.push_back(line);
            if (failLoading)
                throw std::bad_alloc();
        }
    }
};

struct CountingView : CView {
    int count = 0; // initial updates
    int updates = 0;
    void OnInitialUpdate() override { ++count; }
    void OnUpdate(CView*, long, void*) override { ++updates; }
};


class DocManagerTest : public ::testing::Test {
protected:
    DocManagerTest()
        : profile(dir.filePath("profile.ini"))
        , recent(profile)
        , manager(doc, dialogs, &recent)
    {
        doc.AddView(&view);
        manager.SetTitleChangedCallback([this] { ++titleChanges; });
        doc.OnNewDocument();
    }
    // The document and the recent files at once: its lines, its title with
    // "*" when modified, the views' initial updates, the recent files (in
    // the folder, named alone).
    std::string State() const
    {
        std::string state;
        for (const std::string& line : doc.lines)
            state += line + " ";
        state += "| " + doc.GetTitle().toStdString() + (doc.IsModified() ? "*" : "") + " | "
            + std::to_string(view.count) + " |";
        for (const QString& file : recent.Files())
            state += " " + QDir(dir.path()).relativeFilePath(file).toStdString();
        return state;
    }
    QString File(const QString& name, const std::string& bytes)
    {
        const QString path = dir.filePath(name);
        WriteFileBytes(path, bytes);
        return path;
    }

    QTemporaryDir dir;
    CProfile profile;
    CRecentFileList recent;
    LinesDocument doc;
    CountingView view;
    ScriptedFileDialogs dialogs;
    CDocManager manager;
    MessageBoxRecorder boxes;
    int titleChanges = 0;
};

} // namespace

TEST_F(DocManagerTest, OpenLoadsUpdatesTheViewsAndRemembersTheFile)
{
    dialogs.answers = { File("a.tpf", "alpha\n") };
    ASSERT_TRUE(manager.OnFileOpen());
    EXPECT_EQ(State(), "alpha | a.tpf | 1 | a.tpf");
    EXPECT_EQ(titleChanges, 1);
    EXPECT_TRUE(boxes.Boxes().empty());
    EXPECT_FALSE(manager.OnFileOpen()) << "cancelled";
    EXPECT_EQ(State(), "alpha | a.tpf | 1 | a.tpf");
    CountingView other;
    doc.AddView(&other);
    doc.UpdateAllViews(&view);
    EXPECT_EQ(std::pair(view.updates, other.updates), std::pair(0, 1)) << "all views but the sender";
}

TEST_F(DocManagerTest, AFileThatCannotBeReadIsReportedBeforeAnythingIsAsked)
{
    doc.lines = { "unsaved work" };
    doc.SetModifiedFlag();
    // A pipe nobody writes to, an endless device and a file past the size
    // limit (sparse: it takes no room) are refused at once, never read.
    const QString fifo = dir.filePath("pipe.tpf");
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QString huge = File("huge.tpf", "");
    ASSERT_TRUE(QFile::resize(huge, (qint64(256) << 20) + 1));
    std::atomic<bool> done = false;
    std::thread unblock([&] { // ends a blocked open of the pipe, so that a fault fails instead of hanging
        while (!done) {
            const int fd = ::open(QFile::encodeName(fifo).constData(), O_WRONLY | O_NONBLOCK);
            if (fd >= 0)
                ::close(fd);
            std::this_thread::sleep_for(std::chrono::milliseconds(200));
        }
    });
    const QString notAFile = "It is not a regular file but a pipe, a device or a socket.";
    const std::pair<QString, QString> cases[] = { { dir.filePath("missing.tpf"), "The file does not exist." },
        { dir.path(), "It is a folder, not a file." }, { fifo, notAFile }, { "/dev/zero", notAFile },
        { huge, "It is larger than 256 MB, the most a file may hold." } };
    for (const auto& [path, reason] : cases) {
        EXPECT_FALSE(manager.OpenDocumentFile(path));
        EXPECT_EQ(boxes.Texts().back(), "Unable to open the file \"" + path + "\".\n" + reason);
    }
    done = true;
    unblock.join();
    EXPECT_EQ(boxes.Boxes().size(), std::size(cases)); // no "Save changes?" question
    EXPECT_EQ(State(), "unsaved work | Untitled* | 0 |");
}

TEST_F(DocManagerTest, SaveChangesQuestionGuardsNewAndOpen)
{
    const QString other = File("other.tpf", "other\n");
    doc.lines = { "edited" };
    doc.SetModifiedFlag();

    boxes.QueueAnswer(MsgResult::Cancel);
    EXPECT_FALSE(manager.OnFileNew());
    ASSERT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_EQ(boxes.Boxes()[0].text, "Save changes to Untitled?");
    EXPECT_EQ(boxes.Boxes()[0].buttons, MsgButtons::YesNoCancel);
    EXPECT_EQ(State(), "edited | Untitled* | 0 |");

    boxes.QueueAnswer(MsgResult::No);
    EXPECT_TRUE(manager.OpenDocumentFile(other));
    EXPECT_EQ(State(), "other | other.tpf | 1 | other.tpf");

    // Yes saves first: an untitled document through the save dialog, where
    // cancelling stops the whole command.
    doc.OnNewDocument();
    doc.SetModifiedFlag();
    boxes.QueueAnswer(MsgResult::Yes);
    EXPECT_FALSE(manager.OnFileNew());
    EXPECT_EQ(State(), "new | Untitled* | 1 | other.tpf");
    EXPECT_EQ(dialogs.suggestions, QStringList { "Untitled.tpf" });

    boxes.QueueAnswer(MsgResult::Yes);
    dialogs.answers = { dir.filePath("kept") };
    EXPECT_TRUE(manager.OnFileNew());
    EXPECT_EQ(ReadFileBytes(dir.filePath("kept.tpf")), "new\n");
    EXPECT_EQ(State(), "new | Untitled | 2 | kept.tpf other.tpf");
}

TEST_F(DocManagerTest, SaveUsesTheFileAndSaveAsAddsTheExtension)
{
    doc.lines = { "one" };
    dialogs.answers = { dir.filePath("first") };
    ASSERT_TRUE(manager.OnFileSave()); // untitled: Save As
    EXPECT_EQ(doc.GetPathName(), dir.filePath("first.tpf"));
    doc.lines = { "two" };
    doc.SetModifiedFlag();
    ASSERT_TRUE(manager.OnFileSave());
    EXPECT_EQ(ReadFileBytes(dir.filePath("first.tpf")), "two\n");

    dialogs.answers = { dir.filePath("second.txt") };
    ASSERT_TRUE(manager.OnFileSaveAs());
    EXPECT_EQ(dialogs.suggestions, (QStringList { "Untitled.tpf", dir.filePath("first.tpf") }));
    EXPECT_EQ(State(), "two | second.txt | 0 | second.txt first.tpf");
    EXPECT_EQ(titleChanges, 3);
}

TEST_F(DocManagerTest, AFailedSaveKeepsTheOldFileTheModifiedFlagAndTheName)
{
    // A folder in the way, then a disk that fills up while the bytes are written.
    QDir(dir.path()).mkdir("folder.tpf");
    const QString old = File("old.tpf", "previous\n");
    doc.lines = { std::string(5000, 'x') };
    doc.SetModifiedFlag();
    dialogs.answers = { dir.filePath("folder.tpf"), old };
    EXPECT_FALSE(manager.OnFileSaveAs());
    {
        FileSizeLimit limit(4096);
        ASSERT_TRUE(limit.ok());
        EXPECT_FALSE(manager.OnFileSaveAs());
    }
    ASSERT_EQ(boxes.Boxes().size(), 2u);
    EXPECT_TRUE(boxes.Texts()[0].startsWith("Unable to save the file \"" + dir.filePath("folder.tpf") + "\".\n"));
    EXPECT_EQ(boxes.Texts()[1], "Unable to save the file \"" + old + "\".\nFile too large");
    EXPECT_EQ(State(), std::string(5000, 'x') + " | Untitled* | 0 |");
    EXPECT_EQ(ReadFileBytes(old), "previous\n");
    EXPECT_TRUE(QFileInfo(dir.filePath("folder.tpf")).isDir());
    QStringList files = QDir(dir.path()).entryList(QDir::Files);
    files.removeAll("profile.ini");
    EXPECT_EQ(files, QStringList { "old.tpf" }) << "no temporary left";
}

TEST_F(DocManagerTest, RunningOutOfMemoryWhileLoadingEndsInANewDocument)
{
    const QString path = File("big.tpf", "one\n");
    doc.failLoading = true;
    EXPECT_FALSE(manager.OpenDocumentFile(path));
    EXPECT_EQ(boxes.Texts(), std::vector<QString> { "Unable to open the file \"" + path + "\".\nNot enough memory." });
    EXPECT_EQ(State(), "new | Untitled | 1 |") << "what was half read is gone";
}

TEST_F(DocManagerTest, RecentFilesOpenAndVanishWhenGone)
{
    const QString a = File("a.tpf", "a\n");
    const QString b = File("b.tpf", "b\n");
    ASSERT_TRUE(manager.OpenDocumentFile(a));
    ASSERT_TRUE(manager.OpenDocumentFile(b));
    ASSERT_TRUE(manager.OnFileMruFile(1));
    EXPECT_EQ(State(), "a | a.tpf | 3 | a.tpf b.tpf");
    doc.SetModifiedFlag();
    boxes.QueueAnswer(MsgResult::Cancel);
    EXPECT_FALSE(manager.OnFileMruFile(1));
    EXPECT_EQ(State(), "a | a.tpf* | 3 | a.tpf b.tpf") << "not opened, but it can be";

    QFile::remove(b);
    EXPECT_FALSE(manager.OnFileMruFile(1));
    EXPECT_FALSE(manager.OnFileMruFile(5));
    EXPECT_EQ(boxes.Boxes().size(), 2u);
    EXPECT_EQ(State(), "a | a.tpf* | 3 | a.tpf");
}

TEST(RecentFileListTest, KeepsFourNewestFirstInTheProfile)
{
    QTemporaryDir dir;
    const QString ini = dir.filePath("profile.ini");
    {
        CProfile profile(ini);
        CRecentFileList list(profile);
        for (const char* name : { "1.tpf", "2.tpf", "3.tpf", "4.tpf", "5.tpf", "3.tpf" })
            list.Add(dir.filePath(name));
    }
    CProfile profile(ini);
    EXPECT_EQ(profile.GetProfileInt("Recent File List", "File1", 3), 3) << "not a number: the default";
    CRecentFileList again(profile);
    EXPECT_EQ(again.Files(),
        (QStringList { dir.filePath("3.tpf"), dir.filePath("5.tpf"), dir.filePath("4.tpf"), dir.filePath("2.tpf") }));
    EXPECT_EQ(again.GetDisplayName(1), "&2 5.tpf");
    again.Remove(0);
    EXPECT_EQ(CRecentFileList(profile).Count(), 3);
}
