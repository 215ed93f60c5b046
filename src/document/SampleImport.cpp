#include "document/SampleImport.h"

#include "document/CTernaryDoc.h"
#include "document/SampleGroups.h"
#include "document/StoredText.h"
#include "framework/core/FileAccess.h"
#include "framework/core/FileName.h"
#include "framework/core/MessageBox.h"

#include <QFile>
#include <QLocale>

#include <algorithm>
#include <new>
#include <tuple>

void EnterSample(CTernaryDoc& doc, int slot, const SampleLine& line, GroupLooks* looks)
{
    SampleRecord& rec = doc.GetSample(slot);
    rec.Empty();
    rec.name = line.name;
    rec.top = line.values[0];
    rec.left = line.values[1];
    rec.right = line.values[2];

    const bool hasT = IsGiven(rec.top);
    const bool hasL = IsGiven(rec.left);
    const bool hasR = IsGiven(rec.right);
    // Typed left to right, the second value given fills the third, with the
    // operands in the order the table computes them.
    if (doc.m_autoAdd && hasT + hasL + hasR == 2) {
        if (!hasT)
            rec.top = static_cast<float>(100.0 - static_cast<double>(rec.right) - rec.left);
        else if (!hasL)
            rec.left = static_cast<float>(100.0 - static_cast<double>(rec.right) - rec.top);
        else
            rec.right = static_cast<float>(100.0 - static_cast<double>(rec.top) - rec.left);
    }

    const bool hasSymbol = line.colorId != -1 || line.symbolId != -1;
    const bool complete = IsGiven(rec.top) && IsGiven(rec.left) && IsGiven(rec.right);
    const bool grouped = !line.group.empty() && looks;
    if (hasSymbol) {
        rec.colorId = line.colorId;
        rec.symbolId = line.symbolId;
    } else if (grouped) {
        std::tie(rec.colorId, rec.symbolId) = looks->Look(line.group);
    } else if (complete) {
        rec.colorId = rec.symbolId = 0;
    }
    if (rec.colorId != -1)
        doc.m_legend.UpdateForSample(rec.symbolId, rec.colorId, -1, -1, grouped ? line.group : rec.name);
    rec.row = slot;
}

SlotRange AppendSamples(CTernaryDoc& doc, const std::vector<SampleLine>& lines)
{
    const int last = doc.LastUsedSlot();
    SlotRange range;
    range.first = last + 1;
    range.last = last;
    GroupLooks looks(doc.m_legend);
    // Every slot at once, rather than the records moved at each doubling.
    if (!lines.empty())
        doc.EnsureSampleSlot(
            static_cast<int>(std::min<std::size_t>(last + lines.size(), CTernaryDoc::kMaxSampleSlots - 1)));
    for (const SampleLine& line : lines) {
        if (!doc.EnsureSampleSlot(range.last + 1))
            break;
        EnterSample(doc, ++range.last, line, &looks);
    }
    if (range.Count() > 0)
        doc.SetModifiedFlag(true);
    return range;
}

bool ReadSampleFileAt(const QString& path, SampleFile& file)
{
    const QString fullPath = AbsoluteFileName(path);
    // Only a regular file of sensible size: a pipe could wait forever, a
    // device never end.
    QFile in;
    QString reason;
    if (!OpenForReading(in, fullPath, &reason)) {
        MessageBox(FileMessage(QStringLiteral("Unable to open the file"), fullPath, reason), MsgIcon::Exclamation);
        return false;
    }
    return ReadSampleDevice(fullPath, in, file);
}

bool ReadSampleDevice(const QString& path, QIODevice& in, SampleFile& file)
{
    const QString fullPath = AbsoluteFileName(path);
    try {
        const QByteArray bytes = in.readAll();
        const auto* fileDevice = qobject_cast<const QFileDevice*>(&in);
        if (fileDevice && fileDevice->error() != QFileDevice::NoError) {
            MessageBox(FileMessage(QStringLiteral("Unable to read the file"), fullPath, in.errorString()),
                MsgIcon::Exclamation);
            return false;
        }
        file = ReadSampleFile(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    } catch (const std::bad_alloc&) {
        MessageBox(
            FileMessage(QStringLiteral("Unable to read the file"), fullPath, QStringLiteral("Not enough memory.")),
            MsgIcon::Exclamation);
        return false;
    }
    if (file.samples.empty()) {
        MessageBox(QStringLiteral("The file \"%1\" holds no samples.\nA sample line has a name and the top, left "
                                  "and right values, separated by commas, semicolons or tabs.")
                       .arg(fullPath),
            MsgIcon::Exclamation);
        return false;
    }
    return true;
}

QString SampleLoadReport(const QString& path, const SampleFile& file, int entered)
{
    const std::size_t read = file.SampleCount();
    if (file.skippedCount == 0 && static_cast<std::size_t>(entered) == read && file.cutTexts == 0)
        return {};
    const QLocale english(QLocale::English);
    QString text = QStringLiteral("Read %1 %2 from \"%3\".")
                       .arg(english.toString(static_cast<qulonglong>(read)))
                       .arg(read == 1 ? QStringLiteral("sample") : QStringLiteral("samples"))
                       .arg(AbsoluteFileName(path));
    if (file.skippedCount > 0) {
        QStringList lines;
        for (const int line : file.skippedLines)
            lines << QString::number(line);
        text += QStringLiteral("\nSkipped %1 %2 with too few fields or values that are not numbers: %3")
                    .arg(english.toString(static_cast<qulonglong>(file.skippedCount)))
                    .arg(file.skippedCount == 1 ? QStringLiteral("line") : QStringLiteral("lines"))
                    .arg(lines.join(QStringLiteral(", ")));
        const std::size_t more = file.skippedCount - file.skippedLines.size();
        text += more > 0 ? QStringLiteral(" and %1 more.").arg(english.toString(static_cast<qulonglong>(more)))
                         : QStringLiteral(".");
    }
    if (static_cast<std::size_t>(entered) < read) {
        const std::size_t left = read - static_cast<std::size_t>(entered);
        text += QStringLiteral("\n%1 %2 not fit into the table's %3 rows.")
                    .arg(english.toString(static_cast<qulonglong>(left)))
                    .arg(left == 1 ? QStringLiteral("sample did") : QStringLiteral("samples did"))
                    .arg(english.toString(CTernaryDoc::kMaxSampleSlots - 1));
    }
    if (file.cutTexts > 0)
        text += QLatin1Char('\n') + CutTextsNote(file.cutTexts);
    return text;
}
