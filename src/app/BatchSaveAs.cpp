#include "app/Batch.h"
#include "app/BatchSession.h"
#include "app/CommandLine.h"

#include "analysis/ClassDiagram.h"
#include "document/SampleCsv.h"
#include "framework/core/FileAccess.h"
#include "framework/core/FileName.h"

#include <QFileInfo>

namespace {

bool WriteCsv(const CTernaryDoc& doc, const QString& path)
{
    const auto diagram = MakeClassDiagram(doc.m_diagram);
    std::function<std::string(const SampleRecord&)> classOf;
    if (diagram)
        classOf = [&diagram](const SampleRecord& s) { return diagram->ClassName(s.top, s.left, s.right); };
    const std::string csv = SamplesToCsv(doc, classOf);
    QString reason;
    if (WriteFileAtomically(path, QByteArray(csv.data(), static_cast<qsizetype>(csv.size())), &reason))
        return true;
    MessageBox(FileMessage(QStringLiteral("Unable to save the file"), path, reason), MsgIcon::Exclamation);
    return false;
}

} // namespace

int RunSaveAs(const QString& input, const QString& output, const QString& classify)
{
    BatchSession session;
    if (const QString error = SaveAsOutputError(output); !error.isEmpty()) {
        MessageBox(error);
        return ExitUsage;
    }
    if (!session.Load(input) || !ApplyClassify(session.Document(), classify))
        return ExitFailure;

    CTernaryDoc& doc = session.Document();
    const QString path = AbsoluteFileName(output);
    const bool csv = QFileInfo(output).suffix().compare(QLatin1String("csv"), Qt::CaseInsensitive) == 0;
    const bool saved = csv ? WriteCsv(doc, path) : doc.OnSaveDocument(path);
    return saved ? ExitOk : ExitFailure;
}
