// Feeds arbitrary bytes to the plot file reader as File Open does, saves the
// result, and checks that the saved file loads and saves back to the same
// bytes. Any crash, hang, leak, sanitizer report or a mismatch is a finding.
#include "document/CTernaryDoc.h"
#include "document/PlotFile.h"
#include "framework/core/MessageBox.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const bool quiet = [] {
        SetMessageBoxHandler([](const QString&, MsgIcon, MsgButtons buttons) { return DefaultAnswer(buttons); });
        return true;
    }();
    (void)quiet;

    // Like the application, one document serves every load. What a load
    // keeps from the one before (symbol size, legend position, ...) is all
    // written to the file, so the check below holds whatever came earlier.
    static CTernaryDoc doc;
    static CTernaryDoc again;
    LoadPlotFileBytes(doc, std::string_view(reinterpret_cast<const char*>(data), size));
    const std::string first = SavePlotFileBytes(doc);

    LoadPlotFileBytes(again, first);
    const std::string second = SavePlotFileBytes(again);
    if (first != second) {
        std::fprintf(stderr, "save -> load -> save changed the file\n--- first\n%s\n--- second\n%s\n", first.c_str(),
            second.c_str());
        std::abort();
    }
    return 0;
}
