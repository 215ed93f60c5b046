#include "app/Batch.h"

#include "analysis/DiagramChoice.h"
#include "analysis/FieldFile.h"
#include "document/CTernaryDoc.h"

bool ApplyClassify(CTernaryDoc& doc, const QString& classify)
{
    if (classify.isEmpty())
        return true;
    if (classify == QLatin1String(kSoilTextureName)) {
        ChooseClassDiagram(doc, DiagramKind::SoilTexture);
    } else if (classify == QLatin1String(kQapName)) {
        ChooseClassDiagram(doc, DiagramKind::Qap);
    } else {
        std::vector<FieldPolygon> fields = LoadFieldFile(classify);
        if (fields.empty())
            return false;
        ChooseClassDiagram(doc, DiagramKind::FromFile, std::move(fields));
    }
    return true;
}
