#pragma once

#include "framework/core/WinTypes.h"
#include "framework/gui/LogicalFont.h"

#include <QFont>
#include <QRect>
#include <QString>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

class QFontMetrics;

class QPainter;
class QPaintDevice;
class SvgWriter;

// Pen and brush as value types: selecting one returns the previous one so a
// caller restores it the way the drawing code expects.
enum PenStyle { PS_SOLID = 0, PS_DOT = 2, PS_NULL = 5 };
struct CPen {
    PenStyle style = PS_SOLID;
    int width = 1; // 0: one device pixel at any mapping (cosmetic)
    COLORREF color = RGB(0, 0, 0);
    friend bool operator==(const CPen&, const CPen&) = default;
};

enum BrushStyle { BS_SOLID = 0, BS_NULL = 1 };
struct CBrush {
    BrushStyle style = BS_SOLID;
    COLORREF color = RGB(255, 255, 255);
    friend bool operator==(const CBrush&, const CBrush&) = default;
};

// Text alignment flags: one horizontal and one vertical flag combined.
enum TextAlign : unsigned {
    TA_LEFT = 0,
    TA_TOP = 0,
    TA_RIGHT = 2,
    TA_CENTER = 6,
    TA_BOTTOM = 8,
    TA_BASELINE = 24,
};
enum BkMode { TRANSPARENT = 1, OPAQUE = 2 };
enum MapMode { MM_TEXT = 1, MM_ISOTROPIC = 7 };

struct TextMetrics {
    int ascent = 0;
    int descent = 0;
    int height = 0; // ascent + descent: the text cell
};

// A device context over QPainter with the conventions the drawing code is
// written for:
//  - integer logical coordinates; in MM_TEXT one unit is one device pixel;
//  - Rectangle, Ellipse, FillRect and FrameRect take (left, top, right,
//    bottom) with right and bottom outside the shape;
//  - LineTo draws from the current position and moves it;
//  - pen width 0 is one device pixel whatever the mapping, PS_DOT is dotted;
//  - text is placed by the alignment flags; OPAQUE background fills the text
//    cell with the background colour first;
//  - MM_ISOTROPIC scales the window extent onto the viewport extent with one
//    factor for both axes.
// The context starts with a black 1-wide pen, a white brush, black text on an
// opaque white background, TA_LEFT | TA_TOP and the default font.
//
// Without a painter the context draws nothing but still measures text and
// accumulates bounds: that is how an export finds the extent of a picture
// before drawing it. A recorder, when set, receives one line per primitive
// ("LineTo 1 2 3 4", "Ellipse 1 2 3 4", "TextOut 5 6 text", ...) in logical
// units, so tests can check exactly what a routine drew.
class CDC {
public:
    explicit CDC(QPainter* painter = nullptr);
    ~CDC();
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;

    QPainter* GetPainter() const { return m_painter; }

    // Printing contexts get a 0-wide grid pen; the flag is for the drawing code.
    bool IsPrinting() const { return m_printing; }
    void SetPrinting(bool printing) { m_printing = printing; }

    // Smooth edges for pictures drawn larger than the canvas; off by default
    // so that one-pixel lines stay crisp at 100 %.
    void SetAntialiasing(bool on);

    CPen SelectPen(const CPen& pen);
    CBrush SelectBrush(const CBrush& brush);
    LogicalFont SelectFont(const LogicalFont& font);
    const CPen& GetPen() const { return m_pen; }
    const CBrush& GetBrush() const { return m_brush; }
    const LogicalFont& GetFont() const { return m_font; }

    COLORREF SetTextColor(COLORREF color);
    COLORREF SetBkColor(COLORREF color);
    int SetBkMode(int mode);
    unsigned SetTextAlign(unsigned flags);
    COLORREF GetTextColor() const { return m_textColor; }
    int GetBkMode() const { return m_bkMode; }
    unsigned GetTextAlign() const { return m_textAlign; }

    // Mapping. Logical point p lands on viewportOrg + p * viewportExt / windowExt
    // (one factor for both axes in MM_ISOTROPIC).
    int SetMapMode(int mode);
    void SetWindowExt(CSize extent);
    void SetViewportExt(CSize extent);
    void SetViewportOrg(CPoint origin);
    double MappingScale() const;

    CPoint MoveTo(int x, int y);
    void LineTo(int x, int y);
    CPoint GetCurrentPosition() const { return m_position; }

    void Polyline(const CPoint* points, int count);
    void Polygon(const CPoint* points, int count);
    void Polyline(const std::vector<CPoint>& points) { Polyline(points.data(), static_cast<int>(points.size())); }
    void Polygon(const std::vector<CPoint>& points) { Polygon(points.data(), static_cast<int>(points.size())); }
    void Rectangle(int left, int top, int right, int bottom);
    void Rectangle(const CRect& r) { Rectangle(r.left, r.top, r.right, r.bottom); }
    void Ellipse(int left, int top, int right, int bottom);
    void FillRect(const CRect& rect, COLORREF color);
    void FrameRect(const CRect& rect, COLORREF color);

    void TextOut(int x, int y, const QString& text);
    void TextOut(int x, int y, std::string_view bytes);
    CSize GetTextExtent(const QString& text) const;
    CSize GetTextExtent(std::string_view bytes) const { return GetTextExtent(DisplayText(bytes)); }
    TextMetrics GetTextMetrics() const;

    // Text of the program's data (bytes) as shown; see DecodeText.
    static QString DisplayText(std::string_view bytes);

    // Bounds of everything drawn since the last reset, in logical units
    // (right and bottom outside); empty when nothing was drawn.
    void ResetBounds();
    CRect GetBounds() const;

    void SetRecorder(std::vector<std::string>* log) { m_recorder = log; }
    bool IsRecording() const { return m_recorder != nullptr; }
    // No painter, recorder or SVG writer: drawing only grows the bounds.
    bool OnlyMeasures() const { return !m_painter && !m_recorder && !m_svg; }
    bool IsAntialiased() const { return m_antialias; }
    // Grows the bounds as drawing inside r would, for callers that put
    // pixels on the device by other means (stamped symbols).
    void IncludeBounds(const CRect& r) { AddBounds(r.left, r.top, r.right, r.bottom); }

    // An SVG writer receives every primitive in logical units (a context
    // for it has no painter). Layers and figures mean something to it
    // only: they group the drawing ("samples", "legend") and make the
    // primitives of one figure, such as a symbol, one element.
    void SetSvgWriter(SvgWriter* svg) { m_svg = svg; }
    void BeginLayer(const char* id);
    void BeginFigure();
    void EndFigure();

private:
    void ApplyPen();
    void ApplyBrush();
    void ApplyMapping();
    void AddBounds(int left, int top, int right, int bottom);
    void AddPointsBounds(const CPoint* points, int count);
    void Record(const std::string& line);
    int PenReach() const;
    bool DrawsGlyphsAsOutlines() const;
    void DrawTextInPieces(QPoint baselineStart, const QString& text);
    // The device's area in logical units, or none when it has no edge.
    std::optional<QRect> VisibleRect() const;
    // The start of text that covers room units from its left edge.
    static QString VisiblePrefix(const QString& text, const QFontMetrics& metrics, int room);

    QPainter* m_painter;
    bool m_printing = false;
    bool m_antialias = false;
    CPen m_pen;
    CBrush m_brush;
    LogicalFont m_font;
    QFont m_qfont;
    COLORREF m_textColor = RGB(0, 0, 0);
    COLORREF m_bkColor = RGB(255, 255, 255);
    int m_bkMode = OPAQUE;
    unsigned m_textAlign = TA_LEFT | TA_TOP;
    int m_mapMode = MM_TEXT;
    CSize m_windowExt { 1, 1 };
    CSize m_viewportExt { 1, 1 };
    CPoint m_viewportOrg;
    CPoint m_position;
    bool m_hasBounds = false;
    CRect m_bounds;
    std::vector<std::string>* m_recorder = nullptr;
    SvgWriter* m_svg = nullptr;
};
