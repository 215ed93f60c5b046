#include "framework/gui/CDC.h"
#include "framework/gui/SvgWriter.h"

#include <QFont>

#include <gtest/gtest.h>

TEST(SvgWriter, StatesItsSizeAndKeepsEveryStyleOfLineAndText)
{
    SvgWriter svg(QSize(192, 96), CPoint { 10, 5 }, 96, "a <plot>");
    svg.Line({ 0, 0 }, { 50, 0 }, CPen { PS_DOT, 1, RGB(255, 0, 0) });
    svg.Line({ 0, 10 }, { 50, 10 }, CPen { PS_SOLID, 2, RGB(0, 0, 255) });
    QFont font("DejaVu Sans");
    font.setPixelSize(12);
    font.setItalic(true);
    font.setUnderline(true);
    font.setWeight(QFont::Bold);
    svg.Text(3, 40, "x & y", font, RGB(1, 2, 3));
    EXPECT_EQ(svg.Finish().toStdString(),
        "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"no\"?>\n"
        "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"50.8mm\" height=\"25.4mm\" "
        "viewBox=\"0 0 192 96\">\n<title>a &lt;plot&gt;</title>\n<style>\n"
        "path{fill-rule:evenodd;stroke-linecap:square;stroke-linejoin:miter}\ntext{white-space:pre}\n"
        ".s0{fill:none;stroke:#ff0000;stroke-linecap:butt;stroke-dasharray:1 2}\n"
        ".s1{fill:none;stroke:#0000ff;stroke-width:2}\n"
        ".s2{font-family:'DejaVu Sans',sans-serif;font-size:12px;font-weight:700;font-style:italic;"
        "text-decoration:underline;fill:#010203}\n</style>\n<g transform=\"translate(-10 -5)\">\n<g id=\"drawing\">\n"
        "<path class=\"s0\" d=\"M0.5 0.5L50.5 0.5\"/>\n<path class=\"s1\" d=\"M0 10L50 10\"/>\n"
        "<text class=\"s2\" x=\"3\" y=\"40\">x &amp; y</text>\n</g>\n</g>\n</svg>\n");
}
