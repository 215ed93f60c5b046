#include "app/Batch.h"
#include "app/BatchSession.h"
#include "app/CommandLine.h"

#include "analysis/AxisFit.h"
#include "framework/core/FileAccess.h"
#include "plot/PlotPicture.h"

int RunExport(
    const QString& input, const QString& output, double scale, const QString& classify, const DensityRequest& density)
{
    if (!(scale >= 0.25 && scale <= 8.0)) {
        BatchSession session;
        MessageBox(QStringLiteral("--scale needs a number from 0.25 to 8."));
        return ExitUsage;
    }
    PictureSize size;
    size.scale = scale;
    return RunExport(input, output, size, false, classify, density);
}

int RunExport(const QString& input, const QString& output, const PictureSize& size, bool fit, const QString& classify,
    const DensityRequest& density)
{
    BatchSession session;
    if (const QString error = ExportOutputError(output); !error.isEmpty()) {
        MessageBox(error);
        return ExitUsage;
    }
    QString sizeError;
    if (size.unit != PictureSize::Unit::Natural)
        sizeError = PictureWidthError(size.unit, size.width);
    if (sizeError.isEmpty() && size.dpi != 0)
        sizeError = PictureDpiError(size.dpi);
    if (!sizeError.isEmpty()) {
        MessageBox(sizeError);
        return ExitUsage;
    }

    if (!session.Load(input) || !ApplyClassify(session.Document(), classify))
        return ExitFailure;
    ApplyDensityRequest(density, session.Document());
    CTernaryDoc& doc = session.Document();
    PlotGeometry geometry = PlotPicture(doc).Geometry();
    if (fit && FitAxesToData(doc))
        geometry.FrameCorners(doc.m_topAxis, doc.m_leftAxis, doc.m_rightAxis);

    QByteArray bytes;
    if (!EncodePlotPicture(doc, PictureTypeOf(output), size, &bytes, &geometry)) {
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
