#include "analysis/DiagramChoice.h"
#include "document/CTernaryDoc.h"
#include "document/PlotFile.h"

#include <QUndoStack>

#include <gtest/gtest.h>

TEST(DiagramChoice, OneUndoStepThatNamesDefaultTitlesAndTurnsSoilsClockwise)
{
    CTernaryDoc doc;
    doc.OnNewDocument();
    doc.EnableUndo();
    const std::string before = SavePlotFileBytes(doc);

    ApplyClassDiagram(doc, DiagramKind::SoilTexture);
    EXPECT_EQ(doc.m_diagram.kind, DiagramKind::SoilTexture);
    EXPECT_EQ(doc.m_diagram.clockwise, 1);
    EXPECT_EQ(doc.m_topAxis.title + doc.m_leftAxis.title + doc.m_rightAxis.title, "ClaySandSilt");
    EXPECT_EQ(doc.GetUndoStack()->undoText(), "Classification Diagram");

    // Titles that are no longer the defaults stay; the direction stays as chosen.
    ApplyClassDiagram(doc, DiagramKind::Qap);
    EXPECT_EQ(doc.m_topAxis.title, "Clay");
    EXPECT_EQ(doc.m_diagram.clockwise, 1);

    doc.GetUndoStack()->undo();
    doc.GetUndoStack()->undo();
    EXPECT_EQ(SavePlotFileBytes(doc), before);
    EXPECT_FALSE(doc.IsModified());

    doc.m_leftAxis.SetTitle("A");
    ApplyClassDiagram(doc, DiagramKind::Qap);
    EXPECT_EQ(doc.m_topAxis.title + doc.m_leftAxis.title + doc.m_rightAxis.title, "TopARight");
    EXPECT_EQ(doc.m_diagram.clockwise, 0);
}
