#pragma once

#include "document/IPlotView.h"
#include "framework/core/CCmdTarget.h"
#include "framework/core/CView.h"
#include "framework/core/WinTypes.h"
#include "plot/DensityLayer.h"
#include "plot/EdgeDrag.h"
#include "plot/PlotGeometry.h"
#include "plot/SampleHitIndex.h"

#include <QAbstractScrollArea>
#include <QPixmap>

#include <memory>

class AnnotationLayer;
class CDC;
class CTernaryDoc;
class IOptionsSheet;
class LegendBox;
class QMenu;

// The plot view: draws the document's diagram on a canvas of 8 x 10 inches
// of screen units that scrolls inside the window, and lets the user move and
// edit the legend and the annotations on it. The size of the plot depends
// only on the canvas and the zoom, never on the window.
//
// OnDraw is the one drawing routine: the window, pictures and printing all
// paint through it (or through PlotRenderer with the same geometry).
//
// The mouse, the keys and the context menu are answered in
// PlotInteraction.cpp and PlotContextMenu.cpp: edge drags that cut the axis
// ranges, the pan, the read-out, the sample under the pointer, presses for
// the legend and the annotations, the text tool.
class CTernaryView : public QAbstractScrollArea, public CView, public CCmdTarget, public IPlotView {
    Q_OBJECT
public:
    static constexpr float kMinScale = 0.4f;
    static constexpr float kMaxScale = 4.0f;
    static constexpr float kScaleStep = 0.2f;

    explicit CTernaryView(QWidget* parent = nullptr);
    ~CTernaryView() override;

    // Attaches the view to its document (once; the document keeps it).
    void SetDocument(CTernaryDoc* doc);
    CTernaryDoc* GetDocument() const;

    // CView
    void OnInitialUpdate() override;
    void OnUpdate(CView* sender, long hint, void* hintObject) override;
    // Ends the annotation and legend editors as Enter would (CTernaryViewEdits.cpp).
    void FinishEdits() override;
    // Moves the legend box and every annotation that lies off the canvas
    // back onto it, as one undo step.
    void BringIntoView();
    // Zooms and pans so that the plot polygon of the document's ranges fills
    // the triangle's place (as the zoom buttons do, not a change to the file).
    void FrameAxes();

    // Paints the whole diagram on dc with the current geometry.
    void OnDraw(CDC* dc);

    // The geometry every drawing and hit test uses.
    const PlotGeometry& Geometry() const { return m_geo; }
    CRect ComputeBaseRect() const { return m_geo.ComputeBaseRect(); }
    void LayoutPlot();
    void ComputeCorners();
    void UpdateScrollBars();
    int PlotX(float top, float right) const { return m_geo.PlotX(top, right); }
    int PlotY(float top) const { return m_geo.PlotY(top); }
    double TopFromPoint(int y) const { return m_geo.TopFromPoint(y); }
    double RightFromPoint(int x, int y) const { return m_geo.RightFromPoint(x, y); }
    double LeftFromPoint(int x, int y) const { return m_geo.LeftFromPoint(x, y); }
    int NearestAxisCorner(CPoint p) const { return m_geo.NearestAxisCorner(p); }
    static bool NearSegment(CPoint p, CPoint a, CPoint b) { return PlotGeometry::NearSegment(p, a, b); }

    // Pan, zoom and scroll operations for the commands; each lays the plot
    // out again and repaints.
    CPoint PanOffset() const { return m_geo.m_panOffset; }
    void SetPanOffset(CPoint offset);
    float Scale() const override { return m_geo.m_scale; }
    void SetScale(float scale);
    bool CanZoomIn() const { return m_geo.m_scale < kMaxScale; }
    bool CanZoomOut() const { return m_geo.m_scale > kMinScale; }
    // Steps of 0.2 (single precision), held to 0.4 .. 4.0.
    void ZoomIn() override;
    void ZoomOut() override;
    // IPlotView
    void InvalidatePlot() override;
    void EndAnnotationEdit() override;
    CPoint ScrollPos() const { return m_geo.m_scrollPos; }
    // Where scrolling starts: the canvas origin, or 20 units beyond anything
    // the last paint drew left of or above it (a long left title), as a
    // picture's frame does.
    CPoint ScrollOrigin() const { return m_scrollOrigin; }
    // What a picture of the plot holds, unscrolled, in the view's units.
    CRect FigureFrame() const;
    // Applies a scroll request to one bar as the view's scroll steps define.
    void Scroll(Qt::Orientation bar, PlotGeometry::ScrollCode code, int thumb = 0);

    // After the options changed the fonts: the legend and annotation fonts
    // are rebuilt from the document and every annotation's rectangle is
    // fitted to its text. (Each paint takes the axis font, and the legend
    // and annotation fonts, from the document, so a file's fonts show at once.)
    void RebuildFonts();

    // Opens the options sheet with the given page in front: 0 to 2 the top,
    // left and right axes, 3 the grids, 4 the fonts, 5 the legend. On OK
    // every value goes back into the document, which is marked modified;
    // the fonts are rebuilt, the table's headers refreshed, every view
    // updated and the plot laid out again. Nothing without an installed sheet.
    void FormatAxisAndTitles(int page);
    // The sheet FormatAxisAndTitles runs (not owned; the application's).
    void SetOptionsSheet(IOptionsSheet* sheet) { m_optionsSheet = sheet; }

    // Copy picture: the client area as a raster image and as SVG and PDF
    // drawings to the clipboard (PlotClipboard.cpp). Copy window as bitmap:
    // the raster image alone.
    void CopyPicture();
    void CopyWindowBitmap();
    // Copy Figure: the picture File Export Picture writes (its frame covers
    // everything drawn, unscrolled, at zoom 1) as an image, SVG and PDF.
    void CopyFigure();
    // Print and Print Preview of the plot, unscrolled (PlotPrinting.cpp).
    void OnFilePrint();
    void OnFilePrintPreview();

    LegendBox* Legend() const { return m_legend.get(); }
    AnnotationLayer* Annotations() const { return m_annotations.get(); }

    // ---- Interaction (PlotInteraction.cpp) ------------------------------
    // What the pointer is over (PlotHit) and whether a drag runs.
    int HitState() const { return m_hitState; }
    bool IsDragging() const { return m_dragging; }
    // The text of the sample tooltip last shown, "name {top, left, right}".
    const QString& SampleTipText() const { return m_tipText; }
    // Samples the axis ranges cut off in the last paint; the status bar
    // says how many whenever the number changes.
    int SamplesOutside() const { return m_samplesOutside; }

    // ---- Context menu (PlotContextMenu.cpp) -----------------------------
    // The eight items of the right-click menu, with the texts the grid and
    // legend states give them; each item's data is its command number.
    std::unique_ptr<QMenu> CreateContextMenu();
    // Runs one of the context menu's commands.
    void OnContextCommand(int id);
    // Every axis back to 0 .. 100 by 10, no pan, zoom 1.
    void ResetAxes();

public slots:
    // The end-of-edit messages of the two in-place editors.
    void OnAnnotEditDone();
    void OnLegendEditDone();

signals:
    // A typed character (no navigation or editing key, no Ctrl, Alt or
    // Meta combination): the frame opens the Legend dialog, which lives
    // above the plot.
    void legendDialogRequested();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // Mouse move steps: the hit test and cursor, one drag step, the read-out.
    void UpdateHitState(CPoint p);
    void DragTo(CPoint p);
    void ShowReadOut(CPoint p);
    void ShowSampleUnder(CPoint p);
    void StartDrag(CPoint p);
    void EndDrag();
    // The pointer of a drag stays on the view: points are held to its client area.
    CPoint Confined(CPoint p) const;
    void SetHitCursor();
    void ReportSamplesOutside();
    // Moves the scroll ranges' start to cover what the plot draws left of
    // or above the canvas origin (a measuring paint of the unscrolled plot).
    void FitScrollOrigin();
    // An untouched view (at the canvas origin or at oldStart) rests at the
    // figure's start on each axis where the whole figure fits the view, else
    // at the canvas origin, which keeps the triangle and the legend in view.
    void RestScroll(CPoint oldStart);
    // During a drag: the picture of the plot from the press, with the
    // polygon's outline where the drag has put it. False when no drag runs.
    bool PaintDragFeedback(QPainter& painter);

    void OnScrollAction(Qt::Orientation bar, int action);
    // Lays the plot out again after a scroll, pan or zoom and repaints it.
    void Relayout();
    void EnsureLayers();
    // A change made with the mouse runs from the button press to its
    // release: moving the legend or an annotation, or the edit a press ends.
    void BeginPlotChange();
    void EndPlotChange();

    PlotGeometry m_geo;
    std::unique_ptr<LegendBox> m_legend;
    std::unique_ptr<AnnotationLayer> m_annotations;
    IOptionsSheet* m_optionsSheet = nullptr;
    int m_hitState = HitNothing;
    bool m_dragging = false;
    CPoint m_lastPoint;
    DragStartLimits m_dragStartLimits;
    QPixmap m_dragPicture;
    QString m_tipText;
    SampleHitIndex m_hitIndex; // the samples as the last paint of the window put them
    DensityCache m_density; // dropped whenever the document tells of a change
    bool m_fontsCreated = false;
    bool m_settingBars = false;
    bool m_changeOpen = false;
    CPoint m_scrollOrigin;
    CSize m_figureSize; // of the frame the scroll origin was last fitted to
    bool m_drawsBeforeOrigin = false; // the last paint drew left of or above the origin
    int m_samplesOutside = 0;
    int m_reportedOutside = 0;
};
