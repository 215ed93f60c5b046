#pragma once

#include <QDialog>

class CUrlLabel;
class QLabel;

// The About box: the program's icon, its name and version, the project's
// web address as a link, and the machine's physical memory.
class CAboutDlg : public QDialog {
    Q_OBJECT
public:
    explicit CAboutDlg(QWidget* parent = nullptr);

    // The web address the link opens.
    static QString ProjectUrl();

    // "Total memory: %i kb, %i kb free" for the given byte counts.
    static QString MemoryStatusText(long long totalBytes, long long availableBytes);

    CUrlLabel* Link() const { return m_link; }
    QLabel* MemoryStatus() const { return m_memory; }

private:
    CUrlLabel* m_link;
    QLabel* m_memory;
};
