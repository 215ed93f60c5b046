#include "app/Batch.h"
#include "app/BatchSession.h"
#include "app/CommandLine.h"

#include "framework/core/FileAccess.h"
#include "plot/PlotPicture.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImageWriter>

namespace {

enum class PictureType { Png, Svg, Pdf, Unknown };

PictureType TypeOf(const QString& path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("png"))
        return PictureType::Png;
    if (suffix == QLatin1String("svg"))
        return PictureType::Svg;
    if (suffix == QLatin1String("pdf"))
        return PictureType::Pdf;
    return PictureType::Unknown;
}

} // namespace

int RunExport(const QString& input, const QString& output, double scale)
{
    BatchSession session;
    if (const QString error = ExportOutputError(output); !error.isEmpty()) {
        MessageBox(error);
        return ExitUsage;
    }
    if (!(scale >= 0.25 && scale <= 8.0)) {
        MessageBox(QStringLiteral("--scale needs a number from 0.25 to 8."));
        return ExitUsage;
    }

    if (!session.Load(input))
        return ExitFailure;

    const PictureType type = TypeOf(output);
    PlotPicture picture(session.Document());
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    bool drawn = false;
    switch (type) {
    case PictureType::Png: {
        QImageWriter writer(&buffer, "png");
        drawn = writer.write(picture.ToImage(scale));
        break;
    }
    case PictureType::Svg:
        drawn = picture.WriteSvg(&buffer);
        break;
    case PictureType::Pdf:
        drawn = picture.WritePdf(&buffer);
        break;
    case PictureType::Unknown:
        break;
    }
    buffer.close();
    if (!drawn || bytes.isEmpty()) {
        MessageBox(FileMessage(
            QStringLiteral("Unable to draw the picture"), output, QStringLiteral("The picture could not be drawn.")));
        return ExitFailure;
    }
    QString reason;
    if (!WriteFileAtomically(output, bytes, &reason)) {
        MessageBox(FileMessage(QStringLiteral("Unable to write the file"), output, reason));
        return ExitFailure;
    }
    return ExitOk;
}
