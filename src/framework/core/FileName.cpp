#include "framework/core/FileName.h"

#include <QDir>

#include <cerrno>
#include <unistd.h>

namespace {

constexpr char16_t kEscapeBase = 0xDC00; // U+DC80..U+DCFF hold the bytes 0x80..0xFF

// The length of the valid UTF-8 sequence at bytes[i], or 0 when the byte
// there starts none (a stray continuation, an overlong form, a surrogate,
// a code point past U+10FFFF or a sequence cut short).
qsizetype ValidSequenceLength(const QByteArray& bytes, qsizetype i)
{
    const auto at = [&](qsizetype k) { return static_cast<unsigned char>(bytes[k]); };
    const unsigned char lead = at(i);
    if (lead < 0x80)
        return 1;
    const qsizetype length = lead >= 0xC2 && lead <= 0xDF ? 2 : lead >= 0xE0 && lead <= 0xEF ? 3
        : lead >= 0xF0 && lead <= 0xF4                                                      ? 4
                                                                                            : 0;
    if (length == 0 || i + length > bytes.size())
        return 0;
    for (qsizetype k = 1; k < length; ++k)
        if ((at(i + k) & 0xC0) != 0x80)
            return 0;
    const unsigned char second = at(i + 1);
    if ((lead == 0xE0 && second < 0xA0) || (lead == 0xED && second >= 0xA0) || (lead == 0xF0 && second < 0x90)
        || (lead == 0xF4 && second >= 0x90))
        return 0;
    return length;
}

// Whether name[i] holds a byte: a low surrogate in the escapes' range on its
// own, not the second half of a real character after a high surrogate.
bool IsEscapedByte(const QString& name, qsizetype i)
{
    const char16_t c = name[i].unicode();
    return c >= kEscapeBase + 0x80 && c <= kEscapeBase + 0xFF && (i == 0 || !name[i - 1].isHighSurrogate());
}

} // namespace

QString DecodeFileName(const QByteArray& bytes)
{
    QString name;
    name.reserve(bytes.size());
    for (qsizetype i = 0; i < bytes.size();) {
        if (const qsizetype length = ValidSequenceLength(bytes, i); length > 0) {
            name += QString::fromUtf8(bytes.constData() + i, length);
            i += length;
        } else {
            name += QChar(static_cast<char16_t>(kEscapeBase + static_cast<unsigned char>(bytes[i])));
            ++i;
        }
    }
    return name;
}

QByteArray EncodeFileName(const QString& name)
{
    QByteArray bytes;
    bytes.reserve(name.size());
    qsizetype runStart = 0;
    const auto flushRun = [&](qsizetype end) { bytes += name.mid(runStart, end - runStart).toUtf8(); };
    for (qsizetype i = 0; i < name.size(); ++i) {
        if (IsEscapedByte(name, i)) {
            flushRun(i);
            bytes += static_cast<char>(name[i].unicode() - kEscapeBase);
            runStart = i + 1;
        }
    }
    flushRun(name.size());
    return bytes;
}

QString ShownFileName(const QString& name)
{
    QString shown;
    shown.reserve(name.size());
    for (qsizetype i = 0; i < name.size(); ++i) {
        if (IsEscapedByte(name, i))
            shown += QStringLiteral("\\x") + QString::number(name[i].unicode() - kEscapeBase, 16).toUpper();
        else
            shown += name[i];
    }
    return shown;
}

QString AbsoluteFileName(const QString& name)
{
    if (name.startsWith(QLatin1Char('/')))
        return QDir::cleanPath(name);
    QByteArray folder(4096, '\0');
    while (::getcwd(folder.data(), static_cast<std::size_t>(folder.size())) == nullptr && errno == ERANGE)
        folder.resize(folder.size() * 2);
    folder.truncate(qstrlen(folder.constData()));
    return QDir::cleanPath(DecodeFileName(folder) + QLatin1Char('/') + name);
}
