#include "plot/CTernaryView.h"

#include "document/CTernaryDoc.h"
#include "document/DocumentChange.h"
#include "framework/core/CommandIds.h"
#include "framework/gui/CDC.h"
#include "framework/gui/CStatusBar.h"
#include "plot/AnnotationLayer.h"
#include "plot/LegendBox.h"
#include "plot/PlotPicture.h"
#include "plot/PlotRenderer.h"

#include <QPainter>
#include <QScrollBar>

#include <algorithm>

CTernaryView::CTernaryView(QWidget* parent)
    : QAbstractScrollArea(parent)
{
    setObjectName(QStringLiteral("CTernaryView"));
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setMouseTracking(true);
    viewport()->setAutoFillBackground(false);
    connect(horizontalScrollBar(), &QScrollBar::actionTriggered, this,
        [this](int action) { OnScrollAction(Qt::Horizontal, action); });
    connect(verticalScrollBar(), &QScrollBar::actionTriggered, this,
        [this](int action) { OnScrollAction(Qt::Vertical, action); });
    OnCommand(ID_EDIT_COPY, [this] { CopyPicture(); });
    OnCommand(ID_COPY_BITMAP, [this] { CopyWindowBitmap(); });
    OnCommand(ID_FILE_PRINT, [this] { OnFilePrint(); });
    OnCommand(ID_FILE_PRINT_PREVIEW, [this] { OnFilePrintPreview(); });
}

CTernaryView::~CTernaryView()
{
    // The layers unhook themselves from the document's lists, unless the
    // document has already gone.
    if (!GetDocument() && m_legend) {
        m_legend->Orphan();
        m_annotations->Orphan();
    }
    m_legend.reset();
    m_annotations.reset();
    if (CTernaryDoc* doc = GetDocument()) {
        if (doc->m_plotView == this)
            doc->m_plotView = nullptr;
        doc->RemoveView(this);
    }
}

void CTernaryView::SetDocument(CTernaryDoc* doc) { doc->AddView(this); }

CTernaryDoc* CTernaryView::GetDocument() const { return static_cast<CTernaryDoc*>(CView::GetDocument()); }

void CTernaryView::EnsureLayers()
{
    CTernaryDoc* doc = GetDocument();
    if (!doc || m_legend)
        return;
    m_legend = std::make_unique<LegendBox>(doc->m_legend);
    m_annotations = std::make_unique<AnnotationLayer>(doc->m_annotations);
    m_legend->SetView(this);
    m_annotations->SetView(this);
    m_annotations->SetRefusedCharacters(QStringLiteral(";"));
}

void CTernaryView::OnInitialUpdate()
{
    CTernaryDoc* doc = GetDocument();
    if (!doc)
        return;
    doc->m_plotView = this;
    m_density.Invalidate();
    EnsureLayers();
    m_geo.m_panOffset = {};
    m_geo.m_scale = 1.0f;
    m_hitState = HitNothing;
    m_dragging = false;
    m_dragPicture = {};
    m_geo.SetCanvasFromDpi(logicalDpiX());
    m_geo.m_scrollPos = {};
    m_scrollOrigin = {};
    m_drawsBeforeOrigin = false;
    UpdateScrollBars();
    LayoutPlot();
    ComputeCorners();
    if (!m_fontsCreated) {
        m_legend->SetFont(ToLogicalFont(doc->m_legendFont));
        m_annotations->SetFont(ToLogicalFont(doc->m_annotFont));
        m_fontsCreated = true;
    }
    viewport()->update();
}

void CTernaryView::OnUpdate(CView* sender, long hint, void*)
{
    m_density.Invalidate();
    if (sender == this)
        return;
    // Undo may bring back other fonts; the rectangles come back as they were.
    CTernaryDoc* doc = GetDocument();
    if (hint == CTernaryDoc::kHintStateRestored && doc && m_legend) {
        m_legend->SetFont(ToLogicalFont(doc->m_legendFont));
        m_annotations->SetFont(ToLogicalFont(doc->m_annotFont));
    }
    ComputeCorners();
    viewport()->update();
}

void CTernaryView::RebuildFonts()
{
    CTernaryDoc* doc = GetDocument();
    if (!doc || !m_legend)
        return;
    m_legend->SetFont(ToLogicalFont(doc->m_legendFont));
    m_annotations->SetFont(ToLogicalFont(doc->m_annotFont));
    CDC measure;
    m_annotations->Layout(measure);
}

void CTernaryView::OnDraw(CDC* dc)
{
    CTernaryDoc* doc = GetDocument();
    if (!doc)
        return;
    EnsureLayers();
    PlotRenderer renderer(*doc, m_geo);
    renderer.SetDensity(m_density.For(*doc));
    renderer.OnDraw(*dc, *m_annotations, *m_legend);
    m_samplesOutside = renderer.OutsideCount();
    m_hitIndex.Build(*doc);
}

void CTernaryView::LayoutPlot()
{
    if (const CTernaryDoc* doc = GetDocument())
        m_geo.m_equilateral = doc->m_equilateral != 0;
    m_geo.LayoutPlot();
    if (m_annotations)
        m_annotations->SetScroll(m_geo.m_scrollPos);
    if (m_legend)
        m_legend->SetScroll(m_geo.m_scrollPos);
}

void CTernaryView::Relayout()
{
    LayoutPlot();
    ComputeCorners();
    viewport()->update();
}

void CTernaryView::ComputeCorners()
{
    CTernaryDoc* doc = GetDocument();
    if (!doc)
        return;
    // The triangle's shape is the document's (the options, an undo, a file).
    if (m_geo.m_equilateral != (doc->m_equilateral != 0))
        LayoutPlot();
    m_geo.ComputeCorners(doc->m_topAxis, doc->m_leftAxis, doc->m_rightAxis);
}

void CTernaryView::UpdateScrollBars()
{
    m_settingBars = true;
    const QSize client = viewport()->size();
    auto set = [](QScrollBar* bar, int origin, int range, int page, int pos) {
        // The bar's range includes its maximum; the last thumb position
        // shows the last page.
        bar->setRange(origin, std::max(origin, range + 1 - page));
        bar->setPageStep(std::max(1, page));
        bar->setValue(std::clamp(pos, origin, bar->maximum()));
        bar->setEnabled(page <= range - origin);
    };
    set(horizontalScrollBar(), m_scrollOrigin.x, m_geo.m_canvasSize.cx, client.width(), m_geo.m_scrollPos.x);
    set(verticalScrollBar(), m_scrollOrigin.y, m_geo.m_canvasSize.cy, client.height(), m_geo.m_scrollPos.y);
    m_settingBars = false;
}

void CTernaryView::Scroll(Qt::Orientation orientation, PlotGeometry::ScrollCode code, int thumb)
{
    const bool horizontal = orientation == Qt::Horizontal;
    const int max = horizontal ? m_geo.m_canvasSize.cx : m_geo.m_canvasSize.cy;
    int& current = horizontal ? m_geo.m_scrollPos.x : m_geo.m_scrollPos.y;
    const int origin = horizontal ? m_scrollOrigin.x : m_scrollOrigin.y;
    current = PlotGeometry::ScrollPosition(current, code, max, thumb, origin);
    QScrollBar* bar = horizontal ? horizontalScrollBar() : verticalScrollBar();
    m_settingBars = true;
    bar->setValue(std::min(current, bar->maximum()));
    m_settingBars = false;
    Relayout();
}

void CTernaryView::OnScrollAction(Qt::Orientation orientation, int action)
{
    if (m_settingBars)
        return;
    QScrollBar* bar = orientation == Qt::Horizontal ? horizontalScrollBar() : verticalScrollBar();
    using PG = PlotGeometry;
    PG::ScrollCode code = PG::ThumbTrack;
    switch (action) {
    case QAbstractSlider::SliderSingleStepAdd:
        code = PG::LineDown;
        break;
    case QAbstractSlider::SliderSingleStepSub:
        code = PG::LineUp;
        break;
    case QAbstractSlider::SliderPageStepAdd:
        code = PG::PageDown;
        break;
    case QAbstractSlider::SliderPageStepSub:
        code = PG::PageUp;
        break;
    case QAbstractSlider::SliderToMinimum:
        code = PG::Top;
        break;
    case QAbstractSlider::SliderToMaximum:
        code = PG::Bottom;
        break;
    case QAbstractSlider::SliderMove:
        code = PG::ThumbTrack;
        break;
    default:
        return;
    }
    const int thumb = bar->sliderPosition();
    Scroll(orientation, code, thumb);
    // The bar moves where the view's steps put it, not by its own steps.
    bar->setSliderPosition(
        std::min(orientation == Qt::Horizontal ? m_geo.m_scrollPos.x : m_geo.m_scrollPos.y, bar->maximum()));
}

void CTernaryView::scrollContentsBy(int, int)
{
    // The whole plot is repainted from the document at its new place.
}

void CTernaryView::SetPanOffset(CPoint offset)
{
    m_geo.m_panOffset = offset;
    Relayout();
}

void CTernaryView::SetScale(float scale)
{
    m_geo.m_scale = scale;
    Relayout();
}

void CTernaryView::ZoomIn() { SetScale(std::min(kMaxScale, m_geo.m_scale + kScaleStep)); }

void CTernaryView::ZoomOut() { SetScale(std::max(kMinScale, m_geo.m_scale - kScaleStep)); }

void CTernaryView::InvalidatePlot() { viewport()->update(); }

void CTernaryView::EndAnnotationEdit()
{
    if (m_annotations)
        m_annotations->EndEdit();
}

void CTernaryView::paintEvent(QPaintEvent*)
{
    QPainter painter(viewport());
    if (PaintDragFeedback(painter))
        return;
    // Measured before the paint, so the samples keep the places drawn here.
    if (m_drawsBeforeOrigin || !(m_scrollOrigin == CPoint {}))
        FitScrollOrigin();
    painter.fillRect(viewport()->rect(), Qt::white);
    CDC dc(&painter);
    OnDraw(&dc);
    ReportSamplesOutside();
    // The paint's bounds are in device units: the canvas minus the scroll.
    const CRect drawn = dc.GetBounds();
    const bool before
        = !drawn.IsRectEmpty() && (drawn.left + m_geo.m_scrollPos.x < 0 || drawn.top + m_geo.m_scrollPos.y < 0);
    if (before && !m_drawsBeforeOrigin && m_scrollOrigin == CPoint {}) {
        FitScrollOrigin();
        viewport()->update();
    }
    m_drawsBeforeOrigin = before;
}

CRect CTernaryView::FigureFrame() const
{
    CTernaryDoc* doc = GetDocument();
    if (!doc)
        return {};
    PlotGeometry unscrolled = m_geo;
    unscrolled.m_scrollPos = {};
    unscrolled.LayoutPlot();
    unscrolled.ComputeCorners(doc->m_topAxis, doc->m_leftAxis, doc->m_rightAxis);
    return PlotPicture(*doc, unscrolled).Frame();
}

void CTernaryView::FitScrollOrigin()
{
    // The scroll ranges start where a picture of the plot, unscrolled, would.
    const CRect frame = FigureFrame();
    m_figureSize = CSize { frame.Width(), frame.Height() };
    const CPoint origin { frame.left, frame.top };
    if (!GetDocument() || origin == m_scrollOrigin)
        return;
    const CPoint oldStart = m_scrollOrigin;
    m_scrollOrigin = origin;
    RestScroll(oldStart);
}

void CTernaryView::RestScroll(CPoint oldStart)
{
    const QSize client = viewport()->size();
    auto rest = [](int pos, int oldStart, int start, int figure, int client) {
        if (pos != 0 && pos != oldStart)
            return std::max(pos, start); // where the user put it, within the range
        return figure <= client ? start : std::max(0, start);
    };
    const CPoint pos { rest(m_geo.m_scrollPos.x, oldStart.x, m_scrollOrigin.x, m_figureSize.cx, client.width()),
        rest(m_geo.m_scrollPos.y, oldStart.y, m_scrollOrigin.y, m_figureSize.cy, client.height()) };
    const bool moved = !(pos == m_geo.m_scrollPos);
    m_geo.m_scrollPos = pos;
    UpdateScrollBars();
    if (moved)
        Relayout();
}

void CTernaryView::ReportSamplesOutside()
{
    if (m_samplesOutside == m_reportedOutside)
        return;
    m_reportedOutside = m_samplesOutside;
    const int n = m_samplesOutside;
    const QString text = n == 0 ? QStringLiteral("Ready")
        : n == 1                ? QStringLiteral("1 sample lies outside the axis ranges and is not drawn")
                                : QStringLiteral("%1 samples lie outside the axis ranges and are not drawn").arg(n);
    CStatusBar::SetWindowStatusText(this, text);
}

void CTernaryView::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    LayoutPlot();
    ComputeCorners();
    RestScroll(m_scrollOrigin);
}

void CTernaryView::OnAnnotEditDone()
{
    DocumentChange change(GetDocument(), nullptr);
    if (CTernaryDoc* doc = GetDocument())
        doc->m_textTool = 0;
    if (m_annotations)
        m_annotations->EndEdit();
    // The editor is gone: keys go to the plot again, not to the next pane.
    setFocus(Qt::OtherFocusReason);
    viewport()->update();
}

void CTernaryView::OnLegendEditDone()
{
    DocumentChange change(GetDocument(), nullptr);
    if (m_legend)
        m_legend->EndEdit();
    viewport()->update();
}
