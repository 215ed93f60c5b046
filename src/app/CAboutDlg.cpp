#include "app/CAboutDlg.h"

#include "framework/gui/CUrlLabel.h"

#include <QFile>
#include <QIcon>
#include <QLabel>
#include <QPushButton>

#include <sys/sysinfo.h>

namespace {

// Dialog units of the box's layout to pixels, for the usual 8-point font.
QRect Dlu(int x, int y, int w, int h) { return QRect(x * 3 / 2, y * 13 / 8, w * 3 / 2, h * 13 / 8); }

// Physical memory of the machine: total and available to new programs.
void QueryMemory(long long& total, long long& available)
{
    total = available = 0;
    struct sysinfo info { };
    if (sysinfo(&info) == 0) {
        total = static_cast<long long>(info.totalram) * info.mem_unit;
        available = static_cast<long long>(info.freeram) * info.mem_unit;
    }
    // The kernel's estimate of what can be had without swapping counts the
    // page cache as available; free RAM alone would understate it badly.
    QFile meminfo(QStringLiteral("/proc/meminfo"));
    if (meminfo.open(QIODevice::ReadOnly | QIODevice::Text)) {
        while (!meminfo.atEnd()) {
            const QByteArray line = meminfo.readLine();
            if (line.startsWith("MemAvailable:")) {
                const QList<QByteArray> parts = line.simplified().split(' ');
                bool ok = false;
                const long long kb = parts.size() >= 2 ? parts[1].toLongLong(&ok) : 0;
                if (ok)
                    available = kb * 1024;
                break;
            }
        }
    }
}

} // namespace

CAboutDlg::CAboutDlg(QWidget* parent)
    : QDialog(parent)
    , m_link(new CUrlLabel(this))
    , m_memory(new QLabel(this))
{
    setWindowTitle(QStringLiteral("About Molvane"));
    setFixedSize(Dlu(0, 0, 239, 111).size());

    auto* icon = new QLabel(this);
    icon->setPixmap(QIcon(QStringLiteral(":/icons/ternary.svg")).pixmap(32, 32));
    icon->setGeometry(Dlu(13, 9, 21, 20));

    auto* version = new QLabel(QStringLiteral("Molvane Version 1.33"), this);
    version->setGeometry(Dlu(39, 17, 119, 8).adjusted(0, 0, 0, 4));

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setGeometry(Dlu(182, 7, 50, 14));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    m_link->setObjectName(QStringLiteral("Link"));
    m_link->setGeometry(Dlu(40, 49, 118, 8).adjusted(0, 0, 0, 4));
    m_link->SetUrl(ProjectUrl());

    long long total = 0;
    long long available = 0;
    QueryMemory(total, available);
    m_memory->setObjectName(QStringLiteral("MemoryStatus"));
    m_memory->setText(MemoryStatusText(total, available));
    // The numbers of a large machine need more room than the box's layout
    // gave them; the line may run to the right edge.
    const QRect memory = Dlu(40, 83, 159, 10).adjusted(0, 0, 0, 2);
    m_memory->setGeometry(memory.x(), memory.y(), width() - memory.x() - 6, memory.height());
}

QString CAboutDlg::ProjectUrl() { return QStringLiteral("https://ternary.example.org/"); }

QString CAboutDlg::MemoryStatusText(long long totalBytes, long long availableBytes)
{
    return QStringLiteral("Total memory: %1 kb, %2 kb free").arg(totalBytes >> 10).arg(availableBytes >> 10);
}
