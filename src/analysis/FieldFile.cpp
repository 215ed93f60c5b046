#include "analysis/FieldFile.h"

#include "analysis/Composition.h"
#include "document/SampleFileReader.h"
#include "framework/core/FileAccess.h"
#include "framework/core/FileName.h"
#include "framework/core/MessageBox.h"

#include <QFile>
#include <QStringList>

#include <algorithm>

namespace {

// The first ten of count lines.
QString LineList(const std::vector<int>& lines, std::size_t count)
{
    QStringList shown;
    for (std::size_t i = 0; i < lines.size() && i < 10; ++i)
        shown << QString::number(lines[i]);
    QString text = shown.join(QStringLiteral(", "));
    if (count > 10)
        text += QStringLiteral(" and %1 more").arg(count - 10);
    return text;
}

} // namespace

FieldFileContents ParseFieldFile(std::string_view bytes)
{
    FieldFileContents contents;
    const SampleFile file = ReadSampleFile(bytes);
    contents.badLines = file.skippedLines;
    contents.unlistedBadLines = file.skippedCount - file.skippedLines.size();
    std::vector<FieldPolygon> polygons;
    int corners = 0;
    for (const SampleLine& line : file.samples) {
        const auto closed = CloseComposition(line.values[0], line.values[1], line.values[2]);
        if (line.name.empty() || !closed || corners == kMaxFieldCorners) {
            contents.badLines.push_back(line.line);
            continue;
        }
        if (polygons.empty() || polygons.back().name != line.name)
            polygons.push_back({ line.name, {} });
        polygons.back().vertices.push_back({ closed->top, closed->left, closed->right });
        ++corners;
    }
    std::sort(contents.badLines.begin(), contents.badLines.end());
    for (FieldPolygon& polygon : polygons) {
        if (polygon.vertices.size() < 3)
            contents.shortFields.push_back(polygon.name);
        else
            contents.fields.push_back(std::move(polygon));
    }
    return contents;
}

std::vector<FieldPolygon> LoadFieldFile(const QString& path)
{
    const QString fullPath = AbsoluteFileName(path);
    QFile in;
    QString reason;
    if (!OpenForReading(in, fullPath, &reason)) {
        MessageBox(FileMessage(QStringLiteral("Unable to open the field file"), fullPath, reason));
        return {};
    }
    const QByteArray bytes = in.readAll();
    if (in.error() != QFileDevice::NoError) {
        MessageBox(FileMessage(QStringLiteral("Unable to read the field file"), fullPath, in.errorString()));
        return {};
    }
    FieldFileContents contents = ParseFieldFile(std::string_view(bytes.constData(), std::size_t(bytes.size())));
    QStringList problems;
    const std::size_t badLines = contents.badLines.size() + contents.unlistedBadLines;
    if (badLines > 0)
        problems << QStringLiteral("Skipped %1 %2 without a field name and three numbers that are not negative: %3.")
                        .arg(badLines)
                        .arg(badLines == 1 ? QStringLiteral("line") : QStringLiteral("lines"))
                        .arg(LineList(contents.badLines, badLines));
    for (const std::string& name : contents.shortFields)
        problems << QStringLiteral("The field \"%1\" has fewer than three corners.").arg(QString::fromStdString(name));
    if (contents.fields.empty()) {
        problems.prepend(QStringLiteral("The file \"%1\" holds no usable field.\nA field file has the header "
                                        "Field,Top,Left,Right and one corner a line; a field needs three corners.")
                             .arg(fullPath));
        MessageBox(problems.join(QLatin1Char('\n')));
        return {};
    }
    if (!problems.isEmpty()) {
        problems.prepend(QStringLiteral("Read %1 fields from \"%2\".").arg(contents.fields.size()).arg(fullPath));
        MessageBox(problems.join(QLatin1Char('\n')), MsgIcon::Information);
    }
    return std::move(contents.fields);
}
