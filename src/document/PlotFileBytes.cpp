#include "document/PlotFile.h"

#include "document/CTernaryDoc.h"
#include "framework/core/CArchive.h"

#include <QBuffer>

void LoadPlotFileBytes(CTernaryDoc& doc, std::string_view bytes)
{
    QByteArray data = QByteArray::fromRawData(bytes.data(), static_cast<qsizetype>(bytes.size()));
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    doc.DeleteContents();
    CArchive archive(&buffer, CArchive::load);
    doc.Serialize(archive);
}

std::string SavePlotFileBytes(CTernaryDoc& doc)
{
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    CArchive archive(&buffer, CArchive::store);
    doc.Serialize(archive);
    return std::string(data.constData(), static_cast<std::size_t>(data.size()));
}
