#include "analysis/DiagramChoice.h"

#include "document/CTernaryDoc.h"
#include "document/DocumentChange.h"
#include "framework/core/CView.h"
#include "framework/core/ISampleTable.h"

bool HasDefaultTitles(const CTernaryDoc& doc)
{
    return doc.m_topAxis.title == "Top" && doc.m_leftAxis.title == "Left" && doc.m_rightAxis.title == "Right";
}

void SetDiagramTitles(CTernaryDoc& doc, DiagramKind kind)
{
    if (!HasDefaultTitles(doc))
        return;
    if (kind == DiagramKind::SoilTexture) {
        doc.m_topAxis.SetTitle("Clay");
        doc.m_leftAxis.SetTitle("Sand");
        doc.m_rightAxis.SetTitle("Silt");
    } else if (kind == DiagramKind::Qap) {
        doc.m_topAxis.SetTitle("Q");
        doc.m_leftAxis.SetTitle("A");
        doc.m_rightAxis.SetTitle("P");
    }
}

void ChooseClassDiagram(CTernaryDoc& doc, DiagramKind kind, std::vector<FieldPolygon> fields)
{
    ClassDiagramSettings& diagram = doc.m_diagram;
    diagram.kind = kind;
    if (kind == DiagramKind::FromFile)
        diagram.fileFields = std::move(fields);
    else
        diagram.fileFields.clear();
    if (kind == DiagramKind::SoilTexture)
        diagram.clockwise = 1;
    SetDiagramTitles(doc, kind);
}

void ApplyClassDiagram(CTernaryDoc& doc, DiagramKind kind, std::vector<FieldPolygon> fields)
{
    {
        DocumentChange change(&doc, "Classification Diagram");
        ChooseClassDiagram(doc, kind, std::move(fields));
    }
    for (CView* view : doc.GetViews())
        if (auto* table = dynamic_cast<ISampleTable*>(view))
            table->RefreshAxisHeaders();
    doc.UpdateAllViews(nullptr);
}
