#include "framework/gui/CUrlLabel.h"

#include "framework/core/MessageBox.h"

#include <QApplication>
#include <QDesktopServices>
#include <QMouseEvent>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

namespace {

CUrlLabel::Opener& CurrentOpener()
{
    static CUrlLabel::Opener opener;
    return opener;
}

// The desktop gives no reason when it cannot open an address; the usual one
// is that nothing is registered for it.
constexpr int kNoAssociation = 31;

// Opens the address with the desktop's opener. xdg-open is waited for a few
// seconds, because Qt only reports whether it could be started: a desktop
// without a browser makes it fail at once, and that must not count as
// opened. One still running then is taken to have handed the address on.
bool OpenWithDesktop(const QString& url)
{
    const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (opener.isEmpty())
        return QDesktopServices::openUrl(QUrl(url));
    auto* process = new QProcess(qApp);
    QObject::connect(process, &QProcess::finished, process, &QObject::deleteLater);
    process->start(opener, { url });
    if (!process->waitForStarted(3000)) {
        process->deleteLater();
        return false;
    }
    if (!process->waitForFinished(3000))
        return true;
    return process->exitStatus() == QProcess::NormalExit && process->exitCode() == 0;
}

COLORREF FromQColor(const QColor& c) { return RGB(c.red(), c.green(), c.blue()); }
QColor ToQColor(COLORREF c) { return QColor(GetRValue(c), GetGValue(c), GetBValue(c)); }

} // namespace

CUrlLabel::CUrlLabel(QWidget* parent)
    : QLabel(parent)
    , m_hoverColor(FromQColor(QApplication::palette().color(QPalette::Highlight)))
{
    setCursor(Qt::PointingHandCursor);
    setTextFormat(Qt::PlainText);
    ApplyLook();
}

void CUrlLabel::SetUrl(const QString& url)
{
    m_url = url;
    if (text().isEmpty())
        setText(url);
    setToolTip(url);
    ApplyLook();
    AdjustToFit();
}

void CUrlLabel::MarkVisited(bool visited)
{
    m_visited = visited;
    ApplyLook();
}

COLORREF CUrlLabel::CurrentColor() const
{
    if (m_hovering)
        return m_hoverColor;
    return m_visited ? m_visitedColor : m_linkColor;
}

void CUrlLabel::ApplyLook()
{
    QFont f = font();
    f.setUnderline(m_underline);
    setFont(f);
    QPalette p = palette();
    p.setColor(QPalette::WindowText, ToQColor(CurrentColor()));
    setPalette(p);
    update();
}

void CUrlLabel::AdjustToFit()
{
    if (!m_adjustToFit)
        return;
    const QRect old = geometry();
    const QSize size = fontMetrics().size(Qt::TextSingleLine, text()) + QSize(2 * margin(), 2 * margin());
    int x = old.x();
    int y = old.y();
    if (alignment() & Qt::AlignHCenter)
        x = old.x() + (old.width() - size.width()) / 2;
    else if (alignment() & Qt::AlignRight)
        x = old.right() + 1 - size.width();
    if (alignment() & Qt::AlignVCenter)
        y = old.y() + (old.height() - size.height()) / 2;
    setGeometry(x, y, size.width(), size.height());
}

void CUrlLabel::SetOpener(Opener opener) { CurrentOpener() = std::move(opener); }

void CUrlLabel::OpenUrl()
{
    const Opener& opener = CurrentOpener();
    const QString url = GetUrl();
    const bool ok = opener ? opener(url) : OpenWithDesktop(url);
    if (ok) {
        MarkVisited(true);
        return;
    }
    QApplication::beep();
    MessageBox(QStringLiteral("Unable to open hyperlink:\n\n") + ErrorText(kNoAssociation), MsgIcon::Exclamation);
}

QString CUrlLabel::ErrorText(int code)
{
    switch (code) {
    case 0:
        return QStringLiteral("The operating system is out\nof memory or resources.");
    case 2:
        return QStringLiteral("The specified file was not found.");
    case 3:
        return QStringLiteral("The specified path was not found.");
    case 5:
        return QStringLiteral("The operating system denied\naccess to the specified file.");
    case 8:
        return QStringLiteral("There was not enough memory to complete the operation.");
    case 11:
        return QStringLiteral("The .EXE file is invalid\n(non-Win32 .EXE or error in .EXE image).");
    case 26:
        return QStringLiteral("A sharing violation occurred. ");
    case 27:
        return QStringLiteral("The filename association is\nincomplete or invalid.");
    case 28:
        return QStringLiteral("The DDE transaction could not\nbe completed because the request timed out.");
    case 29:
        return QStringLiteral("The DDE transaction failed.");
    case 30:
        return QStringLiteral("The DDE transaction could not\nbe completed because other DDE transactions\nwere being "
                              "processed.");
    case 31:
        return QStringLiteral("There is no application associated\nwith the given filename extension.");
    case 32:
        return QStringLiteral("The specified dynamic-link library was not found.");
    default:
        return QStringLiteral("Unknown Error (%1) occurred.").arg(code);
    }
}

void CUrlLabel::enterEvent(QEnterEvent* event)
{
    m_hovering = true;
    ApplyLook();
    repaint();
    QLabel::enterEvent(event);
}

void CUrlLabel::leaveEvent(QEvent* event)
{
    m_hovering = false;
    ApplyLook();
    repaint();
    QLabel::leaveEvent(event);
}

void CUrlLabel::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        OpenUrl();
    QLabel::mouseReleaseEvent(event);
}
