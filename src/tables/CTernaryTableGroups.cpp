// Laboratory data pasted with a Group column: each group its own colour and
// symbol, and its legend entry named after it.
#include "tables/CTernaryTable.h"

#include "document/CTernaryDoc.h"
#include "document/SampleGroups.h"
#include "framework/core/TextEncoding.h"

int CTernaryTable::GroupField(const QStringList& header, int left) const
{
    for (int f = 0; f < header.size(); ++f)
        if (left + f > kRightCol && IsGroupTitle(EncodeText(header[f])))
            return f;
    return -1;
}

void CTernaryTable::ApplyGroupLook(int row, const QString& group, GroupLooks& looks)
{
    CTernaryDoc* doc = GetDocument();
    if (!doc)
        return;
    const std::string name = EncodeText(group);
    const auto [colorId, symbolId] = looks.Look(name);
    const bool newEntry = !doc->m_legend.FindItem(symbolId, colorId);
    SetRowSymbol(row, symbolId, true);
    SetRowColor(row, colorId, true);
    SyncRowToDocument(row, kSymbolCol);
    if (newEntry)
        doc->m_legend.SetTextIfDefault(symbolId, colorId, name, true);
}
