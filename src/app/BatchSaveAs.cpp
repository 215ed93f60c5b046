#include "app/Batch.h"
#include "app/BatchSession.h"
#include "app/CommandLine.h"

#include "document/SampleCsv.h"

#include <QFileInfo>

namespace {

bool WriteCsv(const CTernaryDoc& doc, const QString& path)
{
    const std::string csv = SamplesToCsv(doc);
    QString error;
    if (BatchSession::WriteWhole(path, QByteArray(csv.data(), static_cast<qsizetype>(csv.size())), &error))
        return true;
    MessageBox(QStringLiteral("Unable to save the file \"%1\".\n%2").arg(QFileInfo(path).fileName(), error),
        MsgIcon::Exclamation);
    return false;
}

} // namespace

int RunSaveAs(const QString& input, const QString& output)
{
    BatchSession session;
    if (const QString error = SaveAsOutputError(output); !error.isEmpty()) {
        MessageBox(error);
        return ExitUsage;
    }
    if (!session.Load(input))
        return ExitFailure;

    CTernaryDoc& doc = session.Document();
    const QString path = QFileInfo(output).absoluteFilePath();
    const bool csv = QFileInfo(output).suffix().compare(QLatin1String("csv"), Qt::CaseInsensitive) == 0;
    const bool saved = csv ? WriteCsv(doc, path) : doc.OnSaveDocument(path);
    return saved ? ExitOk : ExitFailure;
}
