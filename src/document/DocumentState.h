#pragma once

#include "document/AxisSettings.h"
#include "document/ClassDiagramSettings.h"
#include "document/DensitySettings.h"
#include "document/FontSettings.h"
#include "document/SampleRecord.h"
#include "framework/core/WinTypes.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

class CTernaryDoc;

// What the file holds of a document, or a part of it: the raw material of an
// undo step. Capture takes everything; Difference keeps, of two captures, only
// the parts that differ, so a step stores the rows it touched and leaves out
// the lists and settings it did not change. Restore writes back exactly the
// parts a state holds.
//
// Left out because the file does not hold them and nothing needs them back:
// where the plot last drew a sample, which legend entry is selected, the
// legend's right and bottom (its layout recomputes them), the text tool,
// the custom colours.
class DocumentState {
public:
    struct Annotation {
        std::string text;
        CRect rect;
        int selected = 0; // saved in the file, restored, but a click that only selects is no change
    };
    struct LegendEntry {
        int symbolId = -1;
        int colorId = -1;
        std::string text;
        int useCount = 1;
    };
    struct Legend {
        std::vector<LegendEntry> entries;
        std::string lastRemovedText; // a later new pair takes this text
    };
    // Axes, plot options, fonts and the legend box's stored settings.
    struct Settings {
        AxisSettings topAxis, leftAxis, rightAxis;
        int drawGrids = 0, drawTicks = 0, tickSide = 0, lineStyle = 0, tickLength = 0;
        COLORREF lineColor = 0, bgColor = 0;
        int symbolSize = 0, showId = 0, autoAdd = 0, autoBalance = 0, drawLegend = 0, equilateral = 0;
        FontSettings annotFont, axisFont, legendFont;
        CPoint legendPos; // left and top of the legend box, canvas units
        COLORREF legendBackColor = 0, legendLineColor = 0;
        int legendShadow = 0;
        ClassDiagramSettings diagram;
        DensitySettings density;
    };

    // The whole document.
    static DocumentState Capture(const CTernaryDoc& doc);
    // The same into state, whose samples' room is used again.
    static void CaptureInto(const CTernaryDoc& doc, DocumentState& state);
    // Of two captures of the same document, the parts that differ: the
    // changed sample rows, and the legend, the annotations and the settings
    // only where they changed. Both results hold the same parts.
    static std::pair<DocumentState, DocumentState> Difference(const DocumentState& before, const DocumentState& after);

    bool IsEmpty() const { return m_samples.empty() && !m_legend && !m_annotations && !m_settings; }
    // Writes the parts this state holds into the document. In-place edits on
    // the plot must have ended (the lists' end-edit hooks run first anyway).
    void Restore(CTernaryDoc& doc) const;

    // True when the annotations of two captures differ in their selected
    // flags only (a click that selects is no step of its own).
    static bool SelectionDiffers(const DocumentState& before, const DocumentState& after);
    // Takes the annotations part of another state (a capture holds it).
    void TakeAnnotations(const DocumentState& from) { m_annotations = from.m_annotations; }

    // Rows whose records this state holds, in ascending order.
    std::vector<int> Rows() const;
    bool HasSettings() const { return m_settings.has_value(); }

    // A short name for the change from before to after ("Move Legend",
    // "Edit Annotation" ...), for changes made on the plot whose kind the
    // caller did not name.
    static const char* Describe(const DocumentState& before, const DocumentState& after);

private:
    std::vector<std::pair<int, SampleRecord>> m_samples; // (slot, record), ascending
    std::optional<Legend> m_legend;
    std::optional<std::vector<Annotation>> m_annotations;
    std::optional<Settings> m_settings;
};
