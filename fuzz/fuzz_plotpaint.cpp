// Feeds arbitrary bytes to the plot file reader and draws what was read, as
// the window and --export do: onto a small image and into the SVG writer.
// Any crash, hang, leak or sanitizer report is a finding.
#include "document/CTernaryDoc.h"
#include "document/PlotFile.h"
#include "framework/core/MessageBox.h"
#include "plot/PlotPicture.h"

#include <QBuffer>
#include <QGuiApplication>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static QGuiApplication* app = [] {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
        static int argc = 1;
        static char name[] = "fuzz_plotpaint";
        static char* argv[] = { name, nullptr };
        SetMessageBoxHandler([](const QString&, MsgIcon, MsgButtons buttons) { return DefaultAnswer(buttons); });
        return new QGuiApplication(argc, argv);
    }();
    (void)app;

    static CTernaryDoc doc;
    LoadPlotFileBytes(doc, std::string_view(reinterpret_cast<const char*>(data), size));
    PlotPicture picture(doc);
    picture.ToImage(0.25);
    QByteArray svg;
    QBuffer buffer(&svg);
    buffer.open(QIODevice::WriteOnly);
    picture.WriteSvg(&buffer);
    return 0;
}
