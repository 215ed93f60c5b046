// Pastes arbitrary text into the sample table at row 1, name column, as
// Edit Paste does, and checks that the document holds what the table
// shows: the name of every row the paste reached. Any crash, hang, leak,
// sanitizer report or a mismatch is a finding.
#include "document/CTernaryDoc.h"
#include "framework/core/MessageBox.h"
#include "framework/core/TextEncoding.h"
#include "tables/CTernaryTable.h"

#include <QApplication>
#include <QClipboard>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static QApplication* app = [] {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
        static int argc = 1;
        static char name[] = "fuzz_paste";
        static char* argv[] = { name, nullptr };
        SetMessageBoxHandler([](const QString&, MsgIcon, MsgButtons buttons) { return DefaultAnswer(buttons); });
        return new QApplication(argc, argv);
    }();
    (void)app;

    static CTernaryDoc doc;
    static CTernaryTable* table = [] {
        auto* view = new CTernaryTable;
        doc.AddView(view);
        return view;
    }();
    doc.OnNewDocument();
    doc.SendInitialUpdate();

    QGuiApplication::clipboard()->setText(QString::fromUtf8(reinterpret_cast<const char*>(data), size));
    table->GetSelection() = CellRange(1, 1, 1, 1);
    table->OnEditPaste();

    for (int row = 1; row < doc.m_sampleSlots && row < table->GetRowCount(); ++row) {
        const SampleRecord& sample = doc.GetSample(row);
        if (sample.InUse() && EncodeText(table->GetCellText(row, 1)) != sample.name) {
            std::fprintf(stderr, "row %d: the table shows a name the document does not hold\n", row);
            std::abort();
        }
    }
    return 0;
}
