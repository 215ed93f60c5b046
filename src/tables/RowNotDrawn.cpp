#include "tables/RowNotDrawn.h"

#include "document/CTernaryDoc.h"

QString RowNotDrawnReason(const CTernaryDoc& doc, int row)
{
    if (row < 1 || row >= doc.m_sampleSlots)
        return {};
    const SampleRecord& sample = doc.GetSample(row);
    if (!sample.InUse() || !IsGiven(sample.top) || !IsGiven(sample.left) || !IsGiven(sample.right))
        return {};
    if (sample.colorId == -1 || sample.symbolId == -1)
        return QStringLiteral("Row %1 is not drawn: it has no symbol").arg(row);
    // The sum exactly as the plot forms it.
    const float sum = sample.left + sample.top + sample.right;
    if (sum != 100 && (!doc.m_autoBalance || sum == 0))
        return QStringLiteral("Row %1 is not drawn: its values sum to %2").arg(row).arg(QString::number(sum, 'g', 6));
    return {};
}
