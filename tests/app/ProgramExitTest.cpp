// Runs the built program as a script would and checks what it says and
// returns, in batch mode and when its window cannot open.
#include "app/CommandLine.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <unistd.h>

#include <fstream>
#include <iterator>

TEST(ProgramExitTest, ExitCodesMessagesAndOutputs)
{
    QTemporaryDir dir, dataHome;
    const QString missing = dir.filePath("missing.tpf");
    struct Case {
        QStringList args;
        int exitCode;
        QString said; // in standard output for help, else in standard error; empty: nothing said
        QString output = {}; // a file that must exist only after a success
    };
    const Case cases[] = {
        { { "--help" }, ExitOk, "--export" },
        { { "--save-as", dir.filePath("new.tpf") }, ExitOk, "", dir.filePath("new.tpf") },
        { { "--export", dir.filePath("out.jpg") }, ExitUsage, "out.jpg", dir.filePath("out.jpg") },
        { { missing, "--save-as", dir.filePath("out.tpf") }, ExitFailure, missing, dir.filePath("out.tpf") },
        { { missing }, ExitFailure, missing }, // the window cannot open
        { { "/p", missing }, ExitFailure, "no printer" },
        // In a run over many files each message about an input names it first.
        { { TestDataPath("not-a-plot.tpf"), "--save-as", dir.filePath("empty.tpf") }, ExitOk,
            TestDataPath("not-a-plot.tpf") + ": File does not contain PlotData table \n" },
        { { "--save-as", dir.filePath("dash.tpf"), "--", "-p" }, ExitFailure,
            QDir::current().filePath("-p") + ": Unable to open the file", dir.filePath("dash.tpf") },
    };
    // As under cron or a bare shell: no runtime folder, which Qt remarks on;
    // the desktop registration kept out of the user's data; no print server,
    // so no printer, whatever the machine has.
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove("XDG_RUNTIME_DIR");
    env.insert("XDG_DATA_HOME", dataHome.path());
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("CUPS_SERVER", "/nonexistent/cups.sock");
    for (const Case& c : cases) {
        const std::string label = c.args.join(' ').toStdString();
        QProcess process;
        process.setProcessEnvironment(env);
        process.start(TERNARY_EXECUTABLE, c.args);
        process.closeWriteChannel();
        ASSERT_TRUE(process.waitForFinished(30000)) << label << " hangs";
        EXPECT_EQ(process.exitStatus(), QProcess::NormalExit) << label;
        EXPECT_EQ(process.exitCode(), c.exitCode) << label;
        const QString out = QString::fromLocal8Bit(process.readAllStandardOutput());
        const QString err = QString::fromLocal8Bit(process.readAllStandardError());
        if (c.args[0] == "--help")
            EXPECT_TRUE(out.contains("--save-as") && out.contains(c.said)) << out.toStdString();
        else if (c.said.isEmpty() || c.exitCode == ExitOk)
            EXPECT_EQ(err.left(c.said.size()), c.said) << "standard error is for the program's own messages";
        else
            EXPECT_TRUE(err.contains(c.said)) << label << ": " << err.toStdString();
        if (!c.output.isEmpty())
            EXPECT_EQ(QFile::exists(c.output), c.exitCode == ExitOk) << label;
        if (!c.output.isEmpty() && c.exitCode == ExitFailure)
            EXPECT_EQ(err.count('\n'), 1) << "a batch message is one line: " << err.toStdString();
    }
}

// Names that are not UTF-8 and a file-size limit, through the shell, which
// passes any bytes and sets the limit.
TEST(ProgramExitTest, NamesThatAreNotUtf8ReachTheirFilesAndAFileSizeLimitFailsWithAMessage)
{
    QTemporaryDir dir;
    ASSERT_TRUE(WriteFileBytes(dir.filePath("old.tpf"), "old"));
    const QString plot = TestDataPath("busy.saved.tpf");
    const struct {
        QString script;
        int exitCode;
        QString err;
    } cases[] = {
        { "exec \"$0\" --save-as \"$(printf 'lat\\351.tpf')\"", ExitOk, "" },
        { "cp " + plot + " \"$(printf 'in\\351.tpf')\"; exec \"$0\" \"$(printf 'in\\351.tpf')\" --save-as "
            "\"$(printf 'out\\351.tpf')\"",
            ExitOk, "" },
        { "exec \"$0\" \"$(printf 'gone\\351.tpf')\" --save-as new.tpf", ExitFailure,
            dir.filePath("gone\\xE9.tpf") + ": Unable to open the file \"" + dir.filePath("gone\\xE9.tpf")
                + "\". The file does not exist.\n" },
        { "ulimit -f 1; exec \"$0\" " + plot + " --save-as old.tpf", ExitFailure,
            "Unable to save the file \"" + dir.filePath("old.tpf") + "\". File too large\n" },
    };
    for (const auto& c : cases) {
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        process.setProcessEnvironment(env);
        process.setWorkingDirectory(dir.path());
        process.start("/bin/sh", { "-c", c.script, TERNARY_EXECUTABLE });
        ASSERT_TRUE(process.waitForFinished(30000)) << c.script.toStdString();
        EXPECT_EQ(process.exitStatus(), QProcess::NormalExit) << c.script.toStdString();
        EXPECT_EQ(process.exitCode(), c.exitCode) << c.script.toStdString();
        EXPECT_EQ(QString::fromUtf8(process.readAllStandardError()), c.err);
    }
    EXPECT_EQ(ReadFileBytes(dir.filePath("old.tpf")), "old");
    // Each file went under the very bytes it was given, and nothing under another name.
    EXPECT_EQ(RawFileNames(dir.path()), (std::vector<std::string> { "in\xE9.tpf", "lat\xE9.tpf", "old.tpf", "out\xE9.tpf" }));
    std::ifstream copy(QFile::encodeName(dir.path()).toStdString() + "/out\xE9.tpf", std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(copy), {}), ReadFileBytes(plot));
}
