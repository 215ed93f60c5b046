#include "app/DesktopRegistration.h"

#include "framework/core/FileAccess.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

namespace {

// Writes bytes to path when nothing is there yet; true when it wrote.
bool WriteIfMissing(const QString& path, const QByteArray& bytes)
{
    if (QFileInfo::exists(path))
        return false;
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    QString reason; // registration never fails start-up: nobody is told
    return WriteFileAtomically(path, bytes, &reason);
}

// Desktop entries quote arguments with double quotes; a path with blanks or
// quotes must be quoted so the desktop runs the right program.
QString QuoteExec(const QString& executable)
{
    static const QString plain = QStringLiteral("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789/._-+");
    bool needsQuotes = false;
    for (QChar c : executable)
        needsQuotes = needsQuotes || !plain.contains(c);
    if (!needsQuotes)
        return executable;
    QString quoted = executable;
    quoted.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
    quoted.replace(QLatin1Char('"'), QStringLiteral("\\\""));
    quoted.replace(QLatin1Char('`'), QStringLiteral("\\`"));
    quoted.replace(QLatin1Char('$'), QStringLiteral("\\$"));
    quoted.replace(QLatin1Char('%'), QStringLiteral("%%"));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

void RunIfPresent(const QString& program, const QStringList& args)
{
    const QString path = QStandardPaths::findExecutable(program);
    if (path.isEmpty())
        return;
    QProcess process;
    process.setProgram(path);
    process.setArguments(args);
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    process.startDetached();
}

} // namespace

QString DesktopEntryText(const QString& executable)
{
    return QStringLiteral("[Desktop Entry]\n"
                          "Type=Application\n"
                          "Name=Ternary\n"
                          "GenericName=Ternary Diagram Editor\n"
                          "Comment=Draw ternary diagrams from tables of samples\n"
                          "Exec=%1 %f\n"
                          "Icon=ternary\n"
                          "Terminal=false\n"
                          "MimeType=application/x-ternary-plot;\n"
                          "Categories=Education;Science;Graphics;\n")
        .arg(QuoteExec(executable));
}

QString MimeTypeText()
{
    return QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                          "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
                          "  <mime-type type=\"application/x-ternary-plot\">\n"
                          "    <comment>Ternary File</comment>\n"
                          "    <sub-class-of type=\"text/plain\"/>\n"
                          "    <icon name=\"ternary\"/>\n"
                          "    <glob pattern=\"*.tpf\"/>\n"
                          "  </mime-type>\n"
                          "</mime-info>\n");
}

int RegisterShellFileTypes(const QString& executable, const QString& dataHome)
{
    // With the user's data folder, a copy anywhere the desktop looks (an
    // installed one in /usr/local/share, say) counts: a per-user copy would
    // only hide it. With a folder of the caller's, only that folder counts.
    const bool userHome = dataHome.isEmpty();
    const QString home = userHome ? QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) : dataHome;
    if (home.isEmpty())
        return 0;
    const QDir dir(home);
    auto write = [&](const QString& relative, const QByteArray& bytes) {
        if (userHome && !QStandardPaths::locate(QStandardPaths::GenericDataLocation, relative).isEmpty())
            return false;
        return WriteIfMissing(dir.filePath(relative), bytes);
    };
    const bool mime = write(QStringLiteral("mime/packages/ternary-tpf.xml"), MimeTypeText().toUtf8());
    const bool entry = write(QStringLiteral("applications/ternary.desktop"), DesktopEntryText(executable).toUtf8());
    int written = mime + entry;
    QFile icon(QStringLiteral(":/icons/ternary.svg"));
    if (icon.open(QIODevice::ReadOnly))
        written += write(QStringLiteral("icons/hicolor/scalable/apps/ternary.svg"), icon.readAll());
    // The desktop reads the MIME packages and entries through caches; refresh
    // them in the background when this run added something to the user's own
    // data folder (another folder is no business of the desktop's).
    if (!userHome)
        return written;
    if (mime)
        RunIfPresent(QStringLiteral("update-mime-database"), { dir.filePath(QStringLiteral("mime")) });
    if (entry)
        RunIfPresent(QStringLiteral("update-desktop-database"), { dir.filePath(QStringLiteral("applications")) });
    return written;
}
