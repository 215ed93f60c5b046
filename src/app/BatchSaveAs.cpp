#include "app/Batch.h"
#include "app/CommandLine.h"

#include "document/CTernaryDoc.h"
#include "document/SampleCsv.h"
#include "framework/core/CDocManager.h"
#include "framework/core/IFileDialogs.h"
#include "framework/core/MessageBox.h"

#include <QFileInfo>
#include <QSaveFile>

#include <cstdio>

namespace {

// Batch mode has nobody to ask: the dialogs are always cancelled.
class NoFileDialogs : public IFileDialogs {
public:
    QString GetOpenFileName(const QString&) override { return {}; }
    QString GetSaveFileName(const QString&, const QString&) override { return {}; }
};

// While it lives, every message box goes to standard error as one line and
// is answered with its default button.
class MessagesToStderr {
public:
    MessagesToStderr()
    {
        m_previous = SetMessageBoxHandler([](const QString& text, MsgIcon, MsgButtons buttons) {
            QString line = text;
            line.replace(QLatin1Char('\n'), QLatin1Char(' '));
            std::fprintf(stderr, "%s\n", line.toUtf8().constData());
            return DefaultAnswer(buttons);
        });
    }
    ~MessagesToStderr() { SetMessageBoxHandler(m_previous); }
    MessagesToStderr(const MessagesToStderr&) = delete;
    MessagesToStderr& operator=(const MessagesToStderr&) = delete;

private:
    MessageBoxHandler m_previous;
};

// Writes the samples table through a temporary file, so that an existing
// file stays as it was when anything fails.
bool WriteCsv(const CTernaryDoc& doc, const QString& path)
{
    const std::string bytes = SamplesToCsv(doc);
    QSaveFile file(path);
    QString error;
    if (!file.open(QIODevice::WriteOnly))
        error = file.errorString();
    else if (file.write(bytes.data(), static_cast<qint64>(bytes.size())) != static_cast<qint64>(bytes.size()))
        error = file.errorString();
    else if (!file.commit())
        error = file.errorString();
    if (error.isEmpty())
        return true;
    file.cancelWriting();
    MessageBox(QStringLiteral("Unable to save the file \"%1\".\n%2").arg(QFileInfo(path).fileName(), error),
        MsgIcon::Exclamation);
    return false;
}

} // namespace

int RunSaveAs(const QString& input, const QString& output)
{
    MessagesToStderr messages;
    const QString type = QFileInfo(output).suffix().toLower();
    if (type != QLatin1String("tpf") && type != QLatin1String("csv")) {
        MessageBox(QStringLiteral("Cannot save as \"%1\": the name must end in .tpf or .csv.").arg(output));
        return ExitUsage;
    }

    CTernaryDoc doc;
    NoFileDialogs dialogs;
    CDocManager manager(doc, dialogs);
    if (input.isEmpty()) {
        if (!manager.OnFileNew())
            return ExitFailure;
    } else if (!manager.OpenDocumentFile(input)) {
        return ExitFailure;
    }

    const QString path = QFileInfo(output).absoluteFilePath();
    const bool saved = type == QLatin1String("csv") ? WriteCsv(doc, path) : doc.OnSaveDocument(path);
    return saved ? ExitOk : ExitFailure;
}
