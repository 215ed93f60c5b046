#include "framework/gui/CPropertyPage.h"

#include "framework/gui/CPropertySheet.h"

CPropertyPage::CPropertyPage(const QString& caption, QWidget* parent)
    : QWidget(parent)
    , m_caption(caption)
{
}

bool CPropertyPage::UpdateData(bool save) { return DoDataExchange(save); }

void CPropertyPage::OnInitDialog() { UpdateData(false); }

bool CPropertyPage::OnSetActive()
{
    // OnInitDialog has just filled the controls on the first activation.
    if (m_firstSetActive)
        m_firstSetActive = false;
    else
        UpdateData(false);
    return true;
}

bool CPropertyPage::OnKillActive() { return UpdateData(true); }

bool CPropertyPage::DoDataExchange(bool) { return true; }

long CPropertyPage::QuerySiblings(unsigned long wParam, long lParam)
{
    auto* sheet = qobject_cast<CPropertySheet*>(window());
    return sheet ? sheet->QuerySiblings(wParam, lParam) : 0;
}
