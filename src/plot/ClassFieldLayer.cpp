#include "plot/ClassFieldLayer.h"

#include "analysis/ClassDiagram.h"
#include "document/CTernaryDoc.h"
#include "framework/gui/CDC.h"
#include "plot/FieldLabelPlacement.h"
#include "plot/PlotGeometry.h"
#include "plot/PlotRenderer.h"

#include <cmath>

namespace {

PlotPointF ToDevice(const PlotGeometry& geo, const FieldVertex& v)
{
    const CRect& r = geo.m_plotRect;
    const double w = r.Width(), h = r.Height();
    return { (PlotGeometry::kTan30 * h * v.top + w * v.right) * 0.01 + r.left, r.bottom - h * v.top * 0.01 };
}

std::vector<CPoint> Rounded(const std::vector<PlotPointF>& polygon)
{
    std::vector<CPoint> points;
    for (const PlotPointF& p : polygon)
        points.push_back({ TruncCoord(std::round(p.x)), TruncCoord(std::round(p.y)) });
    points.push_back(points.front());
    return points;
}

// Draws the label at the first size that fits: the name at the axis font's
// size and two smaller ones still readable, then the number likewise; a
// field too small for any is left without a label.
void DrawLabel(
    CDC& dc, const std::vector<PlotPointF>& polygon, const ClassField& field, bool numbers, const LogicalFont& font)
{
    std::vector<std::string> texts;
    if (!numbers)
        texts.push_back(field.name);
    texts.push_back(field.number);
    for (const std::string& text : texts) {
        for (double scale : { 1.0, 0.85, 0.72 }) {
            LogicalFont sized = font;
            sized.height = static_cast<int>(std::lround(font.height * scale));
            dc.SelectFont(sized);
            const int height = dc.GetTextMetrics().height;
            const CSize extent { dc.GetTextExtent(text).cx, height };
            if (const auto at = PlaceLabel(polygon, extent)) {
                dc.TextOut(at->x, at->y - height / 2, text);
                return;
            }
        }
    }
}

} // namespace

void DrawClassFields(CDC& dc, const CTernaryDoc& doc, const PlotGeometry& geometry)
{
    if (geometry.m_plotRect.IsRectEmpty())
        return;
    const auto diagram = MakeClassDiagram(doc.m_diagram);
    if (!diagram)
        return;
    std::vector<PlotPointF> plot;
    for (const PlotCorner& c : geometry.m_corners)
        plot.push_back({ double(c.x), double(c.y) });

    std::vector<std::vector<PlotPointF>> clipped;
    for (const ClassField& field : diagram->Fields()) {
        std::vector<PlotPointF> polygon;
        for (const FieldVertex& v : field.polygon)
            polygon.push_back(ToDevice(geometry, v));
        clipped.push_back(ClipToConvex(polygon, plot));
    }

    dc.BeginLayer("fields");
    const ClassDiagramSettings& settings = doc.m_diagram;
    const CPen oldPen = dc.SelectPen({ settings.lineStyle ? PS_DOT : PS_SOLID, 2, settings.lineColor });
    for (const auto& polygon : clipped)
        if (polygon.size() >= 2)
            dc.Polyline(Rounded(polygon));
    dc.SelectPen(oldPen);

    dc.BeginLayer("field labels");
    const LogicalFont oldFont = dc.GetFont();
    const int oldMode = dc.SetBkMode(TRANSPARENT);
    const unsigned oldAlign = dc.SetTextAlign(TA_CENTER | TA_TOP);
    const COLORREF oldColor = dc.SetTextColor(doc.m_axisFont.color);
    const LogicalFont font = ToLogicalFont(doc.m_axisFont);
    for (std::size_t i = 0; i < clipped.size(); ++i)
        DrawLabel(dc, clipped[i], diagram->Fields()[i], settings.labelNumbers != 0, font);
    dc.SelectFont(oldFont);
    dc.SetBkMode(oldMode);
    dc.SetTextAlign(oldAlign);
    dc.SetTextColor(oldColor);
}
