#pragma once

#include "document/ClassDiagramSettings.h"

#include <vector>

class CTernaryDoc;

// Titles a built-in diagram gives a plot whose titles are still the
// defaults (Top, Left, Right): Clay, Sand, Silt or Q, A, P.
bool HasDefaultTitles(const CTernaryDoc& doc);
void SetDiagramTitles(CTernaryDoc& doc, DiagramKind kind);

// Makes kind the plot's diagram, as View > Classification Diagram and
// --classify do: the default titles give way to the diagram's, and the soil
// texture triangle is read clockwise. Fields are those of a diagram from a
// file. The caller opens the undo step and updates the views.
void ChooseClassDiagram(CTernaryDoc& doc, DiagramKind kind, std::vector<FieldPolygon> fields = {});

// ChooseClassDiagram as one undo step named "Classification Diagram", then
// the table's headers and every view follow.
void ApplyClassDiagram(CTernaryDoc& doc, DiagramKind kind, std::vector<FieldPolygon> fields = {});
