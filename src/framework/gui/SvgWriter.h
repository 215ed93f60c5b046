#pragma once

#include "framework/core/WinTypes.h"

#include <QByteArray>
#include <QSize>
#include <QString>

#include <string>
#include <unordered_map>
#include <vector>

class QFont;
struct CBrush;
struct CPen;

// An SVG picture written directly from CDC's primitives, for files a vector
// editor opens as the program drew them and that stay small: every style
// (pen and brush, font and colour) is one CSS class; the drawing is split
// into layers, each a group with an id (in the order each layer was first
// used); the primitives of one figure (a sample's symbol) are one path, and
// runs of lines in one pen are one path as well. Text stays <text> with its
// font family, size and colour.
//
// Coordinates are CDC's logical units at scale 1; origin is the logical
// point that becomes the picture's top-left corner; unitsPerInch sets the
// width and height the file states in millimetres. Strokes sit on pixel
// centres as the aliased screen drawing does.
class SvgWriter {
public:
    SvgWriter(QSize size, CPoint origin, double unitsPerInch, const QString& title);

    // Further drawing goes into the layer of this id.
    void BeginLayer(const char* id);
    // The primitives until EndFigure become one element where their styles agree.
    void BeginFigure();
    void EndFigure();

    void Line(CPoint from, CPoint to, const CPen& pen);
    void Polyline(const CPoint* points, int count, const CPen& pen);
    void Polygon(const CPoint* points, int count, const CPen& pen, const CBrush& brush);
    void Rectangle(const CRect& r, const CPen& pen, const CBrush& brush);
    void Ellipse(const CRect& r, const CPen& pen, const CBrush& brush);
    void FillRect(const CRect& r, COLORREF color);
    void FrameRect(const CRect& r, COLORREF color);
    // Text whose baseline starts at (left, baseline).
    void Text(int left, int baseline, const QString& text, const QFont& font, COLORREF color);

    // The whole document.
    QByteArray Finish();

private:
    struct Pending {
        std::string style;
        std::string d;
        bool mergeable = false;
    };
    struct Layer {
        std::string id;
        std::string body;
        Pending pending;
    };

    void Shape(const std::string& style, const std::string& d, bool mergeable);
    void Flush(Layer& layer);
    const std::string& ClassOf(const std::string& style);
    Layer& Current();
    // Stroke coordinates: on the pixel centre for odd widths.
    void Coord(std::string& d, int v) const;
    std::string StrokeStyle(const CPen& pen) const;
    bool OddStroke(const CPen& pen) const;

    QSize m_size;
    CPoint m_origin;
    double m_unitsPerInch;
    QString m_title;
    std::vector<Layer> m_layers;
    size_t m_current = 0;
    bool m_inFigure = false;
    bool m_half = false; // coordinates of the shape being built get +0.5
    std::unordered_map<std::string, std::string> m_classes;
    std::vector<const std::string*> m_classOrder;
};
