#pragma once
// A new document drawn on the 96 dpi canvas, as recorded calls or pixels, and
// what to look for in the recording.
#include "document/CTernaryDoc.h"
#include "framework/gui/CDC.h"
#include "plot/AnnotationLayer.h"
#include "plot/LegendBox.h"
#include "plot/PlotRenderer.h"

#include <QImage>
#include <QPainter>

#include <sstream>
#include <string>
#include <vector>

template <typename Drawing> QImage PaintImage(int w, int h, Drawing draw)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        CDC dc(&painter);
        draw(dc);
    }
    return image;
}

// Every axis cut to [min, max].
struct Plot {
    CTernaryDoc doc;
    PlotGeometry geo;
    explicit Plot(float min = 0, float max = 100)
    {
        doc.OnNewDocument();
        for (AxisSettings* a : { &doc.m_topAxis, &doc.m_leftAxis, &doc.m_rightAxis }) {
            a->min = min;
            a->max = max;
        }
        geo.SetCanvasFromDpi(96);
        geo.LayoutPlot();
        Corners();
    }
    void Corners() { geo.ComputeCorners(doc.m_topAxis, doc.m_leftAxis, doc.m_rightAxis); }
    PlotRenderer Renderer() { return PlotRenderer(doc, geo); }
    void Draw(CDC& dc)
    {
        LegendBox legend(doc.m_legend);
        AnnotationLayer annotations(doc.m_annotations);
        Renderer().OnDraw(dc, annotations, legend);
    }
    // A full paint without a painter; returns the recorded primitives.
    std::vector<std::string> Record()
    {
        std::vector<std::string> log;
        CDC dc;
        dc.SetRecorder(&log);
        Draw(dc);
        return log;
    }
    QImage Paint()
    {
        return PaintImage(768, 960, [this](CDC& dc) { Draw(dc); });
    }
};

inline int Count(const std::vector<std::string>& log, const std::string& prefix)
{
    int n = 0;
    for (const std::string& line : log)
        n += line.rfind(prefix, 0) == 0;
    return n;
}

inline std::size_t FirstIndex(const std::vector<std::string>& log, const std::string& prefix)
{
    for (std::size_t i = 0; i < log.size(); ++i)
        if (log[i].rfind(prefix, 0) == 0)
            return i;
    return log.size();
}

// Where each "TextOut x y text" of the given text was drawn, in order.
inline std::vector<CPoint> TextsAt(const std::vector<std::string>& log, const std::string& text)
{
    std::vector<CPoint> points;
    for (const std::string& line : log) {
        std::istringstream in(line);
        std::string op, rest;
        CPoint p;
        in >> op >> p.x >> p.y;
        std::getline(in, rest);
        if (op == "TextOut" && rest == " " + text)
            points.push_back(p);
    }
    return points;
}
