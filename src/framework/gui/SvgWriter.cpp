#include "framework/gui/SvgWriter.h"

#include "framework/gui/CDC.h"

#include <QFont>
#include <QFontInfo>
#include <QRegularExpression>

#include <algorithm>
#include <charconv>
#include <cstdio>

namespace {

std::string Hex(COLORREF c)
{
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "#%02x%02x%02x", GetRValue(c), GetGValue(c), GetBValue(c));
    return buffer;
}

void AppendInt(std::string& out, int v)
{
    char buffer[16];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, v).ptr;
    out.append(buffer, end);
}

void AppendNumber(std::string& out, double v)
{
    char buffer[32];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, v, std::chars_format::general, 6).ptr;
    out.append(buffer, end);
}

// Text as XML character data or attribute value. Control characters,
// which a file's texts may hold but XML does not allow, become spaces.
std::string Escaped(const QString& text)
{
    std::string out;
    for (char c : text.toStdString()) {
        if (static_cast<unsigned char>(c) < 0x20 && c != '\t') {
            out += ' ';
            continue;
        }
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

std::string FillStyle(const CBrush& brush) { return brush.style == BS_NULL ? "fill:none" : "fill:" + Hex(brush.color); }

} // namespace

SvgWriter::SvgWriter(QSize size, CPoint origin, double unitsPerInch, const QString& title)
    : m_size(size)
    , m_origin(origin)
    , m_unitsPerInch(unitsPerInch)
    , m_title(title)
{
    m_layers.push_back({ "drawing", {}, {} });
}

void SvgWriter::BeginLayer(const char* id)
{
    for (size_t i = 0; i < m_layers.size(); ++i) {
        if (m_layers[i].id == id) {
            m_current = i;
            return;
        }
    }
    // The first layer takes over the default one while it is still empty.
    if (m_layers.size() == 1 && m_layers[0].body.empty() && m_layers[0].pending.d.empty()) {
        m_layers[0].id = id;
        m_current = 0;
        return;
    }
    m_layers.push_back({ id, {}, {} });
    m_current = m_layers.size() - 1;
}

void SvgWriter::BeginFigure()
{
    Flush(Current());
    m_inFigure = true;
}

void SvgWriter::EndFigure()
{
    m_inFigure = false;
    Flush(Current());
}

SvgWriter::Layer& SvgWriter::Current() { return m_layers[m_current]; }

bool SvgWriter::OddStroke(const CPen& pen) const { return pen.style != PS_NULL && std::max(1, pen.width) % 2 == 1; }

std::string SvgWriter::StrokeStyle(const CPen& pen) const
{
    if (pen.style == PS_NULL)
        return "stroke:none";
    std::string style = "stroke:" + Hex(pen.color);
    if (pen.width > 1) {
        style += ";stroke-width:";
        AppendInt(style, pen.width);
    }
    if (pen.style == PS_DOT)
        style += ";stroke-linecap:butt;stroke-dasharray:1 2";
    return style;
}

void SvgWriter::Coord(std::string& d, int v) const
{
    AppendInt(d, v);
    if (m_half)
        d += ".5";
}

void SvgWriter::Shape(const std::string& style, const std::string& d, bool mergeable)
{
    Layer& layer = Current();
    Pending& pending = layer.pending;
    if (!pending.d.empty()) {
        // Lines enclose nothing, so in a figure they join a filled shape of
        // the same stroke (the plus through a circle symbol).
        const auto stroke = [](const std::string& st) { return st.substr(st.find(';') + 1); };
        const bool sameStyle
            = pending.style == style || (m_inFigure && mergeable && stroke(pending.style) == stroke(style));
        if (sameStyle && (m_inFigure || (mergeable && pending.mergeable))) {
            pending.d += d;
            return;
        }
    }
    Flush(layer);
    pending = { style, d, mergeable };
}

void SvgWriter::Flush(Layer& layer)
{
    Pending& pending = layer.pending;
    if (pending.d.empty())
        return;
    layer.body += "<path class=\"";
    layer.body += ClassOf(pending.style);
    layer.body += "\" d=\"";
    layer.body += pending.d;
    layer.body += "\"/>\n";
    pending = {};
}

const std::string& SvgWriter::ClassOf(const std::string& style)
{
    auto it = m_classes.find(style);
    if (it == m_classes.end()) {
        it = m_classes.emplace(style, "s" + std::to_string(m_classes.size())).first;
        m_classOrder.push_back(&it->first);
    }
    return it->second;
}

void SvgWriter::Line(CPoint from, CPoint to, const CPen& pen)
{
    if (pen.style == PS_NULL)
        return;
    m_half = OddStroke(pen);
    std::string d = "M";
    Coord(d, from.x);
    d += ' ';
    Coord(d, from.y);
    d += 'L';
    Coord(d, to.x);
    d += ' ';
    Coord(d, to.y);
    Shape("fill:none;" + StrokeStyle(pen), d, true);
}

void SvgWriter::Polyline(const CPoint* points, int count, const CPen& pen)
{
    if (pen.style == PS_NULL || count < 2)
        return;
    m_half = OddStroke(pen);
    std::string d;
    for (int i = 0; i < count; ++i) {
        d += i == 0 ? 'M' : 'L';
        Coord(d, points[i].x);
        d += ' ';
        Coord(d, points[i].y);
    }
    Shape("fill:none;" + StrokeStyle(pen), d, true);
}

void SvgWriter::Polygon(const CPoint* points, int count, const CPen& pen, const CBrush& brush)
{
    if (count < 2)
        return;
    m_half = OddStroke(pen);
    std::string d;
    for (int i = 0; i < count; ++i) {
        d += i == 0 ? 'M' : 'L';
        Coord(d, points[i].x);
        d += ' ';
        Coord(d, points[i].y);
    }
    d += 'Z';
    Shape(FillStyle(brush) + ';' + StrokeStyle(pen), d, false);
}

void SvgWriter::Rectangle(const CRect& r, const CPen& pen, const CBrush& brush)
{
    if (r.right - r.left < 1 || r.bottom - r.top < 1)
        return;
    // The outline runs from (left, top) to (right - 1, bottom - 1).
    m_half = OddStroke(pen);
    std::string d = "M";
    Coord(d, r.left);
    d += ' ';
    Coord(d, r.top);
    d += 'H';
    Coord(d, r.right - 1);
    d += 'V';
    Coord(d, r.bottom - 1);
    d += 'H';
    Coord(d, r.left);
    d += 'Z';
    Shape(FillStyle(brush) + ';' + StrokeStyle(pen), d, false);
}

void SvgWriter::Ellipse(const CRect& r, const CPen& pen, const CBrush& brush)
{
    if (r.right - r.left < 1 || r.bottom - r.top < 1)
        return;
    const double offset = OddStroke(pen) ? 0.5 : 0.0;
    const double rx = (r.right - r.left - 1) / 2.0, ry = (r.bottom - r.top - 1) / 2.0;
    const double cy = r.top + offset + ry;
    // Two half arcs from the left end to the right and back.
    std::string d = "M";
    AppendNumber(d, r.left + offset);
    d += ' ';
    AppendNumber(d, cy);
    for (double dx : { 2 * rx, -2 * rx }) {
        d += 'a';
        AppendNumber(d, rx);
        d += ' ';
        AppendNumber(d, ry);
        d += " 0 1 0 ";
        AppendNumber(d, dx);
        d += " 0";
    }
    d += 'Z';
    Shape(FillStyle(brush) + ';' + StrokeStyle(pen), d, false);
}

void SvgWriter::FillRect(const CRect& r, COLORREF color)
{
    m_half = false;
    std::string d = "M";
    Coord(d, r.left);
    d += ' ';
    Coord(d, r.top);
    d += 'H';
    Coord(d, r.right);
    d += 'V';
    Coord(d, r.bottom);
    d += 'H';
    Coord(d, r.left);
    d += 'Z';
    Shape("fill:" + Hex(color) + ";stroke:none", d, false);
}

void SvgWriter::FrameRect(const CRect& r, COLORREF color)
{
    Rectangle(r, CPen { PS_SOLID, 1, color }, CBrush { BS_NULL, 0 });
}

void SvgWriter::Text(int left, int baseline, const QString& text, const QFont& font, COLORREF color)
{
    // A face name comes from the file: keep it from ending the CSS string or rule.
    QString family = font.family();
    family.remove(QRegularExpression(QStringLiteral("['\"\\\\{};<>&]")));
    std::string style = "font-family:'" + Escaped(family) + "',sans-serif;font-size:";
    AppendInt(style, font.pixelSize() > 0 ? font.pixelSize() : QFontInfo(font).pixelSize());
    style += "px";
    if (font.weight() != QFont::Normal) {
        style += ";font-weight:";
        AppendInt(style, font.weight());
    }
    if (font.italic())
        style += ";font-style:italic";
    if (font.underline() || font.strikeOut())
        style += font.underline() ? ";text-decoration:underline" : ";text-decoration:line-through";
    style += ";fill:" + Hex(color);
    Layer& layer = Current();
    Flush(layer);
    layer.body += "<text class=\"";
    layer.body += ClassOf(style);
    layer.body += "\" x=\"";
    AppendInt(layer.body, left);
    layer.body += "\" y=\"";
    AppendInt(layer.body, baseline);
    layer.body += "\">";
    layer.body += Escaped(text);
    layer.body += "</text>\n";
}

QByteArray SvgWriter::Finish()
{
    for (Layer& layer : m_layers)
        Flush(layer);
    std::string out = "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"no\"?>\n"
                      "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"";
    AppendNumber(out, m_size.width() * 25.4 / m_unitsPerInch);
    out += "mm\" height=\"";
    AppendNumber(out, m_size.height() * 25.4 / m_unitsPerInch);
    out += "mm\" viewBox=\"0 0 ";
    AppendInt(out, m_size.width());
    out += ' ';
    AppendInt(out, m_size.height());
    out += "\">\n<title>" + Escaped(m_title)
        + "</title>\n<style>\n"
          "path{fill-rule:evenodd;stroke-linecap:square;stroke-linejoin:miter}\n"
          "text{white-space:pre}\n";
    for (const std::string* style : m_classOrder) {
        out += '.';
        out += m_classes[*style];
        out += '{';
        out += *style;
        out += "}\n";
    }
    out += "</style>\n";
    const bool shifted = m_origin.x != 0 || m_origin.y != 0;
    if (shifted) {
        out += "<g transform=\"translate(";
        AppendInt(out, -m_origin.x);
        out += ' ';
        AppendInt(out, -m_origin.y);
        out += ")\">\n";
    }
    for (const Layer& layer : m_layers) {
        if (layer.body.empty())
            continue;
        out += "<g id=\"" + layer.id + "\">\n";
        out += layer.body;
        out += "</g>\n";
    }
    if (shifted)
        out += "</g>\n";
    out += "</svg>\n";
    return QByteArray(out.data(), static_cast<qsizetype>(out.size()));
}
