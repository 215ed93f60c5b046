#include "framework/gui/PngWriter.h"

#include <QImage>
#include <QtEndian>

#include <array>

namespace {

std::array<quint32, 256> MakeCrcTable()
{
    std::array<quint32, 256> table {};
    for (quint32 n = 0; n < 256; ++n) {
        quint32 c = n;
        for (int k = 0; k < 8; ++k)
            c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
        table[n] = c;
    }
    return table;
}

quint32 Crc(const char* data, qsizetype size)
{
    static const std::array<quint32, 256> table = MakeCrcTable();
    quint32 c = 0xFFFFFFFFu;
    for (qsizetype i = 0; i < size; ++i)
        c = table[(c ^ static_cast<quint8>(data[i])) & 0xFF] ^ (c >> 8);
    return c ^ 0xFFFFFFFFu;
}

void AppendBigEndian(QByteArray& out, quint32 value)
{
    char bytes[4];
    qToBigEndian(value, bytes);
    out.append(bytes, 4);
}

// Length, type, data and the CRC of type and data.
void AppendChunk(QByteArray& out, const char* type, const QByteArray& data)
{
    AppendBigEndian(out, static_cast<quint32>(data.size()));
    const qsizetype start = out.size();
    out.append(type, 4);
    out.append(data);
    AppendBigEndian(out, Crc(out.constData() + start, out.size() - start));
}

} // namespace

QByteArray EncodePng(const QImage& source, int zlibLevel)
{
    if (source.isNull())
        return {};
    const QImage image
        = source.format() == QImage::Format_RGB32 ? source : source.convertToFormat(QImage::Format_RGB32);
    const int width = image.width();
    const int height = image.height();

    // Filter type 1 (Sub): each byte less the same colour's byte of the pixel to its left.
    const qsizetype rowBytes = 1 + 3 * static_cast<qsizetype>(width);
    QByteArray raw(rowBytes * height, Qt::Uninitialized);
    for (int y = 0; y < height; ++y) {
        const QRgb* pixels = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        uchar* row = reinterpret_cast<uchar*>(raw.data()) + y * rowBytes;
        row[0] = 1;
        uchar left[3] = { 0, 0, 0 };
        for (int x = 0; x < width; ++x) {
            const uchar rgb[3] = { static_cast<uchar>(qRed(pixels[x])), static_cast<uchar>(qGreen(pixels[x])),
                static_cast<uchar>(qBlue(pixels[x])) };
            for (int i = 0; i < 3; ++i) {
                row[1 + 3 * x + i] = static_cast<uchar>(rgb[i] - left[i]);
                left[i] = rgb[i];
            }
        }
    }

    QByteArray header;
    AppendBigEndian(header, static_cast<quint32>(width));
    AppendBigEndian(header, static_cast<quint32>(height));
    header.append("\x08\x02\x00\x00\x00", 5); // 8 bits, RGB, deflate, adaptive filters, no interlace

    QByteArray physical;
    AppendBigEndian(physical, static_cast<quint32>(image.dotsPerMeterX()));
    AppendBigEndian(physical, static_cast<quint32>(image.dotsPerMeterY()));
    physical.append('\x01'); // per metre

    // qCompress gives a zlib stream after a four-byte length of its own.
    const QByteArray deflated = qCompress(raw, qBound(0, zlibLevel, 9)).mid(4);

    QByteArray png("\x89PNG\r\n\x1a\n", 8);
    AppendChunk(png, "IHDR", header);
    AppendChunk(png, "pHYs", physical);
    AppendChunk(png, "IDAT", deflated);
    AppendChunk(png, "IEND", {});
    return png;
}
