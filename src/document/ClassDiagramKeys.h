#pragma once

// Row keys and the table of the classification diagram in the .tpf plot
// file, shared by its reader and writer (ClassDiagramFile.cpp).
namespace PlotFileKeys {

// PlotOptions keys, each written only when it differs from its default.
inline constexpr const char* kClassDiagram = "m_classDiagram"; // usda-texture, qap or file
inline constexpr const char* kClassLabels = "m_classLabels"; // 1: numbers instead of names
inline constexpr const char* kClassLineColor = "m_classLineColor";
inline constexpr const char* kClassLineStyle = "m_classLineStyle"; // 1: dashed
inline constexpr const char* kAxisDirection = "m_axisDirection"; // 1: clockwise

// The fields of a diagram from a file: one vertex a row, consecutive rows
// of one field name forming its polygon.
inline constexpr const char* kClassFields = "ClassFields";
inline constexpr const char* kField = "field";
inline constexpr const char* kClassFieldsColumns = "[field;top;left;right]";

} // namespace PlotFileKeys
