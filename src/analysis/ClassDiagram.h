#pragma once

#include "document/ClassDiagramSettings.h"
#include "document/SampleRecord.h"

#include <memory>
#include <string>
#include <vector>

// One field of a classification diagram: its name, the short number shown
// instead of the name on request ("3b"), and its polygon in percent of the
// three components, for drawing.
struct ClassField {
    std::string name;
    std::string number;
    std::vector<FieldVertex> polygon;
};

// A classification diagram: its fields and the rule that puts a sample in
// one of them. Components are closed to 100 first; a sample with an empty or
// negative component, or a sum of 0, has no class.
class ClassDiagram {
public:
    virtual ~ClassDiagram() = default;

    const std::vector<ClassField>& Fields() const { return m_fields; }
    // The field holding the sample, -1 for none.
    virtual int Classify(float top, float left, float right) const = 0;
    int Classify(const SampleRecord& sample) const { return Classify(sample.top, sample.left, sample.right); }
    // The field's name, empty for none.
    std::string ClassName(float top, float left, float right) const;

protected:
    std::vector<ClassField> m_fields;
};

// The diagram the settings choose; none for DiagramKind::None or a diagram
// from a file without fields.
std::unique_ptr<ClassDiagram> MakeClassDiagram(const ClassDiagramSettings& settings);

// The two built-in diagrams and one over polygons (first field listed wins,
// edges included).
std::unique_ptr<ClassDiagram> MakeSoilTextureDiagram();
std::unique_ptr<ClassDiagram> MakeQapDiagram();
std::unique_ptr<ClassDiagram> MakePolygonDiagram(const std::vector<FieldPolygon>& fields);
