#include "app/Batch.h"
#include "app/CommandLine.h"

#include "document/CTernaryDoc.h"
#include "framework/core/CDocManager.h"
#include "framework/core/IFileDialogs.h"
#include "framework/core/MessageBox.h"
#include "plot/PlotPicture.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImageWriter>
#include <QSaveFile>

#include <cstdio>

namespace {

// Batch mode has nobody to ask: the dialogs are always cancelled.
class NoFileDialogs : public IFileDialogs {
public:
    QString GetOpenFileName(const QString&) override { return {}; }
    QString GetSaveFileName(const QString&, const QString&) override { return {}; }
};

// While it lives, and unless someone (a test) already answers the boxes,
// every message box goes to standard error as one line.
class BatchMessages {
public:
    BatchMessages()
    {
        m_previous = SetMessageBoxHandler(nullptr);
        if (m_previous) {
            SetMessageBoxHandler(m_previous);
            return;
        }
        SetMessageBoxHandler([](const QString& text, MsgIcon, MsgButtons buttons) {
            QString line = text;
            line.replace(QLatin1Char('\n'), QLatin1Char(' '));
            std::fprintf(stderr, "%s\n", line.toUtf8().constData());
            return DefaultAnswer(buttons);
        });
    }
    ~BatchMessages() { SetMessageBoxHandler(m_previous); }
    BatchMessages(const BatchMessages&) = delete;
    BatchMessages& operator=(const BatchMessages&) = delete;

private:
    MessageBoxHandler m_previous;
};

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

// Writes the bytes so that the file appears whole or not at all.
bool WriteWhole(const QString& path, const QByteArray& bytes, QString* error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        *error = file.errorString();
        file.cancelWriting();
        return false;
    }
    return true;
}

} // namespace

int RunExport(const QString& input, const QString& output, double scale)
{
    BatchMessages messages;
    const PictureType type = TypeOf(output);
    if (type == PictureType::Unknown) {
        MessageBox(QStringLiteral("Cannot export to \"%1\": the name must end in .png, .svg or .pdf.").arg(output));
        return ExitUsage;
    }
    if (!(scale >= 0.25 && scale <= 8.0)) {
        MessageBox(QStringLiteral("--scale needs a number from 0.25 to 8."));
        return ExitUsage;
    }

    CTernaryDoc doc;
    NoFileDialogs dialogs;
    CDocManager manager(doc, dialogs);
    const bool loaded = input.isEmpty() ? manager.OnFileNew() : manager.OpenDocumentFile(input);
    if (!loaded)
        return ExitFailure; // the document manager has said why

    PlotPicture picture(doc);
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
        MessageBox(QStringLiteral("Unable to draw the picture \"%1\".").arg(QFileInfo(output).fileName()));
        return ExitFailure;
    }
    QString error;
    if (!WriteWhole(output, bytes, &error)) {
        MessageBox(QStringLiteral("Unable to write the file \"%1\".\n%2").arg(QFileInfo(output).fileName(), error));
        return ExitFailure;
    }
    return ExitOk;
}
