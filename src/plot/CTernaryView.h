#pragma once

#include "framework/core/CCmdTarget.h"
#include "framework/core/CView.h"
#include "framework/core/WinTypes.h"
#include "plot/PlotGeometry.h"

#include <QAbstractScrollArea>

#include <memory>

class AnnotationLayer;
class CDC;
class CTernaryDoc;
class IOptionsSheet;
class LegendBox;

// The plot view: draws the document's diagram on a canvas of 8 x 10 inches
// of screen units that scrolls inside the window, and lets the user move and
// edit the legend and the annotations on it. The size of the plot depends
// only on the canvas and the zoom, never on the window.
//
// OnDraw is the one drawing routine: the window, pictures and printing all
// paint through it (or through PlotRenderer with the same geometry).
class CTernaryView : public QAbstractScrollArea, public CView, public CCmdTarget {
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
    float Scale() const { return m_geo.m_scale; }
    void SetScale(float scale);
    bool CanZoomIn() const { return m_geo.m_scale < kMaxScale; }
    bool CanZoomOut() const { return m_geo.m_scale > kMinScale; }
    void ZoomIn();
    void ZoomOut();
    CPoint ScrollPos() const { return m_geo.m_scrollPos; }
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

    LegendBox* Legend() const { return m_legend.get(); }
    AnnotationLayer* Annotations() const { return m_annotations.get(); }

public slots:
    // The end-of-edit messages of the two in-place editors.
    void OnAnnotEditDone();
    void OnLegendEditDone();

signals:
    // Requests the later interaction code answers: a key other than Delete
    // (the Legend dialog).
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
    void OnScrollAction(Qt::Orientation bar, int action);
    // Lays the plot out again after a scroll, pan or zoom and repaints it.
    void Relayout();
    void EnsureLayers();

    PlotGeometry m_geo;
    std::unique_ptr<LegendBox> m_legend;
    std::unique_ptr<AnnotationLayer> m_annotations;
    IOptionsSheet* m_optionsSheet = nullptr;
    int m_hitState = 0;
    bool m_fontsCreated = false;
    bool m_settingBars = false;
};
