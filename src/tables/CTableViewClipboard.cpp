// The block operations of CTableView on the clipboard.
#include "tables/CTableView.h"
#include "tables/ClipboardFields.h"

#include "framework/core/MessageBox.h"
#include "grid/CTextCell.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include <algorithm>

bool CTableView::WriteClipboard(const QString& text, const QString& html)
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard)
        return false;
    if (html.isEmpty()) {
        clipboard->setText(text);
    } else {
        auto* data = new QMimeData;
        data->setText(text);
        data->setHtml(html);
        clipboard->setMimeData(data);
    }
    // The clipboard reports no failure; reading the text back tells.
    return clipboard->text() == text;
}

bool CTableView::ReadClipboardText(QString& text)
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    const QMimeData* data = clipboard ? clipboard->mimeData() : nullptr;
    if (!data || !data->hasText())
        return false;
    text = data->text();
    return true;
}

QString CTableView::GetSelectionText()
{
    const CellRange sel = GetSelection();
    QString text;
    if (!sel.IsValid())
        return text;
    for (int row = sel.top; row <= sel.bottom; ++row) {
        for (int col = sel.left; col <= sel.right; ++col) {
            if (col != sel.left)
                text += QLatin1Char('\t');
            text += GetCellText(row, col);
        }
        text += QLatin1String("\r\n");
    }
    return text;
}

void CTableView::OnEditCopy()
{
    if (!WriteClipboard(GetSelectionText(), GetSelectionHtml()))
        MessageBox(QStringLiteral("Unable to set Clipboard data"), MsgIcon::None, MsgButtons::Ok);
}

void CTableView::OnEditCut()
{
    OnEditCopy();
    OnEditClear();
}

void CTableView::OnEditClear() { ClearSelection(); }

void CTableView::OnEditPaste()
{
    QString text;
    if (!ReadClipboardText(text))
        return;
    const CellRange sel = GetSelection();
    if (!sel.IsValid())
        return;
    EndEdit(false);

    // An empty field leaves its cell as it was but still takes a column.
    // The paste ends where the block leaves the table.
    int lastRow = sel.top;
    int maxCol = sel.left;
    ForEachClipboardField(text, [&](int blockRow, int blockCol, const QString& field) {
        const int row = sel.top + blockRow;
        const int col = sel.left + blockCol;
        if (row >= m_rowCount || col >= m_colCount)
            return false;
        if (!field.isEmpty())
            SetCell(row, col, std::make_unique<CTextCell>(field));
        lastRow = row;
        maxCol = std::max(maxCol, col);
        return true;
    });
    InvalidateRange(CellRange(sel.top, sel.left, lastRow, maxCol));
}
