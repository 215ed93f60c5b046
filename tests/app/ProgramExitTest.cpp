// Runs the built program as a script would and checks what it says and
// returns, in batch mode and when its window cannot open.
#include "app/CommandLine.h"

#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

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
        { { "--density", "fog", "--export", dir.filePath("d.png") }, ExitUsage, "fog", dir.filePath("d.png") },
        { { "/p", missing }, ExitFailure, "no printer" },
        { { "/pt", missing, "Office Printer" }, ExitFailure, "no printer" },
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
        if (!process.waitForFinished(30000)) {
            process.kill();
            process.waitForFinished();
            ADD_FAILURE() << label << " hangs";
            continue;
        }
        EXPECT_EQ(process.exitStatus(), QProcess::NormalExit) << label;
        EXPECT_EQ(process.exitCode(), c.exitCode) << label;
        const QString out = QString::fromLocal8Bit(process.readAllStandardOutput());
        const QString err = QString::fromLocal8Bit(process.readAllStandardError());
        if (c.args[0] == "--help")
            EXPECT_TRUE(out.contains("--save-as") && out.contains(c.said)) << out.toStdString();
        else if (c.said.isEmpty())
            EXPECT_EQ(err, QString()) << "standard error is for the program's own messages";
        else
            EXPECT_TRUE(err.contains(c.said)) << label << ": " << err.toStdString();
        if (!c.output.isEmpty())
            EXPECT_EQ(QFile::exists(c.output), c.exitCode == ExitOk) << label;
        if (!c.output.isEmpty() && c.exitCode == ExitFailure)
            EXPECT_EQ(err.count('\n'), 1) << "a batch message is one line: " << err.toStdString();
    }
}
