// Copy for spreadsheets: the selection as an HTML table beside the
// tab-separated text, so that a spreadsheet pastes it into cells with a
// header row, names kept as text and values as numbers.
#include "tables/CTernaryTable.h"

#include "document/CTernaryDoc.h"
#include "document/NumberFormat.h"
#include "framework/core/TextEncoding.h"
#include "plot/ColorTable.h"

namespace {

// A cell that stays text: LibreOffice reads the text format of sdnum,
// Excel the mso-number-format style.
QString TextCell(const QString& text)
{
    return QStringLiteral("<td sdnum=\"1033;0;@\" style=\"mso-number-format:'\\@'\">%1</td>").arg(text.toHtmlEscaped());
}

QString NumberCell(const QString& number)
{
    return QStringLiteral("<td sdval=\"%1\" sdnum=\"1033;\" x:num=\"%1\">%1</td>").arg(number);
}

} // namespace

QString CTernaryTable::GetSelectionHtml()
{
    const CellRange sel = DataSelection();
    const CTernaryDoc* doc = GetDocument();
    if (!sel.IsValid() || !doc)
        return QString();
    QString html = QStringLiteral("<html><head><meta charset=\"utf-8\"></head><body><table>\n<tr>");
    for (int col = sel.left; col <= sel.right; ++col)
        html += QStringLiteral("<th>%1</th>").arg(GetCellText(0, col).toHtmlEscaped());
    html += QStringLiteral("</tr>\n");
    for (int row = sel.top; row <= sel.bottom; ++row) {
        const SampleRecord* rec = row < doc->m_sampleSlots ? &doc->GetSample(row) : nullptr;
        html += QStringLiteral("<tr>");
        for (int col = sel.left; col <= sel.right; ++col) {
            const QString text = GetCellText(row, col);
            float value = 0;
            if (col == kSymbolCol && RowHasSymbol(row)) {
                html += TextCell(QStringLiteral("%1 %2").arg(QLatin1String(kColorNames[GetRowColor(row) & 15]),
                    QLatin1String(kSymbolNames[GetRowSymbol(row) & 15])));
            } else if (col >= kTopCol && col <= kRightCol && rec
                && ScanFloat(NormalizeDecimal(EncodeText(text)), value)) {
                // The number the plot uses, whatever decimal mark was typed.
                const float given = col == kTopCol ? rec->top : col == kLeftCol ? rec->left : rec->right;
                html += NumberCell(DecodeText(FormatNumber(given)));
            } else {
                html += TextCell(text);
            }
        }
        html += QStringLiteral("</tr>\n");
    }
    return html + QStringLiteral("</table></body></html>\n");
}
