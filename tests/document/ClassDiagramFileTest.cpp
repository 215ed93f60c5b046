#include "DocTestHelpers.h"

#include <gtest/gtest.h>

TEST(ClassDiagramFile, RowsAndFieldsOnlyWhenSetAndReadBackWhole)
{
    auto doc = NewDoc();
    const std::string plain = SavePlotFileBytes(*doc);
    doc->m_diagram = { DiagramKind::FromFile,
        { { "Low;er", { { 0, 100, 0 }, { 0, 0, 100 }, { 50, 0, 50 } } },
            { "Top", { { 100, 0, 0 }, { 50, 50, 0 }, { 33.25, 16.75, 50 } } } },
        1, RGB(1, 2, 3), 1, 1 };
    const std::string bytes = SavePlotFileBytes(*doc);

    std::string expected = plain;
    const std::string lastOption = "ROW=m_autoBalance;1\n";
    expected.insert(expected.find(lastOption) + lastOption.size(),
        "ROW=m_classDiagram;file\nROW=m_classLabels;1\nROW=m_classLineColor;197121\n"
        "ROW=m_classLineStyle;1\nROW=m_axisDirection;1\n");
    expected += "TABLE=ClassFields\nDELIMITER=;\nCOLUMNS=[field;top;left;right]\n"
                "ROW=Low,er;0;100;0\nROW=Low,er;0;0;100\nROW=Low,er;50;0;50\n"
                "ROW=Top;100;0;0\nROW=Top;50;50;0\nROW=Top;33.25;16.75;50\nEND\n\n";
    EXPECT_EQ(bytes, expected);

    auto loaded = LoadedDoc(bytes);
    doc->m_diagram.fileFields[0].name = "Low,er";
    EXPECT_EQ(loaded->m_diagram, doc->m_diagram);
    EXPECT_EQ(SavePlotFileBytes(*loaded), bytes);

    // Fields from a file that did not survive leave no diagram; unknown names none either.
    for (const char* row : { "ROW=m_classDiagram;file\n", "ROW=m_classDiagram;ternary-art\n" }) {
        std::string text = plain;
        text.insert(text.find(lastOption), row);
        EXPECT_EQ(LoadedDoc(text)->m_diagram, ClassDiagramSettings {}) << row;
    }
}
