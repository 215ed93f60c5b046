// The block operations of CTableView on the clipboard.
#include "tables/CTableView.h"

#include "framework/core/MessageBox.h"
#include "grid/CTextCell.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include <algorithm>

bool CTableView::WriteClipboardText(const QString& text)
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard)
        return false;
    clipboard->setText(text);
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
    if (!WriteClipboardText(GetSelectionText()))
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

    // Fields of any length are kept whole; an empty field leaves its cell as
    // it was but still takes a column. Nothing beyond the table is stored.
    int row = sel.top;
    int col = sel.left;
    int maxCol = col;
    QString field;
    auto store = [&] {
        if (!field.isEmpty())
            m_cells.SetCell(row, col, std::make_unique<CTextCell>(field));
        field.clear();
    };
    bool inside = row < m_rowCount && col < m_colCount;
    for (qsizetype i = 0; inside; ++i) {
        const QChar c = i < text.size() ? text.at(i) : QChar(0);
        if (c == QLatin1Char('\t')) {
            store();
            ++col;
        } else if (c == QLatin1Char('\n')) {
            store();
            ++row;
            col = sel.left;
        } else if (c == QLatin1Char('\r')) {
            // CR of a CR LF pair: the LF ends the row.
        } else if (c.isNull()) {
            store();
            break;
        } else {
            field += c;
        }
        maxCol = std::max(maxCol, col);
        inside = row < m_rowCount && col < m_colCount;
    }
    InvalidateRange(CellRange(sel.top, sel.left, row, maxCol));
}
