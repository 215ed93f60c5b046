#include "analysis/ClassDiagram.h"

std::string ClassDiagram::ClassName(float top, float left, float right) const
{
    const int field = Classify(top, left, right);
    return field < 0 ? std::string() : m_fields[static_cast<std::size_t>(field)].name;
}

std::unique_ptr<ClassDiagram> MakeClassDiagram(const ClassDiagramSettings& settings)
{
    switch (settings.kind) {
    case DiagramKind::SoilTexture:
        return MakeSoilTextureDiagram();
    case DiagramKind::Qap:
        return MakeQapDiagram();
    case DiagramKind::FromFile:
        if (!settings.fileFields.empty())
            return MakePolygonDiagram(settings.fileFields);
        return nullptr;
    default:
        return nullptr;
    }
}
