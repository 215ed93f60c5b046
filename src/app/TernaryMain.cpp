#include "app/TernaryMain.h"

#include "app/Batch.h"
#include "app/CTernaryApp.h"
#include "app/CommandLine.h"
#include "framework/core/FileName.h"
#include "framework/gui/GuiMessageBox.h"

#include <QApplication>
#include <QGuiApplication>

#include <csignal>
#include <cstdio>
#include <memory>

namespace {

QStringList Arguments(int argc, char* argv[])
{
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << DecodeFileName(argv[i]); // file names reach the system again byte for byte
    return args;
}

// Batch mode's standard error carries the program's own messages, one per
// line, for scripts to read; Qt's notes about the environment (a missing
// runtime folder, fonts) would mix into them, so only its errors pass.
void BatchQtMessages(QtMsgType type, const QMessageLogContext&, const QString& text)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
}

int RunBatch(const CommandLine& cmd, int argc, char* argv[])
{
    // Batch mode draws with fonts but never shows a window: it needs no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(BatchQtMessages);
    QGuiApplication app(argc, argv);
    if (cmd.printSwitch)
        return RunPrint(cmd.inputFile, cmd.printArgs.value(0));
    // The platform plugin is loaded. PNG is built into Qt; without this,
    // writing one would load every image-format plugin (GIF, JPEG, SVG...)
    // to ask whether it wants the job.
    QCoreApplication::setLibraryPaths({});
    if (cmd.action == CommandLine::Action::SaveAs)
        return RunSaveAs(cmd.inputFile, cmd.outputFile, cmd.classify);
    if (cmd.action == CommandLine::Action::DensityGrid)
        return RunDensityGrid(cmd.inputFile, cmd.density);
    return RunExport(cmd.inputFile, cmd.outputFile, cmd.picture, cmd.fit, cmd.classify, cmd.density);
}

int RunWindow(const CommandLine& cmd, int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Kestrova"));
    QApplication::setApplicationName(QStringLiteral("Ternary"));
    // No display name: the window system would append it to every caption
    // ("About Molvane — Ternary"); the frame's caption names the program itself.
    QGuiApplication::setDesktopFileName(QStringLiteral("ternary"));
    // On a display nobody looks at (offscreen, minimal) a box would wait for
    // ever; there the messages go to standard error, as in batch mode.
    const QString platform = QGuiApplication::platformName();
    if (platform != QLatin1String("offscreen") && platform != QLatin1String("minimal"))
        InstallGuiMessageBoxHandler();
    CTernaryApp theApp;
    if (!theApp.InitInstance(cmd))
        return ExitFailure;
    return app.exec();
}

} // namespace

int TernaryMain(int argc, char* argv[])
{
    // Beyond a file-size limit (ulimit -f) a write fails with its own error,
    // which the program reports, instead of killing it.
    std::signal(SIGXFSZ, SIG_IGN);
    const CommandLine cmd = ParseCommandLine(Arguments(argc, argv));
    switch (cmd.action) {
    case CommandLine::Action::Help:
        std::fputs(CommandLineUsage().toLocal8Bit().constData(), stdout);
        return ExitOk;
    case CommandLine::Action::Error:
        std::fprintf(stderr, "ternary: %s\n%s", cmd.error.toLocal8Bit().constData(),
            "Try 'ternary --help' for more information.\n");
        return ExitUsage;
    case CommandLine::Action::SaveAs:
    case CommandLine::Action::Export:
    case CommandLine::Action::DensityGrid:
        return RunBatch(cmd, argc, argv);
    case CommandLine::Action::Window:
        if (cmd.printSwitch)
            return RunBatch(cmd, argc, argv);
        break;
    }
    return RunWindow(cmd, argc, argv);
}
