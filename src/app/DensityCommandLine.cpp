#include "app/DensityCommandLine.h"

#include "analysis/DensityGridCsv.h"
#include "app/BatchSession.h"
#include "app/CommandLine.h"
#include "document/DensityTable.h"
#include "framework/core/FileAccess.h"
#include "plot/DensityLayer.h"

#include <QFileInfo>

std::optional<QString> ParseDensityArgument(const QStringList& args, int& i, DensityRequest& request)
{
    const QString& arg = args[i];
    if (arg == "--hide-samples") {
        request.hideSamples = true;
        return QString();
    }
    if (arg != "--density" && arg != "--bins" && arg != "--density-grid")
        return std::nullopt;
    if (i + 1 >= args.size())
        return QStringLiteral("%1 needs a value.").arg(arg);
    const QString value = args[++i];
    if (arg == "--density") {
        request.mode = DensityTable::ModeFromName(value.toStdString());
        if (request.mode != DensitySettings::Bins && request.mode != DensitySettings::Kernel)
            return QStringLiteral("--density needs bins or kernel, not \"%1\".").arg(value);
    } else if (arg == "--bins") {
        bool ok = false;
        request.bins = value.toInt(&ok);
        if (!ok || request.bins < DensitySettings::kMinBins || request.bins > DensitySettings::kMaxBins)
            return QStringLiteral("--bins needs a whole number from %1 to %2, not \"%3\".")
                .arg(DensitySettings::kMinBins)
                .arg(DensitySettings::kMaxBins)
                .arg(value);
    } else {
        if (QFileInfo(value).suffix().compare(QLatin1String("csv"), Qt::CaseInsensitive) != 0)
            return QStringLiteral("Cannot write the density grid to \"%1\": the name must end in .csv.").arg(value);
        request.gridFile = value;
    }
    return QString();
}

void ApplyDensityRequest(const DensityRequest& request, CTernaryDoc& doc)
{
    if (request.mode != -1)
        doc.m_density.mode = request.mode;
    if (request.bins != 0)
        doc.m_density.bins = request.bins;
    if (request.hideSamples)
        doc.m_density.showSamples = 0;
    if (!request.gridFile.isEmpty() && doc.m_density.mode == DensitySettings::Off)
        doc.m_density.mode = DensitySettings::Bins;
}

int RunDensityGrid(const QString& input, const DensityRequest& request)
{
    BatchSession session;
    if (!session.Load(input))
        return ExitFailure;
    CTernaryDoc& doc = session.Document();
    ApplyDensityRequest(request, doc);
    const std::optional<DensityGrid> grid = ComputeDensity(doc);
    const std::string csv = DensityGridCsv(*grid, doc);
    QString reason;
    if (!WriteFileAtomically(request.gridFile, QByteArray::fromRawData(csv.data(), qsizetype(csv.size())), &reason)) {
        MessageBox(FileMessage(QStringLiteral("Unable to write the file"), request.gridFile, reason));
        return ExitFailure;
    }
    return ExitOk;
}
