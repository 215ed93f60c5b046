#include "app/CTernaryApp.h"

#include "analysis/DiagramChoice.h"
#include "analysis/FieldFile.h"
#include "document/CTernaryDoc.h"
#include "framework/core/CDocManager.h"
#include "framework/core/IFileDialogs.h"

bool CTernaryApp::OnDiagramFromFile()
{
    const QString path = m_docManager->FileDialogs().GetOpenFileName(QStringLiteral("Field files (*.csv *.tsv *.txt)"));
    if (path.isEmpty() || !m_doc)
        return false;
    std::vector<FieldPolygon> fields = LoadFieldFile(path);
    if (fields.empty())
        return false;
    ApplyClassDiagram(*m_doc, DiagramKind::FromFile, std::move(fields));
    return true;
}
