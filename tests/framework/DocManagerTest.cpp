#include "framework/core/CArchive.h"
#include "framework/core/CDocManager.h"
#include "framework/core/CDocument.h"
#include "framework/core/CProfile.h"
#include "framework/core/CRecentFileList.h"
#include "framework/core/CView.h"
#include "framework/core/IFileDialogs.h"

#include "LinesDocument.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QTemporaryDir>

#include <atomic>
#include <chrono>
#include <deque>
#include <thread>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

namespace {

class InitialUpdateCounter : public CView {
public:
    int count = 0;
    void OnInitialUpdate() override { ++count; }
};

// Answers the file dialogs with queued names and records what was asked.
class ScriptedDialogs : public IFileDialogs {
public:
    std::deque<QString> answers;
    QStringList filters;
    QStringList suggestions;
    QString GetOpenFileName(const QString& filter) override
    {
        filters << filter;
        return Next();
    }
    QString GetSaveFileName(const QString& suggestedPath, const QString& filter) override
    {
        filters << filter;
        suggestions << suggestedPath;
        return Next();
    }

private:
    QString Next()
    {
        if (answers.empty())
            return {};
        QString answer = answers.front();
        answers.pop_front();
        return answer;
    }
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
    InitialUpdateCounter view;
    ScriptedDialogs dialogs;
    CDocManager manager;
    MessageBoxRecorder boxes;
    int titleChanges = 0;
};

} // namespace

TEST_F(DocManagerTest, OpenLoadsUpdatesTheViewsAndRemembersTheFile)
{
    dialogs.answers = { File("a.tpf", "alpha\n") };
    ASSERT_TRUE(manager.OnFileOpen());
    EXPECT_EQ(dialogs.filters, QStringList { "Plot files (*.tpf);;CSV and TSV files (*.csv *.tsv *.txt)" });
    EXPECT_EQ(doc.lines, (std::vector<std::string> { "alpha" }));
    EXPECT_EQ(view.count, 1);
    EXPECT_EQ(titleChanges, 1);
    EXPECT_EQ(doc.GetTitle(), "a.tpf");
    EXPECT_EQ(recent.GetAt(0), dir.filePath("a.tpf"));
    EXPECT_TRUE(boxes.Boxes().empty());
    // Cancelling the dialog changes nothing.
    EXPECT_FALSE(manager.OnFileOpen());
    EXPECT_EQ(view.count, 1);
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
        EXPECT_EQ(
            boxes.Texts().back().toStdString(), ("Unable to open the file \"" + path + "\".\n" + reason).toStdString());
    }
    done = true;
    unblock.join();
    EXPECT_EQ(boxes.Boxes().size(), std::size(cases)); // no "Save changes?" question
    EXPECT_EQ(doc.lines, (std::vector<std::string> { "unsaved work" }));
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(view.count, 0);
    EXPECT_EQ(recent.Count(), 0);
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
    EXPECT_EQ(boxes.Boxes()[0].icon, MsgIcon::Exclamation);
    EXPECT_EQ(boxes.Boxes()[0].buttons, MsgButtons::YesNoCancel);
    EXPECT_EQ(doc.lines, (std::vector<std::string> { "edited" }));

    boxes.QueueAnswer(MsgResult::No);
    EXPECT_TRUE(manager.OpenDocumentFile(other));
    EXPECT_EQ(doc.lines, (std::vector<std::string> { "other" }));

    // Yes saves first: an untitled document through the save dialog, where
    // cancelling stops the whole command.
    doc.OnNewDocument();
    doc.SetModifiedFlag();
    boxes.QueueAnswer(MsgResult::Yes);
    EXPECT_FALSE(manager.OnFileNew());
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(dialogs.suggestions, QStringList { "Untitled.tpf" });

    boxes.QueueAnswer(MsgResult::Yes);
    dialogs.answers = { dir.filePath("kept") };
    EXPECT_TRUE(manager.OnFileNew());
    EXPECT_EQ(ReadFileBytes(dir.filePath("kept.tpf")), "new\n");
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(doc.GetPathName(), QString());
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
    EXPECT_EQ(dialogs.suggestions.size(), 1);

    dialogs.answers = { dir.filePath("second.txt") };
    ASSERT_TRUE(manager.OnFileSaveAs());
    EXPECT_EQ(dialogs.suggestions.last(), dir.filePath("first.tpf"));
    EXPECT_EQ(doc.GetPathName(), dir.filePath("second.txt"));
    EXPECT_EQ(recent.Files(), (QStringList { dir.filePath("second.txt"), dir.filePath("first.tpf") }));
    EXPECT_EQ(titleChanges, 3);
}

TEST_F(DocManagerTest, AFailedSaveAsKeepsTheDocumentModifiedAndUntitled)
{
    QDir(dir.path()).mkdir("folder.tpf");
    doc.SetModifiedFlag();
    dialogs.answers = { dir.filePath("folder.tpf") };
    EXPECT_FALSE(manager.OnFileSaveAs());
    EXPECT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_TRUE(doc.GetPathName().isEmpty());
    EXPECT_TRUE(QFileInfo(dir.filePath("folder.tpf")).isDir());
    EXPECT_EQ(recent.Count(), 0);
}

TEST_F(DocManagerTest, RecentFilesOpenAndVanishWhenGone)
{
    const QString a = File("a.tpf", "a\n");
    const QString b = File("b.tpf", "b\n");
    ASSERT_TRUE(manager.OpenDocumentFile(a));
    ASSERT_TRUE(manager.OpenDocumentFile(b));
    ASSERT_TRUE(manager.OnFileMruFile(1));
    EXPECT_EQ(doc.lines, (std::vector<std::string> { "a" }));
    EXPECT_EQ(recent.Files(), (QStringList { a, b }));

    QFile::remove(b);
    EXPECT_FALSE(manager.OnFileMruFile(1));
    EXPECT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_EQ(recent.Files(), QStringList { a });
    EXPECT_EQ(doc.lines, (std::vector<std::string> { "a" }));
    EXPECT_FALSE(manager.OnFileMruFile(5));
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
        EXPECT_EQ(list.Count(), 4);
        EXPECT_EQ(list.GetAt(0), dir.filePath("3.tpf"));
        EXPECT_EQ(list.GetAt(3), dir.filePath("2.tpf"));
        EXPECT_EQ(list.GetDisplayName(1), "&2 5.tpf");
        EXPECT_EQ(list.GetAt(4), QString());
    }
    CProfile profile(ini);
    EXPECT_EQ(profile.GetProfileString("Recent File List", "File1"), dir.filePath("3.tpf"));
    CRecentFileList again(profile);
    EXPECT_EQ(again.Files(),
        (QStringList { dir.filePath("3.tpf"), dir.filePath("5.tpf"), dir.filePath("4.tpf"), dir.filePath("2.tpf") }));
    again.Remove(0);
    EXPECT_EQ(CRecentFileList(profile).Count(), 3);
}

TEST(ProfileTest, StringsAndIntegersWithDefaults)
{
    QTemporaryDir dir;
    CProfile profile(dir.filePath("p.ini"));
    EXPECT_EQ(profile.GetProfileInt("Settings", "Width", 42), 42);
    profile.WriteProfileInt("Settings", "Width", 7);
    profile.WriteProfileString("Settings", "Name", "x");
    EXPECT_TRUE(profile.Sync());
    CProfile reread(dir.filePath("p.ini"));
    EXPECT_EQ(reread.GetProfileInt("Settings", "Width", 42), 7);
    EXPECT_EQ(reread.GetProfileString("Settings", "Name"), "x");
    EXPECT_EQ(reread.GetProfileInt("Settings", "Name", 3), 3);
}
