// Feeds arbitrary bytes to File Open as a CSV file of samples, writes the
// samples as --save-as x.csv does, opens that, and checks that it writes the
// same bytes again. Any crash, hang, leak, sanitizer report or a mismatch is
// a finding.
#include "document/CTernaryDoc.h"
#include "document/SampleCsv.h"
#include "framework/core/MessageBox.h"

#include <QBuffer>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

bool OpenCsv(CTernaryDoc& doc, std::string_view bytes)
{
    QByteArray data = QByteArray::fromRawData(bytes.data(), static_cast<qsizetype>(bytes.size()));
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    return doc.OnOpenDocument(QStringLiteral("/fuzz/samples.csv"), buffer);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const bool quiet = [] {
        SetMessageBoxHandler([](const QString&, MsgIcon, MsgButtons buttons) { return DefaultAnswer(buttons); });
        return true;
    }();
    (void)quiet;

    static CTernaryDoc doc;
    static CTernaryDoc again;
    if (!OpenCsv(doc, std::string_view(reinterpret_cast<const char*>(data), size)))
        return 0; // no samples in it: nothing to write
    const std::string first = SamplesToCsv(doc);
    const bool reopened = OpenCsv(again, first);
    const std::string second = reopened ? SamplesToCsv(again) : std::string();
    if (first != second) {
        std::fprintf(stderr, "write -> read -> write changed the samples\n--- first\n%s\n--- second\n%s\n",
            first.c_str(), second.c_str());
        std::abort();
    }
    return 0;
}
