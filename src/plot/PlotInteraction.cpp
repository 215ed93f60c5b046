// How the plot view answers the mouse and the keys: the hit test of the
// polygon's edges and inside, edge drags that cut the axis ranges, the pan,
// the read-out of the composition under the pointer, the sample under the
// pointer, the presses for the legend and the annotations, the double click
// that opens the options sheet, Delete and the Legend dialog key.
#include "analysis/ClassDiagram.h"
#include "document/CTernaryDoc.h"
#include "document/DocumentChange.h"
#include "framework/core/ISampleTable.h"
#include "framework/gui/CDC.h"
#include "framework/gui/CStatusBar.h"
#include "plot/AnnotationLayer.h"
#include "plot/CTernaryView.h"
#include "plot/LegendBox.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

#include <algorithm>
#include <cstdlib>

namespace {

CPoint ToPoint(const QPointF& p) { return { static_cast<int>(p.x()), static_cast<int>(p.y()) }; }

// A sample is under the pointer when both coordinates differ by less than this.
constexpr int kSampleReach = 5;

bool OpensLegendDialog(const QKeyEvent& event)
{
    if (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    const QString text = event.text();
    return !text.isEmpty() && text.at(0).isPrint();
}

} // namespace

void CTernaryView::SetHitCursor()
{
    Qt::CursorShape shape = Qt::ArrowCursor;
    switch (m_hitState) {
    case HitTopMin:
    case HitTopMax:
        shape = Qt::SizeVerCursor;
        break;
    case HitRightMax:
    case HitRightMin:
        shape = Qt::SizeFDiagCursor; // upper left to lower right
        break;
    case HitLeftMin:
    case HitLeftMax:
        shape = Qt::SizeBDiagCursor; // upper right to lower left
        break;
    case HitTextTool:
        shape = Qt::IBeamCursor;
        break;
    default:
        break;
    }
    viewport()->setCursor(shape);
}

CPoint CTernaryView::Confined(CPoint p) const
{
    return { std::clamp(p.x, 0, std::max(0, viewport()->width() - 1)),
        std::clamp(p.y, 0, std::max(0, viewport()->height() - 1)) };
}

void CTernaryView::UpdateHitState(CPoint p)
{
    m_hitState = HitTestPlot(m_geo, p);
    SetHitCursor();
}

void CTernaryView::mouseMoveEvent(QMouseEvent* event)
{
    CTernaryDoc* doc = GetDocument();
    if (!doc || !m_legend)
        return;
    CPoint p = ToPoint(event->position());
    if (m_dragging && !(event->buttons() & Qt::LeftButton)) {
        // The release went elsewhere (a window took the mouse): end the drag here.
        EndDrag();
        m_hitState = HitNothing;
        viewport()->update();
    }
    if (m_dragging)
        p = Confined(p);
    if (m_annotations->OnMouseMove(p))
        return;
    if (doc->m_drawLegend && m_legend->OnMouseMove(p))
        return;
    if (doc->m_textTool) {
        m_hitState = HitTextTool;
        SetHitCursor();
        return;
    }
    if (m_dragging)
        DragTo(p);
    else
        UpdateHitState(p);
    if (m_hitState == HitNothing || m_hitState == HitInside)
        ShowReadOut(p);
}

void CTernaryView::DragTo(CPoint p)
{
    CTernaryDoc* doc = GetDocument();
    SetHitCursor();
    if (IsEdgeHit(m_hitState)) {
        const AxisTriple axes { doc->m_topAxis, doc->m_leftAxis, doc->m_rightAxis };
        if (!ApplyEdgeDrag(m_hitState, EdgeDragValue(m_hitState, m_geo, p), m_dragStartLimits, axes))
            QApplication::beep();
    } else if (m_hitState == HitInside) {
        m_geo.m_panOffset.x = ClampCoord(static_cast<long long>(m_geo.m_panOffset.x) + p.x - m_lastPoint.x);
        m_geo.m_panOffset.y = ClampCoord(static_cast<long long>(m_geo.m_panOffset.y) + p.y - m_lastPoint.y);
        LayoutPlot();
    }
    ComputeCorners();
    m_lastPoint = p;
    viewport()->update(); // the outline at its new place over the picture of the press
}

void CTernaryView::ShowReadOut(CPoint p)
{
    ShowSampleUnder(p);
    const double top = TopFromPoint(p.y);
    const double right = RightFromPoint(p.x, p.y);
    const double left = 100.0 - top - right;
    QString text = QString::asprintf("Top = %3.0f Left = %3.0f Right = %3.0f", top, left, right);
    if (const auto diagram = MakeClassDiagram(GetDocument()->m_diagram)) {
        const std::string name = diagram->ClassName(float(top), float(left), float(right));
        if (!name.empty())
            text += QStringLiteral("  ") + QString::fromStdString(name);
    }
    CStatusBar::SetWindowStatusText(this, text);
}

void CTernaryView::ShowSampleUnder(CPoint p)
{
    CTernaryDoc* doc = GetDocument();
    const int slot = m_hitIndex.SlotNear(*doc, p, kSampleReach);
    if (slot != 0) {
        const SampleRecord& s = doc->GetSample(slot);
        for (CView* view : doc->GetViews()) {
            if (auto* table = dynamic_cast<ISampleTable*>(view))
                table->ShowSampleRow(s.row);
        }
        m_tipText = QStringLiteral("%1 {%2, %3, %4}")
                        .arg(CDC::DisplayText(s.name), QString::number(s.top, 'f', 1), QString::number(s.left, 'f', 1),
                            QString::number(s.right, 'f', 1));
        if (const auto diagram = MakeClassDiagram(doc->m_diagram)) {
            const std::string name = diagram->ClassName(s.top, s.left, s.right);
            if (!name.empty())
                m_tipText += QStringLiteral("  ") + QString::fromStdString(name);
        }
        m_lastPoint = p;
        QToolTip::showText(
            viewport()->mapToGlobal(QPoint(p.x, p.y)), m_tipText, viewport(), QRect(s.plotX - 4, s.plotY - 4, 9, 9));
        return;
    }
}

void CTernaryView::StartDrag(CPoint p)
{
    CTernaryDoc* doc = GetDocument();
    m_lastPoint = p;
    m_dragStartLimits = EdgeDragStart(m_hitState, { doc->m_topAxis, doc->m_leftAxis, doc->m_rightAxis });
    if (IsEdgeHit(m_hitState))
        doc->NameChange("Drag Edge");
    // Only the outline follows the pointer; the plot stays as it was pressed.
    m_dragPicture = viewport()->grab();
    m_dragging = true;
}

bool CTernaryView::PaintDragFeedback(QPainter& painter)
{
    if (!m_dragging || m_dragPicture.isNull())
        return false;
    painter.drawPixmap(0, 0, m_dragPicture);
    QPolygon outline;
    for (const PlotCorner& c : m_geo.m_corners)
        outline << QPoint(c.x, c.y);
    painter.setPen(QPen(Qt::black, 0));
    painter.setBrush(Qt::NoBrush);
    painter.drawPolygon(outline);
    return true;
}

void CTernaryView::mousePressEvent(QMouseEvent* event)
{
    CTernaryDoc* doc = GetDocument();
    if (!doc || !m_legend)
        return;
    const CPoint p = ToPoint(event->position());
    if (event->button() == Qt::RightButton) {
        std::unique_ptr<QMenu> menu = CreateContextMenu();
        if (QAction* chosen = menu->exec(viewport()->mapToGlobal(QPoint(p.x, p.y))))
            OnContextCommand(chosen->data().toInt());
        return;
    }
    if (event->button() != Qt::LeftButton)
        return;
    BeginPlotChange();
    if (doc->m_textTool) {
        m_hitState = HitTextTool;
        SetHitCursor();
        m_annotations->OnLButtonDown(p, true);
        viewport()->update();
        return;
    }
    if (doc->m_drawLegend && m_legend->OnLButtonDown(p)) {
        m_hitState = HitLegend;
        return;
    }
    const bool annotationTaken = m_annotations->OnLButtonDown(p, false);
    // The press point decides, as the last move would have.
    UpdateHitState(p);
    // An annotation being moved takes the moves; the plot does not pan under it.
    if (!annotationTaken && (IsEdgeHit(m_hitState) || m_hitState == HitInside))
        StartDrag(p);
    viewport()->update();
}

void CTernaryView::EndDrag()
{
    CTernaryDoc* doc = GetDocument();
    if (IsEdgeHit(m_hitState)) {
        const AxisTriple axes { doc->m_topAxis, doc->m_leftAxis, doc->m_rightAxis };
        SnapEdgeDrag(m_hitState, axes); // the press-to-release change records it
    }
    // A pan, like the zoom, is the view's and not the file's: no step, no mark.
    m_dragging = false;
    m_dragPicture = {};
}

void CTernaryView::mouseReleaseEvent(QMouseEvent* event)
{
    CTernaryDoc* doc = GetDocument();
    if (!doc || event->button() != Qt::LeftButton || !m_legend)
        return;
    CPoint p = ToPoint(event->position());
    if (m_dragging) {
        p = Confined(p);
        EndDrag();
    } else if (m_hitState == HitLegend && doc->m_drawLegend) {
        m_legend->OnLButtonUp(p);
    }
    m_annotations->OnLButtonUp(p);
    m_hitState = HitNothing;
    ComputeCorners();
    viewport()->update();
    EndPlotChange();
}

void CTernaryView::mouseDoubleClickEvent(QMouseEvent* event)
{
    CTernaryDoc* doc = GetDocument();
    if (!doc || event->button() != Qt::LeftButton || !m_legend)
        return;
    const CPoint p = ToPoint(event->position());
    DocumentChange change(doc, nullptr);
    if (m_annotations->OnLButtonDblClk(p, doc->m_textTool != 0))
        return;
    if (doc->m_drawLegend) {
        if (m_legend->OnLButtonDblClk(p))
            return;
        if (doc->m_legend.m_position.PtInRect({ p.x + m_geo.m_scrollPos.x, p.y + m_geo.m_scrollPos.y })) {
            FormatAxisAndTitles(5);
            return;
        }
    }
    FormatAxisAndTitles(NearestAxisCorner(p));
}

void CTernaryView::keyPressEvent(QKeyEvent* event)
{
    CTernaryDoc* doc = GetDocument();
    if (!doc)
        return;
    if (event->key() == Qt::Key_Delete) {
        DocumentChange change(doc, "Delete Annotation");
        if (doc->m_annotations.DeleteSelected())
            viewport()->update();
        return;
    }
    // Only a typed character asks for the Legend dialog. Navigation and
    // editing keys (arrows, pages, Esc, Enter, Tab, function keys), a
    // modifier on its own and shortcuts (Ctrl+C, Alt+F ...) do not.
    if (!OpensLegendDialog(*event)) {
        QAbstractScrollArea::keyPressEvent(event);
        return;
    }
    emit legendDialogRequested();
}
