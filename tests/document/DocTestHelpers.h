#pragma once

#include "document/CTernaryDoc.h"
#include "framework/core/CArchive.h"

#include <QBuffer>

#include <memory>
#include <string>

// Loads bytes into a fresh document as File Open does (DeleteContents, then
// the reader), without a file.
inline void LoadBytes(CTernaryDoc& doc, const std::string& bytes)
{
    QByteArray data(bytes.data(), static_cast<qsizetype>(bytes.size()));
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    doc.DeleteContents();
    CArchive archive(&buffer, CArchive::load);
    doc.Serialize(archive);
}

inline std::unique_ptr<CTernaryDoc> LoadedDoc(const std::string& bytes)
{
    auto doc = std::make_unique<CTernaryDoc>();
    LoadBytes(*doc, bytes);
    return doc;
}

// The bytes File Save writes for the document.
inline std::string SaveBytes(CTernaryDoc& doc)
{
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    CArchive archive(&buffer, CArchive::store);
    doc.Serialize(archive);
    return std::string(data.constData(), static_cast<std::size_t>(data.size()));
}

inline std::unique_ptr<CTernaryDoc> NewDoc()
{
    auto doc = std::make_unique<CTernaryDoc>();
    doc->OnNewDocument();
    return doc;
}
