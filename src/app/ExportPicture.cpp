// File > Export Picture: the plot as PNG, SVG or PDF from the window.
#include "app/CTernaryApp.h"

#include "document/CTernaryDoc.h"
#include "framework/core/CProfile.h"
#include "framework/core/FileAccess.h"
#include "framework/core/IFileDialogs.h"
#include "framework/core/MessageBox.h"
#include "framework/gui/PictureSizeDialog.h"
#include "plot/CTernaryView.h"
#include "plot/PlotPicture.h"
#include "window/CMainFrame.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <cmath>

namespace {

struct PictureFilter {
    PictureType type;
    const char* filter;
    const char* suffix;
};
const PictureFilter kFilters[] = {
    { PictureType::Png, "PNG Image (*.png)", "png" },
    { PictureType::Svg, "SVG Drawing (*.svg)", "svg" },
    { PictureType::Pdf, "PDF Document (*.pdf)", "pdf" },
};

const PictureFilter& FilterNamed(const QString& filter)
{
    for (const PictureFilter& f : kFilters)
        if (filter == QLatin1String(f.filter))
            return f;
    return kFilters[0];
}

const QString kSection = QStringLiteral("Settings");
const QString kTypeEntry = QStringLiteral("ExportType");
const QString kFolderEntry = QStringLiteral("ExportFolder");
const QString kUnitEntry = QStringLiteral("ExportUnit");
const QString kWidthEntry = QStringLiteral("ExportWidth");
const QString kDpiEntry = QStringLiteral("ExportDpi");

// The size of the last export, or the natural size before the first; a
// stored width or resolution out of range is not used.
PictureSize StoredPictureSize(const CProfile& profile)
{
    PictureSize size;
    QString error;
    const QString width
        = profile.GetProfileString(kSection, kWidthEntry) + profile.GetProfileString(kSection, kUnitEntry);
    if (ParsePictureWidth(width, &size, &error)) {
        const int dpi = profile.GetProfileInt(kSection, kDpiEntry, 0);
        size.dpi = PictureDpiError(dpi).isEmpty() ? dpi : 0;
    }
    return size;
}

// The picture's geometry with the zoom and pan the window shows, as a
// printed page has them; the pan is carried over to the picture's canvas.
PlotGeometry ShownGeometry(CTernaryDoc& doc, const CTernaryView* view)
{
    PlotGeometry geometry = PlotPicture(doc).Geometry();
    if (!view)
        return geometry;
    const PlotGeometry& shown = view->Geometry();
    const double ratio = static_cast<double>(geometry.m_canvasSize.cx) / std::max(1, shown.m_canvasSize.cx);
    geometry.m_scale = shown.m_scale;
    geometry.m_panOffset = { static_cast<int>(std::lround(shown.m_panOffset.x * ratio)),
        static_cast<int>(std::lround(shown.m_panOffset.y * ratio)) };
    geometry.LayoutPlot();
    geometry.ComputeCorners(doc.m_topAxis, doc.m_leftAxis, doc.m_rightAxis);
    return geometry;
}

void StorePictureSize(CProfile& profile, const PictureSize& size)
{
    profile.WriteProfileString(kSection, kUnitEntry, PictureUnitSuffix(size.unit));
    profile.WriteProfileString(kSection, kWidthEntry, QString::number(size.width, 'g', 10));
    profile.WriteProfileInt(kSection, kDpiEntry, static_cast<int>(size.Dpi()));
}

} // namespace

void CTernaryApp::OnExportPicture()
{
    QStringList filters;
    for (const PictureFilter& f : kFilters)
        filters << QLatin1String(f.filter);
    QString selected = FilterNamed(m_profile->GetProfileString(kSection, kTypeEntry)).filter;

    // Suggest the plot's name with the last type, in the last folder used
    // (or the plot's own folder).
    const QString docPath = m_doc->GetNamingPath();
    QString folder = m_profile->GetProfileString(kSection, kFolderEntry);
    if (folder.isEmpty())
        folder = docPath.isEmpty() ? QDir::homePath() : QFileInfo(docPath).absolutePath();
    const QString base = docPath.isEmpty() ? m_doc->GetTitle() : QFileInfo(docPath).completeBaseName();
    const QString suggested
        = QDir(folder).filePath(base + QLatin1Char('.') + QLatin1String(FilterNamed(selected).suffix));

    QString path = m_dialogs->GetExportFileName(suggested, filters.join(QStringLiteral(";;")), &selected);
    if (path.isEmpty())
        return;
    // A name of a known type keeps it; any other gets the chosen type's suffix.
    if (PictureTypeOf(path) == PictureType::Unknown)
        path += QLatin1Char('.') + QLatin1String(FilterNamed(selected).suffix);
    const PictureType type = PictureTypeOf(path);
    for (const PictureFilter& f : kFilters)
        if (f.type == type)
            m_profile->WriteProfileString(kSection, kTypeEntry, QLatin1String(f.filter));
    m_profile->WriteProfileString(kSection, kFolderEntry, QFileInfo(path).absolutePath());

    PictureSize size = StoredPictureSize(*m_profile);
    const CSize extent = PlotPicture(*m_doc).Extent();
    if (!AskPictureSize(size, type == PictureType::Png, static_cast<double>(extent.cy) / extent.cx, extent.cx,
            QApplication::activeWindow()))
        return;
    StorePictureSize(*m_profile, size);

    QByteArray bytes;
    const PlotGeometry geometry = ShownGeometry(*m_doc, m_frame->PlotView());
    if (!EncodePlotPicture(*m_doc, type, size, &bytes, &geometry)) {
        MessageBox(FileMessage(
            QStringLiteral("Unable to draw the picture"), path, QStringLiteral("The picture could not be drawn.")));
        return;
    }
    QString reason;
    if (!WriteFileAtomically(path, bytes, &reason))
        MessageBox(FileMessage(QStringLiteral("Unable to write the file"), path, reason));
}
