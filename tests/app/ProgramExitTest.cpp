// Runs the built program as a script would and checks what it says and
// returns, in batch mode and when its window cannot open.
#include "app/CommandLine.h"

#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct ProgramRun {
    int exitCode = -1;
    QString out;
    QString err;
};

ProgramRun RunProgram(const QStringList& args)
{
    QProcess process;
    // As under cron or a bare shell: no runtime folder, which Qt remarks on.
    // The program registers itself with the desktop; keep that out of the
    // user's data.
    QTemporaryDir dataHome;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("XDG_RUNTIME_DIR"));
    env.insert(QStringLiteral("XDG_DATA_HOME"), dataHome.path());
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    // No print server, so no printer, whatever the machine has.
    env.insert(QStringLiteral("CUPS_SERVER"), QStringLiteral("/nonexistent/cups.sock"));
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(TERNARY_EXECUTABLE), args);
    process.closeWriteChannel();
    ProgramRun run;
    if (!process.waitForFinished(30000)) {
        process.kill();
        process.waitForFinished();
        return run;
    }
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = QString::fromLocal8Bit(process.readAllStandardOutput());
    run.err = QString::fromLocal8Bit(process.readAllStandardError());
    return run;
}

} // namespace

TEST(ProgramExitTest, HelpPrintsTheUsage)
{
    const ProgramRun run = RunProgram({ "--help" });
    EXPECT_EQ(run.exitCode, ExitOk);
    EXPECT_TRUE(run.out.contains("--save-as")) << run.out.toStdString();
    EXPECT_TRUE(run.out.contains("--export"));
}

TEST(ProgramExitTest, UsageErrorsExitWithTwoAndWriteNothing)
{
    QTemporaryDir dir;
    const QString out = dir.filePath("out.jpg");
    const ProgramRun run = RunProgram({ "--export", out });
    EXPECT_EQ(run.exitCode, ExitUsage);
    EXPECT_TRUE(run.err.contains("out.jpg")) << run.err.toStdString();
    EXPECT_FALSE(QFile::exists(out));
    EXPECT_EQ(RunProgram({ "--bogus" }).exitCode, ExitUsage);
}

TEST(ProgramExitTest, AMissingInputFailsWithOneAndWritesNothing)
{
    QTemporaryDir dir;
    for (const char* ext : { "tpf", "csv", "png" }) {
        const QString out = dir.filePath(QStringLiteral("out.") + ext);
        const QString option = QString(ext) == "png" ? "--export" : "--save-as";
        const ProgramRun run = RunProgram({ dir.filePath("missing.tpf"), option, out });
        EXPECT_EQ(run.exitCode, ExitFailure) << ext;
        EXPECT_FALSE(run.err.isEmpty());
        EXPECT_FALSE(QFile::exists(out)) << ext;
    }
}

TEST(ProgramExitTest, ASuccessfulConversionSaysNothing)
{
    QTemporaryDir dir;
    const QString out = dir.filePath("new.tpf");
    const ProgramRun run = RunProgram({ "--save-as", out });
    EXPECT_EQ(run.exitCode, ExitOk);
    EXPECT_EQ(run.err, QString()) << "standard error is for the program's own messages";
    EXPECT_TRUE(QFile::exists(out));
}

TEST(ProgramExitTest, AWindowForAMissingFileFailsWithAMessage)
{
    QTemporaryDir dir;
    const ProgramRun run = RunProgram({ dir.filePath("missing.tpf") });
    EXPECT_EQ(run.exitCode, ExitFailure);
    EXPECT_TRUE(run.err.contains("missing.tpf")) << run.err.toStdString();
}

TEST(ProgramExitTest, PrintSwitchesWithoutAPrinterFailWithAMessage)
{
    QTemporaryDir dir;
    for (const QStringList& args : { QStringList { "/p", dir.filePath("any.tpf") },
             QStringList { "/pt", dir.filePath("any.tpf"), "Office Printer" } }) {
        const ProgramRun run = RunProgram(args);
        EXPECT_EQ(run.exitCode, ExitFailure) << args.join(' ').toStdString();
        EXPECT_TRUE(run.err.contains("no printer")) << run.err.toStdString();
    }
}
