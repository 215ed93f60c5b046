// File > Export Density Grid: the numbers behind the density picture.
#include "app/CTernaryApp.h"

#include "analysis/DensityGridCsv.h"
#include "app/DensityCommandLine.h"
#include "document/CTernaryDoc.h"
#include "framework/core/FileAccess.h"
#include "framework/core/IFileDialogs.h"
#include "framework/core/MessageBox.h"
#include "plot/DensityLayer.h"

#include <QDir>
#include <QFileInfo>

void CTernaryApp::OnExportDensityGrid()
{
    const QString docPath = m_doc->GetNamingPath();
    const QString folder = docPath.isEmpty() ? QDir::homePath() : QFileInfo(docPath).absolutePath();
    const QString base = docPath.isEmpty() ? m_doc->GetTitle() : QFileInfo(docPath).completeBaseName();
    QString path = m_dialogs->GetSaveFileName(
        QDir(folder).filePath(base + QStringLiteral("-density.csv")), QStringLiteral("CSV Files (*.csv)"));
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".csv");

    // Counting needs a mode; the document's own settings stay as they are.
    CTernaryDoc& doc = *m_doc;
    const DensitySettings kept = doc.m_density;
    ApplyDensityRequest({ -1, 0, path }, doc);
    const std::optional<DensityGrid> grid = ComputeDensity(doc);
    doc.m_density = kept;
    const std::string csv = DensityGridCsv(*grid, doc);
    QString reason;
    if (!WriteFileAtomically(path, QByteArray::fromRawData(csv.data(), qsizetype(csv.size())), &reason))
        MessageBox(FileMessage(QStringLiteral("Unable to write the file"), path, reason));
}
