// The built program started with a window that cannot open: it must say why
// and end with the failure status instead of showing an empty window.
#include "app/CommandLine.h"

#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

int RunWindowed(const QStringList& args, QString& err)
{
    // The program registers itself with the desktop; keep that out of the user's data.
    QTemporaryDir dataHome;
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("XDG_DATA_HOME", dataHome.path());
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(TERNARY_EXECUTABLE), args);
    if (!process.waitForFinished(30000)) {
        process.kill();
        process.waitForFinished();
        return -1;
    }
    err = QString::fromLocal8Bit(process.readAllStandardError());
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

} // namespace

TEST(StartupProgram, AMissingFileFailsWithAMessage)
{
    QTemporaryDir dir;
    QString err;
    EXPECT_EQ(RunWindowed({ dir.filePath("missing.tpf") }, err), ExitFailure);
    EXPECT_TRUE(err.contains("missing.tpf")) << err.toStdString();
}

TEST(StartupProgram, PrintSwitchesAreReportedAsUnavailable)
{
    QTemporaryDir dir;
    QString err;
    EXPECT_EQ(RunWindowed({ "/p", dir.filePath("any.tpf") }, err), ExitFailure);
    EXPECT_TRUE(err.contains("not available")) << err.toStdString();
}
