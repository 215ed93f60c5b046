#pragma once

#include "document/CTernaryDoc.h"
#include "document/PlotFile.h"

#include <memory>
#include <string>

#include <gtest/gtest.h>

inline std::unique_ptr<CTernaryDoc> LoadedDoc(const std::string& bytes)
{
    auto doc = std::make_unique<CTernaryDoc>();
    LoadPlotFileBytes(*doc, bytes);
    return doc;
}

inline std::unique_ptr<CTernaryDoc> NewDoc()
{
    auto doc = std::make_unique<CTernaryDoc>();
    doc->OnNewDocument();
    return doc;
}

// Moves every setting that neither New nor Open resets away from its
// default: the symbol size, the auto-add, auto-100, legend and text tool
// switches, the legend box with its colours, the custom colours and the
// axes' increments and label gaps.
inline void ChangeKeptSettings(CTernaryDoc& doc)
{
    doc.m_symbolSize = 7;
    doc.m_autoAdd = 0;
    doc.m_autoBalance = 0;
    doc.m_drawLegend = 0;
    doc.m_textTool = 1;
    doc.m_legend.m_position = { 10, 20, 30, 40 };
    doc.m_legend.m_backColor = RGB(1, 2, 3);
    doc.m_legend.m_lineColor = RGB(9, 9, 9);
    doc.m_customColors[3] = RGB(7, 7, 7);
    doc.m_topAxis.increment = 4;
    doc.m_rightAxis.labelGap = 2;
}

// Those settings as one text, to compare before and after.
inline std::string KeptSettings(const CTernaryDoc& doc)
{
    const CRect& box = doc.m_legend.m_position;
    return QString::asprintf("%d %d %d %d %d | %d %d %d %d | %x %x %x | %g %d", doc.m_symbolSize, doc.m_autoAdd,
        doc.m_autoBalance, doc.m_drawLegend, doc.m_textTool, box.left, box.top, box.right, box.bottom,
        doc.m_legend.m_backColor, doc.m_legend.m_lineColor, doc.m_customColors[3], double(doc.m_topAxis.increment),
        doc.m_rightAxis.labelGap)
        .toStdString();
}
