#include "document/StoredText.h"

#include "framework/core/MessageBox.h"
#include "framework/core/TextEncoding.h"

QString CutTextsNote(int count)
{
    return count == 1
        ? QStringLiteral("1 text was longer than a plot file holds and was cut to its first 1,023 bytes.")
        : QStringLiteral("%1 texts were longer than a plot file holds and were cut to their first 1,023 bytes.")
              .arg(count);
}

std::string TypedText(const QString& text)
{
    std::string bytes = EncodeText(text);
    if (HoldToStoredLength(bytes))
        MessageBox(CutTextsNote(1), MsgIcon::Information);
    return bytes;
}
