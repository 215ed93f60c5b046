#pragma once

#include "document/AnnotationList.h"
#include "document/AxisSettings.h"
#include "document/CTextTableReader.h"
#include "document/ClassDiagramSettings.h"
#include "document/DensitySettings.h"
#include "document/FontSettings.h"
#include "document/PlotLegend.h"
#include "document/SampleImport.h"
#include "document/SampleRecord.h"
#include "framework/core/CCmdTarget.h"
#include "framework/core/CDocument.h"
#include "framework/core/WinTypes.h"

#include <array>
#include <memory>
#include <string>
#include <vector>

class CTernaryTable;
class CTernaryView;
class DocumentState;
class IPlotView;
class QUndoStack;

// One ternary diagram: up to 1,000,000 samples, three axes, the plot options,
// the legend, the annotations, three fonts and the custom colours. The
// application keeps one document for its whole life and reuses it for every
// New and Open; some fields survive both (see ResetPlotSettings and
// DeleteContents). Fields are public: the views and option pages read and
// change them directly, inside a DocumentChange, which makes the change an
// undo step and marks the document modified.
//
// The document is also a command target on the frame's route: it handles the
// Options menu's toggles and symbol sizes, the two tools and the zoom
// buttons (DocumentCommands.cpp), repainting the plot through IPlotView.
class CTernaryDoc : public CDocument, public CCmdTarget {
public:
    // Slots are numbered from 1 (slot 0 is never used). There are always at
    // least kSampleSlots of them, and as many more as the highest slot in use
    // needs, up to kMaxSampleSlots.
    static constexpr int kSampleSlots = 2001;
    static constexpr int kMaxSampleSlots = 1000001;

    CTernaryDoc();
    ~CTernaryDoc() override;

    // The slot's record; callers stay within 0 .. m_sampleSlots - 1.
    SampleRecord& GetSample(int slot) { return m_samples[static_cast<std::size_t>(slot)]; }
    const SampleRecord& GetSample(int slot) const { return m_samples[static_cast<std::size_t>(slot)]; }
    // Makes room for the slot and the one after it (the table's empty row
    // past the last sample), within kMaxSampleSlots. False for a slot that
    // can never exist (below 1 or above kMaxSampleSlots - 1). Growing moves
    // the records: references to them are stale afterwards.
    bool EnsureSampleSlot(int slot);
    // The highest slot in use, 0 when none is.
    int LastUsedSlot() const;

    // Axis titles and ranges, grid and tick options and the three fonts back
    // to their defaults. Increments, label gaps and the options New keeps
    // are not touched.
    void ResetPlotSettings();

    // Empties the samples (keeping their plotted positions), the annotations
    // and the legend entries, and turns the sample names off.
    void DeleteContents() override;
    // The two sample rows and legend entries of a new diagram.
    bool OnNewDocument() override;
    // Writes or reads the .tpf plot file.
    void Serialize(CArchive& archive) override;
    // A .csv, .tsv or .txt file opens as a new untitled plot of its samples
    // (titles from its header), so that Save never writes over it; a file
    // without a sample is refused and the document left as it was. Other
    // files are plot files; one with none of the three tables a plot needs
    // opens untitled too.
    using CDocument::OnOpenDocument;
    bool OnOpenDocument(const QString& path, QIODevice& file) override;
    // Appends the samples of a CSV or TSV file after the last row in use,
    // through one AppendSamples. The slots filled; none when the file was
    // refused (a message said why). One undo step.
    SlotRange ImportSampleFile(const QString& path);
    // A saved document is the undo stack's clean state.
    bool OnSaveDocument(const QString& path) override;

    // ---- Undo (DocumentChange.cpp) ------------------------------------------
    // The hint of UpdateAllViews after an undo or redo wrote a state back;
    // the object is that DocumentState (the table rebuilds its rows).
    static constexpr long kHintStateRestored = 1;
    // Gives the document its undo stack; the window does, batch mode never.
    // From then on the modified flag follows the stack's clean state.
    void EnableUndo();
    QUndoStack* GetUndoStack() const { return m_undoStack.get(); }
    // Every change the user makes runs between BeginChange and EndChange
    // (see DocumentChange); nested pairs join the outermost one.
    void BeginChange(const char* text);
    void EndChange();
    // Names the change running now when it has no name yet (a press that
    // turns out to drag an axis edge).
    void NameChange(const char* text);
    // Writes the state back and tells every view (kHintStateRestored).
    void RestoreState(const DocumentState& state);

    // The plot view once it has had its initial update, else null.
    IPlotView* PlotView() const;
    // Repaints the plot when there is one.
    void RepaintPlot() const;
    // Grids on or off (switching them off while ticks are off turns ticks
    // on); the legend on or off. Both mark the document modified and repaint.
    void ToggleGrids();
    void ToggleLegend();

    // Not owned; each view stores itself here in its initial update.
    CTernaryView* m_plotView = nullptr;
    CTernaryTable* m_tableView = nullptr;

    int m_sampleSlots = kSampleSlots;
    int m_autoAdd = 1; // the sample table fills in the third component
    int m_autoBalance = 1; // the plot scales components to a sum of 100 while drawing
    int m_symbolSize = 5;
    int m_showId = 0; // sample names drawn beside the points
    int m_drawLegend = 1;
    int m_textTool = 0; // 1: the annotation text tool is active
    AnnotationList m_annotations;
    PlotLegend m_legend;
    int m_drawGrids = 1;
    int m_equilateral = 0; // the triangle drawn equilateral (saved only when on)
    int m_drawTicks = 0;
    int m_tickSide = 1; // 0: ticks point out of the plot polygon; 1: into it
    int m_lineStyle = 0; // 0 solid, otherwise dotted
    int m_tickLength = 6; // pixels
    COLORREF m_lineColor = RGB(100, 180, 250);
    COLORREF m_bgColor = RGB(255, 255, 255);
    CTextTableReader m_tableReader; // used only while a file loads
    std::array<COLORREF, 16> m_customColors; // offered by the colour choosers; not saved
    std::vector<SampleRecord> m_samples; // m_sampleSlots slots; slot 0 is never used
    AxisSettings m_topAxis;
    AxisSettings m_leftAxis;
    AxisSettings m_rightAxis;
    FontSettings m_annotFont;
    FontSettings m_axisFont;
    FontSettings m_legendFont;
    ClassDiagramSettings m_diagram; // classification fields and axis direction
    DensitySettings m_density;

private:
    void RegisterCommands();
    void RegisterDensityCommands(); // DensityCommands.cpp

    std::unique_ptr<QUndoStack> m_undoStack;
    int m_changeDepth = 0;
    std::unique_ptr<DocumentState> m_changeBefore;
    std::unique_ptr<DocumentState> m_changeAfter; // kept, as the one before, for the next change
    std::string m_changeText;
    std::unique_ptr<DocumentState> m_selectionBefore; // annotations before a selection not yet in a step
    bool m_loadedForeignFile = false;
};
