#include "framework/gui/CPropertySheet.h"

#include "framework/gui/CPropertyPage.h"

#include <QDialogButtonBox>
#include <QTabWidget>
#include <QVBoxLayout>

CPropertySheet::CPropertySheet(const QString& caption, QWidget* parent, int startPage)
    : QDialog(parent)
    , m_tabs(new QTabWidget(this))
    , m_startPage(startPage)
{
    setWindowTitle(caption);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &CPropertySheet::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CPropertySheet::reject);
    connect(m_tabs, &QTabWidget::currentChanged, this, &CPropertySheet::OnTabChanged);
}

CPropertySheet::~CPropertySheet()
{
    // The tab widget deletes the pages; no activation may run meanwhile.
    disconnect(m_tabs, nullptr, this, nullptr);
}

void CPropertySheet::AddPage(CPropertyPage* page)
{
    m_pages.push_back(page);
    m_switching = true;
    m_tabs->addTab(page, page->Caption());
    m_switching = false;
}

CPropertyPage* CPropertySheet::GetActivePage() const { return m_current < 0 ? nullptr : GetPage(m_current); }

int CPropertySheet::GetActiveIndex() const { return m_current; }

bool CPropertySheet::SetActivePage(int index)
{
    if (index < 0 || index >= GetPageCount())
        return false;
    m_tabs->setCurrentIndex(index);
    return m_current == index;
}

long CPropertySheet::QuerySiblings(unsigned long, long) { return 0; }

bool CPropertySheet::DoModal() { return exec() == QDialog::Accepted; }

void CPropertySheet::showEvent(QShowEvent* event)
{
    if (m_current < 0 && !m_pages.empty()) {
        const int start = m_startPage >= 0 && m_startPage < GetPageCount() ? m_startPage : 0;
        m_switching = true;
        m_tabs->setCurrentIndex(start);
        m_switching = false;
        Activate(start);
    }
    QDialog::showEvent(event);
}

void CPropertySheet::Activate(int index)
{
    m_current = index;
    CPropertyPage* page = GetPage(index);
    if (!page->m_initialized) {
        page->m_initialized = true;
        page->OnInitDialog();
    }
    page->OnSetActive();
}

void CPropertySheet::OnTabChanged(int index)
{
    if (m_switching || index < 0 || index == m_current)
        return;
    // The tab widget has already switched; put the page being left back in
    // front while it is asked, so that its message and focus land on it.
    m_switching = true;
    m_tabs->setCurrentIndex(m_current);
    m_switching = false;
    if (m_current >= 0 && !GetActivePage()->OnKillActive())
        return;
    m_switching = true;
    m_tabs->setCurrentIndex(index);
    m_switching = false;
    Activate(index);
}

void CPropertySheet::accept()
{
    if (CPropertyPage* page = GetActivePage(); page && !page->OnKillActive())
        return;
    QDialog::accept();
}
