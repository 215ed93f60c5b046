#include "document/CTernaryDoc.h"

#include "document/PlotFile.h"
#include "framework/core/CArchive.h"
#include "framework/core/MessageBox.h"

#include "document/DocumentChange.h"
#include "document/DocumentState.h"

#include <QUndoStack>
#include <algorithm>

CTernaryDoc::CTernaryDoc()
    : m_customColors { RGB(100, 180, 250), RGB(100, 120, 100), RGB(100, 120, 50), RGB(100, 120, 0), RGB(200, 180, 250),
        RGB(200, 250, 200), RGB(250, 200, 200), RGB(250, 250, 200), RGB(100, 250, 250), RGB(100, 230, 230),
        RGB(100, 230, 200), RGB(100, 230, 180), RGB(100, 230, 160), RGB(100, 230, 140), RGB(100, 230, 120),
        RGB(100, 230, 100) }
    , m_samples(static_cast<std::size_t>(kSampleSlots))
{
    ResetPlotSettings();
    RegisterCommands();
    RegisterDensityCommands();
}

CTernaryDoc::~CTernaryDoc() = default;

void CTernaryDoc::ResetPlotSettings()
{
    m_topAxis.SetMin(0);
    m_topAxis.SetMax(100);
    m_topAxis.SetTitle("Top");
    m_leftAxis.SetMin(0);
    m_leftAxis.SetMax(100);
    m_leftAxis.SetTitle("Left");
    m_rightAxis.SetMin(0);
    m_rightAxis.SetMax(100);
    m_rightAxis.SetTitle("Right");

    m_drawGrids = 1;
    m_equilateral = 0;
    m_drawTicks = 0;
    m_tickSide = 1;
    m_lineStyle = 0;
    m_tickLength = 6;
    m_lineColor = RGB(100, 180, 250);
    m_bgColor = RGB(255, 255, 255);
    m_diagram = {};
    m_density = {};

    for (FontSettings* font : { &m_annotFont, &m_axisFont, &m_legendFont }) {
        font->Clear();
        font->height = 14;
        font->weight = 400;
        font->SetFaceName("Arial");
    }
    m_annotFont.color = RGB(0, 100, 255);
    m_axisFont.color = RGB(0, 0, 0);
    m_legendFont.color = RGB(0, 0, 0);
}

bool CTernaryDoc::EnsureSampleSlot(int slot)
{
    if (slot < 1 || slot >= kMaxSampleSlots)
        return false;
    const int needed = std::min(slot + 2, kMaxSampleSlots);
    if (needed > m_sampleSlots) {
        // Doubling keeps a load that fills slots in order from copying the
        // records once per row.
        if (static_cast<std::size_t>(needed) > m_samples.capacity())
            m_samples.reserve(std::min<std::size_t>(
                std::max<std::size_t>(m_samples.capacity() * 2, static_cast<std::size_t>(needed)), kMaxSampleSlots));
        m_samples.resize(static_cast<std::size_t>(needed));
        m_sampleSlots = needed;
    }
    return true;
}

int CTernaryDoc::LastUsedSlot() const
{
    for (int slot = m_sampleSlots - 1; slot > 0; --slot)
        if (GetSample(slot).InUse())
            return slot;
    return 0;
}

void CTernaryDoc::DeleteContents()
{
    m_showId = 0;
    // Back to the slots of a new document; a big file's memory is given back.
    if (m_sampleSlots > kSampleSlots) {
        m_samples.resize(static_cast<std::size_t>(kSampleSlots));
        m_samples.shrink_to_fit();
        m_sampleSlots = kSampleSlots;
    }
    for (int slot = 1; slot < m_sampleSlots; ++slot)
        GetSample(slot).Empty();
    m_annotations.Clear();
    m_legend.Clear();
    // New and Open start a history of their own.
    if (m_undoStack)
        m_undoStack->clear();
    m_selectionBefore.reset();
    if (m_changeDepth == 0) {
        // The captures kept for the next change held the samples before.
        m_changeBefore.reset();
        m_changeAfter.reset();
    }
}

bool CTernaryDoc::OnNewDocument()
{
    if (!CDocument::OnNewDocument()) // empties every slot through DeleteContents
        return false;
    ResetPlotSettings();

    SampleRecord& first = GetSample(1);
    first.name = "Spl#1";
    first.top = 20;
    first.left = 30;
    first.right = 50;
    first.colorId = 3;
    first.symbolId = 0;
    first.row = 1;

    SampleRecord& second = GetSample(2);
    second.name = "Spl#2";
    second.top = 10;
    second.left = 70;
    second.right = 20;
    second.colorId = 1;
    second.symbolId = 3;
    second.row = 2;

    m_legend.AddItem(0, 3, "sample #1");
    m_legend.AddItem(3, 1, "sample #2");
    return true;
}

void CTernaryDoc::Serialize(CArchive& archive)
{
    if (archive.IsStoring())
        WritePlotFile(*this, archive);
    else
        m_loadedForeignFile = !ReadPlotFile(*this, archive);
}

bool CTernaryDoc::OnSaveDocument(const QString& path)
{
    if (!CDocument::OnSaveDocument(path))
        return false;
    if (m_undoStack)
        m_undoStack->setClean();
    return true;
}

bool CTernaryDoc::OnOpenDocument(const QString& path, QIODevice& device)
{
    if (!IsSampleFileName(path.toStdString())) {
        // A file with none of the plot's tables opens untitled: Save must
        // not write over something that was not a plot.
        m_loadedForeignFile = false;
        if (!CDocument::OnOpenDocument(path, device))
            return false;
        if (m_loadedForeignFile)
            SetPathName(QString());
        return true;
    }
    SampleFile file;
    if (!ReadSampleDevice(path, device, file))
        return false;
    CDocument::OnNewDocument(); // empty, without a file of its own, unmodified
    SetSourcePath(path);
    ResetPlotSettings();
    if (file.hasHeader) {
        AxisSettings* axes[] = { &m_topAxis, &m_leftAxis, &m_rightAxis };
        for (std::size_t i = 0; i < 3; ++i)
            axes[i]->SetTitle(file.titles[i]);
    }
    const SlotRange range = AppendSamples(*this, file.samples);
    SetModifiedFlag(false);
    if (const QString report = SampleLoadReport(path, file, range.Count()); !report.isEmpty())
        MessageBox(report, MsgIcon::Information);
    return true;
}

SlotRange CTernaryDoc::ImportSampleFile(const QString& path)
{
    SampleFile file;
    if (!ReadSampleFileAt(path, file))
        return {};
    DocumentChange change(this, "Import Samples");
    const SlotRange range = AppendSamples(*this, file.samples);
    if (const QString report = SampleLoadReport(path, file, range.Count()); !report.isEmpty())
        MessageBox(report, MsgIcon::Information);
    return range;
}
